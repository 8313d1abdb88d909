// Entrada: the splash window the program starts in. Its start button
// BtnIniciar, a click on its frame Frame1 or any character key (Enter and
// Escape included; not function, arrow or modifier keys) dismisses it: it
// announces Iniciado, on which the main window is shown, and closes itself.
// It has no caption and no timer, and never closes on its own.
#pragma once

#include <QFrame>

class QPushButton;

class Entrada : public QFrame {
    Q_OBJECT

public:
    explicit Entrada(QWidget* parent = nullptr);

    QPushButton* BtnIniciar() const { return btn_iniciar_; }
    QFrame* Frame1() const { return frame1_; }

    // Dismisses the splash: Iniciado once, then the window closes and is deleted.
    void Iniciar();

signals:
    void Iniciado();

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    QFrame* frame1_;
    QPushButton* btn_iniciar_;
    bool iniciado_ = false;
};
