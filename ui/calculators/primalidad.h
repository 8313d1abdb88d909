// Primalidad, "Test de Primalidad": answers "Sí" or "No" to whether a number
// is prime, while the progress bar Gauge follows the test.
//
// Where it differs from the other calculators: no result box (the answer is
// the caption of Respuesta), the counter opens as "0 digitos" (one blank),
// the busy pointer is the arrow with hourglass, and Gauge stays at 100 after
// a test until the next test or a clear.
#pragma once

#include "ui/calculators/ventana_calculadora.h"

class QProgressBar;

class Primalidad : public VentanaCalculadora {
    Q_OBJECT

public:
    explicit Primalidad(ServiciosPrincipal& servicios);

protected:
    void LimpiarResultado() override;
    void Borrar() override;

private:
    void Probar();

    QLineEdit* numero_;
    QProgressBar* gauge_;
    QLabel* respuesta_;
};
