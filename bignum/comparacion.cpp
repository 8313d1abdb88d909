// Comparison of magnitudes. Signs are never looked at: a signed comparison is
// written by the caller from these and the signs.
#include <algorithm>

#include "bignum/aritmetica.h"
#include "bignum/interno.h"

using bignum_interno::CompararMagnitudes;

std::uint8_t CompararLongitudes(const NumeroGrande& A, const NumeroGrande& B) {
    if (A.Longitud == B.Longitud) return 0;
    return A.Longitud > B.Longitud ? 1 : 2;
}

bool SonIguales(const NumeroGrande& A, const NumeroGrande& B) { return CompararMagnitudes(A, B) == 0; }
bool EsMayor(const NumeroGrande& A, const NumeroGrande& B) { return CompararMagnitudes(A, B) > 0; }
bool EsMenor(const NumeroGrande& A, const NumeroGrande& B) { return CompararMagnitudes(A, B) < 0; }

void IgualarLongitudes(NumeroGrande& A, NumeroGrande& B) {
    if (A.Longitud == B.Longitud) return;
    NumeroGrande& corto = A.Longitud < B.Longitud ? A : B;
    const int largo = std::max(A.Longitud, B.Longitud);
    corto.Digitos.resize(corto.Longitud);
    corto.Digitos.resize(largo, 0);
    corto.Longitud = static_cast<std::int16_t>(largo);
}
