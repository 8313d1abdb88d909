// Helpers shared by the arithmetic's source files; not part of its contract.
#pragma once

#include <cstdint>
#include <optional>

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

// X holds, from its first digit, a positive result of `longitud` digits that
// a digit loop wrote (motor.h): Digitos is cut to them, Longitud set, and
// the sign made '+'.
inline void Recortar(NumeroGrande& X, int longitud) {
    X.Digitos.resize(longitud);
    X.Longitud = static_cast<std::int16_t>(longitud);
    X.Signo = '+';
}

// For a result that would need more than kMaxDigitos digits: reports error 13
// and leaves X zero.
void Desbordamiento(NumeroGrande& X);

// |A| compared with |B|: -1, 0 or 1. Decides by the lengths of the values
// first (high zeros do not count), then digit by digit from the top.
int CompararMagnitudes(const NumeroGrande& A, const NumeroGrande& B);

// ---- Magnitudes, for the loops of the composite operations ---------------
// The inputs are normalised and their signs are not looked at; the results
// are normalised with sign '+'. They report nothing.

// R = |A| * |B|; R may be A or B. False, leaving R as it was, when the
// product would have more than kMaxDigitos digits.
bool ProductoMagnitudes(const NumeroGrande& A, const NumeroGrande& B, NumeroGrande& R);
// R = |A|^2, likewise.
bool CuadradoMagnitudes(const NumeroGrande& A, NumeroGrande& R);
// Q = |N| div |D| (when Q is given) and R = |N| mod |D|, for a non-zero D.
// Q and R may be N or D, but not the same record.
void DividirMagnitudes(const NumeroGrande& N, const NumeroGrande& D, NumeroGrande* Q, NumeroGrande& R);

// An input of a public operation read as its value: the record itself when
// it has no high zero (told by its top digit, so a normalised input costs
// one comparison and no copy), otherwise a copy without them, held by this
// object. With `sin_signo` a '-' is dropped too (a modulus, whose sign is
// not looked at). The loops behind the entry points then only ever see
// normalised numbers. The copy is the caller's own, so an output that is
// the same record as this input may be written while the copy is read.
class Normalizado {
public:
    explicit Normalizado(const NumeroGrande& x, bool sin_signo = false) : valor_(&x) {
        const bool ceros_arriba = x.Longitud > 1 && x.Digitos[x.Longitud - 1] == 0;
        if (!ceros_arriba && !(sin_signo && x.Signo == '-')) return;
        NumeroGrande& copia = copia_.emplace();
        const int longitud = LongitudDelValor(x);
        copia.Digitos.assign(x.Digitos.begin(), x.Digitos.begin() + longitud);
        copia.Longitud = static_cast<std::int16_t>(longitud);
        copia.Signo = sin_signo ? '+' : x.Signo;
        valor_ = &copia;
    }
    Normalizado(const Normalizado&) = delete;
    Normalizado& operator=(const Normalizado&) = delete;

    const NumeroGrande& operator*() const { return *valor_; }

private:
    std::optional<NumeroGrande> copia_;
    const NumeroGrande* valor_;
};

}  // namespace bignum_interno
