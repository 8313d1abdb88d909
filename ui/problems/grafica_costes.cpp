#include "ui/problems/grafica_costes.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

#include <QFont>
#include <QLocale>
#include <QPen>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>

namespace {

constexpr double kSeparacion = 0.12;  // digits between the points of two methods at one size
constexpr double kMarcador = 11;      // pixels of a point

// 10^e milliseconds as the time axis writes it: "0,01 ms", "1 ms", "10 s".
QString EtiquetaDecada(int e) {
    QLocale locale(QLocale::Spanish, QLocale::Spain);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    if (e >= 3) return locale.toString(std::pow(10.0, e - 3), 'f', 0) + QStringLiteral(" s");
    return locale.toString(std::pow(10.0, e), 'f', std::max(0, -e)) + QStringLiteral(" ms");
}

// The middle of the sorted values (of the two middle ones, on the log axis).
double MedianaLog(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t m = v.size() / 2;
    return v.size() % 2 == 1 ? v[m] : (v[m - 1] + v[m]) / 2;
}

void Esconder(QChart& grafica, QAbstractSeries* serie) {
    for (QLegendMarker* marca : grafica.legend()->markers(serie)) marca->setVisible(false);
}

void Fuentes(QAbstractAxis& eje) {
    QFont titulo = eje.titleFont();
    titulo.setPointSizeF(11);
    titulo.setBold(true);
    eje.setTitleFont(titulo);
    QFont rotulos = eje.labelsFont();
    rotulos.setPointSizeF(10);
    eje.setLabelsFont(rotulos);
}

}  // namespace

GraficaCostes::GraficaCostes(QWidget* padre) : QChartView(new QChart, padre) {
    setObjectName(QStringLiteral("Grafica"));
    setRenderHint(QPainter::Antialiasing);
    QChart* grafica = chart();
    grafica->setAnimationOptions(QChart::NoAnimation);
    grafica->setBackgroundRoundness(0);
    grafica->setMargins(QMargins(6, 6, 6, 6));
    grafica->legend()->setAlignment(Qt::AlignTop);
    QFont leyenda = grafica->legend()->font();
    leyenda.setPointSizeF(10);
    leyenda.setBold(true);
    grafica->legend()->setFont(leyenda);
    QFont titulo = grafica->titleFont();
    titulo.setPointSizeF(13);
    titulo.setBold(true);
    grafica->setTitleFont(titulo);
    setMinimumSize(480, 220);
}

void GraficaCostes::Dibujar(const QString& titulo, const QString& eje_digitos, const std::vector<Metodo>& metodos,
                            int desde, int hasta) {
    QChart* grafica = chart();
    grafica->removeAllSeries();
    for (QAbstractAxis* eje : grafica->axes()) {
        grafica->removeAxis(eje);
        delete eje;
    }
    grafica->setTitle(titulo);

    auto* eje_x = new QValueAxis;
    eje_x->setTitleText(eje_digitos);
    eje_x->setLabelFormat(QStringLiteral("%d"));
    eje_x->setRange(desde - 0.5, hasta + 0.5);
    eje_x->setTickType(QValueAxis::TicksDynamic);
    eje_x->setTickAnchor(desde);
    eje_x->setTickInterval(hasta - desde > 24 ? 2 : 1);
    eje_x->setMinorTickCount(0);
    auto* eje_y = new QCategoryAxis;
    eje_y->setTitleText(QStringLiteral("Tiempo (escala logarítmica)"));
    eje_y->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    Fuentes(*eje_x);
    Fuentes(*eje_y);
    grafica->addAxis(eje_x, Qt::AlignBottom);
    grafica->addAxis(eje_y, Qt::AlignLeft);

    double menor = std::numeric_limits<double>::infinity(), mayor = -menor;
    const double centro = (static_cast<double>(metodos.size()) - 1) / 2;
    for (std::size_t m = 0; m < metodos.size(); ++m) {
        const Metodo& metodo = metodos[m];
        const double desplazamiento = (static_cast<double>(m) - centro) * kSeparacion;
        const auto nueva = [&](auto* serie, const char* clase, const QString& nombre) {
            serie->setObjectName(QString::fromLatin1(clase) + u':' + metodo.clave);
            serie->setName(nombre);
            return serie;
        };

        // The expected growth, under everything else: the fitted height
        // plus, at each size, the mean extra of that size's instances.
        QLineSeries* esperado = nueva(new QLineSeries, "Esperado", metodo.nombre + QStringLiteral(": esperado"));
        esperado->setPen(QPen(metodo.color.lighter(125), 2, Qt::DashLine));
        if (const std::optional<RectaCoste> recta = AjustarEsperado(metodo.puntos, metodo.pendiente_esperada)) {
            std::map<int, std::pair<double, int>> extras;
            double extra_total = 0;
            for (const PuntoCoste& p : metodo.puntos) {
                auto& [suma, n] = extras[p.digitos];
                suma += p.extra;
                ++n;
                extra_total += p.extra;
            }
            const double extra_medio = metodo.puntos.empty() ? 0.0 : extra_total / metodo.puntos.size();
            for (int d = desde; d <= hasta; ++d) {
                const auto e = extras.find(d);
                const double extra = e != extras.end() ? e->second.first / e->second.second : extra_medio;
                esperado->append(d, recta->ordenada + recta->pendiente * d + extra);
            }
        }

        QLineSeries* mediana = nueva(new QLineSeries, "Mediana", metodo.nombre + QStringLiteral(": mediana"));
        mediana->setPen(QPen(metodo.color, 2.5));
        auto* puntos = nueva(new QScatterSeries, "Puntos", metodo.nombre);
        puntos->setMarkerShape(QScatterSeries::MarkerShapeCircle);
        puntos->setMarkerSize(kMarcador);
        puntos->setColor(metodo.color);
        puntos->setBorderColor(metodo.color.darker(140));
        auto* limite = nueva(new QScatterSeries, "Limite", metodo.nombre + QStringLiteral(": > límite"));
        limite->setMarkerShape(QScatterSeries::MarkerShapeTriangle);
        limite->setMarkerSize(kMarcador + 5);
        limite->setColor(Qt::white);
        limite->setPen(QPen(metodo.color.darker(110), 2.5));

        std::map<int, std::vector<double>> por_tamano;
        for (const PuntoCoste& p : metodo.puntos) {
            if (p.ms <= 0) continue;  // no place on a logarithmic axis
            const double y = std::log10(p.ms);
            (p.al_limite ? limite : puntos)->append(p.digitos + desplazamiento, y);
            if (!p.al_limite) por_tamano[p.digitos].push_back(y);
            menor = std::min(menor, y);
            mayor = std::max(mayor, y);
        }
        for (const auto& [d, tiempos] : por_tamano) mediana->append(d, MedianaLog(tiempos));

        for (QAbstractSeries* serie : std::initializer_list<QAbstractSeries*>{esperado, mediana, puntos, limite}) {
            grafica->addSeries(serie);
            serie->attachAxis(eje_x);
            serie->attachAxis(eje_y);
        }
        // The legend names each method once; the window says what the
        // shapes and lines are.
        Esconder(*grafica, esperado);
        Esconder(*grafica, mediana);
        Esconder(*grafica, limite);
    }

    // Whole decades around the points (0,1 ms to 10 s before any).
    if (mayor < menor) {
        menor = -1;
        mayor = 4;
    }
    // A point on a decade's line is not drawn half outside the chart.
    const int abajo = static_cast<int>(std::floor(menor - 0.1));
    const int arriba = std::max(abajo + 1, static_cast<int>(std::ceil(mayor + 0.1)));
    eje_y->setRange(abajo, arriba);
    eje_y->setStartValue(abajo);
    for (int e = abajo; e <= arriba; ++e) eje_y->append(EtiquetaDecada(e), e);
}
