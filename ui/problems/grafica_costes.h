// The cost laboratory's chart: the time of each run against the digits of
// its instance, on a logarithmic time axis, one colour per method.
//
// The series hold log10 of the time in milliseconds, on a category axis
// whose lines fall on whole decades, labelled as Spanish writes times
// ("0,01 ms", "100 ms", "10 s"): a straight line there is a time that grows
// by the same factor for each digit more.
//
// For each method, four series (Qt Charts), named for tests by their
// objectName "<kind>:<method key>", and one entry in the legend, its name:
//   Puntos:<clave>    one circle per run the window passes as answered;
//   Limite:<clave>    one hollow triangle per run stopped at the time limit,
//                     at the time it was stopped (a lower bound);
//   Mediana:<clave>   the median time of each size's answered runs, a line;
//   Esperado:<clave>  the growth the method's cost predicts, a dashed line
//                     of that slope at the height that best fits the points
//                     (ajuste_costes.h), over the whole range of sizes.
// A method's circles and triangles are drawn a little apart from the other
// methods' at the same size, so that points of a race do not hide one
// another; the lines and the fits use the true sizes.
#pragma once

#include <vector>

#include <QColor>
#include <QString>
#include <QtCharts/QChartView>

#include "ui/problems/ajuste_costes.h"

class GraficaCostes final : public QChartView {
    Q_OBJECT

public:
    struct Metodo {
        QString clave;   // "PollardRho"
        QString nombre;  // "Pollard Rho", as the legend shows it
        QColor color;
        double pendiente_esperada = 0;
        std::vector<PuntoCoste> puntos;
    };

    explicit GraficaCostes(QWidget* padre = nullptr);

    // Draws everything again, sizes from `desde` to `hasta` on the digit
    // axis, whose title is `eje_digitos`.
    void Dibujar(const QString& titulo, const QString& eje_digitos, const std::vector<Metodo>& metodos, int desde,
                 int hasta);
};
