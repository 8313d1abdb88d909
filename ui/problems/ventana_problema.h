// VentanaProblema: the run part of the windows that run a solver (the
// factorization and discrete-logarithm windows). A window derives from it,
// builds its rows with the shared form (formulario_herramienta.h), checks
// its inputs when BtnCalcular is clicked, converts them, and hands the
// solver's call to Ejecutar.
//
// A run:
//   - starts only when none of this window's runs is in progress; a second
//     press is refused with a word in the status strip;
//   - reads the clock and sets the window's busy pointer (arrow with
//     hourglass), in the order the window's OrdenEjecucion gives, then runs
//     the solver on a worker (ejecucion.h);
//   - while it lasts, writes a progress line into the status strip about
//     once a second when this window is the one the user is looking at (the
//     active child window): the method and how far it got, from the
//     solver's reports (see DescribirAvance);
//   - when it ends, on the user-interface thread: the window writes its
//     results, then the elapsed time into Cuenta, then " Preparado" and the
//     pointer put back, in the window's order.
// BtnDetener stops every run in progress, in this window and any other.
// Closing the window abandons its run: no dialog, no result, at once.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>

#include <QList>
#include <QPointer>

#include "errors/buzon_avance.h"
#include "ui/shell/ejecucion.h"
#include "ui/shell/formulario_herramienta.h"

class QCloseEvent;
class QFrame;
class QRadioButton;

// One method of the panel of methods: its option and the help button left of it.
struct OpcionMetodo {
    QString nombre;  // the option
    QString texto;
    QString ayuda;   // its help button
    int tema = 0;    // the help topic that button opens
};

// The order of the steps around a run that the two windows take differently.
struct OrdenEjecucion {
    bool hora_antes_que_puntero = true;      // clock read, then busy pointer
    bool puntero_antes_que_preparado = true;  // pointer put back, then " Preparado"
};

class VentanaProblema : public FormularioHerramienta {
    Q_OBJECT

public:
    ~VentanaProblema() override;

    // The run in progress, or nullptr.
    Ejecucion* EjecucionEnCurso() const { return ejecucion_; }

protected:
    VentanaProblema(ServiciosPrincipal& servicios, const RasgosFormulario& rasgos, OrdenEjecucion orden);

    // BtnDetener: stops every run in progress (nothing when none is).
    QPushButton* NuevoBtnDetener();
    // BtnEjemplos: opens a new window of the examples chooser of this key.
    QPushButton* NuevoBtnEjemplos(const QString& icono, const QString& consejo, const QString& clave);
    // The panel of methods SSPanel3, right of Panel1, headed by SSPanel5
    // "Algoritmos": one option per method, in the order given, none chosen,
    // at most one chosen at a time, each with its help button at its left.
    QList<QRadioButton*> NuevoPanelMetodos(const QString& consejo, std::initializer_list<OpcionMetodo> metodos);
    // The problem windows' foot: BtnCalcular, BtnDetener, BtnCancelar,
    // BtnEjemplos, then the small BtnBorrar.
    void ColocarBotones(QPushButton* calcular, QPushButton* detener, QPushButton* ejemplos);

    // True, with the status strip saying so, when this window's run is still
    // going: the caller then starts nothing.
    bool RechazarSiEnCurso();

    // Runs `trabajo` (the solver's call, on a worker; it must touch no
    // widget) and then `mostrar` (the results into the window, on the
    // user-interface thread), with the steps around them described above.
    void Ejecutar(Ejecucion::Trabajo trabajo, std::function<void()> mostrar);

    // The progress line of a run, from its solver's latest reports.
    virtual QString DescribirAvance(const puerto::BuzonAvance::Lectura& avance) const;

    void closeEvent(QCloseEvent* evento) override;

private:
    void Terminar(const std::function<void()>& mostrar);
    void MostrarAvance();
    bool EsLaVentanaActiva() const;

    OrdenEjecucion orden_;
    QPointer<Ejecucion> ejecucion_;
    std::uint8_t hora_ = 0, minuto_ = 0, segundo_ = 0;  // when the run began
    puerto::Puntero puntero_previo_ = puerto::Puntero::Normal;
};
