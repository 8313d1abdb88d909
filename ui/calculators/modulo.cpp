#include "ui/calculators/modulo.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "bignum/numeros_grandes.h"

namespace {

const RasgosCalculadora kRasgos{
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
    QLabel* digitos_num = NuevoContador(QStringLiteral("DigitosNum"));
    num1_ = NuevaCajaValidada(QStringLiteral("Num1"), QStringLiteral("Número"),
                              QStringLiteral(" Número del que se calcula el resto modular"), digitos_num);
    AgregarFila(NuevoRotulo(QStringLiteral("EtqNumero"), QStringLiteral("Número")), num1_, digitos_num,
                NuevoBotonSigno(QStringLiteral("BtnMas"), signo_));

    QLabel* digitos_mod = NuevoContador(QStringLiteral("DigitosMod"));
    num2_ = NuevaCajaValidada(QStringLiteral("Num2"), QStringLiteral("Modulo"),
                              QStringLiteral(" Modulo en el cual se calcula el resto modular"), digitos_mod);
    AgregarFila(NuevoRotulo(QStringLiteral("EtqModulo"), QStringLiteral("Modulo")), num2_, digitos_mod);

    QLabel* digitos_resto = NuevoContador(QStringLiteral("DigitosResto"));
    NuevaSalida(QStringLiteral("Resto Modular"), QStringLiteral(" Resto modular del número y módulo especificados"),
                digitos_resto);
    AgregarFila(NuevoRotulo(QStringLiteral("EtqResto"), QStringLiteral(" Resto Modular")), salida_, digitos_resto);

    AgregarAlPie(NuevoBtnCalcular(
        QStringLiteral("Calcular el Resto Modular"),
        QStringLiteral(" Calcular el resto modular y visualizar el resultado"), [this] {
            Calcular(QStringLiteral(" Calculando el modulo ..."), [this] {
                const NumeroGrande a = NumeroDe(num1_, signo_);
                const NumeroGrande m = NumeroDe(num2_);
                EscribirSalida(Reducir(a, m));  // zero modulus: error 4, and 0
            });
        }));
}
