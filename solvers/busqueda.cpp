#include "bignum/aritmetica.h"
#include "errors/errores.h"
#include "solvers/interno.h"
#include "solvers/logaritmo.h"

void LogaritmoBusqueda(const NumeroGrande& alfa, const NumeroGrande& beta, const NumeroGrande& grupo,
                       NumeroGrande& resultado) {
    PonerACero(resultado);
    if (solvers_interno::GrupoNoValido(grupo)) return;
    const NumeroGrande uno = solvers_interno::Numero(1);
    if (EsUno(alfa)) {
        if (EsUno(beta)) {
            resultado = uno;
        } else {
            ErrorNoExisteLogaritmo();
        }
        return;
    }

    NumeroGrande x = solvers_interno::Numero(0);
    NumeroGrande potencia = solvers_interno::Numero(0);
    puerto::Avance avance(puerto::Metodo::Busqueda, puerto::Fase::Exponentes);
    while (!SonIguales(potencia, beta)) {
        if (solvers_interno::DetencionPedida()) {
            PonerACero(resultado);
            solvers_interno::AvisarInterrupcion();
            return;
        }
        solvers_interno::InformarAvance(avance);
        ++avance.pasos;
        PotenciaModular(alfa, x, grupo, potencia);
        CopiarNumero(resultado, x);
        Sumar(x, uno, x);
    }
}
