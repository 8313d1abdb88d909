#include "errors/puerto_interfaz.h"

#include <atomic>
#include <cstdio>

#include "errors/catalogo.h"

namespace puerto {
namespace {

// Used when nothing else is installed: a command-line run or a test that did
// not install its own fake. Errors go to standard error; nothing blocks.
class PuertoSinVentanas final : public PuertoInterfaz {
public:
    void MostrarError(int numero) override {
        if (const errores::EntradaCatalogo* e = errores::BuscarError(numero)) {
            std::fprintf(stderr, "ERROR %d: %s (%s)\n", e->numero, e->mensaje, e->remedio);
        }
    }
    void MostrarAdvertencia() override { std::fprintf(stderr, "PROCESO INTERRUMPIDO\n"); }
    void PonerPuntero(Puntero) override {}
    void ProcesarEventos() override {}
    bool DetenerSolicitado() override { return false; }
    void PonerProgreso(double) override {}
    void InformarAvance(const Avance&) override {}
};

PuertoSinVentanas sin_ventanas;
std::atomic<PuertoInterfaz*> instalado{nullptr};
thread_local PuertoInterfaz* de_este_hilo = nullptr;

}  // namespace

PuertoInterfaz& Actual() {
    if (de_este_hilo != nullptr) return *de_este_hilo;
    if (PuertoInterfaz* global = instalado.load(std::memory_order_acquire)) return *global;
    return sin_ventanas;
}

void Instalar(PuertoInterfaz* puerto) { instalado.store(puerto, std::memory_order_release); }

EnHilo::EnHilo(PuertoInterfaz& puerto) : anterior_(de_este_hilo) { de_este_hilo = &puerto; }

EnHilo::~EnHilo() { de_este_hilo = anterior_; }

PuertoInterfaz* DeEsteHilo() { return de_este_hilo; }

}  // namespace puerto
