#include "bignum/aritmetica.h"
#include "solvers/factorizacion.h"
#include "solvers/interno.h"
#include "solvers/paseo_rho.h"

void FactorizarRho(const NumeroGrande& n, NumeroGrande& factor1, NumeroGrande& factor2) {
    PonerACero(factor1);
    PonerACero(factor2);
    if (EsCero(n)) return;

    constexpr int kDigitosInicioFijo = 20;
    NumeroGrande d;
    if (!solvers_interno::PaseoRho(n, kDigitosInicioFijo, d)) {
        solvers_interno::AvisarInterrupcion();
        return;
    }
    solvers_interno::EscribirFactores(n, d, factor1, factor2);
}
