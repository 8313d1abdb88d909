// Each tool window is registered here under its Herramientas toolbar key
// ("Op_Basicas", "Raiz", "Modulo", "Mcd", "Inverso", "Potencia",
// "Primalidad", "Tabla", "Factorizacion", "EjemplosFac", "Logaritmo",
// "EjemplosLog", "Laboratorio"); a key left out keeps its button and menu
// item disabled.
// Every trigger makes a new window, so several of one kind can be open.
#include "ui/ventanas_registradas.h"

#include "ui/calculators/calculo_inverso.h"
#include "ui/calculators/calculo_mcd.h"
#include "ui/calculators/exponenciacion.h"
#include "ui/calculators/modulo.h"
#include "ui/calculators/op_basicas.h"
#include "ui/calculators/primalidad.h"
#include "ui/calculators/raiz_cuadrada.h"
#include "ui/problems/ejemplos.h"
#include "ui/problems/factorizacion.h"
#include "ui/problems/laboratorio.h"
#include "ui/problems/logaritmo.h"
#include "ui/problems/primos.h"
#include "ui/shell/principal.h"

namespace {

template <typename Ventana>
void Registrar(Principal& principal, const char* clave) {
    principal.RegistrarVentana(QString::fromLatin1(clave), [](ServiciosPrincipal& s) { return new Ventana(s); });
}

}  // namespace

void RegistrarVentanas(Principal& principal) {
    Registrar<OpBasicas>(principal, "Op_Basicas");
    Registrar<Modulo>(principal, "Modulo");
    Registrar<CalculoMCD>(principal, "Mcd");
    Registrar<CalculoInverso>(principal, "Inverso");
    Registrar<Exponenciacion>(principal, "Potencia");
    Registrar<RaizCuadrada>(principal, "Raiz");
    Registrar<Primalidad>(principal, "Primalidad");
    Registrar<Primos>(principal, "Tabla");
    Registrar<Factorizacion>(principal, "Factorizacion");
    Registrar<Logaritmo>(principal, "Logaritmo");
    Registrar<Laboratorio>(principal, "Laboratorio");
    principal.RegistrarVentana(QStringLiteral("EjemplosFac"), [](ServiciosPrincipal& s) {
        return new EleccionEjemplos(s, FamiliaEjemplos::Factorizacion);
    });
    principal.RegistrarVentana(QStringLiteral("EjemplosLog"), [](ServiciosPrincipal& s) {
        return new EleccionEjemplos(s, FamiliaEjemplos::Logaritmo);
    });
}
