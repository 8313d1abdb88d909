// Takes screenshots of the main windows as the X server draws them, for
// scripts/capturas (run under Xvfb). Usage: tornavela_capturas <folder>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "errors/catalogo.h"
#include "ui/shell/acerca_de.h"
#include "ui/shell/barra_estado.h"
#include "ui/shell/cuadro_dialogo.h"
#include "ui/shell/entrada.h"
#include "ui/shell/mensaje_error.h"
#include "ui/shell/principal.h"
#include "ui/shell/visor_ayuda.h"
#include "ui/ventanas_registradas.h"

namespace {

// Lets the window system map and paint what was just shown.
void Esperar(int ms = 400) {
    QEventLoop bucle;
    QTimer::singleShot(ms, &bucle, &QEventLoop::quit);
    bucle.exec();
}

// The screen area of a top-level window, as drawn on the screen.
bool Capturar(QWidget& ventana, const QDir& carpeta, const QString& nombre) {
    ventana.raise();
    ventana.activateWindow();
    Esperar();
    const QRect marco = ventana.frameGeometry();
    const QPixmap imagen =
        ventana.screen()->grabWindow(0, marco.x(), marco.y(), marco.width(), marco.height());
    const QString ruta = carpeta.filePath(nombre + QStringLiteral(".png"));
    const bool guardada = imagen.save(ruta);
    qInfo("%s %s", guardada ? "guardada" : "NO guardada", qPrintable(ruta));
    return guardada;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication aplicacion(argc, argv);
    const QStringList argumentos = QApplication::arguments();
    const QDir carpeta(argumentos.size() > 1 ? argumentos[1] : QStringLiteral("capturas"));
    QDir().mkpath(carpeta.path());
    bool todas = true;

    {
        Entrada entrada;
        entrada.setAttribute(Qt::WA_DeleteOnClose, false);
        entrada.show();
        todas &= Capturar(entrada, carpeta, QStringLiteral("entrada"));
    }

    Principal principal;
    RegistrarVentanas(principal);
    principal.move(0, 0);
    principal.show();
    for (const char* clave : {"Herramientas", "Fecha", "Hora"}) {
        principal.BarraMenu_ButtonClick(QString::fromLatin1(clave));
    }
    principal.Estado()->Reloj1_Timer();
    todas &= Capturar(principal, carpeta, QStringLiteral("principal"));

    // The About window halfway through its paragraph, beside the links window.
    QMdiSubWindow* acerca = principal.MostrarAcercaDe();
    auto* animacion = qobject_cast<AcercaDe*>(acerca->widget());
    animacion->Reloj2()->stop();
    for (int tic = 0; tic < 5; ++tic) animacion->Reloj2_Timer();
    acerca->move(20, 20);
    QMdiSubWindow* enlaces = principal.NuevoInternet();
    enlaces->move(acerca->geometry().right() - 200, acerca->geometry().bottom() + 20);
    principal.Area()->setActiveSubWindow(acerca);
    todas &= Capturar(principal, carpeta, QStringLiteral("acerca_de"));

    {
        MensajeError error(&principal);
        error.Rellenar(*errores::BuscarError(4));
        error.show();
        todas &= Capturar(error, carpeta, QStringLiteral("mensaje_error"));
    }

    principal.MostrarTemaAyuda(23);  // Pollard rho, a method page
    VisorAyuda* visor = principal.Cuadro_Dialogo().Visor();
    visor->move(40, 40);
    todas &= Capturar(*visor, carpeta, QStringLiteral("ayuda_pollard_rho"));

    return todas ? 0 : 1;
}
