#include "ui/shell/principal.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QToolBar>

#include "ui/shell/acerca_de.h"
#include "ui/shell/ayuda_contextual.h"
#include "ui/shell/barra_estado.h"
#include "ui/shell/iconos.h"
#include "ui/shell/internet.h"

namespace {

const QString kPreparado = QStringLiteral(" Preparado ");

}  // namespace

Principal::Principal(const QString& carpeta_ayuda, QWidget* parent)
    : QMainWindow(parent), area_(new QMdiArea(this)), estado_(new BarraEstado(this)), cuadro_dialogo_(carpeta_ayuda) {
    setObjectName(QStringLiteral("Principal"));
    setWindowTitle(QStringLiteral("Simulación de la Tornavela de Cifrados"));
    setWindowIcon(Icono(QStringLiteral("logo")));
    // No toolbar menu on right click: it could hide BarraMenu, which always stays.
    setContextMenuPolicy(Qt::PreventContextMenu);
    resize(1024, 720);

    area_->setObjectName(QStringLiteral("AreaVentanas"));
    setCentralWidget(area_);
    area_->viewport()->setMouseTracking(true);
    area_->viewport()->installEventFilter(this);
    setStatusBar(estado_);

    CrearMenus();
    CrearBarras();

    auto* ayuda = new QAction(this);
    ayuda->setObjectName(QStringLiteral("AyudaContextual"));
    ayuda->setShortcut(QKeySequence(Qt::Key_F1));
    addAction(ayuda);
    connect(ayuda, &QAction::triggered, this, [this] { AyudaContextual(WidgetConFoco()); });

    EscribirEstado(kPreparado);
}

Principal::~Principal() = default;

void Principal::EscribirEstado(const QString& texto) { estado_->Escribir(texto); }

QIcon Principal::CalcularEn() const { return Icono(QStringLiteral("calcular")); }

QIcon Principal::CalcularDis() const { return Icono(QStringLiteral("calcular_dis")); }

void Principal::MostrarTemaAyuda(int tema) { cuadro_dialogo_.MostrarTema(tema); }

void Principal::MostrarBuscadorAyuda() { cuadro_dialogo_.MostrarBuscador(); }

void Principal::MostrarAyudaSobreAyuda() { cuadro_dialogo_.MostrarAyudaSobreAyuda(); }

void Principal::RegistrarVentana(const QString& clave, FabricaVentana fabrica) {
    if (!acciones_de_clave_.contains(clave)) {
        qWarning("Principal: no menu item or toolbar button opens the window registered under \"%s\"",
                 qPrintable(clave));
    }
    fabricas_.insert(clave, std::move(fabrica));
    for (QAction* accion : acciones_de_clave_.value(clave)) accion->setEnabled(true);
}

QMdiSubWindow* Principal::AbrirVentana(const QString& clave) {
    const auto fabrica = fabricas_.constFind(clave);
    if (fabrica == fabricas_.cend()) return nullptr;
    return AbrirHija((*fabrica)(*this));
}

QMdiSubWindow* Principal::AbrirHija(QWidget* ventana) {
    QMdiSubWindow* marco = area_->addSubWindow(ventana);
    if (!ventana->windowIcon().isNull()) marco->setWindowIcon(ventana->windowIcon());
    marco->show();
    area_->setActiveSubWindow(marco);
    return marco;
}

QMdiSubWindow* Principal::MostrarAcercaDe() {
    // A closed window is only hidden until its deletion comes round.
    if (acerca_compartido_.isNull() || acerca_compartido_->isHidden()) {
        acerca_compartido_ = NuevoAcercaDe();
        return acerca_compartido_;
    }
    if (acerca_compartido_->isMinimized()) acerca_compartido_->showNormal();
    acerca_compartido_->raise();
    area_->setActiveSubWindow(acerca_compartido_);
    return acerca_compartido_;
}

QMdiSubWindow* Principal::NuevoAcercaDe() { return AbrirHija(new AcercaDe(*this)); }

QMdiSubWindow* Principal::NuevoInternet() { return AbrirHija(new Internet); }

void Principal::BarraMenu_ButtonClick(const QString& clave) {
    auto alternar = [](QWidget* w) { w->setHidden(!w->isHidden()); };
    if (clave == u"Salir") {
        close();
    } else if (clave == u"Herramientas") {
        alternar(herramientas_);
    } else if (clave == u"Fecha") {
        alternar(estado_->PanelFecha());
    } else if (clave == u"Hora") {
        alternar(estado_->Hora());
    } else if (clave == u"Ayuda") {
        MostrarBuscadorAyuda();
    } else if (clave == u"Internet") {
        NuevoInternet();
    } else if (clave == u"Acercade") {
        NuevoAcercaDe();
    }
}

void Principal::Herramientas_ButtonClick(const QString& clave) { AbrirVentana(clave); }

void Principal::AyudaContextual(const QWidget* widget) {
    if (const int tema = TemaAyudaDe(widget); tema > 0) {
        MostrarTemaAyuda(tema);
    } else {
        MostrarBuscadorAyuda();
    }
}

// The widget F1 is about: the focused one, or the active child window when
// the focus rests on a frame or nowhere.
QWidget* Principal::WidgetConFoco() const {
    QWidget* foco = QApplication::focusWidget();
    if (auto* marco = qobject_cast<QMdiSubWindow*>(foco)) return marco->widget();
    if (foco == nullptr || foco == area_ || foco == this) {
        if (QMdiSubWindow* activa = area_->activeSubWindow()) return activa->widget();
    }
    return foco;
}

void Principal::ActualizarMenuVentana() {
    qDeleteAll(lista_ventanas_);
    lista_ventanas_.clear();
    const QList<QMdiSubWindow*> ventanas = area_->subWindowList(QMdiArea::CreationOrder);
    int numero = 0;
    for (QMdiSubWindow* ventana : ventanas) {
        if (ventana->isHidden()) continue;
        if (lista_ventanas_.isEmpty()) lista_ventanas_.append(menu_ventana_->addSeparator());
        ++numero;
        QString titulo = ventana->windowTitle();
        titulo.replace(u'&', QStringLiteral("&&"));
        QAction* accion = menu_ventana_->addAction(
            numero < 10 ? QStringLiteral("&%1 %2").arg(numero).arg(titulo) : QStringLiteral("%1 %2").arg(numero).arg(titulo));
        accion->setCheckable(true);
        accion->setChecked(ventana == area_->activeSubWindow());
        const QPointer<QMdiSubWindow> destino(ventana);
        connect(accion, &QAction::triggered, this, [this, destino] {
            if (destino.isNull()) return;
            if (destino->isMinimized()) destino->showNormal();
            area_->setActiveSubWindow(destino);
        });
        lista_ventanas_.append(accion);
    }
}

void Principal::closeEvent(QCloseEvent* evento) {
    area_->closeAllSubWindows();
    for (const QMdiSubWindow* ventana : area_->subWindowList()) {
        if (!ventana->isHidden()) {  // it refused to close
            evento->ignore();
            return;
        }
    }
    ejecuciones_.AbandonarTodas();
    cuadro_dialogo_.Cerrar();
    evento->accept();
}

bool Principal::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == area_->viewport() && evento->type() == QEvent::MouseMove) {
        const auto* raton = static_cast<QMouseEvent*>(evento);
        if (area_->viewport()->childAt(raton->position().toPoint()) == nullptr) EscribirEstado(kPreparado);
    } else if (auto* menu = qobject_cast<QMenu*>(objeto); menu != nullptr && evento->type() == QEvent::KeyPress &&
                                                           static_cast<QKeyEvent*>(evento)->key() == Qt::Key_F1) {
        const int tema = TemaAyuda(menu->activeAction());
        while (QWidget* abierto = QApplication::activePopupWidget()) abierto->close();
        if (tema > 0) {
            MostrarTemaAyuda(tema);
        } else {
            MostrarBuscadorAyuda();
        }
        return true;
    }
    return QMainWindow::eventFilter(objeto, evento);
}
