#include "ui/problems/ajuste_costes.h"

#include <cmath>
#include <set>

bool EntraEnElAjuste(const PuntoCoste& punto) { return !punto.al_limite && punto.ms > 0; }

std::optional<RectaCoste> AjustarCrecimiento(const std::vector<PuntoCoste>& puntos) {
    // Means first, then the sums of products about them: steadier than the
    // raw sums when the sizes are large and close together.
    double suma_d = 0, suma_y = 0;
    int n = 0;
    std::set<int> tamanos;
    for (const PuntoCoste& p : puntos) {
        if (!EntraEnElAjuste(p)) continue;
        suma_d += p.digitos;
        suma_y += std::log10(p.ms);
        tamanos.insert(p.digitos);
        ++n;
    }
    if (tamanos.size() < 2) return std::nullopt;
    const double media_d = suma_d / n, media_y = suma_y / n;
    double sdd = 0, sdy = 0;
    for (const PuntoCoste& p : puntos) {
        if (!EntraEnElAjuste(p)) continue;
        const double dd = p.digitos - media_d;
        sdd += dd * dd;
        sdy += dd * (std::log10(p.ms) - media_y);
    }
    RectaCoste recta;
    recta.pendiente = sdy / sdd;
    recta.ordenada = media_y - recta.pendiente * media_d;
    recta.puntos = n;
    return recta;
}

std::optional<RectaCoste> AjustarEsperado(const std::vector<PuntoCoste>& puntos, double pendiente) {
    // With the slope fixed, the best height is the mean of what is left.
    double suma = 0;
    int n = 0;
    for (const PuntoCoste& p : puntos) {
        if (!EntraEnElAjuste(p)) continue;
        suma += std::log10(p.ms) - pendiente * p.digitos - p.extra;
        ++n;
    }
    if (n == 0) return std::nullopt;
    return RectaCoste{pendiente, suma / n, n};
}

double PendienteEsperada(puerto::Metodo metodo) {
    using puerto::Metodo;
    switch (metodo) {
    case Metodo::Rho:
    case Metodo::Fracciones: return 0.25;
    case Metodo::Dixon:
    case Metodo::GiganteEnano:
    case Metodo::PohligHellman: return 0.5;
    case Metodo::Busqueda: return 1.0;
    case Metodo::Ninguno: break;
    }
    return 0.0;
}

double FactorPorDigito(double pendiente) { return std::pow(10.0, pendiente); }
