// Helpers shared by the arithmetic's source files; not part of its contract.
#pragma once

#include <cstdint>

#include "bignum/numero_grande.h"

namespace bignum_interno {

// Makes X zero with the given sign, keeping its storage.
inline void Cero(NumeroGrande& X, char signo = '+') {
    X.Digitos.resize(1);
    X.Digitos[0] = 0;
    X.Longitud = 1;
    X.Signo = signo;
}

// X becomes one with sign '+'.
inline void Uno(NumeroGrande& X) {
    Cero(X);
    X.Digitos[0] = 1;
}

// Sets Longitud and makes sure Digitos holds that many elements. The new
// elements' values are unspecified until written.
inline void Dimensionar(NumeroGrande& X, int longitud) {
    if (static_cast<int>(X.Digitos.size()) < longitud) X.Digitos.resize(longitud);
    X.Longitud = static_cast<std::int16_t>(longitud);
}

// For a result that would need more than kMaxDigitos digits: reports error 13
// and leaves X zero.
void Desbordamiento(NumeroGrande& X);

// |A| compared with |B| on the digits 0..Longitud-1: -1, 0 or 1. Decides by
// Longitud first, so both must be normalised.
int CompararMagnitudes(const NumeroGrande& A, const NumeroGrande& B);

}  // namespace bignum_interno
