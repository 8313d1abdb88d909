// CalculoMCD, "Cálculo del MCD": the greatest common divisor of two numbers.
#pragma once

#include "ui/calculators/ventana_calculadora.h"

class CalculoMCD : public VentanaCalculadora {
    Q_OBJECT

public:
    explicit CalculoMCD(ServiciosPrincipal& servicios);

private:
    QLineEdit* numero1_;
    QLineEdit* numero2_;
};
