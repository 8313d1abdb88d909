#include "errors/errores.h"

#include "errors/puerto_interfaz.h"

namespace {

void Mostrar(int numero) { puerto::Actual().MostrarError(numero); }

}  // namespace

// The arrow first, so the dialog is not shown under the busy pointer of the
// running calculation.
bool InformarConFlecha(void (*informar)()) {
    puerto::Actual().PonerPuntero(puerto::Puntero::Flecha);
    informar();
    return true;
}

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
