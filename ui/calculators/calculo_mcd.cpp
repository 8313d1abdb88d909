#include "ui/calculators/calculo_mcd.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "bignum/numeros_grandes.h"

namespace {

const RasgosFormulario kRasgos{
    .nombre = QStringLiteral("CalculoMCD"),
    .titulo = QStringLiteral("Cálculo del MCD"),
    .icono = QStringLiteral("mcd"),
    .tema_ayuda = 10,
    .texto_error = kErrorEnOperandos,
    .pista_cancelar = kCerrarVentanaActiva,
    .pista_fondo = QStringLiteral(" Preparado "),
};

}  // namespace

CalculoMCD::CalculoMCD(ServiciosPrincipal& servicios) : VentanaCalculadora(servicios, kRasgos) {
    numero1_ = NuevaFilaValidada({.rotulo_nombre = QStringLiteral("EtqNum1"),
                                  .rotulo = QStringLiteral("Numero 1"),
                                  .caja = QStringLiteral("Numero1"),
                                  .consejo = QStringLiteral("Primer número"),
                                  .pista = QStringLiteral(" Primer número de los dos con los que se calculará el MCD"),
                                  .contador = QStringLiteral("DigitosNum1")});
    numero2_ = NuevaFilaValidada({.rotulo_nombre = QStringLiteral("EtqNum2"),
                                  .rotulo = QStringLiteral("Numero 2"),
                                  .caja = QStringLiteral("Numero2"),
                                  .consejo = QStringLiteral("Segundo número"),
                                  .pista = QStringLiteral(" Segundo número de los dos con los que se calculará el MCD"),
                                  .contador = QStringLiteral("DigitosNum2")});
    NuevaFilaSalida({.rotulo_nombre = QStringLiteral("EtiquetaMCD"),
                     .rotulo = QStringLiteral("MCD"),
                     .caja = QStringLiteral("Salida"),
                     .consejo = QStringLiteral("Máximo común divisor"),
                     .pista = QStringLiteral(" Máximo Común Divisor de los números especificados"),
                     .contador = QStringLiteral("DigitosMCD")});

    ColocarAlPie({NuevoBtnCalcular(
        QStringLiteral("Calcular el máximo común divisor"),
        QStringLiteral(" Calcular el máximo común divisor y visualizar el resultado"), [this] {
            // Two blanks before the dots, as the window has always written it.
            Calcular(QStringLiteral(" Calculando el máximo común divisor  ..."), [this] {
                const NumeroGrande a = NumeroDe(numero1_);
                const NumeroGrande b = NumeroDe(numero2_);
                EscribirSalida(MaximoComunDivisor(a, b));
            });
        }),
                  BtnBorrar(), BtnCancelar()});
}
