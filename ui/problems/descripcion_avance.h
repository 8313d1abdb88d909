// The progress line of a solver's run, as the status strip shows it while
// the run lasts: the method and how far it got, from its latest reports.
//
//   " Pollard Rho: 120 345 pasos, 2 cambios de función"
//   " Pohlig-Hellman: factor 2^4, dígito 2 de 4 (5 de 8 dígitos) — Paso
//     Gigante-Paso Enano: tabla de 52 394 entradas, 5613 de 52 394 pasos enanos"
#pragma once

#include <QString>

#include "errors/buzon_avance.h"

QString DescribirAvance(const puerto::BuzonAvance::Lectura& avance);
