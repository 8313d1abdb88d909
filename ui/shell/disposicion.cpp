#include "ui/shell/disposicion.h"

#include <algorithm>
#include <utility>

#include <QList>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

// Splits `longitud` into `n` parts that differ by at most one pixel.
std::vector<std::pair<int, int>> Repartir(int inicio, int longitud, int n) {
    std::vector<std::pair<int, int>> partes;
    for (int i = 0; i < n; ++i) {
        const int desde = inicio + longitud * i / n;
        const int hasta = inicio + longitud * (i + 1) / n;
        partes.emplace_back(desde, hasta - desde);
    }
    return partes;
}

// Windows that take part in a tiling: shown and not minimised.
QList<QMdiSubWindow*> Abiertas(const QMdiArea& area) {
    QList<QMdiSubWindow*> abiertas;
    for (QMdiSubWindow* w : area.subWindowList(QMdiArea::CreationOrder)) {
        if (w->isVisible() && !w->isMinimized()) abiertas.append(w);
    }
    return abiertas;
}

void Colocar(const QList<QMdiSubWindow*>& ventanas, const std::vector<QRect>& huecos) {
    for (qsizetype i = 0; i < ventanas.size(); ++i) {
        if (ventanas[i]->isMaximized()) ventanas[i]->showNormal();
        ventanas[i]->setGeometry(huecos[static_cast<std::size_t>(i)]);
    }
}

}  // namespace

std::vector<QRect> Franjas(const QRect& zona, int n) {
    std::vector<QRect> huecos;
    for (const auto& [y, alto] : Repartir(zona.top(), zona.height(), n)) {
        huecos.emplace_back(zona.left(), y, zona.width(), alto);
    }
    return huecos;
}

std::vector<QRect> Columnas(const QRect& zona, int n) {
    std::vector<QRect> huecos;
    for (const auto& [x, ancho] : Repartir(zona.left(), zona.width(), n)) {
        huecos.emplace_back(x, zona.top(), ancho, zona.height());
    }
    return huecos;
}

std::vector<QPoint> FilaDeIconos(const QRect& zona, const std::vector<QSize>& tamanos) {
    std::vector<QPoint> esquinas;
    int x = zona.left();
    int base = zona.bottom() + 1;  // the current row stands on this line
    int alto_fila = 0;
    for (const QSize& t : tamanos) {
        if (x > zona.left() && x + t.width() > zona.right() + 1) {
            x = zona.left();
            base -= alto_fila;
            alto_fila = 0;
        }
        esquinas.emplace_back(x, base - t.height());
        x += t.width();
        alto_fila = std::max(alto_fila, t.height());
    }
    return esquinas;
}

void Organizar(QMdiArea& area, Disposicion disposicion) {
    const QRect zona = area.viewport()->rect();
    switch (disposicion) {
    case Disposicion::Cascada:
        area.cascadeSubWindows();
        break;
    case Disposicion::MosaicoHorizontal: {
        const QList<QMdiSubWindow*> ventanas = Abiertas(area);
        Colocar(ventanas, Franjas(zona, static_cast<int>(ventanas.size())));
        break;
    }
    case Disposicion::MosaicoVertical: {
        const QList<QMdiSubWindow*> ventanas = Abiertas(area);
        Colocar(ventanas, Columnas(zona, static_cast<int>(ventanas.size())));
        break;
    }
    case Disposicion::Iconos: {
        QList<QMdiSubWindow*> iconos;
        std::vector<QSize> tamanos;
        for (QMdiSubWindow* w : area.subWindowList(QMdiArea::CreationOrder)) {
            if (w->isVisible() && w->isMinimized()) {
                iconos.append(w);
                tamanos.push_back(w->size());
            }
        }
        const std::vector<QPoint> esquinas = FilaDeIconos(zona, tamanos);
        for (qsizetype i = 0; i < iconos.size(); ++i) iconos[i]->move(esquinas[static_cast<std::size_t>(i)]);
        break;
    }
    }
}
