// BarraEstado: the strip along the bottom of the main window. On the left
// one line of hint text (cut at the right when longer than the strip, which
// never widens the window); on the right the date panel PanelFecha (the short
// system date, set once) and the clock panel Hora, which Reloj1 refreshes
// every second whether it is shown or not. Both panels start hidden.
#pragma once

#include <QStatusBar>

class QLabel;
class QTimer;

class BarraEstado : public QStatusBar {
    Q_OBJECT

public:
    explicit BarraEstado(QWidget* parent = nullptr);

    // Clears the strip and writes `texto` in its place.
    void Escribir(const QString& texto);
    QString Texto() const;

    QLabel* PanelFecha() const { return panel_fecha_; }
    QLabel* Hora() const { return hora_; }
    QTimer* Reloj1() const { return reloj1_; }

    // One clock tick: Hora shows the current time as hh:mm:ss.
    void Reloj1_Timer();

private:
    QLabel* texto_;
    QLabel* panel_fecha_;
    QLabel* hora_;
    QTimer* reloj1_;
};
