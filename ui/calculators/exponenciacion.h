// Exponenciacion, "Exponenciación Modular": base to the power of an exponent
// (at most 150 digits) modulo a modulus. Its counters open with one blank
// ("0 digitos"), its background writes no hint, and a clear leaves Cuenta
// as "0 h: 0m: 0 s".
#pragma once

#include "ui/calculators/ventana_calculadora.h"

class Exponenciacion : public VentanaCalculadora {
    Q_OBJECT

public:
    static constexpr int kMaximoExponente = 150;

    explicit Exponenciacion(ServiciosPrincipal& servicios);

private:
    QLineEdit* num1_;
    QLineEdit* num2_;
    QLineEdit* num3_;
};
