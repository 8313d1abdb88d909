// Arithmetic on NumeroGrande: comparison, sum and difference, product and
// long division, modular reduction, power, gcd, inverse and square root.
//
// Everything works digit by digit in base 10 on the record's one-digit-per-
// byte representation, schoolbook style, so the cost of each operation grows
// with the number of digits as the program sets out to show.
//
// Inputs are never changed, and each may have high zeros: it is read as the
// value it denotes (see numero_grande.h), at the cost of one look at its top
// digit when it has none. Results are normalised, except where said below.
// Functions that return a NumeroGrande give a new record; the forms with a
// `Resultado` parameter write into it instead, reusing its storage (for
// loops that must not allocate), and accept a `Resultado` that is the same
// record as one of the inputs. Working storage is kept per thread and
// reused from call to call.
//
// What each operation costs, in one-digit operations, for operands of m and
// n digits (m >= n); the loops behind them are in motor.h.
//   Sumar, Restar         m digit additions (eight to a machine word).
//   Multiplicar           m * n one-digit products (about half that for a
//                         square), then a few passes of m + n positions to
//                         settle the carries.
//   Dividir, Reducir      m - n + 1 quotient digits, each estimated from the
//                         top digits and subtracted times the divisor: about
//                         (m - n + 1) * n one-digit products.
//   PotenciaModular       per bit of the exponent (about 3.3 per digit) a
//                         square and a reduction of a 2k-digit number by the
//                         k-digit modulus, and per 1-bit a product and a
//                         reduction more: about 3.3 e * 1.5 k^2 products for
//                         an e-digit exponent.
//   MaximoComunDivisor,   Euclid takes about 1.94 remainders per digit (and
//   InversoModular        the inverse as many products of its quotients by
//                         its coefficients); each costs a pass over the
//                         digits, so about 2 n^2 digit operations.
//   RaizEntera            per pair of digits of an n-digit number, a digit
//                         estimated from the top and a pass over the
//                         remainder, one word per eight digits: about
//                         n^2 / 32 operations on words.
//
// Failures are reported through the error catalogue and the caller carries
// on with the value given below: division by zero (error 2), a zero modulus
// (error 4), no inverse (error 3). A result that would need more than
// kMaxDigitos digits is reported as error 13 and gives zero. One call
// reports each failure once at most: no operation shows the same dialog
// again and again.
#pragma once

#include <cstdint>

#include "bignum/numero_grande.h"

// ---- Comparison of magnitudes (signs are ignored) -------------------------

// 0 when both have the same Longitud, 1 when A has more digits, 2 when B has.
// Longitud as written: high zeros count here.
std::uint8_t CompararLongitudes(const NumeroGrande& A, const NumeroGrande& B);
bool SonIguales(const NumeroGrande& A, const NumeroGrande& B);  // |A| = |B|
bool EsMayor(const NumeroGrande& A, const NumeroGrande& B);     // |A| > |B|
bool EsMenor(const NumeroGrande& A, const NumeroGrande& B);     // |A| < |B|

// Pads the shorter of the two with high zeros up to the other's Longitud.
// The padded record breaks the no-leading-zero rule; every operation still
// reads it as its value.
void IgualarLongitudes(NumeroGrande& A, NumeroGrande& B);

// ---- Sum and difference ----------------------------------------------------

// A + B. Mixed signs go through the difference of magnitudes; with equal
// signs the result takes A's sign, so -0 + -0 gives a zero signed '-'.
NumeroGrande Sumar(const NumeroGrande& A, const NumeroGrande& B);
void Sumar(const NumeroGrande& A, const NumeroGrande& B, NumeroGrande& Resultado);

// A - B. Equal magnitudes of equal sign give zero with '+'.
NumeroGrande Restar(const NumeroGrande& A, const NumeroGrande& B);
void Restar(const NumeroGrande& A, const NumeroGrande& B, NumeroGrande& Resultado);

// ---- Product and division --------------------------------------------------

// A * B; a zero factor gives zero with '+', whatever the signs.
NumeroGrande Multiplicar(const NumeroGrande& A, const NumeroGrande& B);
void Multiplicar(const NumeroGrande& A, const NumeroGrande& B, NumeroGrande& Resultado);

// |A| * D with sign '+', for a digit D of 0..25. D = 0 keeps the number of
// digits of A's value, all zero (it adds nothing where it is used): a zero
// written "000" when A is 123.
NumeroGrande MultiplicarPorDigito(const NumeroGrande& A, std::uint8_t D);

// X becomes X * 10^N (N >= 0; a negative N changes nothing); the sign does
// not change. X's high zeros are kept, and a zero grows by N zeros ("000"
// for a zero shifted by 2).
void DesplazarDigitos(NumeroGrande& X, std::int16_t N);

// '+' when both signs are equal, '-' otherwise.
char SignoDeProducto(char signo1, char signo2);

// Long division of Dividendo by Divisor.
//   |Divisor| > |Dividendo|: Cociente 0, Resto a copy of Dividendo (its sign
//                            included).
//   |Divisor| = |Dividendo|: Cociente 1, Resto 0 with '+'.
//   otherwise:               quotient and remainder of the magnitudes, Resto
//                            with '+'.
// Cociente always takes SignoDeProducto of the operands' signs, even when it
// is zero (-3 div 5 gives a zero signed '-', remainder -3). A zero divisor
// reports error 2 and leaves Cociente and Resto exactly as they were. The
// outputs may be the same records as the inputs (the inverse divides a
// remainder in place): the inputs are read before anything is written.
void Dividir(const NumeroGrande& Dividendo, const NumeroGrande& Divisor,
             NumeroGrande& Cociente, NumeroGrande& Resto);

// Mitad = |X| div 2, without leading zero; its sign is not written. When
// Resto is given it receives |X| mod 2. Mitad may be X itself.
void DividirEntreDos(const NumeroGrande& X, NumeroGrande& Mitad, std::uint8_t* Resto = nullptr);

// ---- Modular operations ----------------------------------------------------

// A reduced modulo M, in [0, M) for a positive M (a zero signed '-' gives 0).
// The modulus's sign is not looked at: a negative M works as |M|, so -3
// modulo -5 is 2, like -3 modulo 5. A zero modulus reports error 4 and gives
// zero.
NumeroGrande Reducir(const NumeroGrande& A, const NumeroGrande& M);
void Reducir(const NumeroGrande& A, const NumeroGrande& M, NumeroGrande& Resultado);

// The bits of |X|, least significant first, one per element of Digitos, and
// Longitud the number of bits. 1 gives the bits 1,0 and 0 gives 0,0. A number
// of more than kMaxDigitos bits (about 9864 digits) reports error 13 and
// gives zero.
NumeroGrande ABinario(const NumeroGrande& X);

// Base^|Exponente| mod M by squaring and multiplying over the exponent's bits
// from the lowest. An exponent of 0 gives one; an exponent of one (or -1)
// gives Reducir(Base, M). A negative M works as |M|, as in Reducir. A zero
// modulus reports error 4 once per call and gives zero (one for an exponent
// of 0); an exponent of more than kMaxDigitos bits reports error 13 and
// gives zero, and so does, once, a square or product of more than
// kMaxDigitos digits (a base or modulus of more than half that many).
NumeroGrande PotenciaModular(const NumeroGrande& Base, const NumeroGrande& Exponente,
                             const NumeroGrande& M);
void PotenciaModular(const NumeroGrande& Base, const NumeroGrande& Exponente,
                     const NumeroGrande& M, NumeroGrande& Resultado);

// Greatest common divisor by Euclid's remainders. When the smaller operand
// divides the larger (or is zero) the result is a copy of an operand, sign
// included: gcd(12, -4) is -4. gcd(0, 0) is zero. Never fails.
NumeroGrande MaximoComunDivisor(const NumeroGrande& A, const NumeroGrande& B);
void MaximoComunDivisor(const NumeroGrande& A, const NumeroGrande& B, NumeroGrande& Resultado);

// x with A * x = 1 modulo M, in [1, M - 1], by an extended Euclid that keeps
// non-negative coefficients. A is reduced into [0, M) first, so a negative A
// gives the inverse of its residue (-3 modulo 7 gives 2, the inverse of 4),
// and a negative M works as |M|, as in Reducir. A not coprime with M reports
// error 3 and gives zero (modulo 0 only 1 and -1 are coprime with M); modulo
// 1 the result is one; the inverse of 1 is 1.
NumeroGrande InversoModular(const NumeroGrande& A, const NumeroGrande& M);

// ---- Square root and helpers -----------------------------------------------

// Integer part of the square root of |X|, by the long-hand method on pairs
// of digits; sign '+'. Never fails.
NumeroGrande RaizEntera(const NumeroGrande& X);
void RaizEntera(const NumeroGrande& X, NumeroGrande& Resultado);

// A * 10^(B's Longitud) + B, sign '+': the digits of A's value placed above
// B's digits as written (B = "05" puts A two places up). A zero A keeps its
// zero on top, so callers pass a non-zero A.
NumeroGrande Concatenar(const NumeroGrande& A, const NumeroGrande& B);

// Splits N = 2^s * D with D odd and returns s. 0 gives s = 1 and D = 0.
std::int16_t SepararPotenciaDeDos(const NumeroGrande& N, NumeroGrande& D);
