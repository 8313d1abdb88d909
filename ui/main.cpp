// Tornavela de Cifrados. The program starts in the splash window; when the
// user dismisses it the main window appears, and closing that ends the run.
#include <QApplication>

#include "errors/puerto_interfaz.h"
#include "ui/comprobacion.h"
#include "ui/shell/entrada.h"
#include "ui/shell/presentador_dialogos.h"
#include "ui/shell/principal.h"
#include "ui/shell/puerto_qt.h"
#include "ui/ventanas_registradas.h"

int main(int argc, char* argv[]) {
    // `tornavela --comprobar`: check the files the program reads, open no window.
    if (PideComprobacion(argc, argv)) return ComprobarFicheros(argc, argv);
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tornavela de Cifrados"));

    // The port outlives the main window, whose runs may still be ending when
    // it is destroyed.
    PresentadorModal presentador;
    PuertoQt puerto_qt(presentador);
    puerto::Instalar(&puerto_qt);

    int resultado = 0;
    {
        Principal principal;
        RegistrarVentanas(principal);

        auto* entrada = new Entrada;  // deletes itself once dismissed
        QObject::connect(entrada, &Entrada::Iniciado, &principal, [&principal] { principal.show(); });
        entrada->show();

        resultado = QApplication::exec();
        // Runs still going (the frame closed with them) are abandoned; the
        // main window's destruction waits for their workers to end.
        principal.Ejecuciones().AbandonarTodas();
    }
    puerto::Instalar(nullptr);
    return resultado;
}
