#include "ui/problems/descripcion_avance.h"


using puerto::AvanceGuardado;
using puerto::Fase;
using puerto::Metodo;

namespace {

// A count as Spanish writes it: from five digits on, in groups of three
// separated by a narrow no-break space ("52 394", "5613").
QString Numero(std::uint64_t n) {
    QString cifras = QString::number(n);
    if (cifras.size() < 5) return cifras;
    for (qsizetype i = cifras.size() - 3; i > 0; i -= 3) cifras.insert(i, QChar(0x202F));
    return cifras;
}

// "N cosas", or "N cosa" for one.
QString Cuenta(std::uint64_t n, const char* singular, const char* plural) {
    return Numero(n) + u' ' + QString::fromUtf8(n == 1 ? singular : plural);
}

// One method's own words for its report, without its name.
QString Detalle(const AvanceGuardado& a) {
    switch (a.fase) {
    case Fase::Paseo:
        if (a.metodo == Metodo::Dixon) return Cuenta(a.pasos, "valor de x probado", "valores de x probados");
        return Cuenta(a.pasos, "paso", "pasos") + QStringLiteral(", ") +
               Cuenta(a.cambios, "cambio de función", "cambios de función");
    case Fase::Expansion: return Cuenta(a.pasos, "paso de la expansión", "pasos de la expansión");
    case Fase::Euclides:
        return QStringLiteral("comprobando un cuadrado, ") + Cuenta(a.pasos, "paso de Euclides", "pasos de Euclides");
    case Fase::Exponentes: return Cuenta(a.pasos, "exponente probado", "exponentes probados");
    case Fase::PasosEnanos:
        return QStringLiteral("tabla de %1 entradas, %2 de %1 pasos enanos").arg(Numero(a.total), Numero(a.pasos));
    case Fase::PasosGigantes:
        return QStringLiteral("tabla de %1 entradas, %2 de %1 pasos gigantes").arg(Numero(a.total), Numero(a.pasos));
    case Fase::FactorizarOrden:
        return QStringLiteral("factorizando Grupo - 1, ") + Cuenta(a.pasos, "factor hallado", "factores hallados");
    case Fase::Digitos:
        return QStringLiteral("factor %1^%2, dígito %3 de %2 (%4 de %5 dígitos)")
            .arg(QString::fromStdString(a.factor))
            .arg(a.exponente)
            .arg(a.digito + 1)
            .arg(Numero(a.pasos + 1), Numero(a.total));
    case Fase::Ninguna: break;
    }
    return {};
}

QString Nombre(Metodo m) {
    switch (m) {
    case Metodo::Rho: return QStringLiteral("Pollard Rho");
    case Metodo::Dixon: return QStringLiteral("Dixon");
    case Metodo::Fracciones: return QStringLiteral("Fracciones Continuas");
    case Metodo::Busqueda: return QStringLiteral("Busqueda Exhaustiva");
    case Metodo::GiganteEnano: return QStringLiteral("Paso Gigante-Paso Enano");
    case Metodo::PohligHellman: return QStringLiteral("Pohlig-Hellman");
    case Metodo::Ninguno: break;
    }
    return {};
}

QString Linea(const AvanceGuardado& a) { return Nombre(a.metodo) + QStringLiteral(": ") + Detalle(a); }

}  // namespace

QString DescribirAvance(const puerto::BuzonAvance::Lectura& avance) {
    if (avance.informes == 0) return {};
    // Pohlig–Hellman runs rho and baby-step giant-step as its own steps:
    // its stage first, then the step it is in.
    if (avance.exterior.metodo == Metodo::PohligHellman && avance.ultimo.metodo != Metodo::PohligHellman) {
        return u' ' + Linea(avance.exterior) + QStringLiteral(" — ") + Linea(avance.ultimo);
    }
    return u' ' + Linea(avance.ultimo);
}
