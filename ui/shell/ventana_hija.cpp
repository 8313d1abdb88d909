#include "ui/shell/ventana_hija.h"

#include <QMdiSubWindow>

void CerrarVentanaHija(QWidget* ventana) {
    if (auto* marco = qobject_cast<QMdiSubWindow*>(ventana->parentWidget())) {
        marco->close();
    } else {
        ventana->close();
    }
}
