// The one door through which the core (arithmetic, solvers, checks) reaches
// the user interface.
//
// The core never shows a window itself. It reports a catalogue error, shows
// the interruption warning, sets the mouse pointer, lets pending events run,
// reads the program-wide stop flag and moves the primality progress bar, all
// through the InterfazUsuario that is current for the calling thread:
//
//   1. the one installed for this thread with InterfazEnHilo, if any
//      (a worker thread running a solver, a window routing progress to its
//      own bar, a test with its recording fake);
//   2. otherwise the one the program installed at start-up with
//      InstalarInterfaz (the Qt shell);
//   3. otherwise a headless default that writes errors to standard error and
//      never asks to stop.
//
// The program-wide pointer is atomic and the per-thread one is thread-local,
// so the core keeps no unguarded shared state.
#pragma once

namespace errores {

// Screen-wide mouse pointer shapes a calculation may ask for.
enum class Puntero { Normal, Flecha, Reloj, FlechaReloj };

class InterfazUsuario {
public:
    virtual ~InterfazUsuario() = default;

    // Shows the catalogue error with this number modally; returns once the
    // user has closed it.
    virtual void MostrarError(int numero) = 0;
    // Shows the "PROCESO INTERRUMPIDO" warning modally.
    virtual void MostrarAdvertencia() = 0;
    virtual void PonerPuntero(Puntero forma) = 0;
    // Lets pending window events run (repaint, clock, stop buttons).
    virtual void ProcesarEventos() = 0;
    // True when the user has pressed a stop button since the run began.
    virtual bool DetenerSolicitado() = 0;
    // Value of the primality window's progress bar, 0 to 100.
    virtual double LeerProgreso() = 0;
    virtual void PonerProgreso(double valor) = 0;
};

// The interface current for the calling thread (see above). Never null.
InterfazUsuario& Interfaz();

// Installs the program-wide interface (nullptr goes back to the headless
// default). The object must outlive every call made through it.
void InstalarInterfaz(InterfazUsuario* interfaz);

// Makes `interfaz` current for this thread while the guard lives, then
// restores what was current before. Guards nest.
class InterfazEnHilo {
public:
    explicit InterfazEnHilo(InterfazUsuario& interfaz);
    ~InterfazEnHilo();
    InterfazEnHilo(const InterfazEnHilo&) = delete;
    InterfazEnHilo& operator=(const InterfazEnHilo&) = delete;

private:
    InterfazUsuario* anterior_;
};

}  // namespace errores
