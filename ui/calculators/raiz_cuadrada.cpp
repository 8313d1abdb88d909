#include "ui/calculators/raiz_cuadrada.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "bignum/numeros_grandes.h"

namespace {

const RasgosFormulario kRasgos{
    .nombre = QStringLiteral("RaizCuadrada"),
    .titulo = QStringLiteral("Raiz Cuadrada"),
    .icono = QStringLiteral("raiz"),
    .tema_ayuda = 13,
    .texto_error = kErrorEnNumero,
    .pista_cancelar = kCierraVentanaActiva,
    .pista_fondo = kPreparado,
};

}  // namespace

RaizCuadrada::RaizCuadrada(ServiciosPrincipal& servicios) : VentanaCalculadora(servicios, kRasgos) {
    numero_ = NuevaFilaValidada({.rotulo_nombre = QStringLiteral("EtqNum1"),
                                 .rotulo = QStringLiteral("Numero"),
                                 .caja = QStringLiteral("Numero"),
                                 .consejo = QStringLiteral("Número"),
                                 .pista = QStringLiteral(" Número del que se calculará la Raíz Cuadrada"),
                                 .contador = QStringLiteral("DigitosNum")});
    NuevaFilaSalida({.rotulo_nombre = QStringLiteral("EtiquetaRaiz"),
                     .rotulo = QStringLiteral("Raíz Cuadrada"),
                     .caja = QStringLiteral("Salida"),
                     .consejo = QStringLiteral("Raíz Cuadrada"),
                     .pista = QStringLiteral(" Parte entera de la Raiz Cuadrada del número especificado"),
                     .contador = QStringLiteral("DigitosRaiz")});

    ColocarAlPie({NuevoBtnCalcular(QStringLiteral("Calcular la raíz cuadrada"),
                                   QStringLiteral(" Calcula la parte entera de la Raiz Cuadrada"),
                                   [this] {
                                       Calcular(QStringLiteral(" Calculando la Raíz Cuadrada ..."),
                                                [this] { EscribirSalida(RaizEntera(NumeroDe(numero_))); });
                                   }),
                  BtnBorrar(), BtnCancelar()});
}
