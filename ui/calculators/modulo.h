// Modulo, "Resto Modular": the remainder of a signed number modulo a
// modulus, in [0, modulus). The sign button BtnMas gives the number its sign
// at each calculation; the box itself holds digits only.
#pragma once

#include "ui/calculators/ventana_calculadora.h"

class Modulo : public VentanaCalculadora {
    Q_OBJECT

public:
    explicit Modulo(ServiciosPrincipal& servicios);

private:
    QLineEdit* num1_;
    QLineEdit* num2_;
    char signo_ = '+';  // kept across calculations and clears
};
