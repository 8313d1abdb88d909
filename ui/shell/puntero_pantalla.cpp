#include "ui/shell/puntero_pantalla.h"

#include <QCursor>
#include <QGuiApplication>

using puerto::Puntero;

namespace {

// The shape this module has pushed on the override stack, if any.
Puntero actual = Puntero::Normal;

Qt::CursorShape Forma(Puntero p) {
    switch (p) {
    case Puntero::Flecha: return Qt::ArrowCursor;
    case Puntero::Reloj: return Qt::WaitCursor;
    case Puntero::FlechaReloj: return Qt::BusyCursor;
    case Puntero::Normal: break;
    }
    return Qt::ArrowCursor;
}

}  // namespace

void PonerPunteroPantalla(Puntero forma) {
    if (forma == actual) return;
    if (forma == Puntero::Normal) {
        QGuiApplication::restoreOverrideCursor();
    } else if (actual == Puntero::Normal) {
        QGuiApplication::setOverrideCursor(QCursor(Forma(forma)));
    } else {
        QGuiApplication::changeOverrideCursor(QCursor(Forma(forma)));
    }
    actual = forma;
}

Puntero PunteroPantalla() { return actual; }
