// Discrete logarithm modulo a prime grupo by Pohlig–Hellman (HAC 3.63):
// the order N = grupo - 1 is split into prime powers q^e, the logarithm
// modulo each q^e is found digit by digit in base q (each digit a
// baby-step giant-step logarithm in the subgroup of order q), and the
// residues are joined by the Chinese remainder theorem.
#pragma once

#include <vector>

#include "bignum/numero_grande.h"
#include "solvers/logaritmo.h"

// Factors N completely into entries (q, e), q prime and q^e dividing N
// exactly, so that the moduli q^e are pairwise coprime. Each q comes from
// the divisor BuscarFactor finds in what is left of N (table primes
// increasing, then what remains); a composite divisor (a rho divisor, or an
// entry of a damaged table) is split further, by 2 when even and by
// Pollard's rho walk otherwise, until it is prime (EsPrimoSinProgreso).
// Before each factor it reports the factors found so far (PohligHellman,
// FactorizarOrden), lets events run and reads the stop flag; on a stop, and
// on a stop inside a rho walk, it sets interrumpido, sets the arrow pointer
// and shows the warning once. Returns true with the complete list (empty for
// N = 1); false with an empty list when stopped, when the prime table is
// missing (BuscarFactor has reported error 8), or for N = 0, which has no
// factorization.
bool FactorizarOrden(const NumeroGrande& N, std::vector<ParNumeros>& factores, bool& interrumpido);

// Chinese remainder theorem by Garner's method: the x in [0, M), M the
// product of the moduli, with x = Primero (mod Segundo) for every entry.
// The moduli must be pairwise coprime (otherwise InversoModular reports
// error 3 and x is meaningless); an empty list gives 0.
void RestoChino(const std::vector<ParNumeros>& congruencias, NumeroGrande& resultado);

// result = x with alfa^x mod grupo = beta, 0 <= x < grupo - 1. The result
// must be a record other than the inputs; it is 0 on every way out but
// success.
//   - grupo = 0: error 4, as every logarithm method; grupo = 1: the order 0
//     has no factorization, so result 0 and nothing shown; grupo = 2 (the
//     order 1 has no factors): error 5 ("No es posible calcular el
//     logaritmo con este método").
//   - The factoring of N stopped, or the prime table missing (error 8).
//   - A stop before each prime power and each digit: warning.
//   - A sub-logarithm stopped or refused by LogaritmoGiganteEnano: its own
//     warning or error 13 only. A sub-logarithm that does not exist there:
//     error 5.
//   - The joined result failing alfa^x mod grupo = beta (grupo not prime,
//     alfa not a generator of a large enough subgroup...): error 5.
// Each sub-logarithm builds the full baby-step table of grupo, whatever q.
// Before each digit it reports the digits found so far of all there are
// (PohligHellman, Digitos), with q, e and the digit being found; the
// sub-logarithms report their own baby and giant steps.
void LogaritmoPohligHellman(const NumeroGrande& alfa, const NumeroGrande& beta, const NumeroGrande& grupo,
                            NumeroGrande& resultado);
