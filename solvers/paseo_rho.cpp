#include "solvers/paseo_rho.h"

#include "bignum/aleatorio.h"
#include "bignum/aritmetica.h"
#include "solvers/interno.h"

namespace solvers_interno {

bool PaseoRho(const NumeroGrande& n, int digitos_inicio_fijo, NumeroGrande& d) {
    NumeroGrande x = n.Longitud > digitos_inicio_fijo ? AleatorioParaFactorizar(n.Longitud) : Numero(2);
    NumeroGrande y = x;
    NumeroGrande c = Numero(1);
    const NumeroGrande uno = Numero(1);
    NumeroGrande auxiliar;
    NumeroGrande t;
    // v = (v * v + c) mod n, in place.
    const auto avanzar = [&](NumeroGrande& v) {
        Multiplicar(v, v, auxiliar);
        Sumar(auxiliar, c, auxiliar);
        Reducir(auxiliar, n, v);
    };

    puerto::Avance avance(puerto::Metodo::Rho, puerto::Fase::Paseo);
    while (!DetencionPedida()) {
        InformarAvance(avance);
        ++avance.pasos;
        avanzar(x);
        avanzar(y);
        avanzar(y);
        Restar(x, y, auxiliar);
        Reducir(auxiliar, n, t);
        MaximoComunDivisor(t, n, d);
        if (EsFactorPropio(d, n)) return true;
        if (SonIguales(d, n)) {
            Sumar(c, uno, c);
            ++avance.cambios;
        }
    }
    return false;
}

}  // namespace solvers_interno
