// Integer square root by the long-hand method on pairs of digits, and the
// small helpers the primality test builds on.
#include <algorithm>
#include <utility>

#include "bignum/aritmetica.h"
#include "bignum/interno.h"
#include "bignum/motor.h"

using bignum_interno::Dimensionar;

namespace {

// R = A * 10^(B's Longitud) + B, sign '+'. R must be neither A nor B.
void ConcatenarEn(const NumeroGrande& A, const NumeroGrande& B, NumeroGrande& R) {
    const int la = A.Longitud, lb = B.Longitud;
    if (la + lb > kMaxDigitos) {
        bignum_interno::Desbordamiento(R);
        return;
    }
    Dimensionar(R, la + lb);
    std::copy_n(B.Digitos.begin(), lb, R.Digitos.begin());
    std::copy_n(A.Digitos.begin(), la, R.Digitos.begin() + lb);
    R.Digitos.resize(la + lb);
    R.Signo = '+';
}

}  // namespace

NumeroGrande Concatenar(const NumeroGrande& A, const NumeroGrande& B) {
    NumeroGrande r;
    ConcatenarEn(*bignum_interno::Normalizado(A), B, r);
    return r;
}

void RaizEntera(const NumeroGrande& X_entrada, NumeroGrande& Resultado) {
    // Normalised first: the top group must hold the value's top digit, or
    // the first trial divisor 2Q would be zero.
    const bignum_interno::Normalizado normalizado(X_entrada);
    const NumeroGrande& X = *normalizado;
    const int cifras = (X.Longitud + 1) / 2;
    // The root is written into a record of this thread first when Resultado
    // is X, since the kernel reads X to the end.
    thread_local NumeroGrande aparte;
    NumeroGrande& destino = &Resultado == &X ? aparte : Resultado;
    Dimensionar(destino, cifras);
    bignum_interno::motor::Actuales().Raiz(X.Digitos.data(), X.Longitud, destino.Digitos.data());
    destino.Digitos.resize(cifras);
    destino.Signo = '+';
    if (&destino != &Resultado) std::swap(Resultado, destino);
}

NumeroGrande RaizEntera(const NumeroGrande& X) {
    NumeroGrande raiz;
    RaizEntera(X, raiz);
    return raiz;
}

std::int16_t SepararPotenciaDeDos(const NumeroGrande& N, NumeroGrande& D) {
    NumeroGrande t;
    CopiarNumero(t, *bignum_interno::Normalizado(N));
    std::int16_t s = 0;
    for (;;) {
        if (!EsPar(t)) {  // the halving would leave the remainder bit 1
            D = std::move(t);
            return s;
        }
        DividirEntreDos(t, t);
        ++s;
        if (t.Longitud == 1 && t.Digitos[0] < 2) {
            D = std::move(t);
            return s;
        }
    }
}
