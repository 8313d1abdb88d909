#include "bignum/aritmetica.h"
#include "solvers/factorizacion.h"
#include "solvers/interno.h"
#include "solvers/tabla_primos.h"

using solvers_interno::EsFactorPropio;
using solvers_interno::EscribirFactores;

void FactorizarDixon(const NumeroGrande& n, NumeroGrande& factor1, NumeroGrande& factor2) {
    PonerACero(factor1);
    PonerACero(factor2);
    if (EsCero(n)) return;
    if (DividirPorTabla(n, factor1, factor2)) return;

    const NumeroGrande raiz = RaizEntera(n);
    NumeroGrande cuadrado;
    Multiplicar(raiz, raiz, cuadrado);
    if (SonIguales(cuadrado, n)) {
        CopiarNumero(factor1, raiz);
        CopiarNumero(factor2, raiz);
        return;
    }

    // From x = floor(sqrt(n)) on, while x^2 < 2n, x^2 mod n is x^2 - n: a
    // product of two close primes is split within a few steps.
    const NumeroGrande uno = solvers_interno::Numero(1);
    NumeroGrande x = raiz;
    NumeroGrande z;
    NumeroGrande w;
    NumeroGrande t;
    NumeroGrande d;
    puerto::Avance avance(puerto::Metodo::Dixon, puerto::Fase::Paseo);
    while (EsMayor(n, x)) {
        if (solvers_interno::DetencionPedida()) {
            solvers_interno::AvisarInterrupcion();
            return;
        }
        solvers_interno::InformarAvance(avance);
        ++avance.pasos;
        MaximoComunDivisor(x, n, d);
        if (EsFactorPropio(d, n)) {
            EscribirFactores(n, d, factor1, factor2);
            return;
        }
        Multiplicar(x, x, cuadrado);
        Reducir(cuadrado, n, z);
        RaizEntera(z, w);
        Multiplicar(w, w, cuadrado);
        if (SonIguales(cuadrado, z)) {  // x^2 = w^2 (mod n)
            Restar(x, w, t);
            Reducir(t, n, t);
            MaximoComunDivisor(t, n, d);
            if (EsFactorPropio(d, n)) {
                EscribirFactores(n, d, factor1, factor2);
                return;
            }
        }
        Sumar(x, uno, x);
    }
}
