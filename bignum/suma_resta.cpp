// Sum and difference with signs. The magnitude work is a digit-by-digit
// carry or borrow on normalised operands; the signed entry points normalise
// their inputs, then only decide which magnitude operation runs and which
// sign the result takes.
#include <algorithm>

#include "bignum/aritmetica.h"
#include "bignum/interno.h"

using bignum_interno::Cero;
using bignum_interno::CompararMagnitudes;
using bignum_interno::Dimensionar;

namespace {

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

    unsigned acarreo = 0;
    int i = 0;
    for (; i < corto; ++i) {
        const unsigned s = a[i] + b[i] + acarreo;
        acarreo = s >= 10;
        r[i] = static_cast<std::uint8_t>(s - 10 * acarreo);
    }
    for (; i < largo; ++i) {
        const unsigned s = resto[i] + acarreo;
        acarreo = s >= 10;
        r[i] = static_cast<std::uint8_t>(s - 10 * acarreo);
    }
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

    int prestamo = 0;
    int i = 0;
    for (; i < ls; ++i) {
        int d = m[i] - s[i] - prestamo;
        prestamo = d < 0;
        r[i] = static_cast<std::uint8_t>(d + 10 * prestamo);
    }
    for (; i < lm; ++i) {
        int d = m[i] - prestamo;
        prestamo = d < 0;
        r[i] = static_cast<std::uint8_t>(d + 10 * prestamo);
    }
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
