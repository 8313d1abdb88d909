// Child windows of the main window: a tool window lives inside a frame of the
// multiple-document area; closing the window means closing that frame.
#pragma once

class QWidget;

// Closes `ventana` and the frame around it (the frame deletes both).
// A window that is not inside a frame is simply closed.
void CerrarVentanaHija(QWidget* ventana);
