// Advertencia: the warning that a run stopped by the user has left its
// results incomplete. BtnOK closes it.
#pragma once

#include <QDialog>

class QPushButton;

class Advertencia : public QDialog {
    Q_OBJECT

public:
    explicit Advertencia(QWidget* parent = nullptr);

    QPushButton* BtnOK() const { return btn_ok_; }

private:
    QPushButton* btn_ok_;
};
