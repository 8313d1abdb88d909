#include "ui/calculators/primalidad.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "bignum/numeros_grandes.h"
#include "solvers/primalidad.h"
#include "ui/shell/contador_digitos.h"

namespace {

const RasgosFormulario kRasgos{
    .nombre = QStringLiteral("Primalidad"),
    .titulo = QStringLiteral("Test de Primalidad"),
    .icono = QStringLiteral("primalidad"),
    .tema_ayuda = 14,
    .texto_error = kErrorEnNumero,
    .pista_cancelar = kCierraVentanaActiva,
    .pista_fondo = kPreparado,
    .puntero_ocupado = puerto::Puntero::FlechaReloj,
};

}  // namespace

Primalidad::Primalidad(ServiciosPrincipal& servicios) : VentanaCalculadora(servicios, kRasgos) {
    numero_ = NuevaFilaValidada({.rotulo_nombre = QStringLiteral("EtqNum1"),
                                 .rotulo = QStringLiteral("Número"),
                                 .caja = QStringLiteral("Numero"),
                                 .consejo = QStringLiteral("Número"),
                                 .pista = QStringLiteral(" Número al que se aplicará el Test de Primalidad"),
                                 .contador = QStringLiteral("DigitosNum"),
                                 .contador_inicial = TextoDigitos(0, Blancos::Uno)});

    gauge_ = new QProgressBar(this);
    gauge_->setObjectName(QStringLiteral("Gauge"));
    gauge_->setRange(0, 100);
    gauge_->setValue(0);
    const int fila_gauge = Rejilla()->rowCount();
    Rejilla()->addWidget(gauge_, fila_gauge, 2);

    respuesta_ = NuevoRotulo(QStringLiteral("Respuesta"), QString());
    QFont negrita = respuesta_->font();
    negrita.setBold(true);
    negrita.setPointSizeF(negrita.pointSizeF() * 1.5);
    respuesta_->setFont(negrita);
    const int fila_respuesta = Rejilla()->rowCount();
    Rejilla()->addWidget(NuevoRotulo(QStringLiteral("Label1"), QStringLiteral("¿Es Primo?")), fila_respuesta, 0);
    Rejilla()->addWidget(respuesta_, fila_respuesta, 2);

    ColocarAlPie({NuevoBtnCalcular(QStringLiteral("Aplicar el test de primalidad"),
                                   QStringLiteral(" Aplica el Test de Primalidad al número especificado"),
                                   [this] { Probar(); }),
                  BtnBorrar(), BtnCancelar()});
}

void Primalidad::Probar() {
    // The test writes its progress values, which go to Gauge.
    Calcular(
        QStringLiteral(" Realizando el Test de Primalidad ..."),
        [this] {
            gauge_->setValue(0);
            const bool primo = EsPrimo(NumeroDe(numero_));
            gauge_->setValue(100);
            respuesta_->setText(primo ? QStringLiteral("Sí") : QStringLiteral("No"));
        },
        [this](double valor) { gauge_->setValue(qBound(0, qRound(valor), 100)); });
}

void Primalidad::LimpiarResultado() {
    respuesta_->clear();
    VentanaCalculadora::LimpiarResultado();
}

void Primalidad::Borrar() {
    VentanaCalculadora::Borrar();
    respuesta_->clear();
    gauge_->setValue(0);
}
