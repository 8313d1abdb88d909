#include "ui/shell/puerto_reenvio.h"

#include "ui/shell/puntero_ventana.h"

void PuertoReenvio::MostrarError(int numero) { destino_.MostrarError(numero); }
void PuertoReenvio::MostrarAdvertencia() { destino_.MostrarAdvertencia(); }
void PuertoReenvio::PonerPuntero(puerto::Puntero forma) { destino_.PonerPuntero(forma); }
void PuertoReenvio::ProcesarEventos() { destino_.ProcesarEventos(); }
bool PuertoReenvio::DetenerSolicitado() { return destino_.DetenerSolicitado(); }
void PuertoReenvio::PonerProgreso(double valor) { destino_.PonerProgreso(valor); }
void PuertoReenvio::InformarAvance(const puerto::Avance& avance) { destino_.InformarAvance(avance); }

PuertoVentana::PuertoVentana(QWidget* ventana, std::function<void(double)> progreso)
    : PuertoReenvio(puerto::Actual()), ventana_(ventana), progreso_(std::move(progreso)), activo_(*this) {}

void PuertoVentana::PonerPuntero(puerto::Puntero forma) {
    PonerPunteroVentana(ventana_, forma);
    destino_.PonerPuntero(forma);
}

void PuertoVentana::PonerProgreso(double valor) {
    if (progreso_) {
        progreso_(valor);
    } else {
        destino_.PonerProgreso(valor);
    }
}
