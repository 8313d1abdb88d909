// A port that passes every call on to another one, and its window form.
//
// PuertoReenvio is the base for a port that changes one behaviour and leaves
// the rest to the port that was current before.
//
// PuertoVentana is what a tool window makes current for the length of a
// calculation on the user-interface thread: pointer shapes go to the window
// itself (and on to the port below, so a test's recorder sees them), the
// primality progress goes to the window's bar when it has one, everything
// else goes on as before:
//
//   PuertoVentana en_ventana(this, [this](double v) { Gauge->setValue(v); });
//   ... EsPrimo(n) ...
#pragma once

#include <functional>

#include <QPointer>
#include <QWidget>

#include "errors/puerto_interfaz.h"

class PuertoReenvio : public puerto::PuertoInterfaz {
public:
    explicit PuertoReenvio(puerto::PuertoInterfaz& destino) : destino_(destino) {}

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

// Current for this thread while it lives (user-interface thread only).
class PuertoVentana final : public PuertoReenvio {
public:
    explicit PuertoVentana(QWidget* ventana, std::function<void(double)> progreso = {});

    void PonerPuntero(puerto::Puntero forma) override;
    void PonerProgreso(double valor) override;

private:
    QPointer<QWidget> ventana_;
    std::function<void(double)> progreso_;
    puerto::EnHilo activo_;
};
