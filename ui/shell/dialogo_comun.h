// Pieces shared by the dialogs and the tool windows.
#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// A label with a fixed text, named for tests and style sheets.
QLabel* NuevaEtiqueta(const QString& nombre, const QString& texto, QWidget* padre);
// A picture of `lado` pixels.
QLabel* NuevaImagen(const QString& nombre, const QString& icono, int lado, QWidget* padre);
// A square picture button with no text: a picture of 32 pixels in a button
// of 46 (no picture when `icono` is empty).
QPushButton* NuevoBotonImagen(const QString& nombre, const QString& icono, const QString& consejo, QWidget* padre);
// BtnCerrar, the picture button "Cerrar la ventana" that closes `ventana`,
// and the frame around it when it is a child of the main window.
QPushButton* NuevoBotonCerrar(QWidget* ventana);
// The "Aceptar" button that closes a dialog; it is the default button.
QPushButton* NuevoBotonAceptar(const QString& nombre, QWidget* padre);
