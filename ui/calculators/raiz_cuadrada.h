// RaizCuadrada, "Raiz Cuadrada": the integer part of the square root of a
// number.
#pragma once

#include "ui/calculators/ventana_calculadora.h"

class RaizCuadrada : public VentanaCalculadora {
    Q_OBJECT

public:
    explicit RaizCuadrada(ServiciosPrincipal& servicios);

private:
    QLineEdit* numero_;
};
