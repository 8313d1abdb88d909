#include "ui/shell/presentador_dialogos.h"

#include <QApplication>

#include "ui/shell/advertencia.h"
#include "ui/shell/mensaje_error.h"

void PresentadorModal::MostrarError(const errores::EntradaCatalogo& entrada) {
    MensajeError dialogo(QApplication::activeWindow());
    dialogo.Rellenar(entrada);
    dialogo.exec();
}

void PresentadorModal::MostrarAdvertencia() {
    Advertencia dialogo(QApplication::activeWindow());
    dialogo.exec();
}
