// The error and warning dialogs and the Qt side of the core's port: what
// each dialog shows, the modal route, calls from a worker thread, the
// pointer of each window, and the window's forwarding port.
#include <atomic>
#include <functional>
#include <thread>

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

#include "errors/catalogo.h"
#include "soporte/puerto_grabador.h"
#include "ui/shell/advertencia.h"
#include "ui/shell/mensaje_error.h"
#include "ui/shell/presentador_dialogos.h"
#include "ui/shell/puerto_qt.h"
#include "ui/shell/puerto_reenvio.h"
#include "ui/shell/puntero_ventana.h"

using puerto::Puntero;

namespace {

// Answers at once and remembers what it was asked to show, and on which thread.
// `mostrados` counts the dialogs shown, for a thread that asked for one.
class PresentadorGrabador final : public PresentadorDialogos {
public:
    QList<int> errores;
    int advertencias = 0;
    QList<QThread*> hilos;
    std::atomic<int> mostrados{0};

    void MostrarError(const errores::EntradaCatalogo& entrada) override {
        errores.append(entrada.numero);
        hilos.append(QThread::currentThread());
        ++mostrados;
    }
    void MostrarAdvertencia() override {
        ++advertencias;
        hilos.append(QThread::currentThread());
    }
};

QString Texto(const QWidget& dialogo, const char* etiqueta) {
    const auto* l = dialogo.findChild<QLabel*>(QString::fromLatin1(etiqueta));
    return l != nullptr ? l->text() : QStringLiteral("<sin %1>").arg(QString::fromLatin1(etiqueta));
}

// Runs `mostrar`, which must open a modal dialog; once it is up, `examinar`
// sees it and `cerrar` names the button that closes it. Fails instead of
// hanging when no dialog comes up within a few seconds.
void ConDialogoModal(const std::function<void()>& mostrar, const std::function<void(QWidget&)>& examinar,
                     const char* cerrar) {
    bool visto = false;
    int intentos = 0;
    QTimer vigia;
    vigia.setInterval(10);
    QObject::connect(&vigia, &QTimer::timeout, &vigia, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            visto = true;
            examinar(*modal);
            if (auto* boton = modal->findChild<QPushButton*>(QString::fromLatin1(cerrar))) {
                boton->click();
            } else {
                modal->close();
            }
        } else if (++intentos > 500) {
            vigia.stop();
        }
    });
    vigia.start();
    mostrar();
    vigia.stop();
    QVERIFY2(visto, "no modal dialog was shown");
}

}  // namespace

class PruebaDialogos : public QObject {
    Q_OBJECT

private slots:
    void mensajeErrorParaCadaEntradaDelCatalogo();
    void cadaInformeMuestraSoloSusTextos();
    void advertenciaModal();
    void numerosSinEntradaNoMuestranNada();
    void llamadasDesdeOtroHilo();
    void punteroDeCadaVentana();
    void nuncaDetieneYDejaCorrerEventos();
    void puertoDeVentanaPasaLoQueNoCambia();
};

// Every catalogue entry reaches the modal MensajeError with its own texts.
void PruebaDialogos::mensajeErrorParaCadaEntradaDelCatalogo() {
    PresentadorModal modal;
    PuertoQt interfaz(modal);
    for (const errores::EntradaCatalogo& entrada : errores::Catalogo()) {
        const QString numero = QString::number(entrada.numero);
        ConDialogoModal(
            [&] { interfaz.MostrarError(entrada.numero); },
            [&](QWidget& d) {
                QCOMPARE(d.objectName(), QStringLiteral("MensajeError"));
                QCOMPARE(d.windowTitle(), QStringLiteral(" Error"));
                QCOMPARE(Texto(d, "Label3"), QStringLiteral("ERROR"));
                QCOMPARE(Texto(d, "NumError"), numero);
                QCOMPARE(Texto(d, "Label1"), QStringLiteral("Error :"));
                QCOMPARE(Texto(d, "Descripcion"), QString::fromUtf8(entrada.mensaje));
                QCOMPARE(Texto(d, "Label2"), QStringLiteral("Solución :"));
                QCOMPARE(Texto(d, "Solucion"), QString::fromUtf8(entrada.remedio));
                QVERIFY(d.windowModality() != Qt::NonModal);
            },
            "BtnAceptar");
        if (QTest::currentTestFailed()) return;
    }
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void PruebaDialogos::cadaInformeMuestraSoloSusTextos() {
    MensajeError dialogo;
    dialogo.Rellenar(*errores::BuscarError(2));
    dialogo.Rellenar(*errores::BuscarError(4));
    QCOMPARE(dialogo.NumError()->text(), QStringLiteral("4"));
    QCOMPARE(dialogo.Descripcion()->text(), QStringLiteral("El modulo introducido no es válido"));
    QCOMPARE(dialogo.Solucion()->text(), QStringLiteral("Introduzca un modulo cuyo valor sea mayor que 0"));
    // The heavy face of the top line, or the nearest bold one installed.
    QVERIFY(QFontInfo(dialogo.NumError()->font()).weight() >= QFont::Bold);
    QVERIFY(QFontInfo(dialogo.findChild<QLabel*>(QStringLiteral("Label3"))->font()).weight() >= QFont::Bold);
}

void PruebaDialogos::advertenciaModal() {
    PresentadorModal modal;
    PuertoQt interfaz(modal);
    ConDialogoModal(
        [&] { interfaz.MostrarAdvertencia(); },
        [](QWidget& d) {
            QCOMPARE(d.objectName(), QStringLiteral("Advertencia"));
            QCOMPARE(d.windowTitle(), QStringLiteral("Advertencia"));
            QCOMPARE(Texto(d, "Label1"), QStringLiteral("¡ATENCION!"));
            QCOMPARE(Texto(d, "Label2"), QStringLiteral("PROCESO INTERRUMPIDO"));
            QCOMPARE(Texto(d, "Label3"), QStringLiteral("Debido a la interrupción del proceso la salida no será correcta"));
        },
        "BtnOK");
}

void PruebaDialogos::numerosSinEntradaNoMuestranNada() {
    PresentadorGrabador grabador;
    PuertoQt interfaz(grabador);
    for (int numero : {0, 12, 14, -1}) interfaz.MostrarError(numero);
    QVERIFY(grabador.errores.isEmpty());
    interfaz.MostrarError(13);
    QCOMPARE(grabador.errores, QList<int>{13});
}

// A call from another thread: the dialog is shown on the user-interface
// thread, and the caller waits for it.
void PruebaDialogos::llamadasDesdeOtroHilo() {
    PresentadorGrabador grabador;
    PuertoQt interfaz(grabador);
    std::atomic<bool> terminado{false};
    std::atomic<int> vistos_al_volver{-1};
    std::thread trabajador([&] {
        interfaz.ProcesarEventos();  // nothing to do off the user-interface thread
        interfaz.MostrarError(2);
        // The dialog has been shown by the time the call returns.
        vistos_al_volver = grabador.mostrados.load();
        interfaz.MostrarAdvertencia();
        terminado = true;
    });
    QTRY_VERIFY_WITH_TIMEOUT(terminado.load(), 10000);
    trabajador.join();
    QCOMPARE(vistos_al_volver.load(), 1);
    QCOMPARE(grabador.errores, QList<int>{2});
    QCOMPARE(grabador.advertencias, 1);
    for (QThread* hilo : grabador.hilos) QCOMPARE(hilo, qApp->thread());
}

// Each window has its own pointer: a shape set on one leaves the other's,
// and the normal shape gives the window back the pointer of what lies below.
void PruebaDialogos::punteroDeCadaVentana() {
    QWidget una;
    QWidget otra;
    const std::pair<Puntero, Qt::CursorShape> kFormas[] = {
        {Puntero::Reloj, Qt::WaitCursor},
        {Puntero::Flecha, Qt::ArrowCursor},
        {Puntero::FlechaReloj, Qt::BusyCursor},
    };
    PonerPunteroVentana(&otra, Puntero::Reloj);
    for (const auto& [puntero, forma] : kFormas) {
        PonerPunteroVentana(&una, puntero);
        QCOMPARE(PunteroVentana(&una), puntero);
        QCOMPARE(una.cursor().shape(), forma);
        QCOMPARE(otra.cursor().shape(), Qt::WaitCursor);
    }
    PonerPunteroVentana(&una, Puntero::Normal);
    QCOMPARE(PunteroVentana(&una), Puntero::Normal);
    QCOMPARE(una.cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(PunteroVentana(&otra), Puntero::Reloj);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);  // nothing screen-wide

    PresentadorGrabador grabador;
    PuertoQt interfaz(grabador);
    interfaz.PonerPuntero(Puntero::Reloj);  // the program's port owns no window
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

void PruebaDialogos::nuncaDetieneYDejaCorrerEventos() {
    PresentadorGrabador grabador;
    PuertoQt interfaz(grabador);
    QVERIFY(!interfaz.DetenerSolicitado());

    bool ejecutado = false;
    QTimer::singleShot(0, qApp, [&ejecutado] { ejecutado = true; });
    interfaz.ProcesarEventos();
    QVERIFY(ejecutado);
}

// A window's port sets the pointer on the window and tells the port below,
// sends the progress bar's values to the window, and passes the rest on.
void PruebaDialogos::puertoDeVentanaPasaLoQueNoCambia() {
    puerto::PuertoGrabador programa;
    programa.detener_en_consulta = 2;
    puerto::EnHilo activo(programa);
    QWidget ventana;
    double barra = 0.0;
    {
        PuertoVentana en_ventana(&ventana, [&barra](double v) { barra = v; });
        QCOMPARE(&puerto::Actual(), static_cast<puerto::PuertoInterfaz*>(&en_ventana));
        puerto::Actual().MostrarError(5);
        puerto::Actual().MostrarAdvertencia();
        puerto::Actual().PonerPuntero(Puntero::Flecha);
        puerto::Actual().ProcesarEventos();
        QVERIFY(!puerto::Actual().DetenerSolicitado());
        QVERIFY(puerto::Actual().DetenerSolicitado());
        puerto::Actual().PonerProgreso(75.0);
    }
    QCOMPARE(&puerto::Actual(), static_cast<puerto::PuertoInterfaz*>(&programa));
    QCOMPARE(programa.registro, (std::vector<std::string>{"error 5", "advertencia", "flecha"}));
    QCOMPARE(PunteroVentana(&ventana), Puntero::Flecha);
    QCOMPARE(programa.eventos, 1L);
    QVERIFY(programa.progresos.empty());
    QCOMPARE(barra, 75.0);
}

QTEST_MAIN(PruebaDialogos)
#include "test_dialogos.moc"
