// Schoolbook multiplication in base 10.
//
// The product is the sum of the one-digit partial products |A| * b_e shifted
// by e places. Instead of normalising the accumulator after every partial
// product, the products are added column by column into 16-bit counters and
// the carries are propagated once at the end; the digits that come out are
// the same, and the inner loop (one multiply-add per digit pair) has no carry
// chain, so the compiler can run it on several digits at a time.
#include <algorithm>
#include <vector>

#include "bignum/aritmetica.h"
#include "bignum/interno.h"

using bignum_interno::Cero;
using bignum_interno::Dimensionar;

namespace {

// A column gathers at most 9 * 9 = 81 per partial product, so a 16-bit
// counter takes 809 of them; the rows are added in blocks of this many and
// each block is folded into the 32-bit columns.
constexpr int kFilasPorBloque = 65535 / 81;

struct Columnas {
    std::vector<std::uint16_t> largo;  // the longer operand's digits, widened
    std::vector<std::uint16_t> bloque;
    std::vector<std::uint32_t> total;
};

Columnas& ColumnasDeEsteHilo() {
    thread_local Columnas columnas;
    return columnas;
}

}  // namespace

char SignoDeProducto(char signo1, char signo2) { return signo1 == signo2 ? '+' : '-'; }

void Multiplicar(const NumeroGrande& A_entrada, const NumeroGrande& B_entrada, NumeroGrande& Resultado) {
    const bignum_interno::Normalizado a(A_entrada), b(B_entrada);
    const NumeroGrande& A = *a;
    const NumeroGrande& B = *b;
    if (EsCero(B) || EsCero(A)) {
        Cero(Resultado);
        return;
    }
    const char signo = SignoDeProducto(A.Signo, B.Signo);
    // Outer loop over the shorter operand, inner over the longer: fewer and
    // longer runs of the vectorised inner loop.
    const NumeroGrande& largo = A.Longitud >= B.Longitud ? A : B;
    const NumeroGrande& corto = A.Longitud >= B.Longitud ? B : A;
    const int ll = largo.Longitud, lc = corto.Longitud, lr = ll + lc;
    if (lr - 1 > kMaxDigitos) {
        bignum_interno::Desbordamiento(Resultado);
        return;
    }

    Columnas& col = ColumnasDeEsteHilo();
    col.largo.assign(largo.Digitos.begin(), largo.Digitos.begin() + ll);  // widened once
    col.bloque.assign(lr, 0);
    col.total.assign(lr, 0);
    const std::uint16_t* l = col.largo.data();
    std::uint16_t* bloque = col.bloque.data();
    std::uint32_t* total = col.total.data();

    for (int inicio = 0; inicio < lc; inicio += kFilasPorBloque) {
        const int fin = std::min(lc, inicio + kFilasPorBloque);
        for (int e = inicio; e < fin; ++e) {
            const std::uint16_t d = corto.Digitos[e];
            if (d == 0) continue;
            std::uint16_t* fila = bloque + e;
            for (int i = 0; i < ll; ++i) fila[i] = static_cast<std::uint16_t>(fila[i] + l[i] * d);
        }
        for (int k = inicio; k < fin + ll; ++k) {
            total[k] += bloque[k];
            bloque[k] = 0;
        }
    }

    Dimensionar(Resultado, lr);
    std::uint8_t* r = Resultado.Digitos.data();
    std::uint32_t acarreo = 0;
    for (int k = 0; k < lr; ++k) {
        const std::uint32_t t = total[k] + acarreo;
        acarreo = t / 10;
        r[k] = static_cast<std::uint8_t>(t - 10 * acarreo);
    }
    // Both operands are normalised, so the product has lr or lr - 1 digits.
    int longitud = r[lr - 1] == 0 ? lr - 1 : lr;
    if (longitud > kMaxDigitos) {
        bignum_interno::Desbordamiento(Resultado);
        return;
    }
    Resultado.Longitud = static_cast<std::int16_t>(longitud);
    Resultado.Digitos.resize(longitud);
    Resultado.Signo = signo;
}

NumeroGrande Multiplicar(const NumeroGrande& A, const NumeroGrande& B) {
    NumeroGrande r;
    Multiplicar(A, B, r);
    return r;
}

NumeroGrande MultiplicarPorDigito(const NumeroGrande& A_entrada, std::uint8_t D) {
    const bignum_interno::Normalizado a(A_entrada);
    const NumeroGrande& A = *a;
    NumeroGrande r;
    const int la = A.Longitud;
    Dimensionar(r, la);
    if (D <= 1) {
        // 0 keeps A's number of digits, all zero; 1 is a copy of the digits.
        for (int i = 0; i < la; ++i) r.Digitos[i] = static_cast<std::uint8_t>(A.Digitos[i] * D);
        return r;
    }
    unsigned acarreo = 0;
    for (int i = 0; i < la; ++i) {
        const unsigned t = acarreo + A.Digitos[i] * D;
        acarreo = t / 10;
        r.Digitos[i] = static_cast<std::uint8_t>(t - 10 * acarreo);
    }
    int longitud = la;
    while (acarreo != 0) {  // one more digit for D <= 25; more only for larger D
        Dimensionar(r, longitud + 1);
        r.Digitos[longitud++] = static_cast<std::uint8_t>(acarreo % 10);
        acarreo /= 10;
    }
    if (longitud > kMaxDigitos) bignum_interno::Desbordamiento(r);
    return r;
}

void DesplazarDigitos(NumeroGrande& X, std::int16_t N) {
    if (N <= 0) return;
    const int longitud = X.Longitud + N;
    if (longitud > kMaxDigitos) {
        bignum_interno::Desbordamiento(X);
        return;
    }
    const int antes = X.Longitud;
    Dimensionar(X, longitud);
    std::copy_backward(X.Digitos.begin(), X.Digitos.begin() + antes, X.Digitos.begin() + longitud);
    std::fill(X.Digitos.begin(), X.Digitos.begin() + N, 0);
}
