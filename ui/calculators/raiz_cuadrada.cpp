#include "ui/calculators/raiz_cuadrada.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "bignum/numeros_grandes.h"

namespace {

const RasgosCalculadora kRasgos{
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
    QLabel* digitos_num = NuevoContador(QStringLiteral("DigitosNum"));
    numero_ = NuevaCajaValidada(QStringLiteral("Numero"), QStringLiteral("Número"),
                                QStringLiteral(" Número del que se calculará la Raíz Cuadrada"), digitos_num);
    AgregarFila(NuevoRotulo(QStringLiteral("EtqNum1"), QStringLiteral("Numero")), numero_, digitos_num);

    QLabel* digitos_raiz = NuevoContador(QStringLiteral("DigitosRaiz"));
    NuevaSalida(QStringLiteral("Raíz Cuadrada"),
                QStringLiteral(" Parte entera de la Raiz Cuadrada del número especificado"), digitos_raiz);
    AgregarFila(NuevoRotulo(QStringLiteral("EtiquetaRaiz"), QStringLiteral("Raíz Cuadrada")), salida_, digitos_raiz);

    AgregarAlPie(NuevoBtnCalcular(
        QStringLiteral("Calcular la raíz cuadrada"), QStringLiteral(" Calcula la parte entera de la Raiz Cuadrada"),
        [this] {
            Calcular(QStringLiteral(" Calculando la Raíz Cuadrada ..."),
                     [this] { EscribirSalida(RaizEntera(NumeroDe(numero_))); });
        }));
}
