#include "ui/calculators/primalidad.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStringList>

#include "bignum/numeros_grandes.h"
#include "solvers/primalidad.h"
#include "ui/shell/contador_digitos.h"
#include "ui/shell/pistas_estado.h"

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

QString Texto(const NumeroGrande& x) { return QString::fromStdString(NumeroACadena(x)); }

// What the test did, in Spanish, a line per step.
QString TextoTraza(const TrazaPrimalidad& t) {
    const QString n = Texto(t.n);
    QStringList lineas;
    using Directa = TrazaPrimalidad::Directa;
    if (t.directa != Directa::Ninguna) {
        QString motivo;
        switch (t.directa) {
        case Directa::Par:
            motivo = t.primo ? QStringLiteral("es 2, el único primo par") : QStringLiteral("es par y no es 2: compuesto");
            break;
        case Directa::UnaCifra:
            motivo = t.primo ? QStringLiteral("tiene una sola cifra: primo")
                             : QStringLiteral("tiene una sola cifra: no es primo");
            break;
        case Directa::Once: motivo = QStringLiteral("es 11: primo"); break;
        case Directa::Ninguna: break;
        }
        lineas << QStringLiteral("n = %1 %2.").arg(n, motivo)
               << QStringLiteral("Lo decide la comprobación directa de los números pequeños y pares, "
                                 "sin ninguna pasada de Miller-Rabin.");
        return lineas.join(u'\n');
    }

    NumeroGrande uno;
    EnteroANumero(1, uno);
    const QString n_menos_uno = Texto(Restar(t.n, uno));
    lineas << QStringLiteral("n = %1").arg(n)
           << QStringLiteral("n − 1 = %1 = 2^%2 · %3   (s = %2, d = %3)").arg(n_menos_uno).arg(t.s).arg(Texto(t.d))
           << (t.n.Longitud > 11 ? QStringLiteral("Más de 11 cifras: tres bases al azar.")
                                 : QStringLiteral("Hasta 11 cifras: las bases fijas 2, 3, 5, 7 y 11."));
    const auto valor = [&](const NumeroGrande& x) {
        const QString texto = Texto(x);
        return texto == n_menos_uno ? texto + QStringLiteral(" = n − 1") : texto;
    };
    for (const TrazaPrimalidad::Pasada& p : t.pasadas) {
        const QString a = Texto(p.base);
        lineas << QString() << QStringLiteral("Base a = %1").arg(a)
               << QStringLiteral("  x = a^d mod n = %1").arg(valor(p.x));
        for (std::size_t i = 0; i < p.cuadrados.size(); ++i) {
            lineas << QStringLiteral("  a^(d·2^%1) mod n = %2").arg(i + 1).arg(valor(p.cuadrados[i]));
        }
        lineas << (p.probable_primo ? QStringLiteral("  → probable primo")
                                    : QStringLiteral("  → compuesto: %1 es testigo").arg(a));
    }
    lineas << QString();
    if (t.primo) {
        lineas << (t.n.Longitud > 11
                       ? QStringLiteral("Respuesta: Sí (probable primo para las %1 bases al azar).").arg(t.pasadas.size())
                       : QStringLiteral("Respuesta: Sí (pasa las 5 bases, y con hasta 11 cifras eso prueba que es primo)."));
    } else {
        lineas << QStringLiteral("Respuesta: No (%1 es testigo de que n es compuesto).").arg(Texto(t.pasadas.back().base));
    }
    return lineas.join(u'\n');
}

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

    btn_detalle_ = new QPushButton(QStringLiteral("Detalle"), this);
    btn_detalle_->setObjectName(QStringLiteral("BtnDetalle"));
    btn_detalle_->setCheckable(true);
    btn_detalle_->setToolTip(QStringLiteral("Pasos del test de Miller-Rabin"));
    Pistas()->Poner(btn_detalle_, QStringLiteral(" Muestra los pasos de la última prueba"));
    Rejilla()->addWidget(btn_detalle_, Rejilla()->rowCount(), 2, Qt::AlignLeft);
    traza_ = new QPlainTextEdit(this);
    traza_->setObjectName(QStringLiteral("Traza"));
    traza_->setReadOnly(true);
    traza_->setLineWrapMode(QPlainTextEdit::NoWrap);
    traza_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    traza_->setMinimumHeight(traza_->fontMetrics().lineSpacing() * 14);
    traza_->hide();
    Rejilla()->addWidget(traza_, Rejilla()->rowCount(), 0, 1, 4);
    connect(btn_detalle_, &QPushButton::toggled, this, &Primalidad::MostrarDetalle);

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
            const bool primo = EsPrimo(NumeroDe(numero_), &ultima_);
            probado_ = true;
            gauge_->setValue(100);
            respuesta_->setText(primo ? QStringLiteral("Sí") : QStringLiteral("No"));
            if (btn_detalle_->isChecked()) traza_->setPlainText(TextoTraza(ultima_));
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
    probado_ = false;  // the detail of an answer no longer shown
    if (btn_detalle_->isChecked()) MostrarDetalle(true);
}

void Primalidad::MostrarDetalle(bool visible) {
    traza_->setPlainText(probado_ ? TextoTraza(ultima_) : QStringLiteral("Aún no se ha hecho ninguna prueba."));
    traza_->setVisible(visible);
    // The frame grows or shrinks with the box.
    QWidget* marco = qobject_cast<QMdiSubWindow*>(parentWidget()) != nullptr ? parentWidget() : this;
    marco->adjustSize();
}
