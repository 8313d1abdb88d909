#include "ui/calculators/modulo.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "bignum/numeros_grandes.h"

namespace {

const RasgosFormulario kRasgos{
    .nombre = QStringLiteral("Modulo"),
    .titulo = QStringLiteral("Resto Modular"),
    .icono = QStringLiteral("modulo"),
    .tema_ayuda = 9,
    .texto_error = kErrorEnOperandos,
    .pista_cancelar = kCerrarVentanaActiva,
    .pista_fondo = kPreparado,
    .imagen_tiempo = QStringLiteral("Image2"),
};

}  // namespace

Modulo::Modulo(ServiciosPrincipal& servicios) : VentanaCalculadora(servicios, kRasgos) {
    num1_ = NuevaFilaValidada({.rotulo_nombre = QStringLiteral("EtqNumero"),
                               .rotulo = QStringLiteral("Número"),
                               .caja = QStringLiteral("Num1"),
                               .consejo = QStringLiteral("Número"),
                               .pista = QStringLiteral(" Número del que se calcula el resto modular"),
                               .contador = QStringLiteral("DigitosNum")},
                              NuevoBotonSigno(QStringLiteral("BtnMas"), signo_));
    num2_ = NuevaFilaValidada({.rotulo_nombre = QStringLiteral("EtqModulo"),
                               .rotulo = QStringLiteral("Modulo"),
                               .caja = QStringLiteral("Num2"),
                               .consejo = QStringLiteral("Modulo"),
                               .pista = QStringLiteral(" Modulo en el cual se calcula el resto modular"),
                               .contador = QStringLiteral("DigitosMod")});
    NuevaFilaSalida({.rotulo_nombre = QStringLiteral("EtqResto"),
                     .rotulo = QStringLiteral(" Resto Modular"),
                     .caja = QStringLiteral("Salida"),
                     .consejo = QStringLiteral("Resto Modular"),
                     .pista = QStringLiteral(" Resto modular del número y módulo especificados"),
                     .contador = QStringLiteral("DigitosResto")});

    ColocarAlPie({NuevoBtnCalcular(
        QStringLiteral("Calcular el Resto Modular"),
        QStringLiteral(" Calcular el resto modular y visualizar el resultado"), [this] {
            Calcular(QStringLiteral(" Calculando el modulo ..."), [this] {
                const NumeroGrande a = NumeroDe(num1_, signo_);
                const NumeroGrande m = NumeroDe(num2_);
                EscribirSalida(Reducir(a, m));  // zero modulus: error 4, and 0
            });
        }),
                  BtnBorrar(), BtnCancelar()});
}
