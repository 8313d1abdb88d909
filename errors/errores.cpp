#include "errors/errores.h"

#include "bignum/numero_grande.h"
#include "errors/interfaz_usuario.h"

using errores::Interfaz;
using errores::Puntero;

namespace {

void Mostrar(int numero) { Interfaz().MostrarError(numero); }

// Reports after setting the arrow, so the dialog is not shown under the
// hourglass of the running calculation.
bool InformarConFlecha(void (*informar)()) {
    Interfaz().PonerPuntero(Puntero::Flecha);
    informar();
    return true;
}

}  // namespace

void ErrorDigitoInvalido() { Mostrar(1); }
void ErrorDivisionPorCero() { Mostrar(2); }
void ErrorPrimosRelativos() { Mostrar(3); }
void ErrorModuloInvalido() { Mostrar(4); }
void ErrorMetodoLogaritmo() { Mostrar(5); }
void ErrorMetodoFactorizacion() { Mostrar(6); }
void ErrorFaltaNumero() { Mostrar(7); }
void ErrorFicheroPrimos() { Mostrar(8); }
void ErrorMetodoCalculo() { Mostrar(9); }
void ErrorFaltanDatos() { Mostrar(10); }
void ErrorNoExisteLogaritmo() { Mostrar(11); }
void ErrorPilaInsuficiente() { Mostrar(13); }

bool HayDigitoInvalido(std::string_view texto) {
    for (char c : texto) {
        if (c < '0' || c > '9') {
            ErrorDigitoInvalido();
            return true;
        }
    }
    return false;
}

bool ComprobarDivisor(const NumeroGrande& divisor) {
    return EsCero(divisor) && InformarConFlecha(ErrorDivisionPorCero);
}

bool ComprobarPrimosRelativos(const NumeroGrande& mcd) {
    return !EsUno(mcd) && InformarConFlecha(ErrorPrimosRelativos);
}

bool ComprobarModulo(const NumeroGrande& modulo) {
    return EsCero(modulo) && InformarConFlecha(ErrorModuloInvalido);
}

bool ComprobarMetodoFactorizacion(bool rho, bool dixon, bool fracciones) {
    return !rho && !dixon && !fracciones && InformarConFlecha(ErrorMetodoFactorizacion);
}

bool ComprobarNumero(std::string_view texto) {
    return texto.empty() && InformarConFlecha(ErrorFaltaNumero);
}

bool ComprobarMetodoLogaritmo(bool busqueda, bool gigante_enano, bool pohlig_hellman) {
    return !busqueda && !gigante_enano && !pohlig_hellman && InformarConFlecha(ErrorMetodoCalculo);
}

bool ComprobarDatos(std::string_view alfa, std::string_view beta, std::string_view grupo) {
    return (alfa.empty() || beta.empty() || grupo.empty()) && InformarConFlecha(ErrorFaltanDatos);
}

bool ComprobarSigno(char signo) {
    return signo == '-' && InformarConFlecha(ErrorNoExisteLogaritmo);
}

bool ComprobarMetodoValido(bool valido) {
    if (valido) return false;
    ErrorMetodoLogaritmo();
    return true;
}
