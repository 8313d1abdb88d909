// A port for timing the solvers: it shows nothing, remembers the
// catalogue errors a run reported, keeps the progress reports as a window's
// run keeps them (a BuzonAvance, which also counts them), counts them by
// method and phase with the time spent in each phase (PasosPorFase), and
// asks to stop once a deadline has passed, so that a run too long for its
// time limit ends at its next stop check with the usual warning (counted,
// not shown).
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "errors/buzon_avance.h"
#include "errors/puerto_interfaz.h"

// The reports of every (method, phase) seen, and the seconds spent in each
// phase: from the first report of a phase that follows another phase's to
// the next change of phase, or to Cerrar. The clock is read only at a
// change of phase, so counting costs a step next to nothing. A method that
// runs others as its steps (Pohlig–Hellman) hands the time over to theirs.
class PasosPorFase {
public:
    using Reloj = std::chrono::steady_clock;

    struct Cuenta {
        std::uint64_t pasos = 0;
        double segundos = 0;
    };

    void Contar(const puerto::Avance& avance) {
        const std::size_t i = Indice(avance.metodo, avance.fase);
        if (i != actual_) {
            const Reloj::time_point ahora = Reloj::now();
            Cerrar(ahora);
            actual_ = i;
            desde_ = ahora;
        }
        ++cuentas_[i].pasos;
    }

    // The method has returned: the phase it was in ends here.
    void Cerrar() { Cerrar(Reloj::now()); }

    const Cuenta& De(puerto::Metodo metodo, puerto::Fase fase) const { return cuentas_[Indice(metodo, fase)]; }

    // Adds the steps and seconds of another run's count to these.
    PasosPorFase& operator+=(const PasosPorFase& otra) {
        for (std::size_t i = 0; i < kNinguna; ++i) {
            cuentas_[i].pasos += otra.cuentas_[i].pasos;
            cuentas_[i].segundos += otra.cuentas_[i].segundos;
        }
        return *this;
    }

private:
    static constexpr std::size_t kMetodos = 7;  // puerto::Metodo's values
    static constexpr std::size_t kFases = 9;    // puerto::Fase's values
    static constexpr std::size_t kNinguna = kMetodos * kFases;

    static std::size_t Indice(puerto::Metodo metodo, puerto::Fase fase) {
        return static_cast<std::size_t>(metodo) * kFases + static_cast<std::size_t>(fase);
    }

    void Cerrar(Reloj::time_point ahora) {
        if (actual_ != kNinguna) cuentas_[actual_].segundos += std::chrono::duration<double>(ahora - desde_).count();
        actual_ = kNinguna;
    }

    std::array<Cuenta, kNinguna> cuentas_{};
    std::size_t actual_ = kNinguna;
    Reloj::time_point desde_{};
};

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
    // Without a limit the clock is not read: a stop check at every step of
    // a run would otherwise time the clock too.
    bool DetenerSolicitado() override { return plazo_ != Reloj::time_point::max() && Reloj::now() >= plazo_; }
    void PonerProgreso(double) override {}
    void InformarAvance(const puerto::Avance& avance) override {
        avances.Guardar(avance);
        pasos.Contar(avance);
    }

    puerto::BuzonAvance avances;
    PasosPorFase pasos;

private:
    Reloj::time_point plazo_;
};
