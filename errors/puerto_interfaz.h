// The core's port to the user interface: the one door through which the
// arithmetic, the solvers and the checks reach the screen.
//
// The core never shows a window itself. Through the PuertoInterfaz current
// for the calling thread it reports catalogue errors, shows the interruption
// warning, asks for a pointer shape, lets pending events run, reads whether
// its run was asked to stop, moves the primality progress bar and reports
// how far a long method has got. The current port is, in this order:
//
//   1. the one installed for this thread with EnHilo, if any (a worker thread
//      running a solver, a window routing progress or the pointer to itself,
//      a test with its recording fake);
//   2. otherwise the one the program installed at start-up with Instalar
//      (the Qt shell);
//   3. otherwise a headless default that writes errors to standard error,
//      never asks to stop and ignores the rest.
//
// Threads. The program-wide port is held in an atomic pointer and the
// per-thread one in a thread-local, so the core keeps no unguarded shared
// state. Each call below says whether it may block; an implementation that
// serves a worker thread must honour that (see ui/ for the Qt one).
#pragma once

#include <cstdint>
#include <string_view>

namespace puerto {

// Mouse pointer shapes a calculation may ask for.
enum class Puntero { Normal, Flecha, Reloj, FlechaReloj };

// The methods and phases a long computation reports its progress in.
enum class Metodo : std::uint8_t { Ninguno, Rho, Dixon, Fracciones, Busqueda, GiganteEnano, PohligHellman };

enum class Fase : std::uint8_t {
    Ninguna,
    Paseo,            // rho: steps of the walk; Dixon: values of x
    Expansion,        // continued fractions: expansion steps
    Euclides,         // continued fractions: gcd steps of one candidate
    Exponentes,       // exhaustive search: exponents tried
    PasosEnanos,      // baby-step giant-step: table entries built (of total)
    PasosGigantes,    // baby-step giant-step: giant steps taken (of total)
    FactorizarOrden,  // Pohlig–Hellman: prime powers of grupo - 1 found
    Digitos,          // Pohlig–Hellman: digits found (of total), for q^e
};

// Where a method has got to. `pasos` counts the steps of the phase so far;
// `total` is the number of steps the phase will take when that is known
// (0 otherwise); `cambios` counts rho's changes of its map (c - 1); the
// digits of the prime q whose power q^e Pohlig–Hellman is working on are in
// `factor` (valid only during the call), with `exponente` e and the digit
// `digito` (from 0) being found. Other fields are 0 or empty.
struct Avance {
    Avance() = default;
    Avance(Metodo m, Fase f, std::uint64_t t = 0) : metodo(m), fase(f), total(t) {}

    Metodo metodo = Metodo::Ninguno;
    Fase fase = Fase::Ninguna;
    std::uint64_t pasos = 0;
    std::uint64_t total = 0;
    std::uint64_t cambios = 0;
    std::string_view factor;
    int exponente = 0;
    int digito = 0;
};

class PuertoInterfaz {
public:
    virtual ~PuertoInterfaz() = default;

    // Shows the catalogue error with this number modally and returns once the
    // user has closed it. Blocks; any thread.
    virtual void MostrarError(int numero) = 0;
    // Shows the "PROCESO INTERRUMPIDO" warning modally; returns once it is
    // closed. Blocks; any thread.
    virtual void MostrarAdvertencia() = 0;
    // The pointer shape of the calculation's window. Never blocks; any thread.
    virtual void PonerPuntero(Puntero forma) = 0;
    // On the user-interface thread, runs the window events that are pending
    // and returns once their handlers have: it may block for as long as one
    // of them does (a handler that opens a modal dialog, for instance), and
    // any handler may run meanwhile. On any other thread it does nothing and
    // returns at once.
    virtual void ProcesarEventos() = 0;
    // True once a stop has been asked for the calling run. Never blocks; any
    // thread; cheap enough for every step.
    virtual bool DetenerSolicitado() = 0;
    // The primality window's progress bar, 0 to 100. The core keeps the value
    // and only writes it. Never blocks. Called from whatever thread runs the
    // primality test: in the program, the user-interface thread (the
    // primality window tests on it); a port that serves a worker takes the
    // call without touching any widget (a run's port drops it).
    virtual void PonerProgreso(double valor) = 0;
    // Progress of a long method, at every step of it; any thread. Cheap
    // enough for every step: it never waits for another thread beyond a
    // short lock, and allocates only to keep a factor text longer than any
    // it has kept before (so once per factor at most, never step by step).
    // Reports may be coalesced (only the latest one counts).
    virtual void InformarAvance(const Avance& avance) = 0;
};

// The port current for the calling thread (see above). Never null.
PuertoInterfaz& Actual();

// Installs the program-wide port (nullptr goes back to the headless
// default). The object must outlive every call made through it.
void Instalar(PuertoInterfaz* puerto);

// Makes `puerto` current for this thread while the guard lives, then
// restores what was current before. Guards nest.
class EnHilo {
public:
    explicit EnHilo(PuertoInterfaz& puerto);
    ~EnHilo();
    EnHilo(const EnHilo&) = delete;
    EnHilo& operator=(const EnHilo&) = delete;

private:
    PuertoInterfaz* anterior_;
};

// The port installed for this thread with EnHilo, or nullptr: what a run
// started from this thread carries into its worker.
PuertoInterfaz* DeEsteHilo();

}  // namespace puerto
