// The error catalogue's texts and the checks that report from it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bignum/comprobaciones.h"
#include "bignum/numero_grande.h"
#include "errors/catalogo.h"
#include "errors/errores.h"
#include "soporte/puerto_grabador.h"

using errores::BuscarError;
using puerto::EnHilo;
using puerto::PuertoGrabador;

namespace {

struct Entrada {
    int numero;
    void (*informar)();
    const char* mensaje;
    const char* remedio;
};

// Every text exactly as the dialog must show it, odd spellings included.
const Entrada kEsperado[] = {
    {1, ErrorDigitoInvalido, "Digito inválido", "Introduzca un número entre 0 y 9"},
    {2, ErrorDivisionPorCero, "División por 0", "Sustituya el dividendo por un número distinto de 0"},
    {3, ErrorPrimosRelativos, "Los números no son primos relativos", "Introduzca dos números cuyo MCD sea 1"},
    {4, ErrorModuloInvalido, "El modulo introducido no es válido", "Introduzca un modulo cuyo valor sea mayor que 0"},
    {5, ErrorMetodoLogaritmo, "No es posible calcular el logaritmo con este método", "Elija otro método"},
    {6, ErrorMetodoFactorizacion, "No ha elegido un método de Factorización", "Elija un método en el panel de la derecha"},
    {7, ErrorFaltaNumero, "No ha introducido un número", "Teclee un número en el panel superior"},
    {8, ErrorFicheroPrimos, "Error en el fichero 'Primos.txt'", "Compruebe que el fichero se encuentra en el directorio actual"},
    {9, ErrorMetodoCalculo, "No ha elegido un método para el cálculo'", "Elija un método en el panel de la derecha"},
    {10, ErrorFaltanDatos, "Falta especificar algún dato", "Compruebe que ha introducido 3 números"},
    {11, ErrorNoExisteLogaritmo, "No existe este logaritmo", "Compruebe que los números son correctos"},
    {13, ErrorPilaInsuficiente, "Los números son demasiado grandes y no hay suficiente espacio de pila", "Reduzca el tamaño de los números"},
};

NumeroGrande Numero(std::uint8_t digito, char signo = '+') {
    NumeroGrande x;
    x.Digitos = {digito};
    x.Signo = signo;
    return x;
}

}  // namespace

TEST(Catalogo, CadaProcedimientoMuestraSuNumeroConSusTextos) {
    ASSERT_EQ(errores::Catalogo().size(), std::size(kEsperado));
    for (const Entrada& e : kEsperado) {
        SCOPED_TRACE(e.numero);
        const errores::EntradaCatalogo* entrada = BuscarError(e.numero);
        ASSERT_NE(entrada, nullptr);
        EXPECT_STREQ(entrada->mensaje, e.mensaje);
        EXPECT_STREQ(entrada->remedio, e.remedio);

        PuertoGrabador ui;
        EnHilo activo(ui);
        e.informar();
        EXPECT_EQ(ui.registro, std::vector<std::string>{"error " + std::to_string(e.numero)});
    }
    EXPECT_EQ(BuscarError(12), nullptr);
    EXPECT_EQ(BuscarError(0), nullptr);
}

TEST(HayDigitoInvalido, InformaUnaVezPorElPrimerCaracterMalo) {
    struct Caso {
        const char* texto;
        bool invalido;
    };
    const Caso casos[] = {
        {"", false}, {"0123456789", false}, {"12a", true}, {"a1b2", true},
        {"1 2", true}, {"-5", true}, {"12\xc3\xb1", true},  // "12ñ"
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        PuertoGrabador ui;
        EnHilo activo(ui);
        EXPECT_EQ(HayDigitoInvalido(c.texto), c.invalido);
        // Error 1 never moves the pointer, and a text with several bad
        // characters shows one dialog.
        EXPECT_EQ(ui.registro, c.invalido ? std::vector<std::string>{"error 1"} : std::vector<std::string>{});
    }
}

TEST(Comprobaciones, PonenLaFlechaAntesDelDialogoCuandoInforman) {
    struct Caso {
        const char* nombre;
        bool (*comprobar)();
        std::vector<std::string> registro;
    };
    const std::vector<std::string> nada;
    const Caso casos[] = {
        {"divisor 0", [] { return ComprobarDivisor(Numero(0)); }, {"flecha", "error 2"}},
        {"divisor -0", [] { return ComprobarDivisor(Numero(0, '-')); }, {"flecha", "error 2"}},
        {"divisor 5", [] { return ComprobarDivisor(Numero(5)); }, nada},
        {"mcd 2", [] { return ComprobarPrimosRelativos(Numero(2)); }, {"flecha", "error 3"}},
        {"mcd 0", [] { return ComprobarPrimosRelativos(Numero(0)); }, {"flecha", "error 3"}},
        {"mcd -1", [] { return ComprobarPrimosRelativos(Numero(1, '-')); }, nada},
        {"modulo 0", [] { return ComprobarModulo(Numero(0)); }, {"flecha", "error 4"}},
        {"modulo 7", [] { return ComprobarModulo(Numero(7)); }, nada},
        {"sin metodo de factorizacion", [] { return ComprobarMetodoFactorizacion(false, false, false); }, {"flecha", "error 6"}},
        {"dixon elegido", [] { return ComprobarMetodoFactorizacion(false, true, false); }, nada},
        {"numero vacio", [] { return ComprobarNumero(""); }, {"flecha", "error 7"}},
        {"numero 1", [] { return ComprobarNumero("1"); }, nada},
        {"sin metodo de logaritmo", [] { return ComprobarMetodoLogaritmo(false, false, false); }, {"flecha", "error 9"}},
        {"pohlig elegido", [] { return ComprobarMetodoLogaritmo(false, false, true); }, nada},
        {"falta grupo", [] { return ComprobarDatos("2", "3", ""); }, {"flecha", "error 10"}},
        {"tres datos", [] { return ComprobarDatos("2", "3", "11"); }, nada},
        {"signo -", [] { return ComprobarSigno('-'); }, {"flecha", "error 11"}},
        {"signo +", [] { return ComprobarSigno('+'); }, nada},
        {"metodo no valido", [] { return ComprobarMetodoValido(false); }, {"error 5"}},
        {"metodo valido", [] { return ComprobarMetodoValido(true); }, nada},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        PuertoGrabador ui;
        EnHilo activo(ui);
        EXPECT_EQ(c.comprobar(), !c.registro.empty());
        EXPECT_EQ(ui.registro, c.registro);
    }
}

// The port current for a thread is the one installed for it, else the
// program-wide one, else the headless default; guards for a thread nest.
TEST(Puerto, ElDelHiloVaAntesQueElDelProgramaYEsteAntesQueElPorDefecto) {
    PuertoGrabador programa, exterior, interior;
    puerto::Instalar(&programa);
    {
        EnHilo a(exterior);
        {
            EnHilo b(interior);
            ErrorFaltaNumero();
        }
        ErrorFaltanDatos();
    }
    ErrorMetodoCalculo();
    puerto::Instalar(nullptr);
    ErrorPilaInsuficiente();  // headless: standard error only

    EXPECT_EQ(interior.errores, std::vector<int>{7});
    EXPECT_EQ(exterior.errores, std::vector<int>{10});
    EXPECT_EQ(programa.errores, std::vector<int>{9});
    EXPECT_EQ(puerto::DeEsteHilo(), nullptr);
}
