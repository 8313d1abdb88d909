// The screen-wide mouse pointer, as override cursors: normal (no override),
// arrow, hourglass, arrow with hourglass. Only the override this module set
// is ever replaced or removed, so other overrides (drag and drop) are left
// alone. User-interface thread only.
//
// A calculation remembers the shape in force, sets its busy shape and puts
// the remembered one back at its end:
//
//   const puerto::Puntero antes = PunteroPantalla();
//   puerto::Actual().PonerPuntero(puerto::Puntero::Reloj);
//   ...
//   puerto::Actual().PonerPuntero(antes);
#pragma once

#include "errors/puerto_interfaz.h"

void PonerPunteroPantalla(puerto::Puntero forma);
puerto::Puntero PunteroPantalla();
