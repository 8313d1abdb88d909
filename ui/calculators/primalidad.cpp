#include "ui/calculators/primalidad.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "bignum/numeros_grandes.h"
#include "solvers/primalidad.h"
#include "ui/calculators/contador_digitos.h"
#include "ui/shell/interfaz_reenvio.h"

namespace {

const RasgosCalculadora kRasgos{
    .nombre = QStringLiteral("Primalidad"),
    .titulo = QStringLiteral("Test de Primalidad"),
    .icono = QStringLiteral("primalidad"),
    .tema_ayuda = 14,
    .texto_error = kErrorEnNumero,
    .pista_cancelar = kCierraVentanaActiva,
    .pista_fondo = kPreparado,
    .puntero_ocupado = puerto::Puntero::FlechaReloj,
};

// The test's progress goes to Gauge; everything else to the interface that
// was current before.
class ProgresoEnGauge final : public InterfazReenvio {
public:
    ProgresoEnGauge(puerto::PuertoInterfaz& destino, QProgressBar* gauge) : InterfazReenvio(destino), gauge_(gauge) {}

    void PonerProgreso(double valor) override { gauge_->setValue(qBound(0, qRound(valor), 100)); }

private:
    QProgressBar* gauge_;
};

}  // namespace

Primalidad::Primalidad(ServiciosPrincipal& servicios) : VentanaCalculadora(servicios, kRasgos) {
    QLabel* digitos_num = NuevoContador(QStringLiteral("DigitosNum"), TextoDigitos(0, Blancos::Uno));
    numero_ = NuevaCajaValidada(QStringLiteral("Numero"), QStringLiteral("Número"),
                                QStringLiteral(" Número al que se aplicará el Test de Primalidad"), digitos_num);
    AgregarFila(NuevoRotulo(QStringLiteral("EtqNum1"), QStringLiteral("Número")), numero_, digitos_num);

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

    AgregarAlPie(NuevoBtnCalcular(QStringLiteral("Aplicar el test de primalidad"),
                                  QStringLiteral(" Aplica el Test de Primalidad al número especificado"),
                                  [this] { Probar(); }));
}

void Primalidad::Probar() {
    Calcular(QStringLiteral(" Realizando el Test de Primalidad ..."), [this] {
        gauge_->setValue(0);
        const NumeroGrande n = NumeroDe(numero_);
        bool primo = false;
        {
            ProgresoEnGauge progreso(puerto::Actual(), gauge_);
            puerto::EnHilo en_gauge(progreso);
            primo = EsPrimo(n);
        }
        gauge_->setValue(100);
        respuesta_->setText(primo ? QStringLiteral("Sí") : QStringLiteral("No"));
    });
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
