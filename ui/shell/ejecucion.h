// The run of a solver on a worker thread, the one lifecycle every window
// that runs a solver goes through, and the set of runs the program holds.
//
// A window starts a run with Ejecucion::Iniciar: `trabajo` runs on a worker
// of the program's RegistroEjecuciones with a port of its own made current
// there, and `al_terminar` runs on the user-interface thread once the work
// is done. The worker gives `trabajo` only what it was handed (numbers in,
// numbers out, held by shared pointers): it touches no widget.
//
// What the run's port does with the core's calls, from the worker:
//   - a catalogue error or the interruption warning is handed to the
//     user-interface thread, shown there through the port that was current
//     on the starting thread (the program's, or a test's recorder), and the
//     worker waits until it is closed, so dialogs and results keep their
//     order;
//   - a pointer shape is set on the run's window (and passed to that same
//     port); the worker does not wait;
//   - a stop check reads this run's own flag;
//   - progress reports are kept in a BuzonAvance that the window reads
//     whenever it likes (Avance), and Avanzo is signalled about once a
//     second while the run lasts.
// The user-interface thread picks these up on a short timer and never waits
// for the worker; the worker waits for the user-interface thread only while
// a dialog of its run is open.
//
// What the starting thread had set for tests is carried into the worker:
// the clock (FijarReloj), the random seed (FijarSemillaAleatoria) and the
// port current there.
//
// Stop, close and exit:
//   - Detener asks this run to stop; the solver sees it at its next stop
//     check, shows its warning and ends with zero outputs, and al_terminar
//     runs as after any end.
//   - Abandonar (its window is closing) asks it to stop as well, but shows
//     no dialog for it any more, releases a worker waiting on one, and never
//     calls al_terminar; it returns at once.
//   - A run deletes itself once its worker has ended.
//
// RegistroEjecuciones holds the runs in progress. DetenerTodas, what every
// stop button does, asks each run in progress to stop: a run started
// afterwards starts unstopped, so a stop never outlives the runs it was
// meant for, and with no run in progress it does nothing. Its destructor
// abandons every run and then waits for their workers, which by then wait
// for nothing, so no worker outlives what it calls.
#pragma once

#include <functional>
#include <memory>

#include <QList>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include "errors/buzon_avance.h"

class QWidget;
class RegistroEjecuciones;
struct EstadoEjecucion;

class Ejecucion final : public QObject {
    Q_OBJECT

public:
    using Trabajo = std::function<void()>;
    using AlTerminar = std::function<void()>;

    // Starts `trabajo` on a worker for `ventana` (whose pointer the run's
    // port sets). `al_terminar` runs on the user-interface thread after the
    // work unless the run was abandoned. The run belongs to the registry.
    static Ejecucion* Iniciar(RegistroEjecuciones& registro, QWidget* ventana, Trabajo trabajo,
                              AlTerminar al_terminar);

    void Detener();
    void Abandonar();
    // True once a stop was asked (by Detener or Abandonar).
    bool Detenida() const;
    bool Abandonada() const;

    // The latest progress reports of the run's solver.
    puerto::BuzonAvance::Lectura Avance() const;

signals:
    // About once a second while the run lasts, for a progress display.
    void Avanzo();
    // After al_terminar (or after the worker ended, when abandoned).
    void Terminada();

private:
    Ejecucion(RegistroEjecuciones& registro, QWidget* ventana, AlTerminar al_terminar);
    // On the user-interface thread: what the worker asked for, and its end.
    void Atender();

    RegistroEjecuciones& registro_;
    std::shared_ptr<EstadoEjecucion> estado_;
    AlTerminar al_terminar_;
    QTimer latido_;   // picks up the worker's requests
    QTimer avance_;   // Avanzo
    bool atendiendo_ = false;
    bool terminada_ = false;
};

class RegistroEjecuciones final : public QObject {
    Q_OBJECT

public:
    explicit RegistroEjecuciones(QObject* parent = nullptr);
    ~RegistroEjecuciones() override;

    void DetenerTodas();
    void AbandonarTodas();
    // The runs in progress, oldest first.
    const QList<Ejecucion*>& EnCurso() const { return ejecuciones_; }

signals:
    // A run started or ended.
    void Cambio();

private:
    friend class Ejecucion;
    void Agregar(Ejecucion* ejecucion);
    void Quitar(Ejecucion* ejecucion);

    QList<Ejecucion*> ejecuciones_;
    QThreadPool hilos_;
};
