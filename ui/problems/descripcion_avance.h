// The progress line of a solver's run, as the status strip shows it while
// the run lasts: the method and how far it got, from its latest reports.
//
//   " Pollard Rho: 120 345 pasos, 2 cambios de función"
//   " Pohlig-Hellman: factor 2^4, dígito 2 de 4 — Paso Gigante-Paso Enano: 1 200 de 5 000 pasos gigantes"
#pragma once

#include <QString>

#include "errors/buzon_avance.h"

QString DescribirAvance(const puerto::BuzonAvance::Lectura& avance);
