// Primalidad, "Test de Primalidad": answers "Sí" or "No" to whether a number
// is prime, while the progress bar Gauge follows the test.
//
// Where it differs from the other calculators: no result box (the answer is
// the caption of Respuesta), the counter opens as "0 digitos" (one blank),
// the busy pointer is the arrow with hourglass, and Gauge stays at 100 after
// a test until the next test or a clear.
//
// Below Respuesta, the checkable BtnDetalle ("Detalle", off when the window
// opens) shows the read-only box Traza with what the last test did: n - 1 =
// 2^s * d and, for each base, a^d mod n, the successive squarings and that
// base's verdict, or the direct check that decided a small number. With it
// off, nothing else of the window differs.
#pragma once

#include "solvers/primalidad.h"
#include "ui/calculators/ventana_calculadora.h"

class QPlainTextEdit;
class QProgressBar;
class QPushButton;

class Primalidad : public VentanaCalculadora {
    Q_OBJECT

public:
    explicit Primalidad(ServiciosPrincipal& servicios);

protected:
    void LimpiarResultado() override;
    void Borrar() override;

private:
    void Probar();
    void MostrarDetalle(bool visible);

    QLineEdit* numero_;
    QProgressBar* gauge_;
    QLabel* respuesta_;
    QPushButton* btn_detalle_;
    QPlainTextEdit* traza_;
    TrazaPrimalidad ultima_;
    bool probado_ = false;  // ultima_ holds a test
};
