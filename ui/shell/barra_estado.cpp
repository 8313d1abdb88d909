#include "ui/shell/barra_estado.h"

#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QTime>
#include <QTimer>

namespace {

constexpr int kIntervaloReloj = 1000;  // ms: the clock shows whole seconds

QLabel* NuevoPanel(const QString& nombre, QWidget* padre) {
    auto* panel = new QLabel(padre);
    panel->setObjectName(nombre);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setContentsMargins(6, 0, 6, 0);
    panel->hide();
    return panel;
}

}  // namespace

BarraEstado::BarraEstado(QWidget* parent)
    : QStatusBar(parent),
      texto_(new QLabel(this)),
      panel_fecha_(NuevoPanel(QStringLiteral("PanelFecha"), this)),
      hora_(NuevoPanel(QStringLiteral("Hora"), this)),
      reloj1_(new QTimer(this)) {
    setObjectName(QStringLiteral("BarraEstado"));
    setSizeGripEnabled(false);

    texto_->setObjectName(QStringLiteral("TextoEstado"));
    texto_->setTextFormat(Qt::PlainText);
    // The line takes the room the strip has: a longer one (a progress line in
    // a narrow window) is cut at the right instead of widening the main
    // window.
    texto_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    addWidget(texto_, 1);

    panel_fecha_->setText(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    addPermanentWidget(panel_fecha_);
    // Wide enough for any time, so the strip does not jump at each tick.
    hora_->setMinimumWidth(hora_->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00")) + 16);
    addPermanentWidget(hora_);

    reloj1_->setObjectName(QStringLiteral("Reloj1"));
    reloj1_->setInterval(kIntervaloReloj);
    connect(reloj1_, &QTimer::timeout, this, &BarraEstado::Reloj1_Timer);
    reloj1_->start();
}

void BarraEstado::Escribir(const QString& texto) { texto_->setText(texto); }

QString BarraEstado::Texto() const { return texto_->text(); }

void BarraEstado::Reloj1_Timer() {
    hora_->setText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss")));
}
