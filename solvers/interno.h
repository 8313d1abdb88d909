// Helpers shared by the solvers' source files; not part of the module's
// contract.
#pragma once

#include <cstdint>

#include "bignum/numero_grande.h"

namespace solvers_interno {

// A small constant as a record.
NumeroGrande Numero(std::int16_t valor);

// ---- Stop check ------------------------------------------------------------

// Lets pending events run (so a stop button can be pressed), then reads the
// program-wide stop flag.
bool DetencionPedida();

// What a solver does once it has found the flag set and put its outputs to
// zero: arrow pointer, then the "PROCESO INTERRUMPIDO" warning, once.
void AvisarInterrupcion();

// ---- Factorization ---------------------------------------------------------

// 1 < d < n, on magnitudes.
bool EsFactorPropio(const NumeroGrande& d, const NumeroGrande& n);

// factor1 = d, factor2 = n div d. Neither output may be n.
void EscribirFactores(const NumeroGrande& n, const NumeroGrande& d, NumeroGrande& factor1,
                      NumeroGrande& factor2);

// ---- Discrete logarithm ----------------------------------------------------

// A group modulus below 2 leaves no group to search (modulo 0 nothing is
// defined, modulo 1 every power is 0): arrow pointer, error 4 ("El modulo
// introducido no es válido"), true. False, showing nothing, otherwise.
bool GrupoNoValido(const NumeroGrande& grupo);

}  // namespace solvers_interno
