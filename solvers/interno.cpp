#include "solvers/interno.h"

#include "bignum/aritmetica.h"
#include "errors/errores.h"

namespace solvers_interno {

NumeroGrande Numero(std::int16_t valor) {
    NumeroGrande x;
    EnteroANumero(valor, x);
    return x;
}

bool DetencionPedida() {
    puerto::PuertoInterfaz& ui = puerto::Actual();
    ui.ProcesarEventos();
    return ui.DetenerSolicitado();
}

void AvisarInterrupcion() {
    puerto::PuertoInterfaz& ui = puerto::Actual();
    ui.PonerPuntero(puerto::Puntero::Flecha);
    ui.MostrarAdvertencia();
}

bool EsFactorPropio(const NumeroGrande& d, const NumeroGrande& n) {
    return EsMayor(n, d) && !EsCero(d) && !EsUno(d);
}

void EscribirFactores(const NumeroGrande& n, const NumeroGrande& d, NumeroGrande& factor1,
                      NumeroGrande& factor2) {
    NumeroGrande resto;
    Dividir(n, d, factor2, resto);
    CopiarNumero(factor1, d);
}

bool GrupoNoValido(const NumeroGrande& grupo) {
    return EsCero(grupo) && InformarConFlecha(ErrorModuloInvalido);
}

}  // namespace solvers_interno
