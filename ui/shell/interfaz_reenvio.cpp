#include "ui/shell/interfaz_reenvio.h"

void InterfazReenvio::MostrarError(int numero) { destino_.MostrarError(numero); }
void InterfazReenvio::MostrarAdvertencia() { destino_.MostrarAdvertencia(); }
void InterfazReenvio::PonerPuntero(puerto::Puntero forma) { destino_.PonerPuntero(forma); }
void InterfazReenvio::ProcesarEventos() { destino_.ProcesarEventos(); }
bool InterfazReenvio::DetenerSolicitado() { return destino_.DetenerSolicitado(); }
void InterfazReenvio::PonerProgreso(double valor) { destino_.PonerProgreso(valor); }
void InterfazReenvio::InformarAvance(const puerto::Avance& avance) { destino_.InformarAvance(avance); }
