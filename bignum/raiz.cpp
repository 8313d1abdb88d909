// Integer square root by the long-hand method on pairs of digits, and the
// small helpers the primality test builds on.
#include <algorithm>
#include <utility>

#include "bignum/aritmetica.h"
#include "bignum/interno.h"

using bignum_interno::Cero;
using bignum_interno::Dimensionar;

namespace {

// X becomes 10 * X + d (X non-negative, normalised), in place.
void BajarDigito(NumeroGrande& X, std::uint8_t d) {
    if (EsCero(X)) {
        X.Digitos[0] = d;
        return;
    }
    DesplazarDigitos(X, 1);
    X.Digitos[0] = d;
}

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
    // Working records of this thread, reused from call to call (nothing
    // below shows a dialog: every division is by 2Q >= 2).
    thread_local NumeroGrande raiz, q, a, e, t, x_digito, concatenado, f, resto_division;
    thread_local NumeroGrande dos, uno;
    EnteroANumero(2, dos);
    EnteroANumero(1, uno);

    const int n = X.Longitud;
    const std::uint8_t* x = X.Digitos.data();
    const int cifras = (n + 1) / 2;
    Dimensionar(raiz, cifras);
    raiz.Signo = '+';

    // The top group: one digit when n is odd, two when it is even.
    int posicion = n - 1;  // next digit of X to bring down
    int grupo = x[posicion--];
    if (n % 2 == 0) grupo = 10 * grupo + x[posicion--];
    int r = 0;
    while ((r + 1) * (r + 1) <= grupo) ++r;
    int escrita = cifras - 1;
    raiz.Digitos[escrita--] = static_cast<std::uint8_t>(r);

    EnteroANumero(static_cast<std::int16_t>(r), q);
    EnteroANumero(static_cast<std::int16_t>(grupo - r * r), a);
    while (posicion >= 0) {
        const std::uint8_t u = x[posicion--];
        const std::uint8_t l = x[posicion--];
        CopiarNumero(e, a);  // E: the remainder with only u brought down
        BajarDigito(e, u);
        BajarDigito(a, u);  // A: the remainder with the whole pair
        BajarDigito(a, l);
        Multiplicar(q, dos, t);  // trial divisor T = 2Q

        // The largest digit x with (10T + x) * x <= A: estimated as E div T
        // and lowered (by lowering E) while the trial product is too big.
        std::uint8_t digito = 0;
        for (;;) {
            if (EsMenor(e, t)) {
                digito = 0;
                Cero(f);
                break;
            }
            Dividir(e, t, x_digito, resto_division);
            ConcatenarEn(t, x_digito, concatenado);
            Multiplicar(concatenado, x_digito, f);
            if (!EsMayor(f, a)) {
                digito = x_digito.Digitos[0];  // a single digit once accepted
                break;
            }
            Restar(e, uno, e);
        }
        Restar(a, f, a);
        raiz.Digitos[escrita--] = digito;
        BajarDigito(q, digito);
    }
    std::swap(Resultado, raiz);
    QuitarCerosIzquierda(Resultado);
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
