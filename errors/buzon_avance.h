// The latest progress of one run, handed from the thread that computes to
// the thread that shows it. The worker stores every report (Guardar, at
// every step: a short lock, no allocation once the factor text fits); the
// user-interface thread reads the latest whenever it likes (Leer), so
// reports are coalesced and neither side ever waits for the other beyond
// that lock.
//
// Two reports are kept: the latest of all, and the latest of the method
// that runs others as its steps (Pohlig–Hellman, whose digits are each a
// baby-step giant-step search), so that a reader can show both "digit 2 of
// 5^3" and "giant step 120 of 300".
#pragma once

#include <cstdint>
#include <mutex>
#include <string>

#include "errors/puerto_interfaz.h"

namespace puerto {

// An Avance that owns its factor text.
struct AvanceGuardado {
    Metodo metodo = Metodo::Ninguno;
    Fase fase = Fase::Ninguna;
    std::uint64_t pasos = 0;
    std::uint64_t total = 0;
    std::uint64_t cambios = 0;
    std::string factor;
    int exponente = 0;
    int digito = 0;
};

class BuzonAvance {
public:
    // Stores `avance` as the latest report (and as the latest of its method
    // when that method runs others). Any thread.
    void Guardar(const Avance& avance);

    struct Lectura {
        AvanceGuardado ultimo;     // the latest report of any method
        AvanceGuardado exterior;   // the latest of Pohlig–Hellman, if it runs
        std::uint64_t informes = 0;  // reports stored so far
    };
    // The latest reports. Any thread.
    Lectura Leer() const;

private:
    static void Copiar(const Avance& de, AvanceGuardado& a);

    mutable std::mutex cerrojo_;
    Lectura lectura_;
};

}  // namespace puerto
