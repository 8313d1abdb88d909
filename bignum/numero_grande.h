// The signed decimal number record and its conversions.
//
// A NumeroGrande holds one decimal digit per byte, least significant first:
// Digitos[i] is the digit of weight 10^i, Longitud counts the digits in use
// (at least 1) and Signo is '+' or '-'. Zero is the single digit 0; it may
// carry the sign '-' (a zero typed with the sign button on "-", a zero
// quotient of operands of different signs) and is still zero everywhere,
// since every test and comparison of magnitudes ignores Signo.
//
// A normalised number has no leading zero. Digitos may hold more elements
// than Longitud (kept so that results can reuse their storage); elements at
// Longitud and above are ignored by every operation.
//
// Records have value semantics: no two records ever share digit storage.
//
// Which records the operations accept
//
//   A record is a number when 1 <= Longitud <= Digitos.size(), each of the
//   digits 0..Longitud-1 is 0..9 and Signo is '+' or '-'. Nothing checks
//   this (it would cost a pass over the digits at every call); a record
//   outside it is a caller's error and any result, or none, may follow.
//
//   A number may have high zeros: zero digits at the top, as a few
//   operations leave them (MultiplicarPorDigito(A, 0) gives a zero written
//   "000", DesplazarDigitos of a zero, Concatenar with a zero A,
//   IgualarLongitudes). Every operation here and in aritmetica.h reads such
//   a record as the value it denotes: the tests and conversions below look
//   past the high zeros, and the arithmetic normalises its inputs on entry
//   (one look at the top digit when there are none), so "000" is zero for
//   a division or a modulus and "05556" has the root 74. The results of the
//   arithmetic are normalised, except where its header says otherwise.
//   The few that look at the record as written rather than at its value say
//   so: CompararLongitudes and IgualarLongitudes (Longitud as it stands),
//   DesplazarDigitos and CopiarNumero (which keep the high zeros),
//   QuitarCerosIzquierda (which removes them) and Concatenar (B is placed
//   by its Longitud as written).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct NumeroGrande {
    std::vector<std::uint8_t> Digitos{0};
    std::int16_t Longitud = 1;
    char Signo = '+';
};

// Largest digit count a record can hold (Longitud is a signed 16-bit count).
inline constexpr int kMaxDigitos = 32767;

// The number of digits of X's value: Longitud less the high zeros, and 1
// for zero. For a normalised X it is Longitud, told by the top digit alone.
inline int LongitudDelValor(const NumeroGrande& X) {
    int n = X.Longitud;
    while (n > 1 && X.Digitos[n - 1] == 0) --n;
    return n;
}

// Zero, one and parity tests on the value ("000" is zero, "001" is one).
// They never look at the sign: -1 is "one".
inline bool EsCero(const NumeroGrande& X) { return X.Digitos[0] == 0 && LongitudDelValor(X) == 1; }
inline bool EsUno(const NumeroGrande& X) { return X.Digitos[0] == 1 && LongitudDelValor(X) == 1; }
inline bool EsPar(const NumeroGrande& X) { return X.Digitos[0] % 2 == 0; }

// Text to number. Texto holds only the characters 0..9, no sign; the
// rightmost character becomes the units digit and leading zeros are removed.
// An empty text gives zero with sign '+' (the Signo argument is then not
// applied). With Signo the record takes that sign; without it the record
// keeps the sign it had. A text holding any other character, or longer than
// kMaxDigitos, cannot be a number: X becomes zero with sign '+'. Never fails.
void CadenaANumero(std::string_view Texto, NumeroGrande& X);
void CadenaANumero(std::string_view Texto, NumeroGrande& X, char Signo);

// Number to text: the digits of the value from the top (no high zeros),
// with '-' in front when Signo is '-'. Zero is always "0", whatever its
// sign. Never fails.
void NumeroACadena(const NumeroGrande& X, std::string& Texto);
std::string NumeroACadena(const NumeroGrande& X);

// A 16-bit integer to a number; -32768 gives the five digits 32768 with '-'.
void EnteroANumero(std::int16_t Valor, NumeroGrande& X);

// Number to a signed 32-bit integer. Returns false, leaving Valor untouched,
// when the number lies outside -2147483648..2147483647 (the overflow that
// the baby-step giant-step solver traps).
bool NumeroALargo(const NumeroGrande& X, std::int32_t& Valor);

// Number to a signed 16-bit integer. Callers pass numbers in -32768..32767;
// a number outside that range is clamped to its nearest end.
void NumeroAEntero(const NumeroGrande& X, std::int16_t& Valor);

// X becomes zero with sign '+'.
void PonerACero(NumeroGrande& X);

// Destino receives Origen's digits, Longitud and Signo, high zeros
// included. Copying a record onto itself leaves it unchanged.
void CopiarNumero(NumeroGrande& Destino, const NumeroGrande& Origen);

// Drops high zero digits, never the last digit; the sign is not changed.
void QuitarCerosIzquierda(NumeroGrande& X);
