#include "ui/shell/pistas_estado.h"

#include <QMouseEvent>
#include <QWidget>

#include "ui/shell/servicios.h"

PistasEstado::PistasEstado(ServiciosPrincipal& servicios, QObject* parent) : QObject(parent), servicios_(servicios) {}

void PistasEstado::Poner(QWidget* control, const QString& pista) {
    Registrar(control, {[pista] { return pista; }, false});
}

void PistasEstado::Poner(QWidget* control, std::function<QString()> pista) {
    Registrar(control, {std::move(pista), false});
}

void PistasEstado::PonerFondo(QWidget* superficie, const QString& pista) {
    Registrar(superficie, {[pista] { return pista; }, true});
}

void PistasEstado::Registrar(QWidget* widget, Pista pista) {
    // Moves without a pressed button reach only widgets that track the mouse.
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    pistas_.insert(widget, std::move(pista));
}

bool PistasEstado::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::MouseMove) {
        const auto pista = pistas_.constFind(objeto);
        if (pista != pistas_.cend()) {
            // A move the control under the mouse did not take (a button
            // ignores it) goes on to the surface below; there childAt finds
            // that control, so the background hint does not overwrite its own.
            const auto* widget = static_cast<const QWidget*>(objeto);
            const QPoint donde = static_cast<const QMouseEvent*>(evento)->position().toPoint();
            if (!pista->fondo || widget->childAt(donde) == nullptr) servicios_.EscribirEstado(pista->texto());
        }
    }
    return QObject::eventFilter(objeto, evento);
}
