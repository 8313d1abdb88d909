#include "ui/calculators/ventana_calculadora.h"

#include <cstdint>
#include <string>

#include <QLineEdit>

#include "bignum/tiempo.h"
#include "ui/shell/puerto_reenvio.h"
#include "ui/shell/puntero_ventana.h"
#include "ui/shell/servicios.h"

// The calculators' own pictures share the shell's resource folder, so Icono()
// finds them by name once they are registered. (Not in an unnamed namespace:
// the macro declares the registering function in the enclosing one.)
static void RegistrarIconosCalculadoras() { Q_INIT_RESOURCE(calculadoras); }

VentanaCalculadora::VentanaCalculadora(ServiciosPrincipal& servicios, const RasgosFormulario& rasgos)
    : FormularioHerramienta(servicios, rasgos) {
    static const bool registrados = (RegistrarIconosCalculadoras(), true);
    (void)registrados;
}

void VentanaCalculadora::Calcular(const QString& texto_ocupado, const std::function<void()>& pasos,
                                  std::function<void(double)> progreso) {
    Servicios().EscribirEstado(texto_ocupado);
    std::uint8_t hora = 0, minuto = 0, segundo = 0;
    TomarHora(hora, minuto, segundo);
    {
        PuertoVentana en_ventana(this, std::move(progreso));
        // An error shown by the operation sets the arrow; the pointer this
        // window had before comes back at its end all the same.
        const puerto::Puntero antes = PunteroVentana(this);
        puerto::Actual().PonerPuntero(Rasgos().puntero_ocupado);
        pasos();
        puerto::Actual().PonerPuntero(antes);
    }
    std::string tiempo;
    TiempoTranscurrido(hora, minuto, segundo, tiempo);
    PonerCuenta(QString::fromStdString(tiempo));
    Servicios().EscribirEstado(kPreparado);
}

void VentanaCalculadora::EscribirSalida(const NumeroGrande& resultado) {
    Salida()->setText(TextoDe(resultado));
}
