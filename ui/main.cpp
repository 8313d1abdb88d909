// Tornavela de Cifrados. The program starts in the splash window; when the
// user dismisses it the main window appears, and closing that ends the run.
#include <QApplication>

#include "errors/puerto_interfaz.h"
#include "ui/comprobacion.h"
#include "ui/shell/entrada.h"
#include "ui/shell/interfaz_qt.h"
#include "ui/shell/presentador_dialogos.h"
#include "ui/shell/principal.h"
#include "ui/ventanas_registradas.h"

int main(int argc, char* argv[]) {
    // `tornavela --comprobar`: check the files the program reads, open no window.
    if (PideComprobacion(argc, argv)) return ComprobarFicheros(argc, argv);
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tornavela de Cifrados"));

    Principal principal;
    RegistrarVentanas(principal);

    PresentadorModal presentador;
    InterfazQt interfaz(principal.Detener(), presentador);
    puerto::Instalar(&interfaz);

    auto* entrada = new Entrada;  // deletes itself once dismissed
    QObject::connect(entrada, &Entrada::Iniciado, &principal, [&principal] { principal.show(); });
    entrada->show();

    const int resultado = QApplication::exec();
    puerto::Instalar(nullptr);
    return resultado;
}
