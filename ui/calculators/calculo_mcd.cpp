#include "ui/calculators/calculo_mcd.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "bignum/numeros_grandes.h"

namespace {

const RasgosCalculadora kRasgos{
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
    QLabel* digitos1 = NuevoContador(QStringLiteral("DigitosNum1"));
    numero1_ = NuevaCajaValidada(QStringLiteral("Numero1"), QStringLiteral("Primer número"),
                                 QStringLiteral(" Primer número de los dos con los que se calculará el MCD"), digitos1);
    AgregarFila(NuevoRotulo(QStringLiteral("EtqNum1"), QStringLiteral("Numero 1")), numero1_, digitos1);

    QLabel* digitos2 = NuevoContador(QStringLiteral("DigitosNum2"));
    numero2_ = NuevaCajaValidada(QStringLiteral("Numero2"), QStringLiteral("Segundo número"),
                                 QStringLiteral(" Segundo número de los dos con los que se calculará el MCD"), digitos2);
    AgregarFila(NuevoRotulo(QStringLiteral("EtqNum2"), QStringLiteral("Numero 2")), numero2_, digitos2);

    QLabel* digitos_mcd = NuevoContador(QStringLiteral("DigitosMCD"));
    NuevaSalida(QStringLiteral("Máximo común divisor"),
                QStringLiteral(" Máximo Común Divisor de los números especificados"), digitos_mcd);
    AgregarFila(NuevoRotulo(QStringLiteral("EtiquetaMCD"), QStringLiteral("MCD")), salida_, digitos_mcd);

    AgregarAlPie(NuevoBtnCalcular(
        QStringLiteral("Calcular el máximo común divisor"),
        QStringLiteral(" Calcular el máximo común divisor y visualizar el resultado"), [this] {
            // Two blanks before the dots, as the window has always written it.
            Calcular(QStringLiteral(" Calculando el máximo común divisor  ..."), [this] {
                const NumeroGrande a = NumeroDe(numero1_);
                const NumeroGrande b = NumeroDe(numero2_);
                EscribirSalida(MaximoComunDivisor(a, b));
            });
        }));
}
