// Big-number arithmetic: the NumeroGrande record, its conversions and every
// operation on it, the random numbers of a chosen size and the elapsed-time
// clock. Include this header to use the module.
//
//   numero_grande.h  the record, text and integer conversions, simple tests
//   aritmetica.h     comparison, +, -, *, division, modular operations, root
//   aleatorio.h      random numbers for the primality test and factoring
//   tiempo.h         TomarHora / TiempoTranscurrido
#pragma once

#include "bignum/aleatorio.h"
#include "bignum/aritmetica.h"
#include "bignum/numero_grande.h"
#include "bignum/tiempo.h"
