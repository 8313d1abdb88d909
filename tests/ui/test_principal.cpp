// The main window: its menus and toolbars, the services it gives the tool
// windows, the registry of tool windows, arrangement, help and exit.
#include <atomic>
#include <thread>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "ui/shell/acerca_de.h"
#include "ui/shell/ayuda_contextual.h"
#include "ui/shell/barra_estado.h"
#include "ui/shell/ejecucion.h"
#include "ui/shell/internet.h"
#include "ui/shell/principal.h"
#include "ui/shell/visor_ayuda.h"

namespace {

// A tool window for the registry: a caption, a help topic and one box.
QWidget* VentanaDePrueba(const QString& titulo, int tema) {
    auto* ventana = new QWidget;
    ventana->setWindowTitle(titulo);
    PonerTemaAyuda(ventana, tema);
    auto* caja = new QLineEdit(ventana);
    caja->setObjectName(QStringLiteral("Numero"));
    (new QVBoxLayout(ventana))->addWidget(caja);
    ventana->resize(240, 120);
    return ventana;
}

// A window that will not be closed, as one in the middle of a run may refuse.
class VentanaTerca : public QWidget {
protected:
    void closeEvent(QCloseEvent* evento) override { evento->ignore(); }
};

QList<QMdiSubWindow*> Hijas(const Principal& p) {
    QList<QMdiSubWindow*> abiertas;
    for (QMdiSubWindow* w : p.Area()->subWindowList()) {
        if (!w->isHidden()) abiertas.append(w);
    }
    return abiertas;
}

template <typename T>
int Contar(const Principal& p) {
    int n = 0;
    for (QMdiSubWindow* w : Hijas(p)) n += qobject_cast<T*>(w->widget()) != nullptr ? 1 : 0;
    return n;
}

QAction* Accion(const QObject& dentro, const char* nombre) {
    auto* accion = dentro.findChild<QAction*>(QString::fromLatin1(nombre));
    if (accion == nullptr) qFatal("no action %s", nombre);
    return accion;
}

void MoverRaton(QWidget* sobre, QPoint donde) {
    QMouseEvent movimiento(QEvent::MouseMove, donde, sobre->mapToGlobal(donde), Qt::NoButton, Qt::NoButton,
                           Qt::NoModifier);
    QApplication::sendEvent(sobre, &movimiento);
}

}  // namespace

class PruebaPrincipal : public QObject {
    Q_OBJECT

private slots:
    void menusYBarrasComoEnLasTablas();
    void botonesQueAlternanSoloCambianSuObjetivo();
    void relojYFecha();
    void textoDeEstado();
    void serviciosCompartidos();
    void registroDeVentanas();
    void listaDeVentanas();
    void acercaDeCompartidoDesdeElMenuYNuevoDesdeLaBarra();
    void organizarVentanas();
    void salirCierraTodasLasHijas();
    void salirNoCierraSiUnaHijaSeNiega();
    void ayudaDesdeMenusYServicios();
    void ayudaContextualConF1();
};

// Every menu item and toolbar button, in order, as the users will see them.
void PruebaPrincipal::menusYBarrasComoEnLasTablas() {
    struct Item {
        const char* menu;
        const char* nombre;
        const char* texto;  // null: a separator
        const char* atajo;
        int tema;
    };
    const Item kMenus[] = {
        {"MenuArchivo", "OpcSalir", "&Salir", "Ctrl+S", 3},
        {"MenuEdicion", "OpcCortar", "Cor&tar", "Ctrl+X", 4},
        {"MenuEdicion", "OpcCopiar", "&Copiar", "Ctrl+C", 5},
        {"MenuEdicion", "OpcPegar", "&Pegar", "Ctrl+V", 6},
        {"MenuEdicion", "OpcSeparador3", nullptr, "", 0},
        {"MenuEdicion", "OpcBorrar", "&Borrar", "Del", 7},
        {"MenuHerramientas", "OpcOperaciones", "Operaciones &Básicas", "", 8},
        {"MenuHerramientas", "OpcModulo", "Cálculo del M&odulo", "", 9},
        {"MenuHerramientas", "OpcMCD", "Cálculo del &MCD", "", 10},
        {"MenuHerramientas", "OpcInverso", "Cálculo del &Inverso", "", 11},
        {"MenuHerramientas", "OpcExponenciacion", "&Exponenciación Modular", "", 12},
        {"MenuHerramientas", "OpcRaiz", "&Raíz Cuadrada", "", 13},
        {"MenuHerramientas", "OpcPrimalidad", "Test de &Primalidad", "", 14},
        {"MenuHerramientas", "OpcTabla", "&Tabla de Primos", "", 15},
        {"MenuProblemas", "OpcLogaritmo", "&Logaritmo Discreto", "", 16},
        {"MenuProblemas", "OpcEjemploLog", "&Ejemplos de Logaritmo", "", 50},
        {"MenuProblemas", "opcseparador8", nullptr, "", 0},
        {"MenuProblemas", "OpcFactorizacion", "&Factorización", "", 21},
        {"MenuProblemas", "OpcEjemploFac", "E&jemplos de Factorización", "", 49},
        {"MenuProblemas", "opcseparador9", nullptr, "", 0},
        {"MenuProblemas", "OpcLaboratorio", "&Laboratorio de costes", "", 51},
        {"MenuVentana", "OpcCascada", "&Cascada", "", 26},
        {"MenuVentana", "OpcHorizontal", "Mosaico &Horizontal", "", 27},
        {"MenuVentana", "OpcVertical", "Mosaico &Vertical", "", 28},
        {"MenuVentana", "OpcSeparador2", nullptr, "", 0},
        {"MenuVentana", "OpcIconos", "&Organizar Iconos", "", 29},
        {"MnAyuda", "OpcAyuda", "&Ayuda de la aplicación", "", 0},
        {"MnAyuda", "OpcAyuda2", "Ayuda &Sobre la Ayuda", "", 0},
        {"MnAyuda", "OpcSeparador6", nullptr, "", 0},
        {"MnAyuda", "OpcDirecciones", "Direcciones útiles de &Internet", "", 35},
        {"MnAyuda", "OpcSeparador5", nullptr, "", 0},
        {"MnAyuda", "MenuAcerca", "Acerca &de ...", "", 31},
    };
    const std::pair<const char*, const char*> kTitulos[] = {
        {"MenuArchivo", "&Archivo"},         {"MenuEdicion", "&Edicion"}, {"MenuHerramientas", "&Herramientas"},
        {"MenuProblemas", "&Problemas"},     {"MenuVentana", "&Ventana"}, {"MnAyuda", "&Ayuda"},
    };
    // Items whose window comes later, and the edit commands, start disabled.
    const QStringList kDeshabilitados{
        "OpcCortar",        "OpcCopiar",     "OpcPegar",     "OpcBorrar",     "OpcOperaciones",
        "OpcModulo",        "OpcMCD",        "OpcInverso",   "OpcExponenciacion", "OpcRaiz",
        "OpcPrimalidad",    "OpcTabla",      "OpcLogaritmo", "OpcEjemploLog", "OpcFactorizacion",
        "OpcEjemploFac",    "OpcLaboratorio"};

    Principal p(QStringLiteral(CARPETA_AYUDA_PRUEBA));
    QCOMPARE(p.windowTitle(), QStringLiteral("Simulación de la Tornavela de Cifrados"));

    const QList<QAction*> barra = p.menuBar()->actions();
    QCOMPARE(barra.size(), qsizetype(std::size(kTitulos)));
    QList<QAction*> esperadas;
    for (qsizetype i = 0; i < barra.size(); ++i) {
        QMenu* menu = barra[i]->menu();
        QVERIFY(menu != nullptr);
        QCOMPARE(menu->objectName(), QString::fromLatin1(kTitulos[i].first));
        QCOMPARE(menu->title(), QString::fromUtf8(kTitulos[i].second));
        esperadas += menu->actions();
    }
    QCOMPARE(esperadas.size(), qsizetype(std::size(kMenus)));
    for (qsizetype i = 0; i < esperadas.size(); ++i) {
        const Item& item = kMenus[i];
        const QAction* a = esperadas[i];
        const QString fila = QString::fromLatin1(item.nombre);
        QCOMPARE(a->objectName(), fila);
        QCOMPARE(qobject_cast<QMenu*>(a->parent())->objectName(), QString::fromLatin1(item.menu));
        QCOMPARE(a->isSeparator(), item.texto == nullptr);
        if (item.texto != nullptr) QCOMPARE(a->text(), QString::fromUtf8(item.texto));
        QCOMPARE(a->shortcut(), QKeySequence(QString::fromLatin1(item.atajo)));
        QCOMPARE(TemaAyuda(a), item.tema);
        if (!a->isSeparator()) QCOMPARE(a->isEnabled(), !kDeshabilitados.contains(fila));
    }

    struct Boton {
        const char* clave;  // null: the gap between two groups
        const char* consejo;
        const char* leyenda;
    };
    const Boton kBarraMenu[] = {
        {"Salir", "Salir", nullptr},
        {"Herramientas", "Herramientas", nullptr},
        {nullptr, nullptr, nullptr},
        {"Fecha", "Mostrar Fecha", nullptr},
        {"Hora", "Mostrar Hora", nullptr},
        {nullptr, nullptr, nullptr},
        {"Ayuda", "Ayuda", nullptr},
        {"Internet", "Direcciones de Internet", nullptr},
        {"Acercade", "Acerca de ...", nullptr},
    };
    const Boton kHerramientas[] = {
        {"Op_Basicas", "Operaciones Básicas", "Op_Basic"},
        {"Raiz", "Raíz Cuadrada", "Raíz"},
        {"Modulo", "Módulo", "Modulo"},
        {"Mcd", "Máximo Común Divisor", "Mcd"},
        {"Inverso", "Inverso", "Inverso"},
        {"Potencia", "Potencia", "Potencia"},
        {"Primalidad", "Test de Primalidad", "Primalidad"},
        {"Tabla", "Tabla de primos", "Tabla"},
        {nullptr, nullptr, nullptr},
        {"Factorizacion", "Factorización", "Factoriza"},
        {"EjemplosFac", "Ejemplos de Factorización", "Ejemplos"},
        {nullptr, nullptr, nullptr},
        {"Logaritmo", "Logaritmo Discreto", "Logaritmo"},
        {"EjemplosLog", "Ejemplos de Logaritmos", "Ejemplos"},
        {nullptr, nullptr, nullptr},
        {"Laboratorio", "Laboratorio de costes", "Costes"},
    };
    auto comparar = [](const QToolBar* barra, const auto& tabla, bool habilitados) {
        const QList<QAction*> botones = barra->actions();
        QCOMPARE(botones.size(), qsizetype(std::size(tabla)));
        for (qsizetype i = 0; i < botones.size(); ++i) {
            const Boton& b = tabla[i];
            QCOMPARE(botones[i]->isSeparator(), b.clave == nullptr);
            if (b.clave == nullptr) continue;
            QCOMPARE(botones[i]->objectName(), QString::fromLatin1(b.clave));
            QCOMPARE(botones[i]->toolTip(), QString::fromUtf8(b.consejo));
            if (b.leyenda != nullptr) QCOMPARE(botones[i]->text(), QString::fromUtf8(b.leyenda));
            QVERIFY2(!botones[i]->icon().isNull(), b.clave);
            QCOMPARE(botones[i]->isEnabled(), habilitados);
        }
    };
    comparar(p.BarraMenu(), kBarraMenu, true);
    comparar(p.Herramientas(), kHerramientas, false);
    QCOMPARE(p.Herramientas()->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);

    // Right after start-up only BarraMenu shows.
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    QVERIFY(p.BarraMenu()->isVisible());
    QVERIFY(!p.Herramientas()->isVisible());
    QVERIFY(!p.Estado()->PanelFecha()->isVisible());
    QVERIFY(!p.Estado()->Hora()->isVisible());
    QVERIFY(p.Estado()->isVisible());
}

void PruebaPrincipal::botonesQueAlternanSoloCambianSuObjetivo() {
    Principal p(QStringLiteral(CARPETA_AYUDA_PRUEBA));
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    const std::pair<const char*, QWidget*> kAlternan[] = {
        {"Herramientas", p.Herramientas()},
        {"Fecha", p.Estado()->PanelFecha()},
        {"Hora", p.Estado()->Hora()},
    };
    for (const auto& [clave, objetivo] : kAlternan) {
        const QString boton = QString::fromLatin1(clave);
        QVERIFY(!objetivo->isVisible());
        Accion(*p.BarraMenu(), clave)->trigger();
        QVERIFY2(objetivo->isVisible(), clave);
        for (const auto& [otra, otro] : kAlternan) {
            if (otro != objetivo) QVERIFY2(!otro->isVisible(), otra);
        }
        QVERIFY(p.BarraMenu()->isVisible());
        p.BarraMenu_ButtonClick(boton);
        QVERIFY2(!objetivo->isVisible(), clave);
        QVERIFY(p.BarraMenu()->isVisible());
    }
    // A key that matches no button does nothing.
    p.BarraMenu_ButtonClick(QStringLiteral("NoExiste"));
    p.Herramientas_ButtonClick(QStringLiteral("NoExiste"));
    QVERIFY(p.isVisible());
    QVERIFY(Hijas(p).isEmpty());
}

void PruebaPrincipal::relojYFecha() {
    Principal p(QStringLiteral(CARPETA_AYUDA_PRUEBA));
    BarraEstado* estado = p.Estado();
    QCOMPARE(estado->PanelFecha()->text(), QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    QVERIFY(estado->Hora()->text().isEmpty());  // the first tick writes it
    QVERIFY(estado->Reloj1()->isActive());
    QCOMPARE(estado->Reloj1()->interval(), 1000);
    // The clock runs while its panel is hidden.
    QVERIFY(estado->Hora()->isHidden());
    estado->Reloj1_Timer();
    const QRegularExpression hhmmss(QStringLiteral("^([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]$"));
    QVERIFY2(hhmmss.match(estado->Hora()->text()).hasMatch(), qPrintable(estado->Hora()->text()));
}

void PruebaPrincipal::textoDeEstado() {
    Principal p(QStringLiteral(CARPETA_AYUDA_PRUEBA));
    p.RegistrarVentana(QStringLiteral("Mcd"), [](ServiciosPrincipal&) { return VentanaDePrueba("MCD", 10); });
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    QCOMPARE(p.Estado()->Texto(), QStringLiteral(" Preparado "));

    ServiciosPrincipal& servicios = p;
    servicios.EscribirEstado(QStringLiteral(" Calculando el máximo común divisor  ..."));
    QCOMPARE(p.Estado()->Texto(), QStringLiteral(" Calculando el máximo común divisor  ..."));
    servicios.EscribirEstado(QStringLiteral(" Cierra la ventana activa"));
    QCOMPARE(p.Estado()->Texto(), QStringLiteral(" Cierra la ventana activa"));

    // Over a child window the hint stays; over the empty area " Preparado " comes back.
    QMdiSubWindow* hija = p.AbrirVentana(QStringLiteral("Mcd"));
    hija->move(0, 0);
    QWidget* fondo = p.Area()->viewport();
    MoverRaton(fondo, hija->geometry().center());
    QCOMPARE(p.Estado()->Texto(), QStringLiteral(" Cierra la ventana activa"));
    MoverRaton(fondo, QPoint(fondo->width() - 5, fondo->height() - 5));
    QCOMPARE(p.Estado()->Texto(), QStringLiteral(" Preparado "));

    // A text longer than the strip (a progress line in a narrow window) is cut
    // at its edge: the main window keeps its size.
    const QSize antes = p.size();
    servicios.EscribirEstado(QString(400, u'8'));
    QTest::qWait(50);
    QCOMPARE(p.size(), antes);
}

// Every window gets the frame's services: a stop asked through those of one
// window ends a run started through those of another.
void PruebaPrincipal::serviciosCompartidos() {
    Principal p(QStringLiteral(CARPETA_AYUDA_PRUEBA));
    QList<ServiciosPrincipal*> recibidos;
    p.RegistrarVentana(QStringLiteral("Factorizacion"), [&](ServiciosPrincipal& s) {
        recibidos.append(&s);
        return VentanaDePrueba(QStringLiteral("Factorización"), 21);
    });
    p.AbrirVentana(QStringLiteral("Factorizacion"));
    p.AbrirVentana(QStringLiteral("Factorizacion"));
    QCOMPARE(recibidos.size(), 2);
    ServiciosPrincipal& una = *recibidos[0];
    ServiciosPrincipal& otra = *recibidos[1];

    std::atomic<bool> detenida{false};
    Ejecucion::Iniciar(una.Ejecuciones(), Hijas(p)[0]->widget(), [&detenida] {
        while (!puerto::Actual().DetenerSolicitado()) std::this_thread::yield();
        detenida = true;
    }, {});
    QCOMPARE(otra.Ejecuciones().EnCurso().size(), 1);
    otra.Ejecuciones().DetenerTodas();  // the stop button of the other window
    QTRY_VERIFY(detenida.load());
    QTRY_VERIFY(una.Ejecuciones().EnCurso().isEmpty());

    QVERIFY(!una.CalcularEn().isNull());
    QVERIFY(!una.CalcularDis().isNull());
    QVERIFY(una.CalcularEn().pixmap(32).toImage() != una.CalcularDis().pixmap(32).toImage());
}

void PruebaPrincipal::registroDeVentanas() {
    Principal p(QStringLiteral(CARPETA_AYUDA_PRUEBA));
    QVERIFY(p.AbrirVentana(QStringLiteral("Mcd")) == nullptr);

    int creadas = 0;
    ServiciosPrincipal* recibidos = nullptr;
    p.RegistrarVentana(QStringLiteral("Mcd"), [&](ServiciosPrincipal& s) {
        ++creadas;
        recibidos = &s;
        return VentanaDePrueba(QStringLiteral("Cálculo del MCD"), 10);
    });
    // The key enables its menu item and its button, and only those.
    QVERIFY(Accion(p, "OpcMCD")->isEnabled());
    QVERIFY(Accion(*p.Herramientas(), "Mcd")->isEnabled());
    QVERIFY(!Accion(p, "OpcModulo")->isEnabled());
    QVERIFY(!Accion(*p.Herramientas(), "Modulo")->isEnabled());

    // Every trigger makes a new window.
    Accion(p, "OpcMCD")->trigger();
    Accion(p, "OpcMCD")->trigger();
    Accion(*p.Herramientas(), "Mcd")->trigger();
    QCOMPARE(creadas, 3);
    QCOMPARE(recibidos, static_cast<ServiciosPrincipal*>(&p));
    const QList<QMdiSubWindow*> hijas = Hijas(p);
    QCOMPARE(hijas.size(), 3);
    QVERIFY(hijas[0]->widget() != hijas[1]->widget());
    for (QMdiSubWindow* h : hijas) QCOMPARE(h->windowTitle(), QStringLiteral("Cálculo del MCD"));

    // Nothing happens for a disabled key.
    Accion(p, "OpcModulo")->trigger();
    QCOMPARE(Hijas(p).size(), 3);

    // A key that no item or button has is a mistake in the registry, said
    // at once; the window can still be opened by its key.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no menu item or toolbar button.*\"Mdc\"")));
    p.RegistrarVentana(QStringLiteral("Mdc"), [](ServiciosPrincipal&) { return VentanaDePrueba("MDC", 10); });
    QVERIFY(p.AbrirVentana(QStringLiteral("Mdc")) != nullptr);
}

void PruebaPrincipal::listaDeVentanas() {
    Principal p(QStringLiteral(CARPETA_AYUDA_PRUEBA));
    p.RegistrarVentana(QStringLiteral("Raiz"),
                       [](ServiciosPrincipal&) { return VentanaDePrueba(QStringLiteral("Raiz Cuadrada"), 13); });
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    QMenu* ventana = p.findChild<QMenu*>(QStringLiteral("MenuVentana"));
    const qsizetype fijos = ventana->actions().size();

    p.ActualizarMenuVentana();
    QCOMPARE(ventana->actions().size(), fijos);  // no window, no list

    QMdiSubWindow* primera = p.AbrirVentana(QStringLiteral("Raiz"));
    QMdiSubWindow* segunda = p.AbrirVentana(QStringLiteral("Raiz"));
    QCOMPARE(p.Area()->activeSubWindow(), segunda);
    p.ActualizarMenuVentana();
    const QList<QAction*> lista = ventana->actions().mid(fijos);
    QCOMPARE(lista.size(), 3);  // a separator and both windows, same caption
    QVERIFY(lista[0]->isSeparator());
    QCOMPARE(lista[1]->text(), QStringLiteral("&1 Raiz Cuadrada"));
    QCOMPARE(lista[2]->text(), QStringLiteral("&2 Raiz Cuadrada"));
    QVERIFY(!lista[1]->isChecked());
    QVERIFY(lista[2]->isChecked());

    lista[1]->trigger();
    QCOMPARE(p.Area()->activeSubWindow(), primera);

    // Opening the menu again lists what is open then.
    segunda->close();
    QTest::qWait(0);
    p.ActualizarMenuVentana();
    QCOMPARE(ventana->actions().size(), fijos + 2);
}

void PruebaPrincipal::acercaDeCompartidoDesdeElMenuYNuevoDesdeLaBarra() {
    Principal p(QStringLiteral(CARPETA_AYUDA_PRUEBA));
    Accion(p, "MenuAcerca")->trigger();
    Accion(p, "MenuAcerca")->trigger();
    QCOMPARE(Contar<AcercaDe>(p), 1);
    QMdiSubWindow* compartida = p.Area()->activeSubWindow();

    Accion(*p.BarraMenu(), "Acercade")->trigger();
    Accion(*p.BarraMenu(), "Acercade")->trigger();
    QCOMPARE(Contar<AcercaDe>(p), 3);

    // The menu brings the shared one forward again.
    Accion(p, "MenuAcerca")->trigger();
    QCOMPARE(Contar<AcercaDe>(p), 3);
    QCOMPARE(p.Area()->activeSubWindow(), compartida);

    // Once closed, the menu makes it anew.
    compartida->close();
    Accion(p, "MenuAcerca")->trigger();
    QCOMPARE(Contar<AcercaDe>(p), 3);
    QVERIFY(p.Area()->activeSubWindow() != compartida);

    // The links window, from the menu and from the toolbar, a new one each time.
    Accion(p, "OpcDirecciones")->trigger();
    Accion(*p.BarraMenu(), "Internet")->trigger();
    QCOMPARE(Contar<Internet>(p), 2);
}

void PruebaPrincipal::organizarVentanas() {
    Principal p(QStringLiteral(CARPETA_AYUDA_PRUEBA));
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    // With no child windows the four commands do nothing.
    for (const char* orden : {"OpcCascada", "OpcHorizontal", "OpcVertical", "OpcIconos"}) {
        Accion(p, orden)->trigger();
    }
    QVERIFY(p.Area()->subWindowList().isEmpty());

    p.RegistrarVentana(QStringLiteral("Tabla"), [](ServiciosPrincipal&) { return VentanaDePrueba("Primos", 15); });
    QList<QMdiSubWindow*> hijas;
    for (int i = 0; i < 3; ++i) hijas.append(p.AbrirVentana(QStringLiteral("Tabla")));
    const QRect zona = p.Area()->viewport()->rect();

    Accion(p, "OpcHorizontal")->trigger();  // full-width strips, one above the other
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(hijas[i]->geometry().left(), zona.left());
        QCOMPARE(hijas[i]->width(), zona.width());
        if (i > 0) QCOMPARE(hijas[i]->geometry().top(), hijas[i - 1]->geometry().bottom() + 1);
    }
    QCOMPARE(hijas[2]->geometry().bottom(), zona.bottom());

    Accion(p, "OpcVertical")->trigger();  // full-height columns, side by side
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(hijas[i]->geometry().top(), zona.top());
        QCOMPARE(hijas[i]->height(), zona.height());
        if (i > 0) QCOMPARE(hijas[i]->geometry().left(), hijas[i - 1]->geometry().right() + 1);
    }
    QCOMPARE(hijas[2]->geometry().right(), zona.right());

    Accion(p, "OpcCascada")->trigger();  // each one lower and further right than the last
    QVERIFY(hijas[1]->pos().x() > hijas[0]->pos().x() && hijas[1]->pos().y() > hijas[0]->pos().y());
    QVERIFY(hijas[2]->pos().x() > hijas[1]->pos().x() && hijas[2]->pos().y() > hijas[1]->pos().y());

    // Icons of minimised windows line up along the bottom edge, left to right.
    hijas[0]->showMinimized();
    hijas[2]->showMinimized();
    hijas[0]->move(200, 40);
    hijas[2]->move(60, 90);
    Accion(p, "OpcIconos")->trigger();
    QCOMPARE(hijas[0]->geometry().bottom(), zona.bottom());
    QCOMPARE(hijas[2]->geometry().bottom(), zona.bottom());
    QCOMPARE(hijas[0]->x(), zona.left());
    QCOMPARE(hijas[2]->x(), hijas[0]->geometry().right() + 1);
    QVERIFY(!hijas[1]->isMinimized());
}

void PruebaPrincipal::salirCierraTodasLasHijas() {
    Principal p(QStringLiteral(CARPETA_AYUDA_PRUEBA));
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    p.MostrarAcercaDe();
    p.NuevoInternet();
    p.MostrarBuscadorAyuda();  // the help viewer is a window of its own
    QPointer<QWidget> acerca = p.Area()->subWindowList().first()->widget();
    QVERIFY(p.Cuadro_Dialogo().Visor()->isVisible());

    Accion(p, "OpcSalir")->trigger();
    QVERIFY(!p.isVisible());
    QVERIFY(Hijas(p).isEmpty());
    QVERIFY(!p.Cuadro_Dialogo().Visor()->isVisible());
    QTest::qWait(0);  // closed children are deleted when control comes back
    QVERIFY(acerca.isNull());
}

void PruebaPrincipal::salirNoCierraSiUnaHijaSeNiega() {
    Principal p(QStringLiteral(CARPETA_AYUDA_PRUEBA));
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    p.NuevoInternet();
    p.AbrirHija(new VentanaTerca);
    Accion(*p.BarraMenu(), "Salir")->trigger();
    QVERIFY(p.isVisible());
    QCOMPARE(Hijas(p).size(), 1);
}

void PruebaPrincipal::ayudaDesdeMenusYServicios() {
    Principal p(QStringLiteral(CARPETA_AYUDA_PRUEBA));
    CuadroDialogo& ayuda = p.Cuadro_Dialogo();
    QVERIFY(ayuda.Visor() == nullptr);

    Accion(p, "OpcAyuda")->trigger();
    VisorAyuda* visor = ayuda.Visor();
    QVERIFY(visor != nullptr && visor->isVisible());
    QCOMPARE(visor->FicheroActual(), QStringLiteral("bienvenida.html"));
    QCOMPARE(visor->findChild<QTabWidget*>(QStringLiteral("Pestanas"))->currentIndex(), 0);  // Contenido

    Accion(p, "OpcAyuda2")->trigger();
    QCOMPARE(visor->FicheroActual(), QStringLiteral("uso-de-la-ayuda.html"));

    static_cast<ServiciosPrincipal&>(p).MostrarTemaAyuda(23);
    QCOMPARE(visor->FicheroActual(), QStringLiteral("pollard.html"));

    visor->close();
    Accion(*p.BarraMenu(), "Ayuda")->trigger();
    QCOMPARE(ayuda.Visor(), visor);  // one shared viewer
    QVERIFY(visor->isVisible());
    QCOMPARE(visor->FicheroActual(), QStringLiteral("bienvenida.html"));
}

void PruebaPrincipal::ayudaContextualConF1() {
    Principal p(QStringLiteral(CARPETA_AYUDA_PRUEBA));
    p.RegistrarVentana(QStringLiteral("Op_Basicas"),
                       [](ServiciosPrincipal&) { return VentanaDePrueba(QStringLiteral("Operaciones Básicas"), 8); });
    p.show();
    QVERIFY(QTest::qWaitForWindowActive(&p));

    // F1 in a box of a tool window opens the window's topic.
    QMdiSubWindow* hija = p.AbrirVentana(QStringLiteral("Op_Basicas"));
    auto* caja = hija->widget()->findChild<QLineEdit*>(QStringLiteral("Numero"));
    caja->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), caja);
    QTest::keyClick(caja, Qt::Key_F1);
    QVERIFY(p.Cuadro_Dialogo().Visor() != nullptr);
    QCOMPARE(p.Cuadro_Dialogo().Visor()->FicheroActual(), QStringLiteral("operaciones.html"));

    // A box with a number of its own wins over its window's.
    PonerTemaAyuda(caja, 23);
    p.AyudaContextual(caja);
    QCOMPARE(p.Cuadro_Dialogo().Visor()->FicheroActual(), QStringLiteral("pollard.html"));

    // No topic anywhere up the chain: the topic finder.
    p.AyudaContextual(p.Area());
    QCOMPARE(p.Cuadro_Dialogo().Visor()->FicheroActual(), QStringLiteral("bienvenida.html"));

    // F1 on a highlighted menu item opens the item's topic and closes the menu.
    QMenu* herramientas = p.findChild<QMenu*>(QStringLiteral("MenuHerramientas"));
    p.activateWindow();
    herramientas->popup(p.mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(herramientas));
    herramientas->setActiveAction(Accion(p, "OpcOperaciones"));
    p.Cuadro_Dialogo().MostrarTema(23);
    QTest::keyClick(herramientas, Qt::Key_F1);
    QCOMPARE(p.Cuadro_Dialogo().Visor()->FicheroActual(), QStringLiteral("operaciones.html"));
    QVERIFY(!herramientas->isVisible());
}

QTEST_MAIN(PruebaPrincipal)
#include "test_principal.moc"
