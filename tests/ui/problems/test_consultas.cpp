// The reference windows: the prime list and the titanic primes, the two
// example choosers and the six example pages. Their controls and texts,
// the file the list reads (from the program's folder, again at every
// open), the rows every page shows, and how they open one another inside
// the main window.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QToolBar>

#include "soporte/banco_ventanas.h"
#include "soporte/tabla_controles.h"
#include "solvers/ejemplos.h"
#include "ui/problems/ejemplos.h"
#include "ui/problems/primos.h"
#include "ui/problems/primos_titanicos.h"
#include "ui/shell/ayuda_contextual.h"
#include "ui/shell/grupo_edicion.h"
#include "ui/shell/principal.h"
#include "ui/ventanas_registradas.h"

namespace {

std::unique_ptr<QWidget> NuevaConsulta(const QString& nombre, ServiciosPrincipal& s) {
    if (nombre == u"Primos") return std::make_unique<Primos>(s);
    if (nombre == u"PrimosTitanicos") return std::make_unique<PrimosTitanicos>();
    if (nombre == u"EjemploFactorizacion") return std::make_unique<EleccionEjemplos>(s, FamiliaEjemplos::Factorizacion);
    if (nombre == u"EjemploLogaritmo") return std::make_unique<EleccionEjemplos>(s, FamiliaEjemplos::Logaritmo);
    for (int pagina = 1; pagina <= 3; ++pagina) {
        if (nombre == QStringLiteral("EjemploFactorizacion%1").arg(pagina)) {
            return std::make_unique<PaginaEjemplos>(FamiliaEjemplos::Factorizacion, pagina);
        }
        if (nombre == QStringLiteral("EjemploLogaritmo%1").arg(pagina)) {
            return std::make_unique<PaginaEjemplos>(FamiliaEjemplos::Logaritmo, pagina);
        }
    }
    qFatal("no window %s", qPrintable(nombre));
}

struct Banco : BancoVentanas {
    std::unique_ptr<QWidget> Abrir(const QString& nombre) { return AbrirCon(NuevaConsulta, nombre); }
};

const char* const kCerrar = "Cerrar la ventana";

std::vector<Control> ControlesDe(const QString& ventana) {
    if (ventana == u"Primos") {
        return {{"Tabla", "", "", kNada}, {"BtnTitanicos", "", "Primos titánicos", kNada}, {"BtnCerrar", "", kCerrar, kNada}};
    }
    if (ventana == u"PrimosTitanicos") {
        return {
            {"EncabezadoGemelos", "Twin Primes    (p, p+2)", "", kNada},
            {"DescripcionGemelos", " Primos de la forma : p, p+2", "", kNada},
            {"EncabezadoMersenne", "Mersenne Primes", "", kNada},
            {"DescripcionMersenne", "Primos de la forma : 2<sup>p</sup> − 1", "", kNada},
            {"EncabezadoGermain", "Sophie Germain Primes", "", kNada},
            {"DescripcionGermain", "Primos p para los que 2p+1 es primo", "", kNada},
            {"BtnCerrar", "", kCerrar, kNada},
        };
    }
    if (ventana == u"EjemploFactorizacion") {
        return {
            {"Encabezado", "Elige los ejemplos de Factorización que quieras ver:", "", kNada},
            {"Imagen1", kImagen, "", kNada},
            {"Btn1", "", "Ejemplos de Factorización de números con longitud de 1 a 20 dígitos", kNada},
            {"Rotulo1", "Números con longitud de 1 a 20 dígitos", "", kNada},
            {"Btn2", "", "Ejemplos de Factorización de números con longitud de 20 a 50 dígitos", kNada},
            {"Rotulo2", "Números con longitud de 20 a 50 dígitos", "", kNada},
            {"Btn3", "", "Ejemplos de Factorización de números con longitud de 50 a 80 dígitos", kNada},
            {"Rotulo3", "Números con longitud de 50 a 80 dígitos", "", kNada},
            {"BtnCerrar", "", kCerrar, kNada},
        };
    }
    if (ventana == u"EjemploLogaritmo") {
        return {
            {"Encabezado", "Elige los ejemplos de Logaritmo Discreto que quieras ver:", "", kNada},
            {"Imagen1", kImagen, "", kNada},
            {"Btn1", "", "Ejemplos de Logaritmos de números con longitud de 1 a 15 dígitos", kNada},
            {"Rotulo1", "Logaritmos de números con longitud de 1 a 15 dígitos", "", kNada},
            {"Btn2", "", "Ejemplos de Logaritmos de números con longitud de 15 a 30 dígitos", kNada},
            {"Rotulo2", "Logaritmos de números con longitud de 15 a 30 dígitos", "", kNada},
            {"Btn3", "", "Ejemplos de Logaritmos de números con longitud de 30 a 45 dígitos", kNada},
            {"Rotulo3", "Logaritmos de números con longitud de 30 a 45 dígitos", "", kNada},
            {"BtnCerrar", "", kCerrar, kNada},
        };
    }
    if (ventana.startsWith(u"EjemploFactorizacion")) {
        return {
            {"SSPanel4", "Numero = Factor1 * Factor2", "", kNada},
            {"EtqDigitos", "Dígitos de Número", "", kNada},
            {"EtqNumero", "Número", "", kNada},
            {"EtqFactor1", ventana.endsWith(u'2') ? "Factor1" : "Factor 1", "", kNada},
            {"EtqFactor2", "Factor 2", "", kNada},
            {"BtnCerrar", "", kCerrar, kNada},
        };
    }
    return {
        {"SSPanel4", "Logaritmo = LOG       Beta Mod Grupo", "", kNada},
        {"Image2", kImagen, "", kNada},
        {"EtqDigitos", "Dígitos de Beta", "", kNada},
        {"EtqAlfa", "Alfa", "", kNada},
        {"EtqBeta", "Beta", "", kNada},
        {"EtqGrupo", "Grupo", "", kNada},
        {"EtqLogaritmo", "Logaritmo", "", kNada},
        {"BtnCerrar", "", kCerrar, kNada},
    };
}

const QStringList kVentanas{"Primos",           "PrimosTitanicos",   "EjemploFactorizacion", "EjemploFactorizacion1",
                            "EjemploFactorizacion2", "EjemploFactorizacion3", "EjemploLogaritmo", "EjemploLogaritmo1",
                            "EjemploLogaritmo2", "EjemploLogaritmo3"};

// A page's rows as the core's table gives them: digit count, then the
// numbers in the order of the page's boxes.
struct FilaPagina {
    int digitos;
    QStringList numeros;
};
std::vector<FilaPagina> FilasEsperadas(bool factorizacion, int pagina) {
    std::vector<FilaPagina> filas;
    if (factorizacion) {
        for (const CasoFactorizacion& c : CasosFactorizacion()) {
            if (c.pagina == pagina) filas.push_back({c.digitos, {c.numero, c.factor1, c.factor2}});
        }
    } else {
        for (const CasoLogaritmo& c : CasosLogaritmo()) {
            if (c.pagina == pagina) filas.push_back({c.digitos, {c.alfa, c.beta, c.grupo, c.logaritmo}});
        }
    }
    return filas;
}

QString LeerFichero(const QString& ruta) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) qFatal("cannot read %s", qPrintable(ruta));
    return QString::fromUtf8(f.readAll());
}

void EscribirFichero(const QString& ruta, const QByteArray& contenido) {
    QFile f(ruta);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write %s", qPrintable(ruta));
    f.write(contenido);
}

QString TextoTabla(const QWidget& v) { return Hijo<QTextEdit>(v, QStringLiteral("Tabla"))->toPlainText(); }

}  // namespace

class PruebaConsultas : public QObject {
    Q_OBJECT

private slots:
    void controles_data();
    void controles();
    void ventanas_data();
    void ventanas();
    void tablasDePrimosTitanicos();
    void cadaPaginaMuestraSusFilas_data();
    void cadaPaginaMuestraSusFilas();
    void listaDesdeLaCarpetaDelPrograma();
    void listaSinFicheroLegibleQuedaVacia_data();
    void listaSinFicheroLegibleQuedaVacia();
    void cadaAperturaLeeOtraVezElFichero();
    void botonesQueAbrenOtrasVentanas();
    void dentroDeLaVentanaPrincipal();
};

void PruebaConsultas::controles_data() { FilasDeControles(kVentanas, ControlesDe); }

void PruebaConsultas::controles() {
    QFETCH(QString, ventana);
    const FilaControl fila = FilaDeControl();
    Banco banco;
    const auto v = banco.Abrir(ventana);
    if (fila.nombre == u"Tabla") {  // a text box of its own kind: shown with the list's file below
        QVERIFY(Hijo<QTextEdit>(*v, fila.nombre)->isReadOnly());
        return;
    }
    ComprobarControl(banco, *v, fila);
    if (auto* boton = qobject_cast<QPushButton*>(Hijo<QWidget>(*v, fila.nombre))) {
        QVERIFY2(!boton->icon().isNull(), "a picture button");
    }
}

void PruebaConsultas::ventanas_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<int>("tema");
    QTest::addColumn<int>("grupo");
    const int ninguno = static_cast<int>(GrupoEdicion::Ninguno);
    const int pagina = static_cast<int>(GrupoEdicion::PaginaSoloLectura);
    QTest::newRow("Primos") << "Primos" << "Lista de números primos" << 15 << static_cast<int>(GrupoEdicion::ListaPrimos);
    QTest::newRow("PrimosTitanicos") << "PrimosTitanicos" << "Lista de Primos Titanicos" << 15 << ninguno;
    QTest::newRow("EjemploFactorizacion") << "EjemploFactorizacion" << "Ejemplos de Factorización" << 49 << ninguno;
    QTest::newRow("EjemploFactorizacion1")
        << "EjemploFactorizacion1" << "Ejemplos de Factorización : 1 a 20 dígitos" << 49 << pagina;
    QTest::newRow("EjemploFactorizacion2")
        << "EjemploFactorizacion2" << "Ejemplos de Factorización: 20 a 50 dígitos" << 49 << pagina;
    QTest::newRow("EjemploFactorizacion3")
        << "EjemploFactorizacion3" << "Ejemplos de Factorización: 50 a 80 dígitos" << 49 << pagina;
    QTest::newRow("EjemploLogaritmo") << "EjemploLogaritmo" << "Ejemplos de Logaritmo Discreto" << 50 << ninguno;
    QTest::newRow("EjemploLogaritmo1")
        << "EjemploLogaritmo1" << "Ejemplos de Logaritmo Discreto: 1 a 15 dígitos" << 50 << pagina;
    QTest::newRow("EjemploLogaritmo2")
        << "EjemploLogaritmo2" << "Ejemplos de Logaritmo Discreto: 15 a 30 dígitos" << 50 << pagina;
    QTest::newRow("EjemploLogaritmo3")
        << "EjemploLogaritmo3" << "Ejemplos de Logaritmo Discreto: 30 a 45 digitos" << 50 << pagina;
}

// Name, caption, help topic (of the window and of what lies in it), edit
// group and a picture for its frame.
void PruebaConsultas::ventanas() {
    QFETCH(QString, ventana);
    QFETCH(QString, titulo);
    QFETCH(int, tema);
    QFETCH(int, grupo);
    Banco banco;
    const auto v = banco.Abrir(ventana);
    QCOMPARE(v->objectName(), ventana);
    QCOMPARE(v->windowTitle(), titulo);
    QCOMPARE(TemaAyudaDe(v.get()), tema);
    QCOMPARE(TemaAyudaDe(Boton(*v, QStringLiteral("BtnCerrar"))), tema);
    QCOMPARE(static_cast<int>(GrupoEdicionDe(v.get())), grupo);
    QVERIFY(!v->windowIcon().isNull());
}

// Three real tables of eight rows, "Primo" and "Dígitos", with the primes
// as listed; cells can be selected, not edited. The Mersenne description
// reads 2^p − 1 with p raised.
void PruebaConsultas::tablasDePrimosTitanicos() {
    const std::pair<const char*, QStringList> kTablas[] = {
        {"TablaGemelos",
         {"242206083 * 2^38880 ± 1", "11713", "835335 * 2^39014 ± 1", "11751", "843753 * 2^22222 ± 1", "6696",
          "7485 * 2^20023 ± 1", "6032", "8182815 * 2^17838 ± 1", "5377", "570918348 * 10^5120 ± 1", "5129",
          "697053813 * 2^16352 ± 1", "4932", "6797727 * 2^15328 ± 1", "4622"}},
        {"TablaMersenne",
         {"2^3021377 - 1", "909526", "2^2976221 - 1", "895932", "2^1398269 - 1", "420921", "2^1257787 - 1", "378632",
          "2^859433 - 1", "258716", "2^756839 - 1", "227832", "2^216091 - 1", "65050", "2^132049 - 1", "39751"}},
        {"TablaGermain",
         {"72021 * 2^23630 - 1", "7119", "276311 * 2^19003 - 1", "5726", "92305 * 2^16998 - 1", "5122",
          "470943129 * 2^16352 - 1", "4932", "157324389 * 2^16352 - 1", "4931", "5415312903 * 10^4526 - 1", "4536",
          "1468358892 * 10^4003 - 1", "4013", "224529135 * 2^12648 - 1", "3816"}},
    };
    Banco banco;
    const auto v = banco.Abrir(QStringLiteral("PrimosTitanicos"));
    for (const auto& [nombre, celdas] : kTablas) {
        auto* tabla = Hijo<QTableWidget>(*v, QString::fromLatin1(nombre));
        QCOMPARE(tabla->columnCount(), 2);
        QCOMPARE(tabla->rowCount(), 8);
        QCOMPARE(tabla->horizontalHeaderItem(0)->text(), QStringLiteral("Primo"));
        QCOMPARE(tabla->horizontalHeaderItem(1)->text(), QStringLiteral("Dígitos"));
        QStringList leidas;
        for (int fila = 0; fila < 8; ++fila) {
            for (int columna = 0; columna < 2; ++columna) {
                const QTableWidgetItem* celda = tabla->item(fila, columna);
                leidas.append(celda->text());
                QCOMPARE(celda->flags(), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            }
            // The whole table shows: no row below the frame, no cut column.
            QVERIFY(tabla->visualItemRect(tabla->item(fila, 1)).bottom() < tabla->viewport()->height());
        }
        QVERIFY(tabla->horizontalHeader()->length() <= tabla->viewport()->width());
        QCOMPARE(leidas, celdas);
    }
    const QString mersenne = Etiqueta(*v, QStringLiteral("DescripcionMersenne"))->text();
    QCOMPARE(QTextDocumentFragment::fromHtml(mersenne).toPlainText(), QStringLiteral("Primos de la forma : 2p − 1"));
    QCOMPARE(Etiqueta(*v, QStringLiteral("DescripcionMersenne"))->textFormat(), Qt::RichText);
}

void PruebaConsultas::cadaPaginaMuestraSusFilas_data() {
    QTest::addColumn<bool>("factorizacion");
    QTest::addColumn<int>("pagina");
    for (int pagina = 1; pagina <= 3; ++pagina) {
        QTest::addRow("EjemploFactorizacion%d", pagina) << true << pagina;
        QTest::addRow("EjemploLogaritmo%d", pagina) << false << pagina;
    }
}

// Each row of its page of the core's table, in order: the digit label
// "N dígitos", then read-only boxes holding the numbers whole, with "=" and
// "*" between them (a factorization row: Número = Factor 1 * Factor 2; a
// logarithm row: Alfa Beta Grupo = Logaritmo). No box clips its number;
// the table scrolls inside the page when the page is narrower.
void PruebaConsultas::cadaPaginaMuestraSusFilas() {
    QFETCH(bool, factorizacion);
    QFETCH(int, pagina);
    const QString ventana =
        QStringLiteral("%1%2").arg(factorizacion ? QLatin1String("EjemploFactorizacion") : QLatin1String("EjemploLogaritmo")).arg(pagina);
    const QStringList cajas = factorizacion ? QStringList{"Numero", "Factor1", "Factor2"}
                                            : QStringList{"Alfa", "Beta", "Grupo", "Logaritmo"};
    const std::vector<FilaPagina> filas = FilasEsperadas(factorizacion, pagina);
    QVERIFY(!filas.empty());
    Banco banco;
    const auto v = banco.Abrir(ventana);
    auto* desplazable = Hijo<QScrollArea>(*v, QStringLiteral("Desplazable"));
    for (std::size_t f = 0; f < filas.size(); ++f) {
        const int y = static_cast<int>(f) + 1;
        QCOMPARE(Texto(*v, QStringLiteral("Digitos_%1").arg(y)), QStringLiteral("%1 dígitos").arg(filas[f].digitos));
        QCOMPARE(Texto(*v, QStringLiteral("Igual_%1").arg(y)), QStringLiteral("="));
        if (factorizacion) QCOMPARE(Texto(*v, QStringLiteral("Por_%1").arg(y)), QStringLiteral("*"));
        for (int c = 0; c < cajas.size(); ++c) {
            QLineEdit* caja = Caja(*v, QStringLiteral("%1_%2").arg(cajas[c]).arg(y));
            QCOMPARE(caja->text(), filas[f].numeros[c]);
            QVERIFY(caja->isReadOnly());
            QVERIFY(caja->font().fixedPitch() || QFontInfo(caja->font()).fixedPitch());
            QVERIFY2(caja->fontMetrics().horizontalAdvance(caja->text()) < caja->contentsRect().width() - 4,
                     qPrintable(caja->objectName()));
        }
    }
    QVERIFY(v->findChild<QLineEdit*>(QStringLiteral("%1_%2").arg(cajas[0]).arg(filas.size() + 1)) == nullptr);
    // All of the table is reachable: shown whole, or within the scroll range.
    const QWidget* tabla = desplazable->widget();
    QVERIFY(tabla->width() <= desplazable->viewport()->width() + desplazable->horizontalScrollBar()->maximum());
    QVERIFY(tabla->width() >= tabla->minimumSizeHint().width());
}

// Started from another folder, the list still reads the file beside the
// program (the build copies it to bin/, where this test runs from).
void PruebaConsultas::listaDesdeLaCarpetaDelPrograma() {
    const QString esperado = LeerFichero(Primos::Fichero(QCoreApplication::applicationDirPath()));
    QVERIFY(esperado.startsWith(u"Números primos menores que 100 000\n"));
    QVERIFY(esperado.contains(u"99991\n"));
    QTemporaryDir otra;
    const QString antes = QDir::currentPath();
    QVERIFY(QDir::setCurrent(otra.path()));
    Banco banco;
    const auto v = banco.Abrir(QStringLiteral("Primos"));
    QDir::setCurrent(antes);
    QCOMPARE(TextoTabla(*v), esperado);
}

void PruebaConsultas::listaSinFicheroLegibleQuedaVacia_data() {
    QTest::addColumn<QString>("caso");
    QTest::newRow("no file") << "falta";
    QTest::newRow("a folder in its place") << "carpeta";
}

// No file, or one that cannot be read: the window opens with Tabla empty,
// and no dialog.
void PruebaConsultas::listaSinFicheroLegibleQuedaVacia() {
    QFETCH(QString, caso);
    QTemporaryDir carpeta;
    if (caso == u"carpeta") QVERIFY(QDir(carpeta.path()).mkdir(QStringLiteral("ListaPrimos.txt")));
    BancoVentanas banco;
    Primos v(banco.servicios, carpeta.path());
    v.show();
    QCOMPARE(TextoTabla(v), QString());
    QVERIFY(banco.Registro().isEmpty());
}

// A window reads the file when it opens: a change shows in the next one only.
void PruebaConsultas::cadaAperturaLeeOtraVezElFichero() {
    QTemporaryDir carpeta;
    const QString ruta = Primos::Fichero(carpeta.path());
    EscribirFichero(ruta, "Primos\n     2     3     5\n");
    BancoVentanas banco;
    Primos primera(banco.servicios, carpeta.path());
    EscribirFichero(ruta, "Otros\n     7    11\n");
    Primos segunda(banco.servicios, carpeta.path());
    QCOMPARE(TextoTabla(primera), QStringLiteral("Primos\n     2     3     5\n"));
    QCOMPARE(TextoTabla(segunda), QStringLiteral("Otros\n     7    11\n"));
}

// BtnTitanicos and the chooser buttons each open a new window through the
// main window, every click another one; the window clicked stays open.
void PruebaConsultas::botonesQueAbrenOtrasVentanas() {
    Banco banco;
    const auto primos = banco.Abrir(QStringLiteral("Primos"));
    const auto fac = banco.Abrir(QStringLiteral("EjemploFactorizacion"));
    const auto log = banco.Abrir(QStringLiteral("EjemploLogaritmo"));
    Pulsar(Boton(*primos, QStringLiteral("BtnTitanicos")));
    Pulsar(Boton(*primos, QStringLiteral("BtnTitanicos")));
    for (const char* b : {"Btn3", "Btn1", "Btn2", "Btn3"}) Pulsar(Boton(*fac, QString::fromLatin1(b)));
    for (const char* b : {"Btn2", "Btn1", "Btn3"}) Pulsar(Boton(*log, QString::fromLatin1(b)));
    QStringList abiertas;
    for (const auto& w : banco.servicios.hijas) abiertas.append(w->objectName());
    QCOMPARE(abiertas, (QStringList{"PrimosTitanicos", "PrimosTitanicos", "EjemploFactorizacion3",
                                    "EjemploFactorizacion1", "EjemploFactorizacion2", "EjemploFactorizacion3",
                                    "EjemploLogaritmo2", "EjemploLogaritmo1", "EjemploLogaritmo3"}));
    QVERIFY(banco.servicios.hijas[0] != banco.servicios.hijas[1]);
    QVERIFY(primos->isVisible() && fac->isVisible() && log->isVisible());
}

// In the main window: every menu item and toolbar button opens its window
// (none stays disabled); a window opened from another is a child of the
// frame too; BtnCerrar closes its own window only (the pages opened from
// a chooser stay).
void PruebaConsultas::dentroDeLaVentanaPrincipal() {
    Principal p(QStringLiteral(CARPETA_AYUDA_PRUEBA));
    RegistrarVentanas(p);
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    for (QAction* menu : p.menuBar()->actions()) {
        for (QAction* a : menu->menu()->actions()) {
            const bool edicion = menu->menu()->objectName() == u"MenuEdicion";  // by the rules, see test_edicion
            if (!a->isSeparator() && !edicion) QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
        }
    }
    for (const QToolBar* barra : {p.BarraMenu(), p.Herramientas()}) {
        for (QAction* a : barra->actions()) QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
    }

    auto hijas = [&p] {
        QStringList nombres;
        for (QMdiSubWindow* w : p.Area()->subWindowList(QMdiArea::CreationOrder)) {
            if (!w->isHidden()) nombres.append(w->widget()->objectName());
        }
        return nombres;
    };
    p.findChild<QAction*>(QStringLiteral("OpcTabla"))->trigger();
    p.Herramientas()->findChild<QAction*>(QStringLiteral("EjemplosFac"))->trigger();
    p.findChild<QAction*>(QStringLiteral("OpcEjemploLog"))->trigger();
    QCOMPARE(hijas(), (QStringList{"Primos", "EjemploFactorizacion", "EjemploLogaritmo"}));
    const QList<QMdiSubWindow*> marcos = p.Area()->subWindowList(QMdiArea::CreationOrder);
    Pulsar(Boton(*marcos[0]->widget(), QStringLiteral("BtnTitanicos")));
    Pulsar(Boton(*marcos[1]->widget(), QStringLiteral("Btn2")));
    Pulsar(Boton(*marcos[2]->widget(), QStringLiteral("Btn3")));
    QCOMPARE(p.Area()->activeSubWindow()->widget()->objectName(), QStringLiteral("EjemploLogaritmo3"));
    Pulsar(Boton(*marcos[1]->widget(), QStringLiteral("BtnCerrar")));
    QTRY_COMPARE(hijas(), (QStringList{"Primos", "EjemploLogaritmo", "PrimosTitanicos", "EjemploFactorizacion2",
                                       "EjemploLogaritmo3"}));
}

QTEST_MAIN(PruebaConsultas)
#include "test_consultas.moc"
