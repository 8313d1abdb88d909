// Pieces shared by the error and warning dialogs.
#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// A label with a fixed text, named for tests and style sheets.
QLabel* NuevaEtiqueta(const QString& nombre, const QString& texto, QWidget* padre);
// A picture of `lado` pixels.
QLabel* NuevaImagen(const QString& nombre, const QString& icono, int lado, QWidget* padre);
// The "Aceptar" button that closes a dialog; it is the default button.
QPushButton* NuevoBotonAceptar(const QString& nombre, QWidget* padre);
