// Random numbers of a chosen size, for the primality bases and the random
// starts of the factorization methods.
//
// Each thread draws from its own generator, seeded once from the system's
// entropy source, so two calls in the same second never repeat a value the
// way a generator re-seeded from a one-second clock would. Tests fix the
// sequence of the calling thread with FijarSemillaAleatoria.
#pragma once

#include <cstdint>
#include <optional>

#include "bignum/numero_grande.h"

// A number for a primality base: NumDigitos div 2 digits when NumDigitos is
// 30 or less (at least 1), otherwise 3 to 8 digits. The top digit is never 0;
// sign '+'.
NumeroGrande AleatorioParaPrueba(std::int16_t NumDigitos);

// A starting value for the factorization methods: 1 to NumDigitos div 2
// digits (1 when NumDigitos is below 2), top digit never 0, sign '+'.
NumeroGrande AleatorioParaFactorizar(std::int16_t NumDigitos);

// Restarts the calling thread's generator from a fixed seed.
void FijarSemillaAleatoria(std::uint64_t semilla);

// The seed last fixed on the calling thread, if any, so that a worker
// started from this thread can draw the same sequence.
std::optional<std::uint64_t> SemillaFijada();
