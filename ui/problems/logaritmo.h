// Logaritmo, "Logaritmo Discreto": the exponent x with Alfa^x = Beta modulo
// Grupo, by exhaustive search, baby-step giant-step or Pohlig–Hellman, on a
// worker, with the problem windows' run part (ventana_problema.h).
//
// Where it differs from the calculators: no method is chosen when it opens
// and Calculate then refuses with error 9; any empty box is refused with
// error 10 (it is not read as 0); the boxes take 200 characters; the
// counters open as "0 digitos" (one blank); a clear leaves an empty box's
// counter as it was; the window's background writes no hint; baby-step
// giant-step is called without its existence flag, so a logarithm that does
// not exist is said by error 11.
#pragma once

#include "ui/problems/ventana_problema.h"

class QLineEdit;
class QRadioButton;

class Logaritmo : public VentanaProblema {
    Q_OBJECT

public:
    static constexpr int kMaximoNumero = 200;

    explicit Logaritmo(ServiciosPrincipal& servicios);

private:
    void Calcular();

    QLineEdit* num1_;
    QLineEdit* num2_;
    QLineEdit* num3_;
    QLineEdit* salida_;
    QRadioButton* busqueda_;
    QRadioButton* gigante_enano_;
    QRadioButton* pohlig_hellman_;
};
