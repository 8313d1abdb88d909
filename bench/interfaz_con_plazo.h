// A user interface for timing the solvers: it shows nothing, remembers the
// catalogue errors a run reported and asks to stop once a deadline has
// passed, so that a run too long for its time limit ends at its next stop
// check with the usual warning (counted, not shown).
#pragma once

#include <chrono>
#include <vector>

#include "errors/interfaz_usuario.h"

class InterfazConPlazo final : public errores::InterfazUsuario {
public:
    using Reloj = std::chrono::steady_clock;

    // Without a limit the run is never asked to stop.
    explicit InterfazConPlazo(Reloj::duration limite = Reloj::duration::max())
        : plazo_(limite == Reloj::duration::max() ? Reloj::time_point::max() : Reloj::now() + limite) {}

    std::vector<int> errores;
    int advertencias = 0;

    void MostrarError(int numero) override { errores.push_back(numero); }
    void MostrarAdvertencia() override { ++advertencias; }
    void PonerPuntero(errores::Puntero) override {}
    void ProcesarEventos() override {}
    bool DetenerSolicitado() override { return Reloj::now() >= plazo_; }
    double LeerProgreso() override { return progreso_; }
    void PonerProgreso(double valor) override { progreso_ = valor; }

private:
    Reloj::time_point plazo_;
    double progreso_ = 0;
};
