#include "ui/shell/puntero_ventana.h"

#include <QCursor>
#include <QVariant>
#include <QWidget>

using puerto::Puntero;

namespace {

constexpr char kPropiedad[] = "punteroVentana";

Qt::CursorShape Forma(Puntero p) {
    switch (p) {
    case Puntero::Reloj: return Qt::WaitCursor;
    case Puntero::FlechaReloj: return Qt::BusyCursor;
    case Puntero::Flecha:
    case Puntero::Normal: break;
    }
    return Qt::ArrowCursor;
}

}  // namespace

void PonerPunteroVentana(QWidget* ventana, Puntero forma) {
    if (ventana == nullptr) return;
    if (forma == Puntero::Normal) {
        ventana->unsetCursor();
    } else {
        ventana->setCursor(QCursor(Forma(forma)));
    }
    ventana->setProperty(kPropiedad, static_cast<int>(forma));
}

Puntero PunteroVentana(const QWidget* ventana) {
    const QVariant valor = ventana->property(kPropiedad);
    return valor.isValid() ? static_cast<Puntero>(valor.toInt()) : Puntero::Normal;
}
