// Problems of a chosen size with a known answer, for the cost laboratory,
// drawn reproducibly: the same seed, size and index always give the same
// instance, whatever else was drawn before, on any thread.
//
// Each instance has a generator of its own (std::mt19937_64 seeded from the
// seed, the problem, the size and the index through std::seed_seq, whose
// outputs the standard fixes), and every draw is made from its raw outputs,
// never through a library distribution (whose results the standard leaves
// to each library). The primality test that decides which candidates are
// prime is EsPrimoSinProgreso: the answer of EsPrimo, without the bar.
//
// No Qt, no port calls of its own: the arithmetic reports through the port
// current for the thread, as everywhere in the core.
#pragma once

#include <cstdint>

#include "bignum/numero_grande.h"

// A product of two distinct primes of about half the digits each.
struct InstanciaFactorizacion {
    NumeroGrande n;  // p * q, exactly the digits asked for
    NumeroGrande p;  // a prime of ceil(digits / 2) digits
    NumeroGrande q;  // a prime of floor(digits / 2) digits, other than p
};

// alfa^x mod grupo = beta, with grupo a prime of the digits asked for, alfa
// a generator of its multiplicative group (so x is the only answer in
// [0, grupo - 2]; every method that finds a logarithm finds one that
// passes the check) and x drawn from [1, grupo - 2].
struct InstanciaLogaritmo {
    NumeroGrande alfa;
    NumeroGrande beta;
    NumeroGrande grupo;
    NumeroGrande x;
    // The digits Pohlig–Hellman finds for this grupo: the sum of the
    // exponents e of the prime powers q^e of grupo - 1.
    int cifras_orden = 0;
};

// The sizes each generator takes. A logarithm's grupo - 1 is factored by
// trial division here (to choose a generator), which stays below a tenth of
// a second up to 14 digits; no logarithm method of the program gets near
// that size anyway (baby-step giant-step refuses more than 11 digits).
inline constexpr int kDigitosMinimosFactorizacion = 2;
inline constexpr int kDigitosMaximosFactorizacion = 60;
inline constexpr int kDigitosMinimosLogaritmo = 2;
inline constexpr int kDigitosMaximosLogaritmo = 14;

// The instance `indice` (from 0) of `digitos` digits for `semilla`. The
// size must lie within the bounds above (it is clamped to them).
InstanciaFactorizacion InstanciaDeFactorizacion(std::uint64_t semilla, int digitos, int indice);
InstanciaLogaritmo InstanciaDeLogaritmo(std::uint64_t semilla, int digitos, int indice);

// The checks made after a run. A factorization is right when the two
// factors multiply back to n and neither is 1 (nor n): 0 and 0 from a stop,
// n and 1 from a method that gave up, are wrong. A logarithm is right when
// alfa^x mod grupo = beta.
bool FactoresCorrectos(const NumeroGrande& n, const NumeroGrande& factor1, const NumeroGrande& factor2);
bool LogaritmoCorrecto(const InstanciaLogaritmo& instancia, const NumeroGrande& x);
