// Internet: the links window, a child of the main window. Three web
// addresses shown as plain text (they are not links), each with a small
// picture, and the picture button BtnAceptar that closes the window.
#pragma once

#include <QWidget>

class QPushButton;

class Internet : public QWidget {
    Q_OBJECT

public:
    explicit Internet(QWidget* parent = nullptr);

    QPushButton* BtnAceptar() const { return btn_aceptar_; }

private:
    QPushButton* btn_aceptar_;
};
