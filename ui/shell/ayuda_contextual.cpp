#include "ui/shell/ayuda_contextual.h"

#include <QAction>
#include <QVariant>
#include <QWidget>

namespace {

int TemaPropio(const QObject* objeto) {
    return objeto->property(kPropiedadTemaAyuda).toInt();  // 0 when unset
}

}  // namespace

void PonerTemaAyuda(QObject* objeto, int tema) { objeto->setProperty(kPropiedadTemaAyuda, tema); }

int TemaAyuda(const QAction* accion) { return accion != nullptr ? TemaPropio(accion) : 0; }

int TemaAyudaDe(const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (const int tema = TemaPropio(w); tema > 0) return tema;
    }
    return 0;
}
