// The Qt side of the core's user-interface interface (errors/puerto_interfaz.h),
// installed by the program at start-up with puerto::Instalar.
//
// - Errors and the interruption warning go through a presenter
//   (presentador_dialogos.h): modal dialogs in the program, a recorder in tests.
// - Pointer shapes are screen-wide override cursors (puntero_pantalla.h).
// - The stop flag is the main window's Detener.
// - Progress is not kept here (it reads 0): a window with a progress bar
//   installs its own interface for the length of a calculation (see
//   interfaz_reenvio.h).
//
// Solvers let events run once per step, and a step can take as little as a
// few microseconds, about what running the event loop costs even when nothing
// is pending; so events run at most every few milliseconds, which keeps the
// clock, the hints and the stop buttons just as live.
//
// Calls may come from a worker thread. Dialogs and pointer changes then hop
// to the user-interface thread and the worker waits until they are done, so a
// worker must never be waited for by the user-interface thread without
// letting events run; ProcesarEventos does nothing off that thread.
#pragma once

#include <atomic>
#include <chrono>

#include "errors/puerto_interfaz.h"

class PresentadorDialogos;

class InterfazQt final : public puerto::PuertoInterfaz {
public:
    InterfazQt(std::atomic<bool>& detener, PresentadorDialogos& presentador);

    // Catalogue numbers with no entry (12) show nothing.
    void MostrarError(int numero) override;
    void MostrarAdvertencia() override;
    void PonerPuntero(puerto::Puntero forma) override;
    void ProcesarEventos() override;
    bool DetenerSolicitado() override;
    void PonerProgreso(double) override {}
    void InformarAvance(const puerto::Avance&) override {}

private:
    std::atomic<bool>& detener_;
    PresentadorDialogos& presentador_;
    // When events last ran (user-interface thread only); see ProcesarEventos.
    std::chrono::steady_clock::time_point eventos_ejecutados_{};
};
