#include "bignum/comprobaciones.h"

#include "errors/errores.h"

bool ComprobarDivisor(const NumeroGrande& divisor) {
    return EsCero(divisor) && InformarConFlecha(ErrorDivisionPorCero);
}

bool ComprobarPrimosRelativos(const NumeroGrande& mcd) {
    return !EsUno(mcd) && InformarConFlecha(ErrorPrimosRelativos);
}

bool ComprobarModulo(const NumeroGrande& modulo) {
    return EsCero(modulo) && InformarConFlecha(ErrorModuloInvalido);
}
