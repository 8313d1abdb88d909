// The cost laboratory driven through its controls: whole series of each
// problem (one method after another and raced), every answer checked, the
// chart's series and points, the CSV read back, the copy and the PNG; the
// time limit; the errors of numbers too large; the stop buttons and the
// close during a series; the fit of the growth; the menu item and button.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtCharts/QChart>
#include <QtCharts/QXYSeries>

#include <cmath>

#include "soporte/banco_ventanas.h"
#include "ui/problems/ajuste_costes.h"
#include "ui/problems/grafica_costes.h"
#include "ui/problems/laboratorio.h"
#include "ui/shell/ayuda_contextual.h"
#include "ui/shell/grupo_edicion.h"
#include "ui/shell/principal.h"
#include "ui/ventanas_registradas.h"

namespace {

constexpr int kSemilla = 2024;
constexpr int kEspera = 120000;  // ms a whole series may take in the slowest build

struct Banco : BancoVentanas {
    std::unique_ptr<QWidget> Abrir() {
        return AbrirCon([](const QString&, ServiciosPrincipal& s) { return std::make_unique<Laboratorio>(s); },
                        QStringLiteral("Laboratorio"));
    }
    bool SinEjecuciones() const { return servicios.ejecuciones.EnCurso().isEmpty(); }
};

Laboratorio& Lab(QWidget& v) { return static_cast<Laboratorio&>(v); }

// A series as the user sets it up.
struct Eleccion {
    bool logaritmo = false;
    QList<int> metodos{1, 2, 3};
    int desde = 4, hasta = 8, paso = 1, instancias = 1;
    double limite = 60;
    bool carrera = false;
};

void Iniciar(QWidget& v, const Eleccion& e) {
    QTest::mouseClick(Hijo<QRadioButton>(v, e.logaritmo ? QStringLiteral("ProblemaLogaritmo")
                                                       : QStringLiteral("ProblemaFactorizacion")),
                      Qt::LeftButton, {}, QPoint(6, 8));
    for (int m = 1; m <= 3; ++m) {
        auto* caja = Hijo<QCheckBox>(v, QStringLiteral("Metodo%1").arg(m));
        if (caja->isChecked() != e.metodos.contains(m)) QTest::mouseClick(caja, Qt::LeftButton, {}, QPoint(6, 8));
    }
    Hijo<QSpinBox>(v, QStringLiteral("Hasta"))->setValue(e.hasta);
    Hijo<QSpinBox>(v, QStringLiteral("Desde"))->setValue(e.desde);
    Hijo<QSpinBox>(v, QStringLiteral("Paso"))->setValue(e.paso);
    Hijo<QSpinBox>(v, QStringLiteral("Instancias"))->setValue(e.instancias);
    Hijo<QSpinBox>(v, QStringLiteral("Semilla"))->setValue(kSemilla);
    Hijo<QDoubleSpinBox>(v, QStringLiteral("Limite"))->setValue(e.limite);
    auto* carrera = Hijo<QCheckBox>(v, QStringLiteral("Carrera"));
    if (carrera->isChecked() != e.carrera) QTest::mouseClick(carrera, Qt::LeftButton, {}, QPoint(6, 8));
    Pulsar(Boton(v, QStringLiteral("BtnIniciar")));
}

QTableWidget* Tabla(const QWidget& v) { return Hijo<QTableWidget>(v, QStringLiteral("Resultados")); }

QStringList Columna(const QWidget& v, int col) {
    QStringList textos;
    const QTableWidget* t = Tabla(v);
    for (int f = 0; f < t->rowCount(); ++f) textos.append(t->item(f, col)->text());
    return textos;
}
QStringList Comprobado(const QWidget& v) { return Columna(v, Tabla(v)->columnCount() - 1); }

QList<QStringList> Celdas(const QWidget& v) {
    const QTableWidget* t = Tabla(v);
    QList<QStringList> filas;
    QStringList encabezado;
    for (int c = 0; c < t->columnCount(); ++c) encabezado.append(t->horizontalHeaderItem(c)->text());
    filas.append(encabezado);
    for (int f = 0; f < t->rowCount(); ++f) {
        QStringList fila;
        for (int c = 0; c < t->columnCount(); ++c) fila.append(t->item(f, c)->text());
        filas.append(fila);
    }
    return filas;
}

// The points of a series of the chart, by its object name (the time as
// log10 of milliseconds).
QList<QPointF> Puntos(const QWidget& v, const QString& nombre) {
    for (QAbstractSeries* s : Hijo<GraficaCostes>(v, QStringLiteral("Grafica"))->chart()->series()) {
        if (s->objectName() == nombre) return static_cast<QXYSeries*>(s)->points();
    }
    qFatal("no series %s", qPrintable(nombre));
}

// An RFC 4180 reader for what the lab writes: quoted fields, "" for a
// quote, CR LF between records; a field ="..." gives the text inside.
QList<QStringList> LeerCsv(const QString& texto) {
    QList<QStringList> filas;
    QStringList fila;
    QString campo;
    bool entre_comillas = false;
    const auto cerrar_campo = [&] {
        if (campo.startsWith(QStringLiteral("=\"")) && campo.endsWith(u'"')) campo = campo.mid(2, campo.size() - 3);
        fila.append(campo);
        campo.clear();
    };
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (entre_comillas) {
            if (c == u'"' && i + 1 < texto.size() && texto[i + 1] == u'"') {
                campo += u'"';
                ++i;
            } else if (c == u'"') {
                entre_comillas = false;
            } else {
                campo += c;
            }
        } else if (c == u'"') {
            entre_comillas = true;
        } else if (c == u',') {
            cerrar_campo();
        } else if (c == u'\r' && i + 1 < texto.size() && texto[i + 1] == u'\n') {
            cerrar_campo();
            filas.append(fila);
            fila.clear();
            ++i;
        } else {
            campo += c;
        }
    }
    return filas;
}

const QStringList kClavesFac{"PollardRho", "Dixon", "Fracciones"};
const QStringList kClavesLog{"Busqueda", "GiganteEnano", "PohligHellman"};

}  // namespace

class PruebaLaboratorio : public QObject {
    Q_OBJECT

private slots:
    void ajusteDelCrecimiento();
    void serieCompleta_data();
    void serieCompleta();
    void limiteDeTiempo();
    void numerosDemasiadoGrandes();
    void detenerAcabaLaSerie_data();
    void detenerAcabaLaSerie();
    void cerrarDuranteLaSerie();
    void seAbreDesdeMenuYBarra();
};

// Least squares recovers the slope of points on an exact exponential, and
// leaves out what says nothing of it.
void PruebaLaboratorio::ajusteDelCrecimiento() {
    std::vector<PuntoCoste> puntos;
    for (int d = 4; d <= 10; ++d) puntos.push_back({d, 0.5 * std::pow(10.0, 0.25 * d)});
    puntos.push_back({11, 5.0, true});  // at the limit: a lower bound only
    puntos.push_back({12, 0.0});        // no logarithm
    const std::optional<RectaCoste> recta = AjustarCrecimiento(puntos);
    QVERIFY(recta.has_value());
    QCOMPARE(recta->puntos, 7);
    QVERIFY(std::abs(recta->pendiente - 0.25) < 1e-12);
    QVERIFY(std::abs(FactorPorDigito(recta->pendiente) - 1.7783) < 1e-4);
    // With the slope fixed, the height of the same points; each point's
    // extra (Pohlig–Hellman's digits) is taken off first.
    const std::optional<RectaCoste> esperado = AjustarEsperado(puntos, 0.25);
    QVERIFY(esperado.has_value() && std::abs(esperado->ordenada - std::log10(0.5)) < 1e-12);
    for (PuntoCoste& p : puntos) p.extra = 1;
    QVERIFY(std::abs(AjustarEsperado(puntos, 0.25)->ordenada - (std::log10(0.5) - 1)) < 1e-12);
    // One size only: no slope.
    QVERIFY(!AjustarCrecimiento({{6, 1.0}, {6, 2.0}, {7, 3.0, true}}).has_value());
    QCOMPARE(PendienteEsperada(puerto::Metodo::Busqueda), 1.0);
    QCOMPARE(PendienteEsperada(puerto::Metodo::Rho), 0.25);
}

void PruebaLaboratorio::serieCompleta_data() {
    QTest::addColumn<bool>("logaritmo");
    QTest::addColumn<int>("desde");
    QTest::addColumn<int>("hasta");
    QTest::addColumn<bool>("carrera");
    // Factorization from 4 to 8 digits; exhaustive search costs the value of
    // the logarithm, so the logarithm series stays at 2 to 4 digits.
    QTest::newRow("factorización") << false << 4 << 8 << false;
    QTest::newRow("factorización en carrera") << false << 4 << 8 << true;
    QTest::newRow("logaritmo") << true << 2 << 4 << false;
    QTest::newRow("logaritmo en carrera") << true << 2 << 4 << true;
}

// One row per size and method, each answer checked; the chart holds a
// point per run, the medians and the expected growth over the range; the
// readings give each method's factor per digit; the CSV reads back as the
// table, the copy holds the selection, the PNG is a picture.
void PruebaLaboratorio::serieCompleta() {
    QFETCH(bool, logaritmo);
    QFETCH(int, desde);
    QFETCH(int, hasta);
    QFETCH(bool, carrera);
    Banco banco;
    const auto v = banco.Abrir();
    Iniciar(*v, {.logaritmo = logaritmo, .desde = desde, .hasta = hasta, .carrera = carrera});
    QVERIFY(Lab(*v).SerieEnCurso());
    QVERIFY(!Boton(*v, QStringLiteral("BtnIniciar"))->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!Lab(*v).SerieEnCurso() && banco.SinEjecuciones(), kEspera);

    const int tamanos = hasta - desde + 1;
    QCOMPARE(Comprobado(*v), QStringList(3 * tamanos, QStringLiteral("sí")));
    QCOMPARE(Texto(*v, QStringLiteral("EstadoSerie")), QStringLiteral("Serie terminada."));
    QVERIFY(Boton(*v, QStringLiteral("BtnIniciar"))->isEnabled());
    QVERIFY(banco.ui.errores.empty());
    QCOMPARE(banco.ui.advertencias, 0);
    QCOMPARE(banco.servicios.estados.last(), QStringLiteral(" Preparado"));
    // Sizes in order; in a race the three methods of an instance come together.
    QStringList digitos;
    for (int d = desde; d <= hasta; ++d) digitos << QString::number(d) << QString::number(d) << QString::number(d);
    QCOMPARE(Columna(*v, 0), digitos);

    for (const QString& clave : logaritmo ? kClavesLog : kClavesFac) {
        QCOMPARE(Puntos(*v, QStringLiteral("Puntos:") + clave).size(), tamanos);
        QCOMPARE(Puntos(*v, QStringLiteral("Mediana:") + clave).size(), tamanos);
        QCOMPARE(Puntos(*v, QStringLiteral("Esperado:") + clave).size(), tamanos);
        QVERIFY(Puntos(*v, QStringLiteral("Limite:") + clave).isEmpty());
        const QList<QPointF> mediana = Puntos(*v, QStringLiteral("Mediana:") + clave);
        QCOMPARE(mediana.first().x(), double(desde));
        QCOMPARE(mediana.last().x(), double(hasta));
    }
    for (int m = 1; m <= 3; ++m) {
        QVERIFY2(Texto(*v, QStringLiteral("Lectura%1").arg(m)).contains(QStringLiteral("el tiempo se multiplica por ≈ ")),
                 qPrintable(Texto(*v, QStringLiteral("Lectura%1").arg(m))));
    }
    QVERIFY(Texto(*v, QStringLiteral("Lectura1"))
                .endsWith(logaritmo ? QStringLiteral("por cada dígito más (esperado ≈ 10)")
                                    : QStringLiteral("por cada dígito más (esperado ≈ 1,78)")));

    // CSV: the file the dialog was asked for, UTF-8 with its mark, read back.
    QTemporaryDir carpeta;
    const QString ruta_csv = carpeta.filePath(QStringLiteral("serie.csv"));
    const QString ruta_png = carpeta.filePath(QStringLiteral("serie.png"));
    QStringList pedidas;
    Lab(*v).PonerPedirRuta([&](const QString&, const QString& sugerida, const QString&) {
        pedidas.append(sugerida);
        return sugerida.endsWith(QStringLiteral(".csv")) ? ruta_csv : ruta_png;
    });
    Pulsar(Boton(*v, QStringLiteral("BtnCsv")));
    QFile fichero(ruta_csv);
    QVERIFY(fichero.open(QIODevice::ReadOnly));
    const QByteArray bytes = fichero.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const QString texto = QString::fromUtf8(bytes.mid(3));
    QCOMPARE(LeerCsv(texto), Celdas(*v));
    // Numbers are written as text: the instance's first number, whole.
    const QString numero = Tabla(*v)->item(0, 3)->text();
    QVERIFY(texto.contains(QStringLiteral("\"=\"\"%1\"\"\"").arg(numero)));

    Pulsar(Boton(*v, QStringLiteral("BtnPng")));
    QCOMPARE(pedidas, (QStringList{"laboratorio-costes.csv", "laboratorio-costes.png"}));
    const QImage imagen(ruta_png);
    QVERIFY(!imagen.isNull() && imagen.width() > 400 && imagen.height() > 300);

    // Copy: the titles of the chosen columns, then the rows, with tabs.
    Tabla(*v)->setRangeSelected(QTableWidgetSelectionRange(1, 0, 2, 2), true);
    QTest::keySequence(Tabla(*v), QKeySequence::Copy);
    const QStringList copiado = QApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(copiado.size(), 3);
    QCOMPARE(copiado[0], QStringLiteral("Dígitos\tInstancia\tMétodo"));
    QCOMPARE(copiado[2], Celdas(*v)[3].mid(0, 3).join(u'\t'));
}

// A run still going at a tiny limit is stopped without its warning and
// recorded "> límite", drawn apart and left out of the fit; the method is
// not run on larger sizes, which here ends the series.
void PruebaLaboratorio::limiteDeTiempo() {
    Banco banco;
    const auto v = banco.Abrir();
    // Exhaustive search on 10 digits takes seconds here.
    Iniciar(*v, {.logaritmo = true, .metodos = {1}, .desde = 10, .hasta = 12, .limite = 0.1});
    QTRY_VERIFY_WITH_TIMEOUT(!Lab(*v).SerieEnCurso() && banco.SinEjecuciones(), kEspera);
    QCOMPARE(Comprobado(*v), QStringList{"> límite"});
    QCOMPARE(banco.ui.advertencias, 0);
    QCOMPARE(Texto(*v, QStringLiteral("EstadoSerie")),
             QStringLiteral("Serie terminada: con 10 dígitos ningún método ha podido acabar "
                            "(límite de tiempo o números demasiado grandes)."));
    const QList<QPointF> limite = Puntos(*v, QStringLiteral("Limite:Busqueda"));
    QCOMPARE(limite.size(), 1);
    QVERIFY(limite[0].y() >= 2);  // log10 of the milliseconds
    QVERIFY(Puntos(*v, QStringLiteral("Puntos:Busqueda")).isEmpty());
    QVERIFY(Texto(*v, QStringLiteral("Lectura1")).endsWith(QStringLiteral(" — fuera del ajuste: 1 > límite")));
    QVERIFY(Texto(*v, QStringLiteral("Lectura2")).isEmpty());
}

// Baby-step giant-step and Pohlig–Hellman refuse a 12-digit Grupo with
// error 13: shown as any error, the rows say so, the reading counts it as a
// run without an answer (not a wrong one), and neither runs on larger sizes.
void PruebaLaboratorio::numerosDemasiadoGrandes() {
    Banco banco;
    const auto v = banco.Abrir();
    Iniciar(*v, {.logaritmo = true, .metodos = {2, 3}, .desde = 12, .hasta = 14});
    QTRY_VERIFY_WITH_TIMEOUT(!Lab(*v).SerieEnCurso() && banco.SinEjecuciones(), kEspera);
    QCOMPARE(Comprobado(*v), (QStringList{"error 13", "error 13"}));
    QCOMPARE(banco.ui.errores, (std::vector<int>{13, 13}));
    QCOMPARE(Texto(*v, QStringLiteral("EstadoSerie")),
             QStringLiteral("Serie terminada: con 12 dígitos ningún método ha podido acabar "
                            "(límite de tiempo o números demasiado grandes)."));
    QVERIFY(Puntos(*v, QStringLiteral("Puntos:GiganteEnano")).isEmpty());
    QVERIFY(Texto(*v, QStringLiteral("Lectura2")).endsWith(QStringLiteral(" — fuera del ajuste: 1 con error")));
}

void PruebaLaboratorio::detenerAcabaLaSerie_data() {
    QTest::addColumn<bool>("desde_otra_ventana");
    QTest::addColumn<bool>("carrera");
    QTest::newRow("su botón, en carrera") << false << true;
    QTest::newRow("su botón, uno tras otro") << false << false;
    QTest::newRow("el botón de otra ventana, en carrera") << true << true;
}

// A stop, from the lab or from any window, ends the whole series: the runs
// in progress end "detenido", no other starts, one warning for them all.
void PruebaLaboratorio::detenerAcabaLaSerie() {
    QFETCH(bool, desde_otra_ventana);
    QFETCH(bool, carrera);
    Banco banco;
    const auto v = banco.Abrir();
    Iniciar(*v, {.logaritmo = true, .metodos = {1, 2}, .desde = 9, .hasta = 10, .carrera = carrera});
    QTRY_VERIFY_WITH_TIMEOUT(Comprobado(*v).contains(QStringLiteral("en curso")), 10000);
    QTest::qWait(200);
    if (desde_otra_ventana) {
        banco.servicios.ejecuciones.DetenerTodas();  // what every stop button does
    } else {
        Pulsar(Boton(*v, QStringLiteral("BtnDetener")));
    }
    QTRY_VERIFY_WITH_TIMEOUT(!Lab(*v).SerieEnCurso() && banco.SinEjecuciones(), kEspera);
    const QStringList estados = Comprobado(*v);
    QVERIFY2(estados.contains(QStringLiteral("detenido")), qPrintable(estados.join(u',')));
    QVERIFY(!estados.contains(QStringLiteral("en curso")));
    QVERIFY(estados.size() <= 2);  // the 9-digit instance only
    QCOMPARE(banco.ui.advertencias, 1);
    QCOMPARE(Texto(*v, QStringLiteral("EstadoSerie")), QStringLiteral("Serie detenida."));
    QTest::qWait(300);
    QCOMPARE(Comprobado(*v), estados);
    QVERIFY(banco.SinEjecuciones());
}

// Closing abandons the series: its runs end with no dialog, at once.
void PruebaLaboratorio::cerrarDuranteLaSerie() {
    Banco banco;
    auto v = banco.Abrir();
    Iniciar(*v, {.logaritmo = true, .metodos = {1, 2, 3}, .desde = 9, .hasta = 10, .carrera = true});
    QTRY_VERIFY_WITH_TIMEOUT(Comprobado(*v).contains(QStringLiteral("en curso")), 10000);
    v->close();
    v.reset();
    QTRY_VERIFY_WITH_TIMEOUT(banco.SinEjecuciones(), kEspera);
    QCOMPARE(banco.ui.advertencias, 0);
    QVERIFY(banco.ui.errores.empty());
}

// The last item of Problemas, after a line, and the last toolbar button,
// after a gap, open a new laboratory each; its help topic and edit group.
void PruebaLaboratorio::seAbreDesdeMenuYBarra() {
    Principal p(QStringLiteral(CARPETA_AYUDA_PRUEBA));
    RegistrarVentanas(p);
    QAction* menu = p.findChild<QAction*>(QStringLiteral("OpcLaboratorio"));
    const QList<QAction*> problemas = qobject_cast<QMenu*>(menu->parent())->actions();
    QCOMPARE(problemas.last(), menu);
    QVERIFY(problemas[problemas.size() - 2]->isSeparator());
    const QList<QAction*> botones = p.Herramientas()->actions();
    QCOMPARE(botones.last()->objectName(), QStringLiteral("Laboratorio"));
    QVERIFY(botones[botones.size() - 2]->isSeparator());
    QVERIFY(menu->isEnabled() && botones.last()->isEnabled());

    const int antes = p.Area()->subWindowList().size();
    menu->trigger();
    botones.last()->trigger();
    const QList<QMdiSubWindow*> hijas = p.Area()->subWindowList();
    QCOMPARE(hijas.size(), antes + 2);
    QWidget* lab = hijas[antes]->widget();
    QCOMPARE(lab->objectName(), QStringLiteral("Laboratorio"));
    QCOMPARE(lab->windowTitle(), QStringLiteral("Laboratorio de costes"));
    QCOMPARE(TemaAyudaDe(lab), Laboratorio::kTemaAyuda);
    QCOMPARE(TemaAyuda(menu), Laboratorio::kTemaAyuda);
    QCOMPARE(GrupoEdicionDe(lab), GrupoEdicion::Ninguno);
    QVERIFY(hijas[antes + 1]->widget() != lab);
}

QTEST_MAIN(PruebaLaboratorio)
#include "test_laboratorio.moc"
