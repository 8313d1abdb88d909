// Conversions between NumeroGrande and GMP's mpz_class, for the tests that
// use GMP as an independent oracle.
#pragma once

#include <gmpxx.h>

#include <string>

#include "bignum/numero_grande.h"
#include "numeros_de_prueba.h"

namespace prueba {

// The value of a record (a zero signed '-' is plain 0).
inline mpz_class AMpz(const NumeroGrande& x) {
    const mpz_class magnitud(Cifras(x), 10);
    return x.Signo == '-' ? mpz_class(-magnitud) : magnitud;
}

// Negative, zero or positive as |a| is below, equal to or above |b|.
inline int CompararMagnitudes(const NumeroGrande& a, const NumeroGrande& b) {
    return mpz_cmpabs(AMpz(a).get_mpz_t(), AMpz(b).get_mpz_t());
}

// A normalised record of the value, '-' when negative.
inline NumeroGrande DeMpz(const mpz_class& valor) { return Num(valor.get_str()); }

// What Ver shows for a normalised record of this value: its sign comes from
// the value, except that a zero shows the sign it is expected to carry.
inline std::string Esperado(const mpz_class& valor, char signo_del_cero = '+') {
    if (valor == 0) return signo_del_cero == '-' ? "-0" : "0";
    return valor.get_str();
}

}  // namespace prueba
