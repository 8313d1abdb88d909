// Continued-fraction factoring in its single-relation form: the expansion
// of sqrt(n) gives A(k-1)^2 = (-1)^k Q(k) (mod n) for the convergent
// numerators A and the denominators Q, so an even k with Q(k) = s^2 gives a
// congruence of squares A(k-1)^2 = s^2 (mod n).
#include <utility>

#include "bignum/aritmetica.h"
#include "solvers/factorizacion.h"
#include "solvers/interno.h"
#include "solvers/tabla_primos.h"

using solvers_interno::AvisarInterrupcion;
using solvers_interno::DetencionPedida;
using solvers_interno::Numero;

void FactorizarFracciones(const NumeroGrande& n, NumeroGrande& factor1, NumeroGrande& factor2) {
    PonerACero(factor1);
    PonerACero(factor2);
    if (EsCero(n)) return;
    if (DividirPorTabla(n, factor1, factor2)) return;

    // Complete quotient (R + P) / Q, partial quotient a, numerators A = A(k-1)
    // and A_previo = A(k-2), both modulo n.
    const NumeroGrande R = RaizEntera(n);
    NumeroGrande P = Numero(0);
    NumeroGrande Q = Numero(1);
    NumeroGrande a = R;
    NumeroGrande A = R;
    NumeroGrande A_previo = Numero(1);
    bool k_par = true;  // k = 0

    NumeroGrande auxiliar;
    NumeroGrande resto;
    NumeroGrande s;
    NumeroGrande G;
    NumeroGrande H;
    NumeroGrande W;
    puerto::Avance expansion(puerto::Metodo::Fracciones, puerto::Fase::Expansion);
    for (;;) {
        if (DetencionPedida()) {
            AvisarInterrupcion();
            return;
        }
        solvers_interno::InformarAvance(expansion);
        ++expansion.pasos;
        Multiplicar(a, Q, auxiliar);  // P = a * Q - P
        Restar(auxiliar, P, P);
        Multiplicar(P, P, auxiliar);  // Q = (n - P^2) div Q
        Restar(n, auxiliar, auxiliar);
        Dividir(auxiliar, Q, Q, resto);
        if (EsCero(Q)) {  // only in the first step, when n = R^2
            CopiarNumero(factor1, R);
            CopiarNumero(factor2, R);
            return;
        }
        Sumar(R, P, auxiliar);  // a = (R + P) div Q
        Dividir(auxiliar, Q, a, resto);
        Multiplicar(a, A, auxiliar);  // A(k) = a * A(k-1) + A(k-2), then shift
        Sumar(auxiliar, A_previo, auxiliar);
        Reducir(auxiliar, n, A_previo);
        std::swap(A, A_previo);
        k_par = !k_par;

        // Now A_previo = A(k-1) for the Q(k) just computed.
        RaizEntera(Q, s);
        Multiplicar(s, s, auxiliar);
        if (!k_par || !SonIguales(auxiliar, Q)) continue;

        // H = |A(k-1) - s|; its magnitude keeps every remainder below and the
        // factor found non-negative.
        Restar(A_previo, s, H);
        H.Signo = '+';
        if (EsCero(H)) {  // the congruence is trivial: give up
            CopiarNumero(factor1, n);
            factor2 = Numero(1);
            return;
        }
        CopiarNumero(G, n);  // G = gcd(n, H) by Euclid's remainders
        puerto::Avance euclides(puerto::Metodo::Fracciones, puerto::Fase::Euclides);
        do {
            if (DetencionPedida()) {
                AvisarInterrupcion();
                return;
            }
            solvers_interno::InformarAvance(euclides);
            ++euclides.pasos;
            Reducir(G, H, W);
            std::swap(G, H);
            std::swap(H, W);
        } while (!EsCero(H));
        if (EsUno(G)) continue;
        // 0 <= A(k-1) < n and H != 0, so G < n: a proper factor.
        solvers_interno::EscribirFactores(n, G, factor1, factor2);
        return;
    }
}
