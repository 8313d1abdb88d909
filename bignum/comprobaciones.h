// The checks of the error catalogue that look at a number: a divisor, a
// modulus and a greatest common divisor. Each tests its condition and, when
// it holds, sets the arrow pointer, reports its error and returns true;
// otherwise it shows nothing and returns false. Signs are not looked at.
#pragma once

#include "bignum/numero_grande.h"

// Error 2 ("División por 0") when the divisor is zero.
bool ComprobarDivisor(const NumeroGrande& divisor);
// Error 3 ("Los números no son primos relativos") when the gcd is not one.
bool ComprobarPrimosRelativos(const NumeroGrande& mcd);
// Error 4 ("El modulo introducido no es válido") when the modulus is zero.
bool ComprobarModulo(const NumeroGrande& modulo);
