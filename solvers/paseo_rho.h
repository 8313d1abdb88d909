// Pollard's rho walk, shared by FactorizarRho and the factor search of
// BuscarFactor; not part of the module's contract.
#pragma once

#include "bignum/numero_grande.h"

namespace solvers_interno {

// Looks for a divisor d of n (n >= 1) with 1 < d < n by Pollard's rho method
// with Floyd's cycle detection (HAC 3.9), one gcd per step:
//   start   x = y = 2 when n has at most digitos_inicio_fijo digits, else
//           one random AleatorioParaFactorizar(Longitud of n) for both;
//   step    x = f(x), y = f(f(y)) with f(v) = (v * v + c) mod n, c from 1;
//           d = gcd((x - y) mod n, n);
//   d = n   (the walks met, or t = 0) c grows by 1 and the walk goes on
//           from the current x and y, without a restart.
// Before every step it lets events run, reads the stop flag and reports the
// steps taken and the changes of c (method Rho, phase Paseo). Returns
// true with the divisor in d, false when the flag was found set. For a prime
// n or n = 1 only the flag ends it.
bool PaseoRho(const NumeroGrande& n, int digitos_inicio_fijo, NumeroGrande& d);

}  // namespace solvers_interno
