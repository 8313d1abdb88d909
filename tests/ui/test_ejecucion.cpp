// Runs of a solver on a worker, through a small window built on the problem
// windows' run part: start and end in order, the test's clock, random
// sequence and port carried into the worker, dialogs from the worker in
// order while it waits, stop for every run, close and frame close during a
// run, pointers of overlapping runs, a second press refused, the live
// progress line.
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "bignum/aleatorio.h"
#include "bignum/numeros_grandes.h"
#include "bignum/tiempo.h"
#include "soporte/banco_ventanas.h"
#include "solvers/factorizacion.h"
#include "ui/problems/ventana_problema.h"
#include "ui/shell/barra_estado.h"
#include "ui/shell/principal.h"
#include "ui/shell/puerto_reenvio.h"
#include "ui/shell/puntero_ventana.h"

using puerto::Puntero;

namespace {

const RasgosFormulario kRasgos{
    .nombre = QStringLiteral("Ensayo"),
    .titulo = QStringLiteral("Ensayo"),
    .icono = QStringLiteral("factorizacion"),
    .tema_ayuda = 21,
    .texto_error = kErrorEnOperandos,
    .pista_cancelar = kCierraVentanaActiva,
    .pista_fondo = kPreparado,
    .borrado = Borrado::SoloSiCambia,
    .puntero_ocupado = Puntero::FlechaReloj,
};

// A job for the worker: it writes the text its Salida shows.
using Trabajo = std::function<void(std::string& salida)>;

// Pollard rho on a prime: it runs until it is stopped, and then leaves 0.
void RhoSobreUnPrimo(std::string& salida) {
    NumeroGrande n, f1, f2;
    CadenaANumero("1000003", n, '+');
    FactorizarRho(n, f1, f2);
    salida = NumeroACadena(f1);
}

// A window with one box, one result box and the problem windows' buttons,
// whose calculation runs `trabajo` on a worker.
class VentanaEnsayo final : public VentanaProblema {
public:
    VentanaEnsayo(ServiciosPrincipal& servicios, Trabajo trabajo)
        : VentanaProblema(servicios, kRasgos, {}), trabajo_(std::move(trabajo)) {
        setAttribute(Qt::WA_DeleteOnClose);
        NuevaFilaValidada({.rotulo_nombre = QStringLiteral("Label1"),
                           .rotulo = QStringLiteral("Número"),
                           .caja = QStringLiteral("Numero"),
                           .consejo = QStringLiteral("Número"),
                           .pista = QStringLiteral(" Número"),
                           .contador = QStringLiteral("DigitosNum")});
        NuevaFilaSalida({.rotulo_nombre = QStringLiteral("Label2"),
                         .rotulo = QStringLiteral("Salida"),
                         .caja = QStringLiteral("Salida"),
                         .consejo = QStringLiteral("Salida"),
                         .contador = QStringLiteral("DigitosSalida")});
        ColocarAlPie({NuevoBtnCalcular(QStringLiteral("Calcular"), QStringLiteral(" Calcula"), [this] { Calcular(); }),
                      NuevoBtnDetener(), BtnCancelar(), BtnBorrar()});
    }

private:
    void Calcular() {
        if (RechazarSiEnCurso()) return;
        Servicios().EscribirEstado(QStringLiteral(" Calculando ..."));
        auto salida = std::make_shared<std::string>();
        Ejecutar([salida, trabajo = trabajo_] { trabajo(*salida); },
                 [this, salida] { Salida()->setText(QString::fromStdString(*salida)); });
    }

    Trabajo trabajo_;
};

// A gate a job waits at until the test opens it, or at most `limite`.
class Puerta {
public:
    void Esperar(std::chrono::seconds limite = std::chrono::seconds(60)) const {
        const auto fin = std::chrono::steady_clock::now() + limite;
        while (!abierta_.load() && std::chrono::steady_clock::now() < fin) std::this_thread::yield();
    }
    void Abrir() { abierta_ = true; }

private:
    std::atomic<bool> abierta_{false};
};

// The bench of the window tests, with the window above made from a job.
struct Banco : BancoVentanas {
    QPointer<VentanaEnsayo> Abrir(Trabajo trabajo) {
        auto* ventana = new VentanaEnsayo(servicios, std::move(trabajo));
        ventana->show();
        return ventana;
    }
    bool SinEjecuciones() const { return servicios.ejecuciones.EnCurso().isEmpty(); }
};

QString Salida(QWidget* v) { return Caja(*v, QStringLiteral("Salida"))->text(); }
void Pulsar(QWidget* v, const char* nombre) { Pulsar(Boton(*v, QString::fromLatin1(nombre))); }

}  // namespace

class PruebaEjecucion : public QObject {
    Q_OBJECT

private slots:
    void terminaYEscribeEnOrden();
    void lasAyudasDePruebaLleganAlTrabajador();
    void dialogosDelTrabajadorEnOrdenMientrasEspera();
    void detenerEnUnaVentanaDetieneTodas();
    void detenerSinEjecucionNoDejaHuella();
    void detenerAquiEIniciarAllaAntesDeLaConsulta();
    void cerrarLaVentanaEnCurso();
    void cerrarMientrasEsperaUnDialogo();
    void cerrarElMarcoEnCurso();
    void dosEjecucionesConSusPunteros();
    void segundaPulsacionRechazada();
    void lineaDeAvanceEnVivo();
};

void PruebaEjecucion::terminaYEscribeEnOrden() {
    Banco banco;
    QPointer<VentanaEnsayo> v = banco.Abrir([](std::string& s) { s = "42"; });
    Pulsar(v, "BtnCalcular");
    QVERIFY(!banco.SinEjecuciones());
    QTRY_COMPARE(Salida(v), QStringLiteral("42"));
    QCOMPARE(Texto(*v, QStringLiteral("Cuenta")), QStringLiteral("0 h: 0 m: 7 s: "));
    QCOMPARE(banco.servicios.estados, (QStringList{" Calculando ...", " Preparado"}));
    QCOMPARE(banco.Registro(), (QStringList{"flecha-reloj", "normal"}));
    QCOMPARE(PunteroVentana(v), Puntero::Normal);
    QTRY_VERIFY(banco.SinEjecuciones());
    delete v;
}

// Three random starting values of the factorization methods, one after another.
std::string Sorteo() {
    std::string s;
    for (int i = 0; i < 3; ++i) s += ' ' + NumeroACadena(AleatorioParaFactorizar(40));
    return s;
}

// What the test set on its own thread reaches the worker: the clock, the
// random sequence and the port, so that a window test drives a worker run
// as it would a direct call. Each is read on the worker.
void PruebaEjecucion::lasAyudasDePruebaLleganAlTrabajador() {
    Banco banco;
    FijarReloj([] { return HoraDelDia{25, 0, 0}; });  // an hour no real clock shows
    FijarSemillaAleatoria(2024);
    const std::string esperado = "25:0:0" + Sorteo();
    FijarSemillaAleatoria(2024);
    QPointer<VentanaEnsayo> v = banco.Abrir([](std::string& s) {
        std::uint8_t hora = 0, minuto = 0, segundo = 0;
        TomarHora(hora, minuto, segundo);
        s = std::to_string(hora) + ':' + std::to_string(minuto) + ':' + std::to_string(segundo) + Sorteo();
        puerto::Actual().MostrarError(2);
    });
    Pulsar(v, "BtnCalcular");
    QTRY_VERIFY(banco.SinEjecuciones());
    QCOMPARE(Salida(v), QString::fromStdString(esperado));
    QCOMPARE(banco.ui.errores, std::vector<int>{2});
    delete v;
}

// A port below the run's that notes, at each dialog, how far the worker has
// got: a worker that waits for its dialogs is never ahead of them.
class PuertoAnotador final : public PuertoReenvio {
public:
    PuertoAnotador(puerto::PuertoInterfaz& destino, const std::atomic<int>& pasos)
        : PuertoReenvio(destino), pasos_(pasos) {}
    QList<int> pasos_en_dialogo;
    QList<bool> en_hilo_de_ventanas;

    void MostrarError(int numero) override {
        Anotar();
        destino_.MostrarError(numero);
    }
    void MostrarAdvertencia() override {
        Anotar();
        destino_.MostrarAdvertencia();
    }

private:
    void Anotar() {
        pasos_en_dialogo.append(pasos_.load());
        en_hilo_de_ventanas.append(QThread::currentThread() == qApp->thread());
    }
    const std::atomic<int>& pasos_;
};

void PruebaEjecucion::dialogosDelTrabajadorEnOrdenMientrasEspera() {
    Banco banco;
    std::atomic<int> pasos{0};
    PuertoAnotador anotador(banco.ui, pasos);
    puerto::EnHilo activo(anotador);
    QPointer<VentanaEnsayo> v = banco.Abrir([&pasos](std::string& s) {
        puerto::PuertoInterfaz& ui = puerto::Actual();
        ui.PonerPuntero(Puntero::Flecha);
        ui.MostrarError(2);
        pasos = 1;
        ui.MostrarError(4);
        pasos = 2;
        ui.MostrarAdvertencia();
        pasos = 3;
        s = "0";
    });
    Pulsar(v, "BtnCalcular");
    QTRY_COMPARE(Salida(v), QStringLiteral("0"));
    QCOMPARE(banco.Registro(), (QStringList{"flecha-reloj", "flecha", "error 2", "error 4", "advertencia", "normal"}));
    QCOMPARE(anotador.pasos_en_dialogo, (QList<int>{0, 1, 2}));
    QCOMPARE(anotador.en_hilo_de_ventanas, (QList<bool>{true, true, true}));
    QCOMPARE(banco.servicios.estados.last(), QStringLiteral(" Preparado"));
    QTRY_VERIFY(banco.SinEjecuciones());
    delete v;
}

void PruebaEjecucion::detenerEnUnaVentanaDetieneTodas() {
    Banco banco;
    QPointer<VentanaEnsayo> a = banco.Abrir(RhoSobreUnPrimo);
    QPointer<VentanaEnsayo> b = banco.Abrir(RhoSobreUnPrimo);
    Pulsar(a, "BtnCalcular");
    Pulsar(b, "BtnCalcular");
    QCOMPARE(banco.servicios.ejecuciones.EnCurso().size(), 2);
    Pulsar(b, "BtnDetener");
    QTRY_VERIFY(banco.SinEjecuciones());
    QCOMPARE(Salida(a), QStringLiteral("0"));
    QCOMPARE(Salida(b), QStringLiteral("0"));
    QCOMPARE(banco.ui.advertencias, 2);  // one for each run
    QCOMPARE(banco.servicios.estados.count(QStringLiteral(" Preparado")), 2);
    delete a;
    delete b;
}

void PruebaEjecucion::detenerSinEjecucionNoDejaHuella() {
    Banco banco;
    QPointer<VentanaEnsayo> v = banco.Abrir(
        [](std::string& s) { s = puerto::Actual().DetenerSolicitado() ? "detenida" : "libre"; });
    Pulsar(v, "BtnDetener");  // nothing is running
    Pulsar(v, "BtnCalcular");
    QTRY_COMPARE(Salida(v), QStringLiteral("libre"));
    QTRY_VERIFY(banco.SinEjecuciones());
    delete v;
}

// A stop pressed while run A has yet to reach its next stop check, then run
// B started in another window before A gets there: A stops, B does not.
void PruebaEjecucion::detenerAquiEIniciarAllaAntesDeLaConsulta() {
    Banco banco;
    Puerta puerta_a, puerta_b;
    const auto consulta_tras = [](Puerta& puerta) {
        return [&puerta](std::string& s) {
            puerta.Esperar();
            s = puerto::Actual().DetenerSolicitado() ? "detenida" : "libre";
        };
    };
    QPointer<VentanaEnsayo> a = banco.Abrir(consulta_tras(puerta_a));
    QPointer<VentanaEnsayo> b = banco.Abrir(consulta_tras(puerta_b));
    Pulsar(a, "BtnCalcular");
    Pulsar(b, "BtnDetener");
    Pulsar(b, "BtnCalcular");
    puerta_a.Abrir();
    puerta_b.Abrir();
    QTRY_VERIFY(banco.SinEjecuciones());
    QCOMPARE(Salida(a), QStringLiteral("detenida"));
    QCOMPARE(Salida(b), QStringLiteral("libre"));
    delete a;
    delete b;
}

// Closing a window in the middle of its run returns at once, stops that run
// only, shows nothing for it and writes nothing anywhere.
void PruebaEjecucion::cerrarLaVentanaEnCurso() {
    Banco banco;
    QPointer<VentanaEnsayo> cerrada = banco.Abrir(RhoSobreUnPrimo);
    Puerta puerta;
    QPointer<VentanaEnsayo> otra = banco.Abrir([&puerta](std::string& s) {
        puerta.Esperar();
        s = puerto::Actual().DetenerSolicitado() ? "detenida" : "libre";
    });
    Pulsar(cerrada, "BtnCalcular");
    Pulsar(otra, "BtnCalcular");
    banco.servicios.estados.clear();
    Pulsar(cerrada, "BtnCancelar");
    QTRY_VERIFY(cerrada.isNull());  // deleted once closed
    puerta.Abrir();
    QTRY_VERIFY(banco.SinEjecuciones());
    QCOMPARE(Salida(otra), QStringLiteral("libre"));
    QCOMPARE(banco.ui.advertencias, 0);  // the stopped run's warning was never shown
    QCOMPARE(banco.servicios.estados, QStringList{" Preparado"});  // the other window's only
    delete otra;
}

// A window closed while its worker waits on one of its dialogs: the worker
// is let go at once and ends while the dialog is still up.
void PruebaEjecucion::cerrarMientrasEsperaUnDialogo() {
    Banco banco;
    std::atomic<bool> terminado{false};
    std::atomic<bool> dialogo_abierto{false};
    QPointer<VentanaEnsayo> v;

    class DialogoLento final : public PuertoReenvio {
    public:
        DialogoLento(puerto::PuertoInterfaz& destino, std::atomic<bool>& abierto, std::atomic<bool>& terminado,
                     QPointer<VentanaEnsayo>& ventana)
            : PuertoReenvio(destino), abierto_(abierto), terminado_(terminado), ventana_(ventana) {}
        bool fin_visto_con_dialogo = false;
        void MostrarError(int numero) override {
            abierto_ = true;
            ventana_->close();  // the user closes the window meanwhile
            QTRY_VERIFY(terminado_.load());
            fin_visto_con_dialogo = true;
            destino_.MostrarError(numero);
        }

    private:
        std::atomic<bool>& abierto_;
        std::atomic<bool>& terminado_;
        QPointer<VentanaEnsayo>& ventana_;
    } lento(banco.ui, dialogo_abierto, terminado, v);
    puerto::EnHilo activo(lento);

    v = banco.Abrir([&terminado](std::string& s) {
        puerto::Actual().MostrarError(3);
        s = "después";
        terminado = true;
    });
    Pulsar(v, "BtnCalcular");
    QTRY_VERIFY(dialogo_abierto.load());
    QTRY_VERIFY(banco.SinEjecuciones());
    QVERIFY(lento.fin_visto_con_dialogo);
    QVERIFY(v.isNull());
}

// Closing the main window with runs in progress closes their windows and
// returns at once, before the workers end (a close that waited for them
// would return only when their gates give up, with both jobs done); every
// run is abandoned, so nothing they ask for afterwards is shown; the
// registry empties as the workers end, and destroying the frame is then
// clean.
void PruebaEjecucion::cerrarElMarcoEnCurso() {
    Banco banco;
    Puerta puerta;
    std::atomic<int> acabados{0};
    const Trabajo trabajo = [&](std::string& s) {
        puerta.Esperar(std::chrono::seconds(10));
        puerto::Actual().MostrarAdvertencia();  // shown unless the run was abandoned
        s = "acabado";
        ++acabados;
    };
    {
        Principal p(QStringLiteral(CARPETA_AYUDA_PRUEBA));
        p.RegistrarVentana(QStringLiteral("Factorizacion"),
                           [&](ServiciosPrincipal& s) { return new VentanaEnsayo(s, trabajo); });
        p.show();
        QMdiSubWindow* una = p.AbrirVentana(QStringLiteral("Factorizacion"));
        QMdiSubWindow* otra = p.AbrirVentana(QStringLiteral("Factorizacion"));
        Pulsar(una->widget(), "BtnCalcular");
        Pulsar(otra->widget(), "BtnCalcular");
        QList<QPointer<Ejecucion>> ejecuciones;
        for (Ejecucion* e : p.Ejecuciones().EnCurso()) ejecuciones.append(e);
        QCOMPARE(ejecuciones.size(), 2);

        QVERIFY(p.close());
        QCOMPARE(acabados.load(), 0);
        QVERIFY(p.Area()->subWindowList().isEmpty());
        for (const QPointer<Ejecucion>& e : ejecuciones) QVERIFY(!e.isNull() && e->Abandonada());

        puerta.Abrir();
        QTRY_COMPARE(acabados.load(), 2);
        QTRY_VERIFY(p.Ejecuciones().EnCurso().isEmpty());
        QCOMPARE(p.Estado()->Texto(), QStringLiteral(" Calculando ..."));  // no run wrote its end
    }
    QCOMPARE(banco.ui.advertencias, 0);
}

void PruebaEjecucion::dosEjecucionesConSusPunteros() {
    Banco banco;
    Puerta puerta_a, puerta_b;
    QPointer<VentanaEnsayo> a = banco.Abrir([&puerta_a](std::string& s) { puerta_a.Esperar(); s = "a"; });
    QPointer<VentanaEnsayo> b = banco.Abrir([&puerta_b](std::string& s) { puerta_b.Esperar(); s = "b"; });
    Pulsar(a, "BtnCalcular");
    Pulsar(b, "BtnCalcular");
    QCOMPARE(a->cursor().shape(), Qt::BusyCursor);
    QCOMPARE(b->cursor().shape(), Qt::BusyCursor);
    puerta_a.Abrir();
    QTRY_COMPARE(Salida(a), QStringLiteral("a"));
    QCOMPARE(PunteroVentana(a), Puntero::Normal);
    QCOMPARE(b->cursor().shape(), Qt::BusyCursor);  // b is still running
    puerta_b.Abrir();
    QTRY_COMPARE(Salida(b), QStringLiteral("b"));
    QCOMPARE(PunteroVentana(b), Puntero::Normal);
    QTRY_VERIFY(banco.SinEjecuciones());
    delete a;
    delete b;
}

void PruebaEjecucion::segundaPulsacionRechazada() {
    Banco banco;
    Puerta puerta;
    std::atomic<int> veces{0};
    QPointer<VentanaEnsayo> v = banco.Abrir([&](std::string& s) {
        ++veces;
        puerta.Esperar();
        s = "una";
    });
    Pulsar(v, "BtnCalcular");
    Pulsar(v, "BtnCalcular");
    QCOMPARE(banco.servicios.ejecuciones.EnCurso().size(), 1);
    QVERIFY(banco.servicios.estados.last().contains(QStringLiteral("en curso")));
    puerta.Abrir();
    QTRY_VERIFY(banco.SinEjecuciones());
    QCOMPARE(veces.load(), 1);
    QCOMPARE(Salida(v), QStringLiteral("una"));
    delete v;
}

// While rho runs, the status strip tells how far it got, about once a
// second; once it ends, " Preparado".
void PruebaEjecucion::lineaDeAvanceEnVivo() {
    Banco banco;
    QPointer<VentanaEnsayo> v = banco.Abrir(RhoSobreUnPrimo);
    Pulsar(v, "BtnCalcular");
    QTRY_VERIFY_WITH_TIMEOUT(!banco.servicios.estados.filter(QStringLiteral(" Pollard Rho: ")).isEmpty(), 5000);
    const QString linea = banco.servicios.estados.filter(QStringLiteral(" Pollard Rho: ")).last();
    QVERIFY2(linea.contains(QStringLiteral(" pasos, ")) && linea.contains(QStringLiteral("cambio")), qPrintable(linea));
    Pulsar(v, "BtnDetener");
    QTRY_VERIFY(banco.SinEjecuciones());
    QCOMPARE(banco.servicios.estados.last(), QStringLiteral(" Preparado"));
    delete v;
}

QTEST_MAIN(PruebaEjecucion)
#include "test_ejecucion.moc"
