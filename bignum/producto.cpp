// Schoolbook multiplication in base 10.
//
// The product is the sum of the one-digit partial products |A| * b_e shifted
// by e places. The partial products are added column by column into wide
// counters and the carries are settled once at the end (motor.h); the digits
// that come out are the same.
#include <algorithm>
#include <utility>

#include "bignum/aritmetica.h"
#include "bignum/interno.h"
#include "bignum/motor.h"

using bignum_interno::Cero;
using bignum_interno::Dimensionar;

namespace bignum_interno {

namespace {

// R = the product of a and b by `producto` of the kernels, which must not
// write where it reads: when R is one of the operands the digits go to a
// record of this thread first, whose storage then changes place with R's.
// Returns the product's length; R.Longitud is only set when it fits.
template <class Calculo>
int EscribirProducto(const NumeroGrande& A, const NumeroGrande& B, NumeroGrande& R, Calculo producto) {
    const int capacidad = A.Longitud + B.Longitud + 1;
    thread_local NumeroGrande aparte;
    NumeroGrande& destino = (&R == &A || &R == &B) ? aparte : R;
    if (static_cast<int>(destino.Digitos.size()) < capacidad) destino.Digitos.resize(capacidad);
    const int longitud = producto(destino.Digitos.data());
    if (&destino != &R) std::swap(R.Digitos, destino.Digitos);
    R.Digitos.resize(longitud);
    if (longitud <= kMaxDigitos) R.Longitud = static_cast<std::int16_t>(longitud);
    R.Signo = '+';
    return longitud;
}

}  // namespace

bool ProductoMagnitudes(const NumeroGrande& A, const NumeroGrande& B, NumeroGrande& R) {
    if (EsCero(A) || EsCero(B)) {
        Cero(R);
        return true;
    }
    const int la = A.Longitud, lb = B.Longitud;
    if (la + lb - 1 > kMaxDigitos) return false;
    const auto producto = [&](std::uint8_t* d) {
        return motor::Actuales().Producto(A.Digitos.data(), la, B.Digitos.data(), lb, d);
    };
    if (la + lb <= kMaxDigitos) {
        EscribirProducto(A, B, R, producto);
        return true;
    }
    NumeroGrande r;  // the product may still fit: compute and see
    if (EscribirProducto(A, B, r, producto) > kMaxDigitos) return false;
    R = std::move(r);
    return true;
}

bool CuadradoMagnitudes(const NumeroGrande& A, NumeroGrande& R) {
    if (EsCero(A)) {
        Cero(R);
        return true;
    }
    const int la = A.Longitud;
    if (2 * la - 1 > kMaxDigitos) return false;
    if (2 * la > kMaxDigitos) return ProductoMagnitudes(A, A, R);
    EscribirProducto(A, A, R, [&](std::uint8_t* d) { return motor::Actuales().Cuadrado(A.Digitos.data(), la, d); });
    return true;
}

}  // namespace bignum_interno

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
    const bool cabe = &A == &B ? bignum_interno::CuadradoMagnitudes(A, Resultado)
                               : bignum_interno::ProductoMagnitudes(A, B, Resultado);
    if (!cabe) {
        bignum_interno::Desbordamiento(Resultado);
        return;
    }
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
