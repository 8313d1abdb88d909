// The digit loops behind the arithmetic's record-level operations; not part
// of the module's contract.
//
// The routines here work on bare digit arrays: one decimal digit 0..9 per
// byte, least significant first, as in NumeroGrande, with no high zero
// (a normalised number) unless said otherwise. Their working storage belongs
// to the calling thread and only grows, so a routine allocates nothing once
// the thread has seen numbers of that size.
//
// Each routine follows the schoolbook method the operation names, digit by
// digit in base 10; what makes it fast is only the bookkeeping:
//
//  * Lazy digits. Partial products and partial remainders are gathered in
//    wider counters (16 or 32 bits per decimal position) that may leave
//    0..9 for a while; the carries are settled once, at the end, instead of
//    after every row. The loops over a row then have no carry chain and the
//    compiler runs them on a whole vector of positions at a time.
//  * Carries settled in passes. Settling the counters moves every position's
//    tens into the position above, for all positions at once; each pass
//    divides the counters' bound by ten, and the rare carries that remain
//    are walked one by one.
//
// The routines come in two sets compiled from the same source: one for any
// x86-64 processor (SSE2) and one that lets the compiler use AVX2, in two
// forms that differ only in how Euclid's quotients are estimated (see
// Avx2()). Actuales() gives the AVX2 set when the processor has it; every
// set gives the same digits. A test may choose a set with FijarNucleos (to
// run the baseline set on a processor that has AVX2).
#pragma once

#include <cstdint>

namespace bignum_interno::motor {

using Cifra = std::uint8_t;

// Cost model, for a numbers of la and lb digits (la >= lb):
//   Producto   la * lb one-digit products, added into 16-bit counters
//              (lb rows of la; with AVX2 two rows per instruction), and
//              one pass of (la + lb) / 4 groups of four positions to
//              settle the carries.
//   Cuadrado   la * (la + 1) / 2 products (the square's symmetric products
//              are taken once and doubled), then the same pass; with AVX2
//              as Producto of a by itself, whose two rows per instruction
//              make its la * la products cost as much, with no masking.
//   Division   n - k + 1 quotient positions for an n-digit dividend and a
//              k-digit divisor, taken four at a time (two for a divisor of
//              over 4000 digits): each group's digits are estimated at once
//              from the window's top positions, and subtracted times the
//              divisor from the k - 9 32-bit counters below them, the only
//              ones read again (two groups at once, in a pass of pmaddwd;
//              none for k <= 9); then one pass of k - 9 positions settles
//              the remainder and one of n - k + 1 the quotient.
//   Raiz       for each of the n / 2 pairs of digits of an n-digit number,
//              one digit estimated from the remainder and twice the root
//              so far, foreseen from their top two groups of eight digits
//              as the pass before left them, then one pass over their
//              groups subtracting (20 Q + x) x from the remainder and
//              making 2Q + 2x (two more in the rare step whose estimate was
//              one too high): about n^2 / 32 group operations.
//   Euclides   the numbers kept as groups of eight digits, one word each,
//              from the first remainder to the last; per remainder, the
//              quotient estimated from the top two groups and, when it is
//              below 10^8 and the estimate near enough (nearly always), one
//              pass over the groups subtracting it times the divisor; the
//              others as Division, on the digits made from the groups. Once
//              both numbers fit two groups (below 10^16), each remainder is
//              one division of two words.
//   Inverso    as Euclides, and per remainder one more pass over the
//              cofactor's groups adding the quotient times the other
//              cofactor (a pass per group of a quotient left to Division).
//   Potencia   per bit of the exponent a Cuadrado and a Division by the
//              modulus (made ready once), and per 1-bit a Producto and a
//              Division; the division takes the product's columns as its
//              counters, so their carries are not settled in passes first.
//              A 1-bit's product and the next bit's square take the same
//              square, so for moduli of up to 100 digits their divisions
//              run side by side, a block of steps each in turn.
struct Nucleos {
    const char* nombre;

    // r = a * b, a and b normalised and non-zero, r room for la + lb + 1
    // digits (not a nor b). Returns the length of the product, la + lb or
    // one less.
    int (*Producto)(const Cifra* a, int la, const Cifra* b, int lb, Cifra* r);

    // r = a * a, as Producto(a, la, a, la, r).
    int (*Cuadrado)(const Cifra* a, int la, Cifra* r);

    // Long division of n (ln digits) by d (ld digits), ln >= ld, d non-zero,
    // both normalised: q = n div d (ln - ld + 1 positions of room; q may be
    // null when only the remainder is wanted) and r = n mod d (ld positions
    // of room). q and r may be n itself: n is read before either is
    // written. The lengths of the results (normalised) go to *lq and *lr.
    void (*Division)(const Cifra* n, int ln, const Cifra* d, int ld, Cifra* q, int* lq, Cifra* r, int* lr);

    // r = floor(sqrt(x)) for a normalised x of n digits, by the long-hand
    // method on pairs of digits; r has room for (n + 1) / 2 digits, which is
    // the length returned.
    int (*Raiz)(const Cifra* x, int n, Cifra* r);

    // Euclid's remainders on g >= s > 0 (normalised, lg and ls digits)
    // until one is zero: r (room for lg digits) gets the last non-zero
    // remainder and *lr its length. Returns the number of divisions made: 1
    // when s divides g, and r is then s.
    int (*Euclides)(const Cifra* g, int lg, const Cifra* s, int ls, Cifra* r, int* lr);

    // The inverse of a modulo m, for 2 <= a < m (normalised), by Euclid's
    // remainders on (m, a) with their cofactors: true, with the inverse in r
    // (room for lm digits) and its length in *lr, or false, with gcd(m, a),
    // which is not 1, there instead.
    bool (*Inverso)(const Cifra* m, int lm, const Cifra* a, int la, Cifra* r, int* lr);

    // base^e mod m (base and m normalised, m non-zero) by squaring and
    // multiplying from the lowest of e's bits bits[0..nbits), nbits >= 2,
    // without reducing the base before its first squaring. r has room for
    // lm digits. Returns the length of r, or -1 (r not written) when a
    // square or product would have more than kMaxDigitos digits.
    int (*Potencia)(const Cifra* base, int lb, const Cifra* bits, int nbits, const Cifra* m, int lm, Cifra* r);
};

// The set for any x86-64 processor.
const Nucleos& Portables();
// The AVX2 set, or nullptr when this processor or system lacks AVX2. On a
// processor with a fast 64-bit divider, Euclid's and the inverse's
// quotients are estimated with it instead of in floating point.
const Nucleos* Avx2();
// The set in use.
const Nucleos& Actuales();
// Makes `nucleos` the set in use for every thread (tests).
void FijarNucleos(const Nucleos& nucleos);

}  // namespace bignum_interno::motor
