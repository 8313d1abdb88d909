// Discrete logarithm modulo grupo: the exponent x with alfa^x mod grupo =
// beta, by exhaustive search and by Shanks' baby-step giant-step method.
//
// Inputs are non-negative (their signs are not looked at; values are compared
// by magnitude); the result must be a record other than the inputs. It is
// zero on entry and on every way out that gives no logarithm. grupo = 0 is
// refused at once: arrow pointer, error 4 ("El modulo introducido no es
// válido"), result 0. grupo = 1 is worked like any other (2^x = 1 mod 1
// gives 0 in both methods).
//
// Once per outer step a method lets events run, reads the stop flag and
// reports its progress; when the flag is set, the result is 0, the pointer
// becomes the arrow, the warning is shown once and the method returns.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "bignum/numero_grande.h"

// Two numbers: an exponent and its power in the baby-step table; a factor
// and its exponent, or a residue and its modulus, in Pohlig–Hellman.
struct ParNumeros {
    NumeroGrande Primero;
    NumeroGrande Segundo;
};

// Tries x = 0, 1, 2, ... with each power alfa^x mod grupo computed afresh,
// until one equals beta; result = that x. Since the running power starts at
// 0, beta = 0 is answered 0 at once. alfa = 1: result 1 when beta = 1,
// otherwise error 11 ("No existe este logaritmo"). There is no bound: when
// no power equals beta (beta not a power of alfa, or beta >= grupo) only a
// stop ends it. Progress: the exponents tried (Busqueda, Exponentes).
void LogaritmoBusqueda(const NumeroGrande& alfa, const NumeroGrande& beta, const NumeroGrande& grupo,
                       NumeroGrande& resultado);

// Baby-step giant-step with m = floor(sqrt(grupo - 1)) + 1:
//   1. alfa = 1: result 1 when beta = 1, otherwise "no logarithm".
//   2. A table of m > LimiteTablaGiganteEnano() entries (or one that cannot
//      be allocated): *interrumpido, error 13 ("Los números son demasiado
//      grandes y no hay suficiente espacio de pila").
//   3. Baby steps: entry j = (j, alfa^j mod grupo) for j = 0..m-1, each power
//      afresh, reported as PasosEnanos of m. No stop check while the table
//      is built; one right after.
//   4. beta equal to an entry: result = the first such j.
//   5. The table is sorted (OrdenarTabla); it is still searched linearly.
//   6. alfa without an inverse modulo grupo: InversoModular reports error 3
//      and gives 0, and the giant steps go on with that 0 (so they end in
//      "no logarithm", or in a hit that fails the check of 7).
//   7. Giant steps h = 0..m-1, each after a stop check and reported as
//      PasosGigantes of m: gamma = beta * alfa^(-m*h) mod grupo (the power
//      afresh); at the first entry j equal to gamma, result = m*h + j, kept
//      when alfa^result mod grupo = beta, "no logarithm" otherwise (beta >=
//      grupo, for instance).
//   8. No giant step meets the table: "no logarithm".
// "No logarithm" is error 11 ("No existe este logaritmo") when existe is left
// out (the window), *existe = false and no dialog when it is given
// (Pohlig–Hellman); either way the result is 0. *existe is written only
// then. interrumpido is true after a stop or an error 13, false otherwise.
void LogaritmoGiganteEnano(const NumeroGrande& alfa, const NumeroGrande& beta, const NumeroGrande& grupo,
                           NumeroGrande& resultado, bool& interrumpido, bool* existe = nullptr);

// Baby-step giant-step as the logarithm window calls it, in the shape of the
// other methods: no existence flag (a missing logarithm is error 11) and no
// interrupted flag (a stop has shown its warning, and the result is 0).
void LogaritmoGiganteEnanoSinBanderas(const NumeroGrande& alfa, const NumeroGrande& beta,
                                      const NumeroGrande& grupo, NumeroGrande& resultado);

// Any of the logarithm methods in that shape (exhaustive search, the one
// above, Pohlig–Hellman), as a window, the laboratory or a benchmark chooses
// one.
using MetodoLogaritmo = void (*)(const NumeroGrande& alfa, const NumeroGrande& beta, const NumeroGrande& grupo,
                                 NumeroGrande& resultado);

// Largest baby-step table LogaritmoGiganteEnano builds: 2^18 entries, for
// grupo up to about 6.9 * 10^10. Each entry holds two records and their
// digit storage (some 130 bytes), so the table stays near 35 MiB, and its
// construction, which cannot be stopped, takes a few seconds.
inline constexpr std::int32_t kMaxEntradasTabla = 1 << 18;

// The bound in force on the calling thread: kMaxEntradasTabla unless a test
// has set another with FijarLimiteTablaGiganteEnano (to reach the bound with
// small numbers).
std::int32_t LimiteTablaGiganteEnano();
void FijarLimiteTablaGiganteEnano(std::int32_t entradas);

// Largest table OrdenarTabla sorts: positions are counted in 16 bits.
inline constexpr std::size_t kMaxEntradasOrdenables = 32767;

// Sorts the table in place, ascending by Segundo (magnitude), by selection
// sort (the smallest of the rest swapped into place; a later entry moves
// ahead of an equal one only by such a swap); both numbers of an entry move
// together. A table of more than kMaxEntradasOrdenables entries is left as
// it is.
void OrdenarTabla(std::vector<ParNumeros>& tabla);
