// CalculoInverso, "Cálculo del Inverso": the inverse of a number modulo a
// modulus. Its boxes take only digits from the keyboard; pasted text still
// goes through the digit check.
#pragma once

#include "ui/calculators/ventana_calculadora.h"

class CalculoInverso : public VentanaCalculadora {
    Q_OBJECT

public:
    explicit CalculoInverso(ServiciosPrincipal& servicios);

private:
    QLineEdit* numero1_;
    QLineEdit* numero2_;
};
