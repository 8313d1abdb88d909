// Principal: the program's frame, captioned "Simulación de la Tornavela de
// Cifrados". A multiple-document window that holds every tool window as a
// child, with the menus, the toolbars BarraMenu and Herramientas (hidden at
// start), the status strip with date and clock, the arrangement of the
// children, help and exit. It is also the ServiciosPrincipal every tool
// window is given.
//
// Tool windows are opened through a registry keyed by the Herramientas
// toolbar keys ("Op_Basicas", "Raiz", ...). Each key drives its toolbar
// button and its menu item; both stay disabled until a window factory is
// registered for the key, and then every trigger opens a new window.
//
// Closing the frame closes every child first and then ends the program,
// with no question and nothing saved; a child that refuses to close keeps
// the frame open. A closing child abandons its run; any run left is
// abandoned with the frame, and the registry waits for their workers when
// the frame is destroyed.
#pragma once

#include <functional>

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>

#include "ui/shell/cuadro_dialogo.h"
#include "ui/shell/disposicion.h"
#include "ui/shell/ejecucion.h"
#include "ui/shell/servicios.h"

class BarraEstado;
class ComandosEdicion;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

class Principal : public QMainWindow, public ServiciosPrincipal {
    Q_OBJECT

public:
    // Makes a new tool window (unparented; the frame adopts it).
    using FabricaVentana = std::function<QWidget*(ServiciosPrincipal&)>;

    explicit Principal(const QString& carpeta_ayuda = CarpetaAyudaInstalada(), QWidget* parent = nullptr);
    ~Principal() override;

    // ServiciosPrincipal.
    void EscribirEstado(const QString& texto) override;
    RegistroEjecuciones& Ejecuciones() override { return ejecuciones_; }
    void AbrirHerramienta(const QString& clave) override { AbrirVentana(clave); }
    void MostrarHija(QWidget* ventana) override { AbrirHija(ventana); }
    QIcon CalcularEn() const override;
    QIcon CalcularDis() const override;
    void MostrarTemaAyuda(int tema) override;
    void MostrarBuscadorAyuda() override;
    void MostrarAyudaSobreAyuda() override;

    // Tool windows.
    void RegistrarVentana(const QString& clave, FabricaVentana fabrica);
    // A new window of this key as a child; nullptr when the key has no factory.
    QMdiSubWindow* AbrirVentana(const QString& clave);
    // Shows `ventana` as a new child window and makes it the active one.
    QMdiSubWindow* AbrirHija(QWidget* ventana);

    // The shared About window of the Ayuda menu: created when needed, else
    // shown again and brought forward.
    QMdiSubWindow* MostrarAcercaDe();
    QMdiSubWindow* NuevoAcercaDe();
    QMdiSubWindow* NuevoInternet();

    // Toolbar buttons, by key; a key that matches no button does nothing.
    void BarraMenu_ButtonClick(const QString& clave);
    void Herramientas_ButtonClick(const QString& clave);

    // Context help (F1) for a widget: its topic, or the nearest enclosing
    // one's; with none, the topic finder.
    void AyudaContextual(const QWidget* widget);

    // Rebuilds the list of child windows at the foot of the Ventana menu
    // (done each time the menu opens).
    void ActualizarMenuVentana();

    QMdiArea* Area() const { return area_; }
    BarraEstado* Estado() const { return estado_; }
    QToolBar* BarraMenu() const { return barra_menu_; }
    QToolBar* Herramientas() const { return herramientas_; }
    // Cut, copy, paste and clear of the Edit menu (edicion.h).
    ComandosEdicion& Edicion() const { return *edicion_; }
    CuadroDialogo& Cuadro_Dialogo() { return cuadro_dialogo_; }

protected:
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void CrearMenus();
    void CrearBarras();
    QMenu* NuevoMenu(const char* nombre, const char* texto);
    QWidget* WidgetConFoco() const;

    QMdiArea* area_;
    BarraEstado* estado_;
    QToolBar* barra_menu_ = nullptr;
    QToolBar* herramientas_ = nullptr;
    QMenu* menu_ventana_ = nullptr;
    ComandosEdicion* edicion_ = nullptr;
    QList<QAction*> lista_ventanas_;  // the window list now in the Ventana menu
    CuadroDialogo cuadro_dialogo_;
    RegistroEjecuciones ejecuciones_;
    QHash<QString, FabricaVentana> fabricas_;
    QHash<QString, QList<QAction*>> acciones_de_clave_;
    QPointer<QMdiSubWindow> acerca_compartido_;
};
