// Factorizacion, "Factorización": splits one number into two factors by
// Pollard rho, Dixon's method or continued fractions, on a worker, with the
// problem windows' run part (ventana_problema.h).
//
// Where it differs from the calculators: no method is chosen when it opens
// and Calculate then refuses with error 6; an empty number is refused with
// error 7 (it is not read as 0); the boxes take 200 characters; the counters
// open as "0 digitos" (one blank); a clear leaves an empty box's counter as
// it was; the options are tried in the order PollardRho, Dixon, Fracciones.
#pragma once

#include "ui/problems/ventana_problema.h"

class QLineEdit;
class QRadioButton;

class Factorizacion : public VentanaProblema {
    Q_OBJECT

public:
    static constexpr int kMaximoNumero = 200;

    explicit Factorizacion(ServiciosPrincipal& servicios);

private:
    void Calcular();

    QLineEdit* numero_;
    QLineEdit* factor1_;
    QLineEdit* factor2_;
    QRadioButton* pollard_rho_;
    QRadioButton* dixon_;
    QRadioButton* fracciones_;
};
