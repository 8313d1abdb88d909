// The factorization and discrete-logarithm windows: every control as the
// user first sees it, the checks before a run and their order, each method
// on its worked cases, a stop (in this window or another), closing during a
// run, the live progress line, and how the main window opens them.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <QToolBar>

#include "problems/banco_problemas.h"
#include "soporte/tabla_controles.h"
#include "ui/problems/descripcion_avance.h"
#include "ui/shell/ayuda_contextual.h"
#include "ui/shell/principal.h"
#include "ui/ventanas_registradas.h"

namespace {

const char* const kOperandos = "carácter inválido en los operandos";

std::vector<Control> ControlesDe(const QString& ventana) {
    if (ventana == u"Factorizacion") {
        return {
            {"Numero", "", "Número a factorizar", " Número a factorizar", 200},
            {"Label1", "Número", "", kNada},
            {"DigitosNum", "0 digitos", "", kNada},
            {"Factor1", "", "Factor primo del número", " Factor del número especificado"},
            {"Label2", "Factor 1", "", kNada},
            {"DigitosFac1", "0 digitos", "", kNada},
            {"Factor2", "", "Factor primo del número", " Factor del número especificado"},
            {"Label3", "Factor 2", "", kNada},
            {"DigitosFac2", "0 digitos", "", kNada},
            {"PollardRho", "Pollard Rho", "", kNada},
            {"Dixon", "Dixon", "", kNada},
            {"Fracciones", "Fracciones Continuas", "", kNada},
            {"SSPanel3", kPanel, "Algoritmos de Factorización", " Preparado"},
            {"SSPanel5", "Algoritmos", "", kNada},
            {"BtnAyuda1", "", "", kNada},
            {"BtnAyuda3", "", "", kNada},
            {"BtnAyuda4", "", "", kNada},
            {"BtnCalcular", "", "Calcular la factorización", " Factoriza el número especificado"},
            {"BtnDetener", "", "Detener el proceso", kNada},
            {"BtnCancelar", "", "Cerrar la ventana", " Cierra la ventana activa"},
            {"BtnEjemplos", "", "Calcular la factorización", kNada},
            {"BtnBorrar", "", "Borrar los números actuales", kNada},
            {"Cuenta", "0 h: 0 m: 0 s", "", kNada},
            {"Image1", kImagen, "Tiempo de ejecución", kNada},
            {"FlechaErr", kImagen, "", kNada, 0, false},
            {"EtqErr", kOperandos, "", kNada, 0, false},
            {"Panel1", kPanel, "", " Preparado"},
        };
    }
    return {
        {"SSPanel4", "Logaritmo = LOG       Beta Mod Grupo", "", kNada},
        {"Image2", kImagen, "", kNada},
        {"Num1", "", "", " Base del logaritmo", 200},
        {"Label1", "Alfa", "", kNada},
        {"DigitosNum1", "0 digitos", "", kNada},
        {"Num2", "", "", " Número del que se calculará el logaritmo", 200},
        {"Label6", "Beta", "", kNada},
        {"DigitosNum2", "0 digitos", "", kNada},
        {"Num3", "", "", " Grupo de trabajo", 200},
        {"Label5", "Grupo", "", kNada},
        {"DigitosNum3", "0 digitos", "", kNada},
        {"Salida", "", "", " Logaritmo"},
        {"Label2", "Logaritmo", "", kNada},
        {"DigitosSalida", "0 digitos", "", kNada},
        {"Busqueda", "Busqueda Exhaustiva", "", kNada},
        {"GiganteEnano", "Paso Gigante-Paso Enano", "", kNada},
        {"PohligHellman", "Pohlig-Hellman", "", kNada},
        {"SSPanel3", kPanel, "", kNada},
        {"SSPanel5", "Algoritmos", "", kNada},
        {"BtnAyuda1", "", "", kNada},
        {"BtnAyuda2", "", "", kNada},
        {"BtnAyuda3", "", "", kNada},
        {"BtnCalcular", "", "", " Calcular el logaritmo especificado"},
        {"BtnDetener", "", "Detener el proceso", kNada},
        {"BtnCancelar", "", "", " Cerrar la ventana activa"},
        {"BtnEjemplos", "", "Calcular la factorización", kNada},
        {"BtnBorrar", "", "Borrar los números actuales", " Borra los números actuales"},
        {"Cuenta", "0 h: 0 m: 0 s", "", kNada},
        {"Image1", kImagen, "Tiempo de ejecución", kNada},
        {"FlechaErr", kImagen, "", kNada, 0, false},
        {"EtqErr", kOperandos, "", kNada, 0, false},
        {"Panel1", kPanel, "", kNada},
    };
}

const QStringList kVentanas{"Factorizacion", "Logaritmo"};

// The boxes a row fills, by window: the number, or Alfa, Beta and Grupo.
QStringList Entradas(const QString& ventana) {
    return ventana == u"Factorizacion" ? QStringList{"Numero"} : QStringList{"Num1", "Num2", "Num3"};
}
QStringList Resultados(const QString& ventana) {
    return ventana == u"Factorizacion" ? QStringList{"Factor1", "Factor2"} : QStringList{"Salida"};
}

// A click on the option's round indicator.
void Elegir(QRadioButton* opcion) { QTest::mouseClick(opcion, Qt::LeftButton, {}, QPoint(6, opcion->height() / 2)); }

// Fills the boxes with `entradas` (an empty one left as it is) and chooses
// `metodo` (none when empty).
void Preparar(const QWidget& v, const QString& metodo, const QStringList& entradas) {
    const QStringList cajas = Entradas(v.objectName());
    for (int i = 0; i < cajas.size(); ++i) {
        if (i < entradas.size() && !entradas[i].isEmpty()) Escribir(Caja(v, cajas[i]), entradas[i]);
    }
    if (!metodo.isEmpty()) Elegir(Opcion(v, metodo));
}

// The same, then a click on Calculate.
void Calcular(const QWidget& v, const QString& metodo, const QStringList& entradas) {
    Preparar(v, metodo, entradas);
    Pulsar(Boton(v, QStringLiteral("BtnCalcular")));
}

QStringList TextosDe(const QWidget& v, const QStringList& nombres) {
    QStringList textos;
    for (const QString& n : nombres) textos.append(Texto(v, n));
    return textos;
}

}  // namespace

class PruebaProblemas : public QObject {
    Q_OBJECT

private slots:
    void controles_data();
    void controles();
    void ventanas_data();
    void ventanas();
    void comprobacionesAntesDeCalcular_data();
    void comprobacionesAntesDeCalcular();
    void metodosEnSusCasos_data();
    void metodosEnSusCasos();
    void detenerUnaEjecucionLarga_data();
    void detenerUnaEjecucionLarga();
    void detenerEnUnaVentanaAcabaLaDeOtra();
    void cerrarDuranteLaEjecucion();
    void lineaDeAvanceYLuegoPreparado_data();
    void lineaDeAvanceYLuegoPreparado();
    void lineaDeAvanceDeCadaFase_data();
    void lineaDeAvanceDeCadaFase();
    void borrarSoloCambiaLasCajasConTexto();
    void ayudaYEjemplos();
    void seAbrenDesdeMenuYBarra();
};

void PruebaProblemas::controles_data() { FilasDeControles(kVentanas, ControlesDe); }

void PruebaProblemas::controles() {
    QFETCH(QString, ventana);
    Banco banco;
    const auto v = banco.Abrir(ventana);
    ComprobarControl(banco, *v, FilaDeControl());
}

void PruebaProblemas::ventanas_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<int>("tema");
    QTest::addColumn<QStringList>("metodos");
    QTest::addColumn<QStringList>("ayudas");
    QTest::newRow("Factorizacion") << "Factorizacion" << "Factorización" << 21
                                   << QStringList{"PollardRho", "Dixon", "Fracciones"}
                                   << QStringList{"BtnAyuda1", "BtnAyuda3", "BtnAyuda4"};
    QTest::newRow("Logaritmo") << "Logaritmo" << "Logaritmo Discreto" << 16
                               << QStringList{"Busqueda", "GiganteEnano", "PohligHellman"}
                               << QStringList{"BtnAyuda1", "BtnAyuda2", "BtnAyuda3"};
}

// Caption and help topic; no method chosen at first, the options from the
// top in their order, each with its help button at its left; the buttons
// along the foot from the left, the last one small.
void PruebaProblemas::ventanas() {
    QFETCH(QString, ventana);
    QFETCH(QString, titulo);
    QFETCH(int, tema);
    QFETCH(QStringList, metodos);
    QFETCH(QStringList, ayudas);
    Banco banco;
    const auto v = banco.Abrir(ventana);
    QCOMPARE(v->windowTitle(), titulo);
    QCOMPARE(TemaAyudaDe(v.get()), tema);
    for (const QString& caja : Entradas(ventana) + Resultados(ventana)) QCOMPARE(TemaAyudaDe(Caja(*v, caja)), tema);

    int arriba = -1;
    for (int i = 0; i < metodos.size(); ++i) {
        QRadioButton* opcion = Opcion(*v, metodos[i]);
        QVERIFY(!opcion->isChecked());
        const QPoint donde = opcion->mapTo(v.get(), QPoint(0, 0));
        QVERIFY(donde.y() > arriba);
        arriba = donde.y();
        QVERIFY(Boton(*v, ayudas[i])->mapTo(v.get(), QPoint(0, 0)).x() < donde.x());
    }
    // Choosing one leaves at most one on.
    Elegir(Opcion(*v, metodos[0]));
    Elegir(Opcion(*v, metodos[2]));
    QVERIFY(!Opcion(*v, metodos[0])->isChecked());
    QVERIFY(Opcion(*v, metodos[2])->isChecked());

    int izquierda = -1;
    for (const char* nombre : {"BtnCalcular", "BtnDetener", "BtnCancelar", "BtnEjemplos", "BtnBorrar"}) {
        QPushButton* boton = Boton(*v, QString::fromLatin1(nombre));
        const int x = boton->mapTo(v.get(), QPoint(0, 0)).x();
        QVERIFY2(x > izquierda, nombre);
        izquierda = x;
    }
    QVERIFY(Boton(*v, QStringLiteral("BtnBorrar"))->width() < Boton(*v, QStringLiteral("BtnCalcular"))->width());
    QVERIFY(Boton(*v, QStringLiteral("BtnCalcular"))->isEnabled());
}

void PruebaProblemas::comprobacionesAntesDeCalcular_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QString>("metodo");
    QTest::addColumn<QStringList>("entradas");
    QTest::addColumn<QStringList>("registro");
    // The method is looked at before the boxes.
    QTest::newRow("sin metodo ni numero") << "Factorizacion" << "" << QStringList{} << QStringList{"flecha", "error 6"};
    QTest::newRow("sin metodo") << "Factorizacion" << "" << QStringList{"15"} << QStringList{"flecha", "error 6"};
    QTest::newRow("sin numero") << "Factorizacion" << "Dixon" << QStringList{} << QStringList{"flecha", "error 7"};
    QTest::newRow("sin metodo ni datos") << "Logaritmo" << "" << QStringList{} << QStringList{"flecha", "error 9"};
    QTest::newRow("sin metodo, con datos") << "Logaritmo" << "" << QStringList{"2", "3", "11"}
                                           << QStringList{"flecha", "error 9"};
    QTest::newRow("sin grupo") << "Logaritmo" << "Busqueda" << QStringList{"2", "3", ""}
                               << QStringList{"flecha", "error 10"};
    QTest::newRow("sin alfa") << "Logaritmo" << "PohligHellman" << QStringList{"", "3", "11"}
                              << QStringList{"flecha", "error 10"};
}

// A refused run shows its error and nothing else happens, but the press has
// emptied the results and reset Cuenta all the same (at mouse-down, before
// any check), and the busy text stays.
void PruebaProblemas::comprobacionesAntesDeCalcular() {
    QFETCH(QString, ventana);
    QFETCH(QString, metodo);
    QFETCH(QStringList, entradas);
    QFETCH(QStringList, registro);
    Banco banco;
    const auto v = banco.Abrir(ventana);
    Preparar(*v, metodo, entradas);
    // What an earlier run left.
    for (const QString& r : Resultados(ventana)) Caja(*v, r)->setText(QStringLiteral("77"));
    Etiqueta(*v, QStringLiteral("Cuenta"))->setText(QStringLiteral("0 h: 0 m: 7 s: "));
    QPushButton* calcular = Boton(*v, QStringLiteral("BtnCalcular"));
    QTest::mousePress(calcular, Qt::LeftButton);
    for (const QString& r : Resultados(ventana)) QCOMPARE(Texto(*v, r), QString());
    QCOMPARE(Texto(*v, QStringLiteral("Cuenta")), QStringLiteral("0 h: 0 m: 0 s"));
    QVERIFY(banco.Registro().isEmpty());  // the checks wait for the click
    QTest::mouseRelease(calcular, Qt::LeftButton);
    QCOMPARE(banco.Registro(), registro);
    for (const QString& r : Resultados(ventana)) QCOMPARE(Texto(*v, r), QString());
    QCOMPARE(Texto(*v, QStringLiteral("Cuenta")), QStringLiteral("0 h: 0 m: 0 s"));
    QCOMPARE(banco.servicios.estados.last(), ventana == u"Factorizacion"
                                                 ? QStringLiteral(" Calculando la factorización ...")
                                                 : QStringLiteral(" Calculando el logaritmo discreto ..."));
    QVERIFY(banco.SinEjecuciones());
}

void PruebaProblemas::metodosEnSusCasos_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QString>("metodo");
    QTest::addColumn<QStringList>("entradas");
    QTest::addColumn<QStringList>("resultados");
    QTest::addColumn<QList<int>>("errores");
    const auto fac = [](const char* nombre, const char* metodo, const char* n, const char* f1, const char* f2) {
        QTest::newRow(nombre) << "Factorizacion" << metodo << QStringList{n} << QStringList{f1, f2} << QList<int>{};
    };
    // Rho: x = 5, y = 11 and gcd(9, 15) = 3 at the first step.
    fac("rho 15", "PollardRho", "15", "3", "5");
    fac("rho 8051", "PollardRho", "8051", "97", "83");
    fac("rho 0", "PollardRho", "0", "0", "0");
    // Dixon and continued fractions: the table first (11 divides 143).
    fac("dixon 143", "Dixon", "143", "11", "13");
    fac("dixon 1", "Dixon", "1", "1", "1");
    fac("fracciones 143", "Fracciones", "143", "11", "13");
    // Beyond the table: a square gives its root twice, the expansion finds
    // a factor, or gives up with n and 1.
    fac("fracciones cuadrado", "Fracciones", "1073938441", "32771", "32771");
    fac("fracciones 57646813079357", "Fracciones", "57646813079357", "1408349", "40932193");
    fac("fracciones se rinde", "Fracciones", "4928496943", "4928496943", "1");
    fac("dixon cuadrado", "Dixon", "1073938441", "32771", "32771");
    const auto log = [](const char* nombre, const char* metodo, QStringList entradas, const char* x,
                        QList<int> errores = {}) {
        QTest::newRow(nombre) << "Logaritmo" << metodo << entradas << QStringList{x} << errores;
    };
    // 2^x = 3 (mod 11) by the three methods.
    log("busqueda 2 3 11", "Busqueda", {"2", "3", "11"}, "8");
    log("gigante-enano 2 3 11", "GiganteEnano", {"2", "3", "11"}, "8");
    log("pohlig-hellman 2 3 11", "PohligHellman", {"2", "3", "11"}, "8");
    log("pohlig-hellman 3 13 17", "PohligHellman", {"3", "13", "17"}, "4");
    // Without the existence flag, a logarithm that does not exist is error 11.
    log("gigante-enano sin logaritmo", "GiganteEnano", {"3", "2", "11"}, "0", {11});
    log("busqueda grupo 1", "Busqueda", {"2", "1", "1"}, "0");
    log("pohlig-hellman grupo 0", "PohligHellman", {"2", "3", "0"}, "0", {4});
}

void PruebaProblemas::metodosEnSusCasos() {
    QFETCH(QString, ventana);
    QFETCH(QString, metodo);
    QFETCH(QStringList, entradas);
    QFETCH(QStringList, resultados);
    QFETCH(QList<int>, errores);
    Banco banco;
    const auto v = banco.Abrir(ventana);
    Calcular(*v, metodo, entradas);
    QTRY_VERIFY_WITH_TIMEOUT(banco.SinEjecuciones(), 30000);
    QCOMPARE(TextosDe(*v, Resultados(ventana)), resultados);
    QCOMPARE(QList<int>(banco.ui.errores.begin(), banco.ui.errores.end()), errores);
    QCOMPARE(banco.ui.advertencias, 0);
    QCOMPARE(Texto(*v, QStringLiteral("Cuenta")), QStringLiteral("0 h: 0 m: 7 s: "));
    QCOMPARE(banco.servicios.estados.last(), QStringLiteral(" Preparado"));
    // Each result's counter follows it, with two blanks.
    const QStringList contadores = ventana == u"Factorizacion" ? QStringList{"DigitosFac1", "DigitosFac2"}
                                                               : QStringList{"DigitosSalida"};
    for (int i = 0; i < resultados.size(); ++i) {
        QCOMPARE(Texto(*v, contadores[i]), QStringLiteral("%1  digitos").arg(resultados[i].size()));
    }
    // The busy pointer, then the one the window had.
    QCOMPARE(banco.Registro().first(), QStringLiteral("flecha-reloj"));
    QCOMPARE(banco.Registro().last(), QStringLiteral("normal"));
}

void PruebaProblemas::detenerUnaEjecucionLarga_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QString>("metodo");
    QTest::addColumn<QStringList>("entradas");
    QTest::addColumn<QStringList>("registro");
    // Rho on a prime and the search for a power 3 of 2 modulo 7 never end.
    QTest::newRow("rho sobre un primo") << "Factorizacion" << "PollardRho" << QStringList{"1000003"}
                                        << QStringList{"flecha-reloj", "flecha", "advertencia", "normal"};
    QTest::newRow("busqueda sin fin") << "Logaritmo" << "Busqueda" << QStringList{"2", "3", "7"}
                                      << QStringList{"flecha-reloj", "flecha", "advertencia", "normal"};
}

// A second Calculate press during the run starts nothing and says why; the
// stop then gives zero outputs, one warning (a single run), the elapsed time
// and " Preparado".
void PruebaProblemas::detenerUnaEjecucionLarga() {
    QFETCH(QString, ventana);
    QFETCH(QString, metodo);
    QFETCH(QStringList, entradas);
    QFETCH(QStringList, registro);
    Banco banco;
    const auto v = banco.Abrir(ventana);
    Calcular(*v, metodo, entradas);
    QTest::qWait(100);
    QVERIFY(!banco.SinEjecuciones());
    banco.servicios.estados.clear();
    Pulsar(Boton(*v, QStringLiteral("BtnCalcular")));
    QVERIFY2(banco.servicios.estados.contains(
                 QStringLiteral(" Ya hay un cálculo en curso en esta ventana: espere a que termine o deténgalo")),
             qPrintable(banco.servicios.estados.join(u'|')));
    QCOMPARE(banco.servicios.ejecuciones.EnCurso().size(), 1);
    Pulsar(Boton(*v, QStringLiteral("BtnDetener")));
    QTRY_VERIFY(banco.SinEjecuciones());
    for (const QString& r : Resultados(ventana)) QCOMPARE(Texto(*v, r), QStringLiteral("0"));
    QCOMPARE(banco.Registro(), registro);
    QCOMPARE(Texto(*v, QStringLiteral("Cuenta")), QStringLiteral("0 h: 0 m: 7 s: "));
    QCOMPARE(banco.servicios.estados.last(), QStringLiteral(" Preparado"));
}

void PruebaProblemas::detenerEnUnaVentanaAcabaLaDeOtra() {
    Banco banco;
    const auto fac = banco.Abrir(QStringLiteral("Factorizacion"));
    const auto log = banco.Abrir(QStringLiteral("Logaritmo"));
    Calcular(*fac, QStringLiteral("PollardRho"), {"1000003"});
    Calcular(*log, QStringLiteral("Busqueda"), {"2", "3", "7"});
    QCOMPARE(banco.servicios.ejecuciones.EnCurso().size(), 2);
    Pulsar(Boton(*log, QStringLiteral("BtnDetener")));
    QTRY_VERIFY(banco.SinEjecuciones());
    QCOMPARE(TextosDe(*fac, {"Factor1", "Factor2"}), (QStringList{"0", "0"}));
    QCOMPARE(Texto(*log, QStringLiteral("Salida")), QStringLiteral("0"));
    QCOMPARE(banco.ui.advertencias, 2);
}

// The window goes at once; its run ends with no dialog and writes nowhere.
void PruebaProblemas::cerrarDuranteLaEjecucion() {
    Banco banco;
    auto v = banco.Abrir(QStringLiteral("Factorizacion"));
    Calcular(*v, QStringLiteral("PollardRho"), {"1000003"});
    QVERIFY(!banco.SinEjecuciones());
    v->close();
    v.reset();
    QTRY_VERIFY(banco.SinEjecuciones());
    QCOMPARE(banco.ui.advertencias, 0);
}

void PruebaProblemas::lineaDeAvanceYLuegoPreparado_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QString>("metodo");
    QTest::addColumn<QStringList>("entradas");
    QTest::addColumn<QString>("linea");  // what the progress line says
    QTest::newRow("rho") << "Factorizacion" << "PollardRho" << QStringList{"1000003"}
                         << " Pollard Rho: [\\d\\x{202F}]+ pasos, [\\d\\x{202F}]+ cambios? de función";
    QTest::newRow("dixon") << "Factorizacion" << "Dixon" << QStringList{"9999999967"}
                           << " Dixon: [\\d\\x{202F}]+ valor(es)? de x probados?";
    QTest::newRow("busqueda") << "Logaritmo" << "Busqueda" << QStringList{"2", "3", "7"}
                              << " Busqueda Exhaustiva: [\\d\\x{202F}]+ exponentes probados";
    // A 28-digit prime: the expansion goes on until the stop, checking a
    // square now and then.
    QTest::newRow("fracciones") << "Factorizacion" << "Fracciones" << QStringList{"2829577232652317876553477577"}
                                << " Fracciones Continuas: ([\\d\\x{202F}]+ pasos de la expansión|"
                                   "comprobando un cuadrado, [\\d\\x{202F}]+ pasos? de Euclides)";
}

// While a run lasts the status strip says, about once a second, how far the
// method got; a hint written meanwhile is replaced at the next refresh; the
// end writes " Preparado".
void PruebaProblemas::lineaDeAvanceYLuegoPreparado() {
    QFETCH(QString, ventana);
    QFETCH(QString, metodo);
    QFETCH(QStringList, entradas);
    QFETCH(QString, linea);
    Banco banco;
    const auto v = banco.Abrir(ventana);
    Calcular(*v, metodo, entradas);
    const QRegularExpression patron(QStringLiteral("^") + linea + QStringLiteral("$"));
    QTRY_VERIFY_WITH_TIMEOUT(patron.match(banco.servicios.estados.last()).hasMatch(), 5000);
    banco.PistaAl(Boton(*v, QStringLiteral("BtnDetener")));  // a hint meanwhile...
    banco.servicios.estados.append(QStringLiteral(" (pista)"));
    QTRY_VERIFY_WITH_TIMEOUT(patron.match(banco.servicios.estados.last()).hasMatch(), 5000);  // ...then progress again
    Pulsar(Boton(*v, QStringLiteral("BtnDetener")));
    QTRY_VERIFY(banco.SinEjecuciones());
    QCOMPARE(banco.servicios.estados.last(), QStringLiteral(" Preparado"));
}

// The reports each method sends, in the order a run sends them, and the line
// they make. Baby-step giant-step and Pohlig-Hellman are checked here, from
// their reports, rather than on a live run: their baby steps cannot be
// stopped, so a run long enough for the once-a-second line takes minutes
// under the sanitizers before a stop ends it.
void PruebaProblemas::lineaDeAvanceDeCadaFase_data() {
    using puerto::Avance;
    using puerto::Fase;
    using puerto::Metodo;
    QTest::addColumn<QList<Avance>>("informes");
    QTest::addColumn<QString>("linea");
    const auto con = [](Avance a, std::uint64_t pasos, std::uint64_t cambios = 0) {
        a.pasos = pasos;
        a.cambios = cambios;
        return a;
    };
    const auto digito = [](const char* factor, int exponente, int cual, std::uint64_t de_todos, std::uint64_t total) {
        Avance a(Metodo::PohligHellman, Fase::Digitos, total);
        a.factor = factor;
        a.exponente = exponente;
        a.digito = cual;
        a.pasos = de_todos;
        return a;
    };
    // A baby-step giant-step report: its phase, the table's size, the steps.
    const auto paso = [](Fase fase, std::uint64_t tabla, std::uint64_t pasos) {
        Avance a(Metodo::GiganteEnano, fase, tabla);
        a.pasos = pasos;
        return a;
    };
    QTest::newRow("fracciones, expansión") << QList<Avance>{con(Avance(Metodo::Fracciones, Fase::Expansion), 1)}
                                           << " Fracciones Continuas: 1 paso de la expansión";
    QTest::newRow("fracciones, Euclides")
        << QList<Avance>{con(Avance(Metodo::Fracciones, Fase::Expansion), 123456),
                         con(Avance(Metodo::Fracciones, Fase::Euclides), 7)}
        << " Fracciones Continuas: comprobando un cuadrado, 7 pasos de Euclides";
    QTest::newRow("pasos enanos") << QList<Avance>{paso(Fase::PasosEnanos, 52394, 5613)}
                                  << QString::fromUtf8(" Paso Gigante-Paso Enano: tabla de 52\u202F394 entradas, "
                                                       "5613 de 52\u202F394 pasos enanos");
    QTest::newRow("pasos gigantes")
        << QList<Avance>{paso(Fase::PasosEnanos, 100001, 100000), paso(Fase::PasosGigantes, 100001, 12345)}
        << QString::fromUtf8(" Paso Gigante-Paso Enano: tabla de 100\u202F001 entradas, "
                             "12\u202F345 de 100\u202F001 pasos gigantes");
    QTest::newRow("pohlig-hellman, factorizando")
        << QList<Avance>{con(Avance(Metodo::PohligHellman, Fase::FactorizarOrden), 1)}
        << " Pohlig-Hellman: factorizando Grupo - 1, 1 factor hallado";
    QTest::newRow("pohlig-hellman, rho en el orden")
        << QList<Avance>{con(Avance(Metodo::PohligHellman, Fase::FactorizarOrden), 2),
                         con(Avance(Metodo::Rho, Fase::Paseo), 120, 1)}
        << " Pohlig-Hellman: factorizando Grupo - 1, 2 factores hallados — Pollard Rho: 120 pasos, 1 cambio de función";
    QTest::newRow("pohlig-hellman, un dígito") << QList<Avance>{digito("7", 2, 1, 3, 8)}
                                               << " Pohlig-Hellman: factor 7^2, dígito 2 de 2 (4 de 8 dígitos)";
    QTest::newRow("pohlig-hellman, y su paso gigante-paso enano")
        << QList<Avance>{digito("331", 1, 0, 7, 8), paso(Fase::PasosEnanos, 52394, 52393),
                         paso(Fase::PasosGigantes, 52394, 17)}
        << QString::fromUtf8(" Pohlig-Hellman: factor 331^1, dígito 1 de 1 (8 de 8 dígitos) — Paso Gigante-Paso "
                             "Enano: tabla de 52\u202F394 entradas, 17 de 52\u202F394 pasos gigantes");
}

void PruebaProblemas::lineaDeAvanceDeCadaFase() {
    QFETCH(QList<puerto::Avance>, informes);
    QFETCH(QString, linea);
    puerto::BuzonAvance buzon;
    for (const puerto::Avance& informe : informes) buzon.Guardar(informe);
    QCOMPARE(DescribirAvance(buzon.Leer()), linea);
}

// After a clear a box that held text counts "0  digitos"; one that was
// empty raises no change and keeps its counter as it was.
void PruebaProblemas::borrarSoloCambiaLasCajasConTexto() {
    Banco banco;
    const auto v = banco.Abrir(QStringLiteral("Logaritmo"));
    Escribir(Caja(*v, QStringLiteral("Num1")), QStringLiteral("12"));
    Caja(*v, QStringLiteral("Salida"))->setText(QStringLiteral("5"));
    Pulsar(Boton(*v, QStringLiteral("BtnBorrar")));
    QCOMPARE(TextosDe(*v, {"Num1", "Num2", "Num3", "Salida"}), (QStringList{"", "", "", ""}));
    QCOMPARE(TextosDe(*v, {"DigitosNum1", "DigitosNum2", "DigitosNum3", "DigitosSalida"}),
             (QStringList{"0  digitos", "0 digitos", "0 digitos", "0  digitos"}));
    QCOMPARE(Texto(*v, QStringLiteral("Cuenta")), QStringLiteral("0 h: 0 m: 0 s"));
}

void PruebaProblemas::ayudaYEjemplos() {
    Banco banco;
    const auto fac = banco.Abrir(QStringLiteral("Factorizacion"));
    const auto log = banco.Abrir(QStringLiteral("Logaritmo"));
    for (const char* ayuda : {"BtnAyuda1", "BtnAyuda3", "BtnAyuda4"}) Pulsar(Boton(*fac, QString::fromLatin1(ayuda)));
    for (const char* ayuda : {"BtnAyuda1", "BtnAyuda2", "BtnAyuda3"}) Pulsar(Boton(*log, QString::fromLatin1(ayuda)));
    QCOMPARE(banco.servicios.temas, (QList<int>{23, 25, 48, 18, 19, 20}));
    Pulsar(Boton(*fac, QStringLiteral("BtnEjemplos")));
    Pulsar(Boton(*log, QStringLiteral("BtnEjemplos")));
    QCOMPARE(banco.servicios.abiertas, (QStringList{"EjemplosFac", "EjemplosLog"}));
}

// Each menu item and toolbar button opens a new window of its kind.
void PruebaProblemas::seAbrenDesdeMenuYBarra() {
    Principal p(QStringLiteral(CARPETA_AYUDA_PRUEBA));
    RegistrarVentanas(p);
    for (const auto& [opcion, boton, nombre] : {std::tuple{"OpcFactorizacion", "Factorizacion", "Factorizacion"},
                                                std::tuple{"OpcLogaritmo", "Logaritmo", "Logaritmo"}}) {
        QAction* menu = p.findChild<QAction*>(QString::fromLatin1(opcion));
        QAction* barra = p.Herramientas()->findChild<QAction*>(QString::fromLatin1(boton));
        QVERIFY(menu->isEnabled());
        QVERIFY(barra->isEnabled());
        const int antes = p.Area()->subWindowList().size();
        menu->trigger();
        barra->trigger();
        const QList<QMdiSubWindow*> hijas = p.Area()->subWindowList();
        QCOMPARE(hijas.size(), antes + 2);
        QCOMPARE(hijas[antes]->widget()->objectName(), QString::fromLatin1(nombre));
        QVERIFY(hijas[antes]->widget() != hijas[antes + 1]->widget());
    }
}

QTEST_MAIN(PruebaProblemas)
#include "test_problemas.moc"
