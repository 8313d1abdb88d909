// The mouse pointer of one window: normal, arrow, hourglass, arrow with
// hourglass. A calculation or run shows its busy pointer over its own window
// only, so two windows running at once each keep theirs and neither can
// leave the other's behind. User-interface thread only.
//
//   const puerto::Puntero antes = PunteroVentana(ventana);
//   PonerPunteroVentana(ventana, puerto::Puntero::FlechaReloj);
//   ...
//   PonerPunteroVentana(ventana, antes);
#pragma once

#include "errors/puerto_interfaz.h"

class QWidget;

void PonerPunteroVentana(QWidget* ventana, puerto::Puntero forma);
// The shape last set on this window (normal when none was).
puerto::Puntero PunteroVentana(const QWidget* ventana);
