// AcercaDe: the About window, a child of the main window. A paragraph of
// eight lines (Linea 0..7) appears one line a second while two pictures,
// Abierto and Cerrado, take turns; the full paragraph stays ten seconds, then
// it is cleared and starts again. Every instance has its own timer Reloj2.
#pragma once

#include <array>

#include <QWidget>

class QLabel;
class QTimer;
class ServiciosPrincipal;

class AcercaDe : public QWidget {
    Q_OBJECT

public:
    static constexpr int kLineas = 8;
    static constexpr int kIntervaloLinea = 1000;     // ms between lines
    static constexpr int kIntervaloParrafo = 10000;  // ms the whole paragraph stays

    explicit AcercaDe(ServiciosPrincipal& servicios, QWidget* parent = nullptr);

    QLabel* Linea(int indice) const { return lineas_[static_cast<std::size_t>(indice)]; }
    QLabel* Abierto() const { return abierto_; }
    QLabel* Cerrado() const { return cerrado_; }
    QTimer* Reloj2() const { return reloj2_; }

    // One step of the animation (what each tick of Reloj2 does).
    void Reloj2_Timer();

protected:
    void mouseMoveEvent(QMouseEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    ServiciosPrincipal& servicios_;
    std::array<QLabel*, kLineas> lineas_{};
    QLabel* abierto_;
    QLabel* cerrado_;
    QTimer* reloj2_;
    int estado_ = 0;    // 1 while Cerrado is shown
    int contador_ = 0;  // index of the next line to show
};
