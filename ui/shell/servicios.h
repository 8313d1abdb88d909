// What a tool window may ask of the main window. Every tool window receives
// one at construction: the main window (Principal) is the real one, window
// tests pass a fake that records what was asked.
#pragma once

#include <atomic>

#include <QIcon>
#include <QString>

class ServiciosPrincipal {
public:
    virtual ~ServiciosPrincipal() = default;

    // BarraEstado: clears the status strip and writes this one line in its
    // place. Hints begin with a blank; " Preparado" means idle.
    virtual void EscribirEstado(const QString& texto) = 0;

    // Detener: the one stop flag of the whole program. Problem windows clear
    // it when they load and before each run, their stop buttons set it, and
    // the solvers read it, possibly from a worker thread.
    virtual std::atomic<bool>& Detener() = 0;

    // CalcularEn / CalcularDis: the pictures of a Calculate button whose
    // window holds valid input / invalid input.
    virtual QIcon CalcularEn() const = 0;
    virtual QIcon CalcularDis() const = 0;

    // Cuadro_Dialogo, the help viewer: a numbered topic; the topic finder
    // (contents, index and search); the instructions on using help.
    virtual void MostrarTemaAyuda(int tema) = 0;
    virtual void MostrarBuscadorAyuda() = 0;
    virtual void MostrarAyudaSobreAyuda() = 0;
};
