// Helpers shared by the solvers' source files; not part of the module's
// contract.
#pragma once

#include <cstdint>

#include "bignum/numero_grande.h"
#include "errors/puerto_interfaz.h"

namespace solvers_interno {

// A small constant as a record.
NumeroGrande Numero(std::int16_t valor);

// ---- Stop check ------------------------------------------------------------

// Lets pending events run (so a stop button can be pressed when the solver
// runs on the user-interface thread), then asks the current port whether
// the calling run was asked to stop: a worker's port reads that run's own
// flag, so a stop reaches only the runs it was meant for.
bool DetencionPedida();

// What a solver does once it has found the flag set and put its outputs to
// zero: arrow pointer, then the "PROCESO INTERRUMPIDO" warning, once.
void AvisarInterrupcion();

// ---- Progress --------------------------------------------------------------

// Tells the user interface how far a method has got; called at every step.
inline void InformarAvance(const puerto::Avance& avance) { puerto::Actual().InformarAvance(avance); }

// ---- Factorization ---------------------------------------------------------

// 1 < d < n, on magnitudes.
bool EsFactorPropio(const NumeroGrande& d, const NumeroGrande& n);

// factor1 = d, factor2 = n div d. Neither output may be n.
void EscribirFactores(const NumeroGrande& n, const NumeroGrande& d, NumeroGrande& factor1,
                      NumeroGrande& factor2);

// ---- Discrete logarithm ----------------------------------------------------

// Modulo 0 nothing is defined, so there is no group to search: arrow
// pointer, error 4 ("El modulo introducido no es válido"), true. False,
// showing nothing, for any other grupo (1 included: every method then gives
// what its steps give).
bool GrupoNoValido(const NumeroGrande& grupo);

}  // namespace solvers_interno
