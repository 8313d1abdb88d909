// Helpers shared by the solvers' tests.
#pragma once

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "bignum/numeros_grandes.h"
#include "soporte/puerto_grabador.h"

inline NumeroGrande Num(std::string_view texto) {
    NumeroGrande x;
    CadenaANumero(texto, x, '+');
    return x;
}

inline NumeroGrande Num(const mpz_class& valor) { return Num(valor.get_str()); }

inline mpz_class Gmp(const NumeroGrande& x) { return mpz_class(NumeroACadena(x)); }

// Every test runs with a recording user interface, so no dialog ever waits
// and every dialog, pointer change and stop-flag read can be checked.
class ConPuerto : public ::testing::Test {
protected:
    puerto::PuertoGrabador ui;
    puerto::EnHilo activa{ui};
};

// The test's current directory is a fresh empty folder while it lives, so
// that Primos.txt there is whatever the test writes (or missing).
class CarpetaTemporal {
public:
    CarpetaTemporal() : anterior_(std::filesystem::current_path()) {
        std::string plantilla = (std::filesystem::temp_directory_path() / "tornavela-XXXXXX").string();
        if (mkdtemp(plantilla.data()) == nullptr) throw std::runtime_error("mkdtemp");
        carpeta_ = plantilla;
        std::filesystem::current_path(carpeta_);
    }
    ~CarpetaTemporal() {
        std::filesystem::current_path(anterior_);
        std::filesystem::remove_all(carpeta_);
    }
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

    void EscribirTabla(std::string_view contenido) const {
        std::ofstream(carpeta_ / "Primos.txt", std::ios::binary) << contenido;
    }

private:
    std::filesystem::path anterior_;
    std::filesystem::path carpeta_;
};
