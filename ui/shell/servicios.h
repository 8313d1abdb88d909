// What a tool window may ask of the main window. Every tool window receives
// one at construction: the main window (Principal) is the real one, window
// tests pass a fake that records what was asked.
#pragma once

#include <QIcon>
#include <QString>

class QWidget;
class RegistroEjecuciones;

class ServiciosPrincipal {
public:
    virtual ~ServiciosPrincipal() = default;

    // BarraEstado: clears the status strip and writes this one line in its
    // place. Hints begin with a blank; " Preparado" means idle.
    virtual void EscribirEstado(const QString& texto) = 0;

    // The runs of solvers in progress, started through it (ejecucion.h). A
    // stop button of any problem window calls DetenerTodas: every run in
    // progress stops, and a run started afterwards does not.
    virtual RegistroEjecuciones& Ejecuciones() = 0;

    // CalcularEn / CalcularDis: the pictures of a Calculate button whose
    // window holds valid input / invalid input.
    virtual QIcon CalcularEn() const = 0;
    virtual QIcon CalcularDis() const = 0;

    // Opens a new tool window of this toolbar key ("EjemplosFac", ...), as
    // its menu item would; nothing when no window is registered for it.
    virtual void AbrirHerramienta(const QString& clave) = 0;

    // Shows `ventana`, a new tool window made by the caller, as a child of
    // the main window, which takes it over: how a window opens another one
    // of its own (an example chooser its pages, the prime list the titanic
    // primes).
    virtual void MostrarHija(QWidget* ventana) = 0;

    // Cuadro_Dialogo, the help viewer: a numbered topic; the topic finder
    // (contents, index and search); the instructions on using help.
    virtual void MostrarTemaAyuda(int tema) = 0;
    virtual void MostrarBuscadorAyuda() = 0;
    virtual void MostrarAyudaSobreAyuda() = 0;
};
