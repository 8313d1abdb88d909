// An interface that passes every call on to another one. A window derives
// from it to change one behaviour for the length of a calculation, e.g. a
// progress bar of its own, and leaves the rest to the program's interface:
//
//   class ProgresoEnBarra : public InterfazReenvio {
//       ...
//       void PonerProgreso(double v) override { barra_->setValue(...); }
//   };
//   ProgresoEnBarra ui(errores::Interfaz(), Gauge);
//   errores::InterfazEnHilo activa(ui);
#pragma once

#include "errors/interfaz_usuario.h"

class InterfazReenvio : public errores::InterfazUsuario {
public:
    explicit InterfazReenvio(errores::InterfazUsuario& destino) : destino_(destino) {}

    void MostrarError(int numero) override;
    void MostrarAdvertencia() override;
    void PonerPuntero(errores::Puntero forma) override;
    void ProcesarEventos() override;
    bool DetenerSolicitado() override;
    double LeerProgreso() override;
    void PonerProgreso(double valor) override;

protected:
    errores::InterfazUsuario& destino_;
};
