// Test bench for the factorization and discrete-logarithm windows (see
// banco_ventanas.h), with the two windows made by name and helpers to wait
// for a run to end.
#pragma once

#include <QRadioButton>

#include "soporte/banco_ventanas.h"
#include "ui/problems/factorizacion.h"
#include "ui/problems/logaritmo.h"

inline std::unique_ptr<QWidget> NuevaVentanaProblema(const QString& nombre, ServiciosPrincipal& s) {
    if (nombre == u"Factorizacion") return std::make_unique<Factorizacion>(s);
    if (nombre == u"Logaritmo") return std::make_unique<Logaritmo>(s);
    qFatal("no problem window %s", qPrintable(nombre));
}

struct Banco : BancoVentanas {
    std::unique_ptr<QWidget> Abrir(const QString& nombre) { return AbrirCon(NuevaVentanaProblema, nombre); }
    bool SinEjecuciones() const { return servicios.ejecuciones.EnCurso().isEmpty(); }
};

inline QRadioButton* Opcion(const QWidget& v, const QString& nombre) { return Hijo<QRadioButton>(v, nombre); }
