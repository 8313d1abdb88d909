// Shared pieces of the bignum tests: records written as text without going
// through the conversions under test, and a fixture that records every error
// report.
//
//   Num("-120")  a record with Signo '-' and the digits 1, 2, 0 as written
//                ("007" keeps Longitud 3, for the helpers that pad)
//   Ver(x)       the record back as text, sign character and every digit in
//                use: a zero signed '-' reads "-0", a padded 7 reads "007"
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bignum/numero_grande.h"
#include "soporte/puerto_grabador.h"

namespace prueba {

inline NumeroGrande Num(std::string_view texto) {
    NumeroGrande x;
    x.Signo = '+';
    if (!texto.empty() && texto.front() == '-') {
        x.Signo = '-';
        texto.remove_prefix(1);
    }
    x.Digitos.assign(texto.rbegin(), texto.rend());
    for (std::uint8_t& d : x.Digitos) d = static_cast<std::uint8_t>(d - '0');
    x.Longitud = static_cast<std::int16_t>(x.Digitos.size());
    return x;
}

// The digits in use, from the top, with no sign.
inline std::string Cifras(const NumeroGrande& x) {
    if (x.Longitud < 1 || x.Digitos.size() < static_cast<std::size_t>(x.Longitud))
        return "<registro roto: Longitud " + std::to_string(x.Longitud) + ", " +
               std::to_string(x.Digitos.size()) + " elementos>";
    std::string texto;
    for (int i = x.Longitud - 1; i >= 0; --i) {
        const int d = x.Digitos[i];
        texto += d <= 9 ? static_cast<char>('0' + d) : '?';
    }
    return texto;
}

inline std::string Ver(const NumeroGrande& x) {
    return (x.Signo == '-' ? "-" : x.Signo == '+' ? "" : "<signo?>") + Cifras(x);
}

// What Ver shows for these digits under this sign.
inline std::string ConSigno(char signo, std::string_view cifras) {
    std::string texto = signo == '-' ? "-" : "";
    texto += cifras;
    return texto;
}

// `cabeza` followed by `ceros` zeros ("3" and 2 give "300").
inline std::string ConCeros(std::string_view cabeza, int ceros) {
    std::string texto(cabeza);
    texto.append(ceros, '0');
    return texto;
}

// The same value with `extra` more elements of storage above Longitud,
// filled with 9s that every operation must ignore.
inline NumeroGrande ConRelleno(NumeroGrande x, int extra = 3) {
    x.Digitos.resize(x.Longitud);
    x.Digitos.insert(x.Digitos.end(), extra, 9);
    return x;
}

// A test whose error reports are recorded. Reports left untaken at the end
// fail the test, so every test also checks that nothing is reported where
// nothing should be.
class ConInformes : public ::testing::Test {
protected:
    puerto::PuertoGrabador ui;

    // The error numbers reported since the last call, in order.
    std::vector<int> Informes() { return std::exchange(ui.errores, {}); }

    void TearDown() override {
        EXPECT_EQ(ui.errores, std::vector<int>{}) << "errores informados sin esperarlos";
    }

private:
    puerto::EnHilo activa_{ui};
};

}  // namespace prueba
