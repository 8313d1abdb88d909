// What the factorization and discrete-logarithm windows add to a solver's
// run. Each worked example below (rows of solvers/ejemplos.h) runs through
// the real window, in a real main window: its boxes typed key by key, its
// method chosen and Calculate clicked, the run on a worker and waited for
// by the event loop until its results are written; and through the call
// the window makes, with a port that keeps the progress reports as a run's
// port does, on this thread (as tabla_ejemplos calls it) and on a thread of
// its own (as the window's worker runs it). The three alternate, a few
// times each; the table gives the median of each, the window's time over
// each direct call's, and whether every result is the example's. The
// second ratio is what the window itself adds; the first also holds what
// running on another thread costs or saves.
//
//   bench_ventanas [repeticiones, 3 si se omite]
//
// Run it where Primos.txt is (the build's bin folder). It needs no display:
// the offscreen platform is used unless QT_QPA_PLATFORM says otherwise.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "bignum/numeros_grandes.h"
#include "puerto_con_plazo.h"
#include "solvers/ejemplos.h"
#include "solvers/solvers.h"
#include "ui/shell/principal.h"
#include "ui/ventanas_registradas.h"

namespace {

using Reloj = std::chrono::steady_clock;

NumeroGrande Num(const std::string& texto) {
    NumeroGrande x;
    CadenaANumero(texto, x, '+');
    return x;
}

// One example on one method: the window's key, the option, the boxes to
// type into and what goes in them, the boxes the results come out in, the
// direct call (it writes the same results as text) and the example's own
// results.
struct Caso {
    QString ventana;
    QString opcion;
    QStringList cajas;
    QStringList entradas;
    QStringList salidas;
    std::function<QStringList()> directo;
    QStringList esperado;
};

QString Texto(const NumeroGrande& x) { return QString::fromStdString(NumeroACadena(x)); }

// The row of the factorization examples with this number.
Caso DeFactorizacion(const char* opcion, MetodoFactorizacion metodo, const char* numero) {
    for (const CasoFactorizacion& e : CasosFactorizacion()) {
        if (std::string(e.numero) != numero) continue;
        return {QStringLiteral("Factorizacion"),
                QString::fromLatin1(opcion),
                {QStringLiteral("Numero")},
                {QString::fromLatin1(e.numero)},
                {QStringLiteral("Factor1"), QStringLiteral("Factor2")},
                [metodo, n = Num(e.numero)] {
                    NumeroGrande f1, f2;
                    metodo(n, f1, f2);
                    return QStringList{Texto(f1), Texto(f2)};
                },
                {QString::fromLatin1(e.factor1), QString::fromLatin1(e.factor2)}};
    }
    std::fprintf(stderr, "%s no es un ejemplo de factorización\n", numero);
    std::exit(2);
}

// The row of the logarithm examples with this group.
Caso DeLogaritmo(const char* opcion, MetodoLogaritmo metodo, const char* grupo) {
    for (const CasoLogaritmo& e : CasosLogaritmo()) {
        if (std::string(e.grupo) != grupo) continue;
        return {QStringLiteral("Logaritmo"),
                QString::fromLatin1(opcion),
                {QStringLiteral("Num1"), QStringLiteral("Num2"), QStringLiteral("Num3")},
                {QString::fromLatin1(e.alfa), QString::fromLatin1(e.beta), QString::fromLatin1(e.grupo)},
                {QStringLiteral("Salida")},
                [metodo, a = Num(e.alfa), b = Num(e.beta), g = Num(e.grupo)] {
                    NumeroGrande x;
                    metodo(a, b, g, x);
                    return QStringList{Texto(x)};
                },
                {QString::fromLatin1(e.logaritmo)}};
    }
    std::fprintf(stderr, "%s no es un ejemplo de logaritmo\n", grupo);
    std::exit(2);
}

// The same factors in either order, or the same logarithm.
bool Correcto(QStringList resultado, QStringList esperado) {
    std::sort(resultado.begin(), resultado.end());
    std::sort(esperado.begin(), esperado.end());
    return resultado == esperado;
}

// Returns once no run is in progress, letting the event loop run meanwhile.
void EsperarFin(RegistroEjecuciones& registro) {
    QEventLoop bucle;
    QObject::connect(&registro, &RegistroEjecuciones::Cambio, &bucle, [&] {
        if (registro.EnCurso().isEmpty()) bucle.quit();
    });
    if (!registro.EnCurso().isEmpty()) bucle.exec();
}

// One run through the window: from the click on Calculate to the results
// written and the run gone. The boxes are typed before the clock starts.
double PorLaVentana(Principal& principal, QWidget& ventana, const Caso& caso, QStringList& resultado) {
    for (int i = 0; i < caso.cajas.size(); ++i) {
        auto* caja = ventana.findChild<QLineEdit*>(caso.cajas[i]);
        caja->clear();
        QTest::keyClicks(caja, caso.entradas[i]);
    }
    auto* opcion = ventana.findChild<QRadioButton*>(caso.opcion);
    QTest::mouseClick(opcion, Qt::LeftButton, {}, QPoint(6, opcion->height() / 2));
    FijarSemillaAleatoria(1);  // carried into the worker: the same random start as the direct call
    const Reloj::time_point inicio = Reloj::now();
    QTest::mouseClick(ventana.findChild<QPushButton*>(QStringLiteral("BtnCalcular")), Qt::LeftButton);
    EsperarFin(principal.Ejecuciones());
    const std::chrono::duration<double> duracion = Reloj::now() - inicio;
    resultado.clear();
    for (const QString& salida : caso.salidas) resultado.append(ventana.findChild<QLineEdit*>(salida)->text());
    return duracion.count();
}

// The same call on the calling thread.
double Directo(const Caso& caso, QStringList& resultado) {
    PuertoConPlazo ui;
    puerto::EnHilo activa(ui);
    FijarSemillaAleatoria(1);
    const Reloj::time_point inicio = Reloj::now();
    resultado = caso.directo();
    const std::chrono::duration<double> duracion = Reloj::now() - inicio;
    return duracion.count();
}

// The same call on a thread of its own, timed there.
double EnOtroHilo(const Caso& caso, QStringList& resultado) {
    double segundos = 0;
    std::thread hilo([&] { segundos = Directo(caso, resultado); });
    hilo.join();
    return segundos;
}

double Mediana(std::vector<double> tiempos) {
    std::sort(tiempos.begin(), tiempos.end());
    const std::size_t n = tiempos.size();
    return n % 2 == 1 ? tiempos[n / 2] : (tiempos[n / 2 - 1] + tiempos[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    const int repeticiones = argc > 1 ? std::atoi(argv[1]) : 3;
    if (repeticiones <= 0) {
        std::fprintf(stderr, "uso: %s [repeticiones]\n", argv[0]);
        return 2;
    }

    const std::vector<Caso> casos{
        DeFactorizacion("PollardRho", FactorizarRho, "369666234149595839"),
        DeFactorizacion("PollardRho", FactorizarRho, "2829577232652317876553477559"),
        DeFactorizacion("Dixon", FactorizarDixon, "57646813079357"),
        DeFactorizacion("Fracciones", FactorizarFracciones, "57646813079357"),
        DeLogaritmo("Busqueda", LogaritmoBusqueda, "4710883168879506001"),
        DeLogaritmo("Busqueda", LogaritmoBusqueda, "4036962584010807014809213"),
        DeLogaritmo("GiganteEnano", LogaritmoGiganteEnanoSinBanderas, "2745098189"),
        DeLogaritmo("PohligHellman", LogaritmoPohligHellman, "2745098189"),
    };

    // No dialog is expected; one would go to standard error and not wait.
    Principal principal;
    RegistrarVentanas(principal);
    principal.show();

    // Padded by hand: printf counts the bytes of "Método", not its letters.
    std::printf("Ventana        Método        Ejemplo                          Ventana    Directo  Otro hilo"
                "  V/Directo  V/Otro hilo  Resultados\n");
    double peor = 0, peor_hilo = 0;
    for (const Caso& caso : casos) {
        QMdiSubWindow* hija = principal.AbrirVentana(caso.ventana);
        std::vector<double> por_ventana, directo, otro_hilo;
        bool correctos = true;
        for (int i = 0; i < repeticiones; ++i) {
            QStringList resultado;
            por_ventana.push_back(PorLaVentana(principal, *hija->widget(), caso, resultado));
            correctos &= Correcto(resultado, caso.esperado);
            directo.push_back(Directo(caso, resultado));
            correctos &= Correcto(resultado, caso.esperado);
            otro_hilo.push_back(EnOtroHilo(caso, resultado));
            correctos &= Correcto(resultado, caso.esperado);
        }
        hija->close();
        const double v = Mediana(por_ventana), d = Mediana(directo), h = Mediana(otro_hilo);
        peor = std::max(peor, v / d);
        peor_hilo = std::max(peor_hilo, v / h);
        std::printf("%-14s %-13s %-30s %7.3f s  %7.3f s  %7.3f s  %9.3f  %11.3f  %s\n", qPrintable(caso.ventana),
                    qPrintable(caso.opcion), qPrintable(caso.entradas.last()), v, d, h, v / d, v / h,
                    correctos ? "los del ejemplo" : "DISTINTOS");
        std::fflush(stdout);
    }
    std::printf("\nMedianas de %d ejecuciones de cada forma. Mayor cociente de la ventana: %.3f sobre la llamada "
                "directa, %.3f sobre la llamada en otro hilo\n",
                repeticiones, peor, peor_hilo);
    return 0;
}
