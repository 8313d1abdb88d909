// Help topic numbers carried by windows, boxes and menu items. F1 opens the
// topic of the focused widget, or of the nearest enclosing widget that has
// one, or of the highlighted menu item.
//
//   PonerTemaAyuda(this, 8);        // the window and, through it, its boxes
//   PonerTemaAyuda(Salida, 8);      // a box may carry its own number
#pragma once

class QAction;
class QObject;
class QWidget;

inline constexpr char kPropiedadTemaAyuda[] = "temaAyuda";

void PonerTemaAyuda(QObject* objeto, int tema);
// The topic of this action, or 0 when it has none.
int TemaAyuda(const QAction* accion);
// The topic of `widget` or of its nearest ancestor that has one; 0 if none.
int TemaAyudaDe(const QWidget* widget);
