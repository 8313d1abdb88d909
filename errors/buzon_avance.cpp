#include "errors/buzon_avance.h"

namespace puerto {

void BuzonAvance::Copiar(const Avance& de, AvanceGuardado& a) {
    a.metodo = de.metodo;
    a.fase = de.fase;
    a.pasos = de.pasos;
    a.total = de.total;
    a.cambios = de.cambios;
    a.factor.assign(de.factor.data(), de.factor.size());  // reuses its storage
    a.exponente = de.exponente;
    a.digito = de.digito;
}

void BuzonAvance::Guardar(const Avance& avance) {
    const std::lock_guard<std::mutex> guarda(cerrojo_);
    Copiar(avance, lectura_.ultimo);
    if (avance.metodo == Metodo::PohligHellman) Copiar(avance, lectura_.exterior);
    ++lectura_.informes;
}

BuzonAvance::Lectura BuzonAvance::Leer() const {
    const std::lock_guard<std::mutex> guarda(cerrojo_);
    return lectura_;
}

}  // namespace puerto
