// Sum and difference with signs. The magnitude work is a digit-by-digit
// carry or borrow on normalised operands; the signed entry points normalise
// their inputs, then only decide which magnitude operation runs and which
// sign the result takes.
#include <algorithm>
#include <cstring>

#include "bignum/aritmetica.h"
#include "bignum/interno.h"

using bignum_interno::Cero;
using bignum_interno::CompararMagnitudes;
using bignum_interno::Dimensionar;

namespace {

// Decimal addition eight digits at a time: the digits of a word are its
// bytes (least significant first in memory, as x86-64 loads them). Adding
// 246 to a byte makes it pass 255 exactly when the decimal digit passes 9,
// so the processor's own carry chain carries from digit to digit; the bytes
// that did not pass keep their 246, which is then taken away.
constexpr std::uint64_t kMasSeis = 0xF6F6F6F6F6F6F6F6ULL;
constexpr std::uint64_t kUnos = 0x0101010101010101ULL;
constexpr std::uint64_t kNueves = 0x0909090909090909ULL;

std::uint64_t Palabra(const std::uint8_t* p) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    return w;
}

// The digits of x + y + acarreo (x, y words of digits); the carry out goes
// to acarreo.
std::uint64_t SumarPalabras(std::uint64_t x, std::uint64_t y, unsigned& acarreo) {
    std::uint64_t v;
    // At most one of the two additions can pass 2^64.
    const bool primero = __builtin_add_overflow(x + y, kMasSeis, &v);
    const bool segundo = __builtin_add_overflow(v, static_cast<std::uint64_t>(acarreo), &v);
    acarreo = primero || segundo;
    const std::uint64_t sin_acarreo = (v >> 7) & kUnos;  // bytes still holding their 246
    return v - sin_acarreo * 0xF6;
}

// r = x + y + acarreo over n digits, returning the carry out. r may be x or
// y: each word is read before it is written.
unsigned SumarCifras(const std::uint8_t* x, const std::uint8_t* y, std::uint8_t* r, int n, unsigned acarreo) {
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        const std::uint64_t v = SumarPalabras(Palabra(x + i), Palabra(y + i), acarreo);
        std::memcpy(r + i, &v, 8);
    }
    for (; i < n; ++i) {
        const unsigned s = x[i] + y[i] + acarreo;
        acarreo = s >= 10;
        r[i] = static_cast<std::uint8_t>(s - 10 * acarreo);
    }
    return acarreo;
}

// r = x - y - prestamo over n digits (as x + (9 - y) + 1 - prestamo, whose
// carry out is 1 when nothing is borrowed), returning the borrow out.
unsigned RestarCifras(const std::uint8_t* x, const std::uint8_t* y, std::uint8_t* r, int n, unsigned prestamo) {
    unsigned acarreo = 1 - prestamo;
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        const std::uint64_t v = SumarPalabras(Palabra(x + i), kNueves - Palabra(y + i), acarreo);
        std::memcpy(r + i, &v, 8);
    }
    prestamo = 1 - acarreo;
    for (; i < n; ++i) {
        const int d = x[i] - y[i] - static_cast<int>(prestamo);
        prestamo = d < 0;
        r[i] = static_cast<std::uint8_t>(d + 10 * static_cast<int>(prestamo));
    }
    return prestamo;
}

// R = |A| + |B| with the given sign, over max(Longitud) digits plus a carry
// digit when one is left. R may be A or B: R is sized before any pointer is
// taken, and digit i of R is written only after digit i of A and B is read.
void SumarMagnitudes(const NumeroGrande& A, const NumeroGrande& B, char signo, NumeroGrande& R) {
    const int la = A.Longitud, lb = B.Longitud;
    const int largo = std::max(la, lb), corto = std::min(la, lb);
    if (largo + 1 > static_cast<int>(R.Digitos.size())) R.Digitos.resize(largo + 1);
    const std::uint8_t* a = A.Digitos.data();
    const std::uint8_t* b = B.Digitos.data();
    const std::uint8_t* resto = la >= lb ? a : b;
    std::uint8_t* r = R.Digitos.data();

    unsigned acarreo = SumarCifras(a, b, r, corto, 0);
    int i = corto;
    for (; acarreo != 0 && i < largo; ++i) {  // the carry runs through the 9s
        const unsigned s = resto[i] + 1;
        acarreo = s >= 10;
        r[i] = static_cast<std::uint8_t>(s - 10 * acarreo);
    }
    if (r != resto) std::copy(resto + i, resto + largo, r + i);
    int longitud = largo;
    if (acarreo != 0) r[longitud++] = 1;
    if (longitud > kMaxDigitos) {
        bignum_interno::Desbordamiento(R);
        return;
    }
    R.Longitud = static_cast<std::int16_t>(longitud);
    R.Digitos.resize(longitud);
    R.Signo = signo;
}

// R = |M| - |S| for |M| >= |S|, with the given sign, without leading zeros.
// R may be M or S (same reasoning as above).
void RestarMagnitudes(const NumeroGrande& M, const NumeroGrande& S, char signo, NumeroGrande& R) {
    const int lm = M.Longitud, ls = S.Longitud;
    Dimensionar(R, lm);
    const std::uint8_t* m = M.Digitos.data();
    const std::uint8_t* s = S.Digitos.data();
    std::uint8_t* r = R.Digitos.data();

    unsigned prestamo = RestarCifras(m, s, r, ls, 0);
    int i = ls;
    for (; prestamo != 0 && i < lm; ++i) {  // the borrow runs through the 0s
        const int d = m[i] - 1;
        prestamo = d < 0;
        r[i] = static_cast<std::uint8_t>(d + 10 * static_cast<int>(prestamo));
    }
    if (r != m) std::copy(m + i, m + lm, r + i);
    // No borrow leaves the top digit, because |M| >= |S|.
    R.Signo = signo;
    QuitarCerosIzquierda(R);
}

// The difference of magnitudes as both signed operations use it: zero with
// '+' when |X| = |Y|, else the larger minus the smaller with the sign given
// for that case.
void Diferencia(const NumeroGrande& X, const NumeroGrande& Y, char signo_si_x_mayor,
                char signo_si_x_menor, NumeroGrande& R) {
    const int orden = CompararMagnitudes(X, Y);
    if (orden == 0) {
        Cero(R);
    } else if (orden > 0) {
        RestarMagnitudes(X, Y, signo_si_x_mayor, R);
    } else {
        RestarMagnitudes(Y, X, signo_si_x_menor, R);
    }
}

}  // namespace

void Sumar(const NumeroGrande& A_entrada, const NumeroGrande& B_entrada, NumeroGrande& Resultado) {
    const bignum_interno::Normalizado a(A_entrada), b(B_entrada);
    const NumeroGrande& A = *a;
    const NumeroGrande& B = *b;
    if (A.Signo == '+' && B.Signo == '-') {
        Diferencia(A, B, '+', '-', Resultado);  // |A| - |B|
    } else if (A.Signo == '-' && B.Signo == '+') {
        Diferencia(B, A, '+', '-', Resultado);  // |B| - |A|
    } else {
        SumarMagnitudes(A, B, A.Signo, Resultado);
    }
}

void Restar(const NumeroGrande& A_entrada, const NumeroGrande& B_entrada, NumeroGrande& Resultado) {
    const bignum_interno::Normalizado a(A_entrada), b(B_entrada);
    const NumeroGrande& A = *a;
    const NumeroGrande& B = *b;
    if (A.Signo == '+' && B.Signo == '-') {
        SumarMagnitudes(A, B, '+', Resultado);
    } else if (A.Signo == '-' && B.Signo == '+') {
        SumarMagnitudes(A, B, '-', Resultado);
    } else {
        const bool positivo = A.Signo == '+';
        Diferencia(A, B, positivo ? '+' : '-', positivo ? '-' : '+', Resultado);
    }
}

NumeroGrande Sumar(const NumeroGrande& A, const NumeroGrande& B) {
    NumeroGrande r;
    Sumar(A, B, r);
    return r;
}

NumeroGrande Restar(const NumeroGrande& A, const NumeroGrande& B) {
    NumeroGrande r;
    Restar(A, B, r);
    return r;
}
