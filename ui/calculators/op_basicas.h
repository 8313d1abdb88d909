// OpBasicas, "Operaciones Básicas": sum, difference, product or integer
// quotient of two signed operands, reduced modulo a third number while the
// modulus box is shown.
//
// Where it differs from the other calculators: four operation buttons in
// Panel2 instead of BtnCalcular (enabled and disabled together, their
// pictures never change); a sign button per operand; BtnModulo shows or
// hides the modulus box, emptying it and moving itself beside it; the result
// counter does not count a leading minus sign and reads "N digitos" with one
// blank; Salida's hint names the last operation done.
//
// The modulus box gets the same digit check as the operands, so a non-digit
// there never reaches the conversion.
#pragma once

#include <QList>

#include "ui/calculators/ventana_calculadora.h"

struct OperacionBasica;

class OpBasicas : public VentanaCalculadora {
    Q_OBJECT

public:
    explicit OpBasicas(ServiciosPrincipal& servicios);

protected:
    void ActivarCalculo() override;
    void DesactivarCalculo() override;
    QString TextoContadorSalida(const QLineEdit* salida) const override;

private:
    void Operar(const OperacionBasica& operacion);
    void BtnModulo_Click();
    QString PistaSalida() const;

    QLineEdit* operando1_;
    QLineEdit* operando2_;
    QLineEdit* modulo_;
    QLabel* digitos_mod_;
    QPushButton* btn_modulo_;
    int fila_modulo_;  // the grid row of the modulus box
    QList<QPushButton*> operaciones_;
    char signo1_ = '+';
    char signo2_ = '+';
    char ultima_operacion_ = 0;  // '+', '-', '*' or '/'; 0 before the first
    bool modulo_visible_ = false;
};
