// An interface that passes every call on to another one. A window derives
// from it to change one behaviour for the length of a calculation, e.g. a
// progress bar of its own, and leaves the rest to the program's interface:
//
//   class ProgresoEnBarra : public InterfazReenvio {
//       ...
//       void PonerProgreso(double v) override { barra_->setValue(...); }
//   };
//   ProgresoEnBarra ui(puerto::Actual(), Gauge);
//   puerto::EnHilo activa(ui);
#pragma once

#include "errors/puerto_interfaz.h"

class InterfazReenvio : public puerto::PuertoInterfaz {
public:
    explicit InterfazReenvio(puerto::PuertoInterfaz& destino) : destino_(destino) {}

    void MostrarError(int numero) override;
    void MostrarAdvertencia() override;
    void PonerPuntero(puerto::Puntero forma) override;
    void ProcesarEventos() override;
    bool DetenerSolicitado() override;
    void PonerProgreso(double valor) override;
    void InformarAvance(const puerto::Avance& avance) override;

protected:
    puerto::PuertoInterfaz& destino_;
};
