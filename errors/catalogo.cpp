#include "errors/catalogo.h"

#include <array>

namespace errores {
namespace {

constexpr std::array<EntradaCatalogo, 12> kCatalogo{{
    {1, "ErrorDigitoInvalido", "Digito inválido", "Introduzca un número entre 0 y 9"},
    {2, "ErrorDivisionPorCero", "División por 0", "Sustituya el dividendo por un número distinto de 0"},
    {3, "ErrorPrimosRelativos", "Los números no son primos relativos", "Introduzca dos números cuyo MCD sea 1"},
    {4, "ErrorModuloInvalido", "El modulo introducido no es válido", "Introduzca un modulo cuyo valor sea mayor que 0"},
    {5, "ErrorMetodoLogaritmo", "No es posible calcular el logaritmo con este método", "Elija otro método"},
    {6, "ErrorMetodoFactorizacion", "No ha elegido un método de Factorización", "Elija un método en el panel de la derecha"},
    {7, "ErrorFaltaNumero", "No ha introducido un número", "Teclee un número en el panel superior"},
    {8, "ErrorFicheroPrimos", "Error en el fichero 'Primos.txt'", "Compruebe que el fichero se encuentra en el directorio actual"},
    {9, "ErrorMetodoCalculo", "No ha elegido un método para el cálculo'", "Elija un método en el panel de la derecha"},
    {10, "ErrorFaltanDatos", "Falta especificar algún dato", "Compruebe que ha introducido 3 números"},
    {11, "ErrorNoExisteLogaritmo", "No existe este logaritmo", "Compruebe que los números son correctos"},
    {13, "ErrorPilaInsuficiente", "Los números son demasiado grandes y no hay suficiente espacio de pila", "Reduzca el tamaño de los números"},
}};

}  // namespace

std::span<const EntradaCatalogo> Catalogo() { return kCatalogo; }

const EntradaCatalogo* BuscarError(int numero) {
    for (const EntradaCatalogo& e : kCatalogo) {
        if (e.numero == numero) return &e;
    }
    return nullptr;
}

}  // namespace errores
