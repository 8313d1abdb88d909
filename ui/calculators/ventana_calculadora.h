// VentanaCalculadora: the run part of the seven calculator windows. Each
// derives from it, describes its differences in a RasgosFormulario, builds
// its rows and buttons with the form's factories (formulario_herramienta.h)
// and gives the steps of its operation to Calcular.
//
// A calculator's calculation runs to its end on the user-interface thread
// (it takes at most a fraction of a second): busy text, clock reading, the
// window's busy pointer, the window's steps, the pointer put back, elapsed
// time in Cuenta, " Preparado". The core's dialogs show meanwhile through
// the window's port, which also routes the pointer to this window and the
// primality progress to its bar.
#pragma once

#include <functional>

#include <QString>

#include "bignum/numero_grande.h"
#include "ui/shell/formulario_herramienta.h"

class QLineEdit;

class VentanaCalculadora : public FormularioHerramienta {
    Q_OBJECT

protected:
    VentanaCalculadora(ServiciosPrincipal& servicios, const RasgosFormulario& rasgos);

    // Runs one calculation around `pasos` (conversions, operation, result);
    // `progreso`, when given, receives the primality bar's values.
    void Calcular(const QString& texto_ocupado, const std::function<void()>& pasos,
                  std::function<void(double)> progreso = {});
    // The result's text into Salida.
    void EscribirSalida(const NumeroGrande& resultado);
};
