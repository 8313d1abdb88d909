// The menus and the two toolbars of the main window, as tables, and what
// each item does.
#include <vector>

#include <QAction>
#include <QKeySequence>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "ui/shell/ayuda_contextual.h"
#include "ui/shell/edicion.h"
#include "ui/shell/iconos.h"
#include "ui/shell/principal.h"

namespace {

// A menu item; a null caption makes a separator line. `clave` names the
// tool window the item opens.
struct Opcion {
    const char* nombre;
    const char* texto = nullptr;
    const char* atajo = nullptr;
    int tema = 0;
    const char* clave = nullptr;
};

struct Menu {
    const char* nombre;
    const char* texto;
    std::vector<Opcion> opciones;
};

const std::vector<Menu>& Menus() {
    static const std::vector<Menu> menus{
        {"MenuArchivo", "&Archivo", {{"OpcSalir", "&Salir", "Ctrl+S", 3}}},
        {"MenuEdicion",
         "&Edicion",
         {{"OpcCortar", "Cor&tar", "Ctrl+X", 4},
          {"OpcCopiar", "&Copiar", "Ctrl+C", 5},
          {"OpcPegar", "&Pegar", "Ctrl+V", 6},
          {"OpcSeparador3"},
          {"OpcBorrar", "&Borrar", "Del", 7}}},
        {"MenuHerramientas",
         "&Herramientas",
         {{"OpcOperaciones", "Operaciones &Básicas", nullptr, 8, "Op_Basicas"},
          {"OpcModulo", "Cálculo del M&odulo", nullptr, 9, "Modulo"},
          {"OpcMCD", "Cálculo del &MCD", nullptr, 10, "Mcd"},
          {"OpcInverso", "Cálculo del &Inverso", nullptr, 11, "Inverso"},
          {"OpcExponenciacion", "&Exponenciación Modular", nullptr, 12, "Potencia"},
          {"OpcRaiz", "&Raíz Cuadrada", nullptr, 13, "Raiz"},
          {"OpcPrimalidad", "Test de &Primalidad", nullptr, 14, "Primalidad"},
          {"OpcTabla", "&Tabla de Primos", nullptr, 15, "Tabla"}}},
        {"MenuProblemas",
         "&Problemas",
         {{"OpcLogaritmo", "&Logaritmo Discreto", nullptr, 16, "Logaritmo"},
          {"OpcEjemploLog", "&Ejemplos de Logaritmo", nullptr, 50, "EjemplosLog"},
          {"opcseparador8"},
          {"OpcFactorizacion", "&Factorización", nullptr, 21, "Factorizacion"},
          {"OpcEjemploFac", "E&jemplos de Factorización", nullptr, 49, "EjemplosFac"},
          {"opcseparador9"},
          {"OpcLaboratorio", "&Laboratorio de costes", nullptr, 51, "Laboratorio"}}},
        {"MenuVentana",
         "&Ventana",
         {{"OpcCascada", "&Cascada", nullptr, 26},
          {"OpcHorizontal", "Mosaico &Horizontal", nullptr, 27},
          {"OpcVertical", "Mosaico &Vertical", nullptr, 28},
          {"OpcSeparador2"},
          {"OpcIconos", "&Organizar Iconos", nullptr, 29}}},
        {"MnAyuda",
         "&Ayuda",
         {{"OpcAyuda", "&Ayuda de la aplicación"},
          {"OpcAyuda2", "Ayuda &Sobre la Ayuda"},
          {"OpcSeparador6"},
          {"OpcDirecciones", "Direcciones útiles de &Internet", nullptr, 35},
          {"OpcSeparador5"},
          {"MenuAcerca", "Acerca &de ...", nullptr, 31}}},
    };
    return menus;
}

// A toolbar button; a null key makes the gap between two groups.
struct Boton {
    const char* clave;
    const char* consejo = nullptr;  // tooltip
    const char* icono = nullptr;
    const char* leyenda = nullptr;  // caption under the picture
};

const std::vector<Boton> kBarraMenu{
    {"Salir", "Salir", "salir"},
    {"Herramientas", "Herramientas", "herramientas"},
    {nullptr},
    {"Fecha", "Mostrar Fecha", "fecha"},
    {"Hora", "Mostrar Hora", "hora"},
    {nullptr},
    {"Ayuda", "Ayuda", "ayuda"},
    {"Internet", "Direcciones de Internet", "internet"},
    {"Acercade", "Acerca de ...", "acercade"},
};

const std::vector<Boton> kHerramientas{
    {"Op_Basicas", "Operaciones Básicas", "op_basicas", "Op_Basic"},
    {"Raiz", "Raíz Cuadrada", "raiz", "Raíz"},
    {"Modulo", "Módulo", "modulo", "Modulo"},
    {"Mcd", "Máximo Común Divisor", "mcd", "Mcd"},
    {"Inverso", "Inverso", "inverso", "Inverso"},
    {"Potencia", "Potencia", "potencia", "Potencia"},
    {"Primalidad", "Test de Primalidad", "primalidad", "Primalidad"},
    {"Tabla", "Tabla de primos", "tabla", "Tabla"},
    {nullptr},
    {"Factorizacion", "Factorización", "factorizacion", "Factoriza"},
    {"EjemplosFac", "Ejemplos de Factorización", "ejemplos_fac", "Ejemplos"},
    {nullptr},
    {"Logaritmo", "Logaritmo Discreto", "logaritmo", "Logaritmo"},
    {"EjemplosLog", "Ejemplos de Logaritmos", "ejemplos_log", "Ejemplos"},
    {nullptr},
    {"Laboratorio", "Laboratorio de costes", "laboratorio", "Costes"},
};

}  // namespace

QMenu* Principal::NuevoMenu(const char* nombre, const char* texto) {
    QMenu* menu = menuBar()->addMenu(QString::fromUtf8(texto));
    menu->setObjectName(QString::fromLatin1(nombre));
    menu->installEventFilter(this);  // F1 on a highlighted item
    return menu;
}

void Principal::CrearMenus() {
    for (const Menu& m : Menus()) {
        QMenu* menu = NuevoMenu(m.nombre, m.texto);
        for (const Opcion& o : m.opciones) {
            QAction* accion = o.texto == nullptr ? menu->addSeparator() : menu->addAction(QString::fromUtf8(o.texto));
            accion->setObjectName(QString::fromLatin1(o.nombre));
            if (o.atajo != nullptr) accion->setShortcut(QKeySequence(QString::fromLatin1(o.atajo)));
            if (o.tema > 0) PonerTemaAyuda(accion, o.tema);
            if (o.clave != nullptr) {
                const QString clave = QString::fromLatin1(o.clave);
                accion->setEnabled(false);
                acciones_de_clave_[clave].append(accion);
                connect(accion, &QAction::triggered, this, [this, clave] { AbrirVentana(clave); });
            }
        }
    }
    // Cut, copy, paste and clear: offered by the rules of the moment each
    // time the Edit menu opens.
    auto item = [this](const char* nombre) { return findChild<QAction*>(QString::fromLatin1(nombre)); };
    edicion_ = new ComandosEdicion(
        *area_, {item("OpcCortar"), item("OpcCopiar"), item("OpcPegar"), item("OpcBorrar")}, this);
    connect(findChild<QMenu*>(QStringLiteral("MenuEdicion")), &QMenu::aboutToShow, edicion_,
            &ComandosEdicion::Actualizar);

    auto al_elegir = [this](const char* nombre, auto&& accion) {
        connect(findChild<QAction*>(QString::fromLatin1(nombre)), &QAction::triggered, this, accion);
    };
    al_elegir("OpcSalir", [this] { close(); });
    al_elegir("OpcCascada", [this] { Organizar(*area_, Disposicion::Cascada); });
    al_elegir("OpcHorizontal", [this] { Organizar(*area_, Disposicion::MosaicoHorizontal); });
    al_elegir("OpcVertical", [this] { Organizar(*area_, Disposicion::MosaicoVertical); });
    al_elegir("OpcIconos", [this] { Organizar(*area_, Disposicion::Iconos); });
    al_elegir("OpcAyuda", [this] { MostrarBuscadorAyuda(); });
    al_elegir("OpcAyuda2", [this] { MostrarAyudaSobreAyuda(); });
    al_elegir("OpcDirecciones", [this] { NuevoInternet(); });
    al_elegir("MenuAcerca", [this] { MostrarAcercaDe(); });

    menu_ventana_ = findChild<QMenu*>(QStringLiteral("MenuVentana"));
    connect(menu_ventana_, &QMenu::aboutToShow, this, &Principal::ActualizarMenuVentana);
}

void Principal::CrearBarras() {
    barra_menu_ = addToolBar(QStringLiteral("BarraMenu"));
    barra_menu_->setObjectName(QStringLiteral("BarraMenu"));
    barra_menu_->setMovable(false);
    barra_menu_->setIconSize(QSize(28, 28));
    for (const Boton& b : kBarraMenu) {
        if (b.clave == nullptr) {
            barra_menu_->addSeparator();
            continue;
        }
        const QString clave = QString::fromLatin1(b.clave);
        QAction* accion = barra_menu_->addAction(Icono(QString::fromLatin1(b.icono)), QString::fromUtf8(b.consejo));
        accion->setObjectName(clave);
        accion->setToolTip(QString::fromUtf8(b.consejo));
        connect(accion, &QAction::triggered, this, [this, clave] { BarraMenu_ButtonClick(clave); });
    }

    addToolBarBreak();
    herramientas_ = addToolBar(QStringLiteral("Herramientas"));
    herramientas_->setObjectName(QStringLiteral("Herramientas"));
    herramientas_->setMovable(false);
    herramientas_->setIconSize(QSize(32, 32));
    herramientas_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const Boton& b : kHerramientas) {
        if (b.clave == nullptr) {
            herramientas_->addSeparator();
            continue;
        }
        const QString clave = QString::fromLatin1(b.clave);
        QAction* accion = herramientas_->addAction(Icono(QString::fromLatin1(b.icono)), QString::fromUtf8(b.leyenda));
        accion->setObjectName(clave);
        accion->setToolTip(QString::fromUtf8(b.consejo));
        accion->setEnabled(false);
        acciones_de_clave_[clave].append(accion);
        connect(accion, &QAction::triggered, this, [this, clave] { Herramientas_ButtonClick(clave); });
    }
    herramientas_->hide();
}
