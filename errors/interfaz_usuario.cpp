#include "errors/interfaz_usuario.h"

#include <atomic>
#include <cstdio>

#include "errors/catalogo.h"

namespace errores {
namespace {

// Used when nothing else is installed: a command-line run or a test that did
// not install its own fake. Errors go to standard error; nothing blocks.
class InterfazSinVentanas final : public InterfazUsuario {
public:
    void MostrarError(int numero) override {
        if (const EntradaCatalogo* e = BuscarError(numero)) {
            std::fprintf(stderr, "ERROR %d: %s (%s)\n", e->numero, e->mensaje, e->remedio);
        }
    }
    void MostrarAdvertencia() override {
        std::fprintf(stderr, "PROCESO INTERRUMPIDO\n");
    }
    void PonerPuntero(Puntero) override {}
    void ProcesarEventos() override {}
    bool DetenerSolicitado() override { return false; }
    // Progress is kept per thread so that two headless runs never mix.
    double LeerProgreso() override { return progreso_; }
    void PonerProgreso(double valor) override { progreso_ = valor; }

private:
    static thread_local double progreso_;
};

thread_local double InterfazSinVentanas::progreso_ = 0.0;

InterfazSinVentanas sin_ventanas;
std::atomic<InterfazUsuario*> instalada{nullptr};
thread_local InterfazUsuario* de_este_hilo = nullptr;

}  // namespace

InterfazUsuario& Interfaz() {
    if (de_este_hilo != nullptr) return *de_este_hilo;
    if (InterfazUsuario* global = instalada.load(std::memory_order_acquire)) return *global;
    return sin_ventanas;
}

void InstalarInterfaz(InterfazUsuario* interfaz) {
    instalada.store(interfaz, std::memory_order_release);
}

InterfazEnHilo::InterfazEnHilo(InterfazUsuario& interfaz) : anterior_(de_este_hilo) {
    de_este_hilo = &interfaz;
}

InterfazEnHilo::~InterfazEnHilo() { de_este_hilo = anterior_; }

}  // namespace errores
