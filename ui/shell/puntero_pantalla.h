// The screen-wide mouse pointer, as override cursors: normal (no override),
// arrow, hourglass, arrow with hourglass. Only the override this module set
// is ever replaced or removed, so other overrides (drag and drop) are left
// alone. User-interface thread only.
//
// A calculation remembers the shape in force, sets its busy shape and puts
// the remembered one back at its end:
//
//   const errores::Puntero antes = PunteroPantalla();
//   errores::Interfaz().PonerPuntero(errores::Puntero::Reloj);
//   ...
//   errores::Interfaz().PonerPuntero(antes);
#pragma once

#include "errors/interfaz_usuario.h"

void PonerPunteroPantalla(errores::Puntero forma);
errores::Puntero PunteroPantalla();
