// Each tool window is registered here under its Herramientas toolbar key
// ("Op_Basicas", "Raiz", "Modulo", "Mcd", "Inverso", "Potencia",
// "Primalidad", "Tabla", "Factorizacion", "EjemplosFac", "Logaritmo",
// "EjemplosLog"); a key left out keeps its button and menu item disabled.
//
//   principal.RegistrarVentana(QStringLiteral("Op_Basicas"),
//       [](ServiciosPrincipal& s) { return new OpBasicas(s); });
#include "ui/ventanas_registradas.h"

#include "ui/shell/principal.h"

void RegistrarVentanas([[maybe_unused]] Principal& principal) {
    // No tool window has been written yet.
}
