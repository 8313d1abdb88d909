// The program-wide side of the core's port (errors/puerto_interfaz.h),
// installed by the program at start-up with puerto::Instalar. It serves
// what runs on the user-interface thread outside any window's own port:
//
// - errors and the interruption warning go through a presenter
//   (presentador_dialogos.h): modal dialogs in the program, a recorder in
//   tests;
// - the pointer belongs to a window: a window sets its own (puntero_ventana.h)
//   through the port it makes current for a calculation, so here a pointer
//   request changes nothing;
// - nothing run here is ever asked to stop: the solvers' runs happen on
//   workers, each with the port of its run (ejecucion.h);
// - progress has no bar here.
//
// ProcesarEventos runs the event loop at most every few milliseconds, so a
// method stepping in microseconds on this thread is not spent in it.
#pragma once

#include <chrono>

#include "errors/puerto_interfaz.h"

class PresentadorDialogos;

class PuertoQt final : public puerto::PuertoInterfaz {
public:
    explicit PuertoQt(PresentadorDialogos& presentador);

    // Catalogue numbers with no entry (12) show nothing. A call from another
    // thread waits for the user-interface thread to show the dialog.
    void MostrarError(int numero) override;
    void MostrarAdvertencia() override;
    void PonerPuntero(puerto::Puntero) override {}
    void ProcesarEventos() override;
    bool DetenerSolicitado() override { return false; }
    void PonerProgreso(double) override {}
    void InformarAvance(const puerto::Avance&) override {}

private:
    PresentadorDialogos& presentador_;
    // When events last ran (user-interface thread only); see ProcesarEventos.
    std::chrono::steady_clock::time_point eventos_ejecutados_{};
};
