#include "ui/shell/ejecucion.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>

#include <QFutureWatcher>
#include <QPointer>
#include <QWidget>
#include <QtConcurrent/QtConcurrentRun>

#include "bignum/aleatorio.h"
#include "bignum/tiempo.h"
#include "ui/shell/puntero_ventana.h"

namespace {

// How often the user-interface thread picks up what a worker asked for: a
// dialog waits at most this long before it shows.
constexpr int kLatidoMs = 10;
// How often Avanzo is signalled.
constexpr int kAvanceMs = 1000;
// Workers the program may run at once; each run needs its own at once.
constexpr int kHilosMaximos = 32;

}  // namespace

namespace ejecucion_interno {

// Something the worker asks of the user-interface thread.
struct Peticion {
    enum class Tipo { Error, Advertencia, Puntero } tipo;
    int numero = 0;
    puerto::Puntero forma = puerto::Puntero::Normal;
    std::uint64_t orden = 0;  // position in the run's requests, from 1
};

// The port current on a run's worker.
class PuertoEjecucion final : public puerto::PuertoInterfaz {
public:
    explicit PuertoEjecucion(EstadoEjecucion& estado) : estado_(estado) {}

    void MostrarError(int numero) override;
    void MostrarAdvertencia() override;
    void PonerPuntero(puerto::Puntero forma) override;
    void ProcesarEventos() override {}
    bool DetenerSolicitado() override;
    void PonerProgreso(double) override {}
    void InformarAvance(const puerto::Avance& avance) override;

private:
    EstadoEjecucion& estado_;
};

}  // namespace ejecucion_interno

using ejecucion_interno::Peticion;
using ejecucion_interno::PuertoEjecucion;

// What the run object and its worker share; it lives as long as either
// holds it. The fields above the lock are set before the worker starts and
// only read afterwards.
struct EstadoEjecucion {
    puerto::PuertoInterfaz* destino = nullptr;  // shows the dialogs (user-interface thread)
    QPointer<QWidget> ventana;                  // user-interface thread only
    std::function<HoraDelDia()> reloj;
    std::optional<std::uint64_t> semilla;

    std::atomic<bool> detener{false};
    puerto::BuzonAvance avances;

    std::mutex cerrojo;
    std::condition_variable atendida;
    std::deque<Peticion> cola;           // requests not yet picked up
    std::uint64_t pedidas = 0;           // requests made so far
    std::uint64_t atendidas = 0;         // the last one done
    bool abandonada = false;
    bool terminada = false;              // the work has returned

    std::unique_ptr<PuertoEjecucion> puerto;

    // Worker: queues a request; with `esperar`, returns once it is done or
    // the run is abandoned. Nothing is queued for an abandoned run.
    void Pedir(Peticion peticion, bool esperar) {
        std::unique_lock<std::mutex> guarda(cerrojo);
        if (abandonada) return;
        peticion.orden = ++pedidas;
        const std::uint64_t orden = peticion.orden;
        cola.push_back(peticion);
        if (!esperar) return;
        atendida.wait(guarda, [&] { return abandonada || atendidas >= orden; });
    }

    // User-interface thread: does what was asked.
    void Hacer(const Peticion& p) {
        switch (p.tipo) {
        case Peticion::Tipo::Error: destino->MostrarError(p.numero); break;
        case Peticion::Tipo::Advertencia: destino->MostrarAdvertencia(); break;
        case Peticion::Tipo::Puntero:
            PonerPunteroVentana(ventana, p.forma);
            destino->PonerPuntero(p.forma);
            break;
        }
    }
};

namespace {

// What a run's task carries to its worker: the run's state and its work.
// The pool hands a task to whichever of its threads is free through a queue
// guarded by a lock inside Qt, which ThreadSanitizer does not see, so a
// thread reused for a second run would seem to read that run's task
// unsynchronised. Every move of a Paquete takes a lock the tool does see
// (QtConcurrent moves the task's function into place on the starting
// thread, and out of it on the worker just before calling it), so the
// hand-over is visible whatever thread takes the task.
class Paquete {
public:
    Paquete(std::shared_ptr<EstadoEjecucion> estado, Ejecucion::Trabajo trabajo)
        : estado_(std::move(estado)), trabajo_(std::move(trabajo)) {}
    Paquete(Paquete&& otro) noexcept {
        const std::lock_guard<std::mutex> guarda(Cerrojo());
        estado_ = std::move(otro.estado_);
        trabajo_ = std::move(otro.trabajo_);
    }
    Paquete(const Paquete&) = delete;
    Paquete& operator=(const Paquete&) = delete;
    Paquete& operator=(Paquete&&) = delete;
    ~Paquete() = default;

    EstadoEjecucion& Estado() const { return *estado_; }
    const Ejecucion::Trabajo& Trabajo() const { return trabajo_; }

private:
    static std::mutex& Cerrojo() {
        static std::mutex cerrojo;
        return cerrojo;
    }

    std::shared_ptr<EstadoEjecucion> estado_;
    Ejecucion::Trabajo trabajo_;
};

}  // namespace

namespace ejecucion_interno {

void PuertoEjecucion::MostrarError(int numero) { estado_.Pedir({Peticion::Tipo::Error, numero, puerto::Puntero::Normal, 0}, true); }
void PuertoEjecucion::MostrarAdvertencia() { estado_.Pedir({Peticion::Tipo::Advertencia, 0, puerto::Puntero::Normal, 0}, true); }
void PuertoEjecucion::PonerPuntero(puerto::Puntero forma) {
    estado_.Pedir({Peticion::Tipo::Puntero, 0, forma, 0}, false);
}
bool PuertoEjecucion::DetenerSolicitado() { return estado_.detener.load(std::memory_order_acquire); }
void PuertoEjecucion::InformarAvance(const puerto::Avance& avance) { estado_.avances.Guardar(avance); }

}  // namespace ejecucion_interno

// ---- Ejecucion ----------------------------------------------------------------

Ejecucion::Ejecucion(RegistroEjecuciones& registro, QWidget* ventana, AlTerminar al_terminar)
    : QObject(&registro), registro_(registro), estado_(std::make_shared<EstadoEjecucion>()),
      al_terminar_(std::move(al_terminar)) {
    estado_->ventana = ventana;
    estado_->puerto = std::make_unique<PuertoEjecucion>(*estado_);
    latido_.setInterval(kLatidoMs);
    connect(&latido_, &QTimer::timeout, this, &Ejecucion::Atender);
    avance_.setInterval(kAvanceMs);
    connect(&avance_, &QTimer::timeout, this, &Ejecucion::Avanzo);
}

Ejecucion* Ejecucion::Iniciar(RegistroEjecuciones& registro, QWidget* ventana, Trabajo trabajo,
                              AlTerminar al_terminar) {
    auto* ejecucion = new Ejecucion(registro, ventana, std::move(al_terminar));
    const std::shared_ptr<EstadoEjecucion> estado = ejecucion->estado_;
    estado->destino = &puerto::Actual();
    estado->reloj = RelojFijado();
    estado->semilla = SemillaFijada();
    registro.Agregar(ejecucion);

    auto* vigilante = new QFutureWatcher<void>(ejecucion);
    connect(vigilante, &QFutureWatcher<void>::finished, ejecucion, &Ejecucion::Atender);
    vigilante->setFuture(QtConcurrent::run(&registro.hilos_, [paquete = Paquete(estado, std::move(trabajo))] {
        EstadoEjecucion& e = paquete.Estado();
        {
            puerto::EnHilo activo(*e.puerto);
            FijarReloj(e.reloj);
            if (e.semilla) FijarSemillaAleatoria(*e.semilla);
            try {
                paquete.Trabajo()();
            } catch (...) {
                // Nothing the core throws is expected here; the run ends all
                // the same, with whatever outputs it has.
            }
            FijarReloj({});
        }
        const std::lock_guard<std::mutex> guarda(e.cerrojo);
        e.terminada = true;
    }));
    ejecucion->latido_.start();
    ejecucion->avance_.start();
    return ejecucion;
}

void Ejecucion::Detener() { estado_->detener.store(true, std::memory_order_release); }

void Ejecucion::Abandonar() {
    {
        const std::lock_guard<std::mutex> guarda(estado_->cerrojo);
        estado_->abandonada = true;
        estado_->cola.clear();
    }
    estado_->detener.store(true, std::memory_order_release);
    estado_->atendida.notify_all();
}

bool Ejecucion::Detenida() const { return estado_->detener.load(std::memory_order_acquire); }

bool Ejecucion::Abandonada() const {
    const std::lock_guard<std::mutex> guarda(estado_->cerrojo);
    return estado_->abandonada;
}

puerto::BuzonAvance::Lectura Ejecucion::Avance() const { return estado_->avances.Leer(); }

void Ejecucion::Atender() {
    // A dialog of this run is open (its event loop ticks here too), or the
    // run is over.
    if (atendiendo_ || terminada_) return;
    atendiendo_ = true;
    EstadoEjecucion& e = *estado_;
    bool fin = false;
    for (;;) {
        std::optional<Peticion> peticion;
        {
            const std::lock_guard<std::mutex> guarda(e.cerrojo);
            if (!e.abandonada && !e.cola.empty()) {
                peticion = e.cola.front();
                e.cola.pop_front();
            } else {
                // Read with the queue found empty: a worker that ended asked
                // for nothing more.
                fin = e.terminada;
            }
        }
        if (!peticion) break;
        e.Hacer(*peticion);
        {
            const std::lock_guard<std::mutex> guarda(e.cerrojo);
            e.atendidas = peticion->orden;
        }
        e.atendida.notify_all();
    }
    atendiendo_ = false;
    if (!fin) return;

    terminada_ = true;
    latido_.stop();
    avance_.stop();
    if (!Abandonada() && al_terminar_) al_terminar_();
    registro_.Quitar(this);
    emit Terminada();
    deleteLater();
}

// ---- RegistroEjecuciones --------------------------------------------------------

RegistroEjecuciones::RegistroEjecuciones(QObject* parent) : QObject(parent) {
    hilos_.setMaxThreadCount(kHilosMaximos);
}

RegistroEjecuciones::~RegistroEjecuciones() {
    AbandonarTodas();
    hilos_.waitForDone();
}

void RegistroEjecuciones::DetenerTodas() {
    for (Ejecucion* ejecucion : ejecuciones_) ejecucion->Detener();
}

void RegistroEjecuciones::AbandonarTodas() {
    for (Ejecucion* ejecucion : ejecuciones_) ejecucion->Abandonar();
}

void RegistroEjecuciones::Agregar(Ejecucion* ejecucion) {
    ejecuciones_.append(ejecucion);
    emit Cambio();
}

void RegistroEjecuciones::Quitar(Ejecucion* ejecucion) {
    ejecuciones_.removeOne(ejecucion);
    emit Cambio();
}
