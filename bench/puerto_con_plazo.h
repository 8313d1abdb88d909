// A port for timing the solvers: it shows nothing, remembers the
// catalogue errors a run reported, keeps the progress reports as a window's
// run keeps them (a BuzonAvance, which also counts them), and asks to stop
// once a deadline has passed, so that a run too long for its time limit ends
// at its next stop check with the usual warning (counted, not shown).
#pragma once

#include <chrono>
#include <vector>

#include "errors/buzon_avance.h"
#include "errors/puerto_interfaz.h"

class PuertoConPlazo final : public puerto::PuertoInterfaz {
public:
    using Reloj = std::chrono::steady_clock;

    // Without a limit the run is never asked to stop.
    explicit PuertoConPlazo(Reloj::duration limite = Reloj::duration::max())
        : plazo_(limite == Reloj::duration::max() ? Reloj::time_point::max() : Reloj::now() + limite) {}

    std::vector<int> errores;
    int advertencias = 0;

    void MostrarError(int numero) override { errores.push_back(numero); }
    void MostrarAdvertencia() override { ++advertencias; }
    void PonerPuntero(puerto::Puntero) override {}
    void ProcesarEventos() override {}
    bool DetenerSolicitado() override { return Reloj::now() >= plazo_; }
    void PonerProgreso(double) override {}
    void InformarAvance(const puerto::Avance& avance) override { avances.Guardar(avance); }

    puerto::BuzonAvance avances;

private:
    Reloj::time_point plazo_;
};
