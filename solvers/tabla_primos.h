// Trial division by the prime table file.
//
// The table is the text file Primos.txt, looked for by that bare name in the
// current directory, and opened, read and closed inside every call: nothing
// is cached, and no call leaves the file open. One entry per line: a
// decimal integer from 2 to 32767, blanks around it allowed. A line that
// holds anything else is skipped (one of more than 40 characters without
// being kept), and a file without any valid entry counts as missing, so no
// entry is ever 0 (a division by zero) or 1 (a divisor that never ends a
// factoring). Only the first MiB of the file is read (the shipped table is
// about 20 KB), so a name that leads to an endless source (a link to
// /dev/zero, a FIFO that is fed without end) still gives a bounded read in
// bounded memory. Entries are tried in file order: with the primes in
// increasing order, the divisor found is the smallest prime factor that the
// table holds.
#pragma once

#include "bignum/numero_grande.h"

// The table's file name, relative to the current directory.
inline constexpr const char* kFicheroPrimos = "Primos.txt";

// True when an entry p of the table divides n: factor1 = p and
// factor2 = n div p (n = 0: the first entry, and 0). False when no entry
// divides n or the table is missing; the factors are then not written, and
// nothing is reported. The factors must be records other than n.
bool DividirPorTabla(const NumeroGrande& n, NumeroGrande& factor1, NumeroGrande& factor2);

// One divisor greater than 1 of n (non-negative) into factor:
//   - the first table entry that divides n;
//   - else n itself when it is prime (EsPrimoSinProgreso);
//   - else 2 when n is even (only with a table that lacks 2; the rho walk
//     would never split 4 or 8);
//   - else the divisor met by Pollard's rho walk (not always prime), started
//     from 2 for up to 30 digits and from a random value above.
// A missing table reports error 8 ("Error en el fichero 'Primos.txt'") and
// gives 0. n = 1 has no such divisor: 0, nothing reported. The rho walk lets
// events run and reads the stop flag before every step; when the flag is
// set it gives 0 and sets *interrumpido, showing nothing, so that the caller
// shows the one warning. *interrumpido, when given, is false on every other
// way out. factor must be a record other than n.
void BuscarFactor(const NumeroGrande& n, NumeroGrande& factor, bool* interrumpido = nullptr);
