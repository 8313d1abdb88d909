// Takes screenshots of the main windows as the X server draws them, for
// scripts/capturas (run under Xvfb). Usage: tornavela_capturas <folder>
//
// Each calculator is shown after a real calculation on operands as large as
// its boxes take, and the time that calculation took is printed; the problem
// windows during a run of a worked example and after one; the cost
// laboratory after two series; the prime lists, the example choosers and
// their widest pages.
#include <random>
#include <tuple>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>
#include <QWindow>

#include "bignum/numeros_grandes.h"
#include "errors/catalogo.h"
#include "ui/shell/acerca_de.h"
#include "ui/shell/barra_estado.h"
#include "ui/shell/cuadro_dialogo.h"
#include "ui/shell/entrada.h"
#include "ui/shell/mensaje_error.h"
#include "ui/problems/laboratorio.h"
#include "ui/shell/principal.h"
#include "ui/shell/puerto_reenvio.h"
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

// The screen area of a child window of the main window, frame included.
bool CapturarHija(QMdiSubWindow& hija, const QDir& carpeta, const QString& nombre) {
    Esperar();
    const QPoint esquina = hija.mapToGlobal(QPoint(0, 0));
    const QPixmap imagen = hija.screen()->grabWindow(0, esquina.x(), esquina.y(), hija.width(), hija.height());
    const QString ruta = carpeta.filePath(nombre + QStringLiteral(".png"));
    const bool guardada = imagen.save(ruta);
    qInfo("%s %s", guardada ? "guardada" : "NO guardada", qPrintable(ruta));
    return guardada;
}

// A number of exactly `cifras` digits, the same on every run.
QString Cifras(int cifras, std::mt19937& azar) {
    std::uniform_int_distribution<int> cifra(0, 9), primera(1, 9);
    QString texto(1, QChar(u'0' + primera(azar)));
    while (texto.size() < cifras) texto += QChar(u'0' + cifra(azar));
    return texto;
}

QString Producto(const QString& a, const QString& b) {
    NumeroGrande x, y;
    CadenaANumero(a.toStdString(), x);
    CadenaANumero(b.toStdString(), y);
    return QString::fromStdString(NumeroACadena(Multiplicar(x, y)));
}

// A 300-digit prime.
const char* const kPrimo300 =
    "2094196246109996021558942583132282968089175710025267823478693937854191166653760172678482591090944711"
    "0468652298200597792793525968407923400040582407989826124052906959339664190923338251992603873826797276"
    "6447619724655052156821685481465952557675265463409927201676963436500626176037749437143295531176338611";

// Every calculator after one calculation on the largest operands its boxes
// take; prints how long each calculation took.
bool CapturarCalculadoras(Principal& principal, const QDir& carpeta) {
    std::mt19937 azar(2024);
    const QString comun = Cifras(150, azar);
    struct Caso {
        const char* clave;
        const char* captura;
        std::vector<std::pair<const char*, QString>> cajas;
        const char* boton;
    };
    const std::vector<Caso> casos{
        {"Op_Basicas", "calc_op_basicas",
         {{"Operando1", Cifras(300, azar)}, {"Operando2", Cifras(300, azar)}, {"Modulo", Cifras(300, azar)}},
         "BtnProducto"},
        {"Modulo", "calc_modulo", {{"Num1", Cifras(300, azar)}, {"Num2", Cifras(300, azar)}}, "BtnCalcular"},
        {"Potencia", "calc_exponenciacion",
         {{"Num1", Cifras(300, azar)}, {"Num2", Cifras(150, azar)}, {"Num3", Cifras(300, azar)}},
         "BtnCalcular"},
        {"Mcd", "calc_mcd",
         {{"Numero1", Producto(comun, Cifras(150, azar))}, {"Numero2", Producto(comun, Cifras(150, azar))}},
         "BtnCalcular"},
        {"Inverso", "calc_inverso",
         {{"Numero1", Cifras(300, azar)}, {"Numero2", QString::fromLatin1(kPrimo300)}}, "BtnCalcular"},
        {"Raiz", "calc_raiz", {{"Numero", Cifras(300, azar)}}, "BtnCalcular"},
        {"Primalidad", "calc_primalidad", {{"Numero", QString::fromLatin1(kPrimo300)}}, "BtnCalcular"},
    };
    bool todas = true;
    for (const Caso& caso : casos) {
        QMdiSubWindow* hija = principal.AbrirVentana(QString::fromLatin1(caso.clave));
        QWidget* ventana = hija->widget();
        hija->move(10, 10);
        if (auto* modulo = ventana->findChild<QPushButton*>(QStringLiteral("BtnModulo"))) {
            modulo->click();  // show the modulus box
            ventana->findChild<QPushButton*>(QStringLiteral("BtnMas1"))->click();
        }
        for (const auto& [caja, numero] : caso.cajas) {
            ventana->findChild<QLineEdit*>(QString::fromLatin1(caja))->setText(numero);
        }
        QElapsedTimer reloj;
        reloj.start();
        ventana->findChild<QPushButton*>(QString::fromLatin1(caso.boton))->click();
        qInfo("%s: %lld ms", caso.clave, static_cast<long long>(reloj.elapsed()));
        todas &= CapturarHija(*hija, carpeta, QString::fromLatin1(caso.captura));
        hija->close();
    }

    // The invalid-character marker, with calculating disabled.
    QMdiSubWindow* hija = principal.AbrirVentana(QStringLiteral("Mcd"));
    hija->move(10, 10);
    hija->widget()->findChild<QLineEdit*>(QStringLiteral("Numero1"))->setText(QStringLiteral("123"));
    hija->widget()->findChild<QLineEdit*>(QStringLiteral("Numero2"))->setText(QStringLiteral("45x"));
    todas &= CapturarHija(*hija, carpeta, QStringLiteral("calc_mcd_invalido"));
    hija->close();
    return todas;
}

// Chooses `metodo`, fills the boxes and clicks Calculate in a problem window.
void Lanzar(QWidget& ventana, const char* metodo, const std::vector<std::pair<const char*, QString>>& cajas) {
    for (const auto& [caja, numero] : cajas) ventana.findChild<QLineEdit*>(QString::fromLatin1(caja))->setText(numero);
    ventana.findChild<QRadioButton*>(QString::fromLatin1(metodo))->setChecked(true);
    ventana.findChild<QPushButton*>(QStringLiteral("BtnCalcular"))->click();
}

// Waits, letting the run go on, until the window's run has ended.
void EsperarFin(Principal& principal) {
    while (!principal.Ejecuciones().EnCurso().isEmpty()) Esperar(100);
}

// The factorization and logarithm windows during a run, with the progress
// line in the status strip, and after one, on worked examples. The runs
// shown in progress are ones that last minutes however fast the arithmetic
// gets (rho on the 41-digit example, whose factors have 21 digits; the
// exhaustive search for the 30-digit example's logarithm, 231 769 777); they
// are stopped once captured.
bool CapturarProblemas(Principal& principal, const QDir& carpeta) {
    principal.Area()->closeAllSubWindows();
    bool todas = true;
    const auto una_ventana = [&](const char* clave) {
        QMdiSubWindow* hija = principal.AbrirVentana(QString::fromLatin1(clave));
        hija->move(10, 10);
        hija->resize(hija->sizeHint().expandedTo(QSize(900, 0)));
        return hija;
    };
    const auto en_curso = [&](QMdiSubWindow* hija, const QString& captura) {
        Esperar(2500);  // two refreshes of the progress line
        todas &= Capturar(principal, carpeta, captura);
        hija->widget()->findChild<QPushButton*>(QStringLiteral("BtnDetener"))->click();
        EsperarFin(principal);
    };

    QMdiSubWindow* fac = una_ventana("Factorizacion");
    Lanzar(*fac->widget(), "PollardRho", {{"Numero", QStringLiteral("53428368272151631871241358175169879422369")}});
    en_curso(fac, QStringLiteral("factorizacion_en_curso"));
    Lanzar(*fac->widget(), "Fracciones", {{"Numero", QStringLiteral("57646813079357")}});
    EsperarFin(principal);
    todas &= Capturar(principal, carpeta, QStringLiteral("factorizacion_resultado"));
    fac->close();

    QMdiSubWindow* log = una_ventana("Logaritmo");
    Lanzar(*log->widget(), "Busqueda",
           {{"Num1", QStringLiteral("7487")}, {"Num2", QStringLiteral("271580377410087498878437064199")},
            {"Num3", QStringLiteral("456376431053626339473533320957")}});
    en_curso(log, QStringLiteral("logaritmo_en_curso"));
    Lanzar(*log->widget(), "PohligHellman",
           {{"Num1", QStringLiteral("117371")}, {"Num2", QStringLiteral("1868877149")},
            {"Num3", QStringLiteral("2745098189")}});
    EsperarFin(principal);
    todas &= Capturar(principal, carpeta, QStringLiteral("logaritmo_resultado"));
    log->close();
    return todas;
}

// The prime list and, beside it, the titanic primes it opens; each example
// chooser; the widest page of each kind of example (the 77-digit numbers and
// the 40-digit groups).
bool CapturarConsultas(Principal& principal, const QDir& carpeta) {
    principal.Area()->closeAllSubWindows();
    bool todas = true;
    QMdiSubWindow* primos = principal.AbrirVentana(QStringLiteral("Tabla"));
    primos->move(10, 10);
    todas &= CapturarHija(*primos, carpeta, QStringLiteral("tabla_primos"));
    primos->widget()->findChild<QPushButton*>(QStringLiteral("BtnTitanicos"))->click();
    QMdiSubWindow* titanicos = principal.Area()->activeSubWindow();
    titanicos->move(10, 10);
    todas &= CapturarHija(*titanicos, carpeta, QStringLiteral("primos_titanicos"));
    principal.Area()->closeAllSubWindows();

    for (const auto& [clave, eleccion, pagina] :
         {std::tuple{"EjemplosFac", "ejemplos_factorizacion", "ejemplos_factorizacion_3"},
          std::tuple{"EjemplosLog", "ejemplos_logaritmo", "ejemplos_logaritmo_3"}}) {
        QMdiSubWindow* hija = principal.AbrirVentana(QString::fromLatin1(clave));
        hija->move(10, 10);
        todas &= CapturarHija(*hija, carpeta, QString::fromLatin1(eleccion));
        hija->widget()->findChild<QPushButton*>(QStringLiteral("Btn3"))->click();
        QMdiSubWindow* abierta = principal.Area()->activeSubWindow();
        abierta->move(10, 10);
        todas &= CapturarHija(*abierta, carpeta, QString::fromLatin1(pagina));
        principal.Area()->closeAllSubWindows();
    }
    return todas;
}

// The cost laboratory after a factorization series of 4 to 24 digits and a
// logarithm series of 2 to 12 digits, all three methods, two instances of
// each size; the chart as its PNG export writes it; the primality window
// with its detail open. Prints each method's reading of the fitted growth.
// The errors of numbers too large for a method (13) are printed here
// instead of shown, so that nothing waits for a click.
bool CapturarLaboratorio(Principal& principal, const QDir& carpeta) {
    class SinDialogos final : public PuertoReenvio {
    public:
        using PuertoReenvio::PuertoReenvio;
        void MostrarError(int numero) override { qInfo("error %d (no se muestra en la captura)", numero); }
    };
    SinDialogos sin_dialogos(puerto::Actual());
    const puerto::EnHilo activo(sin_dialogos);

    principal.Area()->closeAllSubWindows();
    // The whole screen, so that the chart is as a projector shows it.
    const QSize antes = principal.size();
    principal.resize(principal.screen()->availableGeometry().size());
    Esperar();
    bool todas = true;
    struct Serie {
        const char* problema;
        int desde, hasta;
        const char* captura;
    };
    for (const Serie& serie : {Serie{"ProblemaFactorizacion", 4, 24, "laboratorio_factorizacion"},
                               Serie{"ProblemaLogaritmo", 2, 12, "laboratorio_logaritmo"}}) {
        QMdiSubWindow* hija = principal.AbrirVentana(QStringLiteral("Laboratorio"));
        hija->move(0, 0);
        hija->resize(principal.Area()->viewport()->size());
        auto* lab = qobject_cast<Laboratorio*>(hija->widget());
        lab->findChild<QRadioButton*>(QString::fromLatin1(serie.problema))->setChecked(true);
        lab->findChild<QSpinBox*>(QStringLiteral("Hasta"))->setValue(serie.hasta);
        lab->findChild<QSpinBox*>(QStringLiteral("Desde"))->setValue(serie.desde);
        lab->findChild<QSpinBox*>(QStringLiteral("Paso"))->setValue(1);
        lab->findChild<QSpinBox*>(QStringLiteral("Instancias"))->setValue(2);
        lab->findChild<QSpinBox*>(QStringLiteral("Semilla"))->setValue(2024);
        QElapsedTimer reloj;
        reloj.start();
        lab->findChild<QPushButton*>(QStringLiteral("BtnIniciar"))->click();
        while (lab->SerieEnCurso()) Esperar(200);
        qInfo("%s: %lld s", serie.captura, static_cast<long long>(reloj.elapsed() / 1000));
        for (const char* lectura : {"Lectura1", "Lectura2", "Lectura3"}) {
            qInfo("  %s", qPrintable(lab->findChild<QLabel*>(QString::fromLatin1(lectura))->text()));
        }
        todas &= CapturarHija(*hija, carpeta, QString::fromLatin1(serie.captura));
        lab->PonerPedirRuta([&](const QString&, const QString&, const QString&) {
            return carpeta.filePath(QString::fromLatin1(serie.captura) + QStringLiteral("_grafica.png"));
        });
        lab->findChild<QPushButton*>(QStringLiteral("BtnPng"))->click();
        hija->close();
    }

    QMdiSubWindow* primalidad = principal.AbrirVentana(QStringLiteral("Primalidad"));
    primalidad->move(10, 10);
    primalidad->widget()->findChild<QLineEdit*>(QStringLiteral("Numero"))->setText(QStringLiteral("561"));
    primalidad->widget()->findChild<QPushButton*>(QStringLiteral("BtnCalcular"))->click();
    primalidad->widget()->findChild<QPushButton*>(QStringLiteral("BtnDetalle"))->click();
    todas &= CapturarHija(*primalidad, carpeta, QStringLiteral("calc_primalidad_detalle"));
    primalidad->close();
    principal.resize(antes);
    return todas;
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

    visor->close();
    principal.raise();
    principal.activateWindow();
    todas &= CapturarCalculadoras(principal, carpeta);
    todas &= CapturarProblemas(principal, carpeta);
    todas &= CapturarLaboratorio(principal, carpeta);
    todas &= CapturarConsultas(principal, carpeta);

    return todas ? 0 : 1;
}
