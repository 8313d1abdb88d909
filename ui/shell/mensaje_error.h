// MensajeError: the error dialog. Shows "ERROR" and the catalogue number on
// the top line in a heavy face, then "Error :" with the message and
// "Solución :" with the remedy; BtnAceptar closes it.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace errores {
struct EntradaCatalogo;
}

class MensajeError : public QDialog {
    Q_OBJECT

public:
    explicit MensajeError(QWidget* parent = nullptr);

    // Writes all three texts, so nothing of an earlier error stays.
    void Rellenar(const errores::EntradaCatalogo& entrada);

    QLabel* NumError() const { return num_error_; }
    QLabel* Descripcion() const { return descripcion_; }
    QLabel* Solucion() const { return solucion_; }
    QPushButton* BtnAceptar() const { return btn_aceptar_; }

private:
    QLabel* num_error_;
    QLabel* descripcion_;
    QLabel* solucion_;
    QPushButton* btn_aceptar_;
};
