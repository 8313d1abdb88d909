// Splitting an integer into two factors: Pollard rho, Dixon's walk and
// continued fractions, the three methods of the factorization window.
//
// Each takes the number n (non-negative; its sign is not looked at) and
// writes the pair it finds into factor1 and factor2, which must be records
// other than n. Both are zero on entry and stay zero on every way out that
// finds nothing. n = 0 is refused at once, silently, with both factors 0
// (0 = 0 * 0: there is nothing to split). No method reports an error of its
// own.
//
// Once per outer step (per Euclid step too, in continued fractions) a method
// lets events run and reads the stop flag; when it is set, both factors are
// 0, the pointer becomes the arrow, the warning is shown once and the method
// returns. Each step is also reported as progress: rho's steps and changes of
// its map (Rho, Paseo), Dixon's values of x (Dixon, Paseo), the expansion
// steps of continued fractions (Fracciones, Expansion) and the steps of each
// of its gcds (Fracciones, Euclides).
#pragma once

#include "bignum/numero_grande.h"

// Any of the three methods, as a window, the laboratory or a benchmark
// chooses one.
using MetodoFactorizacion = void (*)(const NumeroGrande& n, NumeroGrande& factor1, NumeroGrande& factor2);

// Pollard's rho method: the first divisor d with 1 < d < n that the walk
// meets (not always prime), factor1 = d and factor2 = n div d. The walk
// starts from 2 for up to 20 digits, from a random value above. It ends
// only with a factor or a stop, and it runs until the user stops it for:
//   - primes and n = 1, which have no such divisor;
//   - 4 and 8, which it never splits: modulo 4 the map v^2 + c takes only
//     the values c and c + 1, so x - y is never 2; modulo 8 the walk from 2
//     passes two states (x, y, c mod 8) and then goes round a cycle of 12,
//     and at every step x - y is 0, 3 or 7. Every gcd is then 1 or n.
//     (Every other composite below 10^6 is split, in at most 110 steps.)
// The method is kept as it is for them: the window's live progress shows
// the steps and changes of c meanwhile, and the stop button ends the run.
void FactorizarRho(const NumeroGrande& n, NumeroGrande& factor1, NumeroGrande& factor2);

// Dixon's congruence of squares, one relation at a time.
//   1. The prime table (DividirPorTabla): a prime p dividing n gives p and
//      n div p.
//   2. n a perfect square: its root twice (n = 1 gives 1 and 1).
//   3. x walks up from floor(sqrt(n)) while x < n; each x gives d = gcd(x, n)
//      and, when x^2 mod n is a square w^2, d = gcd((x - w) mod n, n); the
//      first d with 1 < d < n gives d and n div d.
//   4. The walk reaching n without a factor (n prime): 0 and 0.
void FactorizarDixon(const NumeroGrande& n, NumeroGrande& factor1, NumeroGrande& factor2);

// Continued-fraction method: expands sqrt(n) and, at every even step k
// whose denominator Q(k) is a square s^2, takes G = gcd(n, |A(k-1) - s|)
// from the convergent numerator A(k-1) (kept modulo n).
//   - A table prime p dividing n gives p and n div p (DividirPorTabla).
//   - n a perfect square: its root twice (n = 1 gives 1 and 1).
//   - G > 1 gives G and n div G.
//   - A(k-1) = s, where the method cannot go on: n and 1 (not an error).
// Otherwise it goes on without bound; for some n (primes among them) only a
// stop ends it.
void FactorizarFracciones(const NumeroGrande& n, NumeroGrande& factor1, NumeroGrande& factor2);
