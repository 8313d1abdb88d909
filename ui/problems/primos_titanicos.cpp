#include "ui/problems/primos_titanicos.h"

#include <array>

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/shell/ayuda_contextual.h"
#include "ui/shell/dialogo_comun.h"
#include "ui/shell/grupo_edicion.h"
#include "ui/shell/iconos.h"

namespace {

constexpr int kTema = 15;

struct Primo {
    const char* forma;  // powers written with ^
    const char* digitos;
};

struct Columna {
    const char* nombre;       // suffix of its controls' names
    const char* encabezado;   // plain text
    const char* descripcion;  // rich text when `rica`
    bool rica;
    std::array<Primo, 8> primos;
};

// A twin pair is p and p + 2, written k * 2^n ± 1; a Mersenne prime is
// 2^p − 1 (p raised in the description); a Sophie Germain prime p has
// 2p + 1 prime too.
const Columna kColumnas[] = {
    {"Gemelos",
     "Twin Primes    (p, p+2)",
     " Primos de la forma : p, p+2",
     false,
     {{{"242206083 * 2^38880 ± 1", "11713"},
       {"835335 * 2^39014 ± 1", "11751"},
       {"843753 * 2^22222 ± 1", "6696"},
       {"7485 * 2^20023 ± 1", "6032"},
       {"8182815 * 2^17838 ± 1", "5377"},
       {"570918348 * 10^5120 ± 1", "5129"},
       {"697053813 * 2^16352 ± 1", "4932"},
       {"6797727 * 2^15328 ± 1", "4622"}}}},
    {"Mersenne",
     "Mersenne Primes",
     "Primos de la forma : 2<sup>p</sup> − 1",
     true,
     {{{"2^3021377 - 1", "909526"},
       {"2^2976221 - 1", "895932"},
       {"2^1398269 - 1", "420921"},
       {"2^1257787 - 1", "378632"},
       {"2^859433 - 1", "258716"},
       {"2^756839 - 1", "227832"},
       {"2^216091 - 1", "65050"},
       {"2^132049 - 1", "39751"}}}},
    {"Germain",
     "Sophie Germain Primes",
     "Primos p para los que 2p+1 es primo",
     false,
     {{{"72021 * 2^23630 - 1", "7119"},
       {"276311 * 2^19003 - 1", "5726"},
       {"92305 * 2^16998 - 1", "5122"},
       {"470943129 * 2^16352 - 1", "4932"},
       {"157324389 * 2^16352 - 1", "4931"},
       {"5415312903 * 10^4526 - 1", "4536"},
       {"1468358892 * 10^4003 - 1", "4013"},
       {"224529135 * 2^12648 - 1", "3816"}}}},
};

QLabel* NuevoPanel(const QString& nombre, const QString& texto, Qt::TextFormat formato, bool negrita,
                   QWidget* padre) {
    QLabel* panel = NuevaEtiqueta(nombre, texto, padre);
    panel->setTextFormat(formato);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    panel->setAlignment(Qt::AlignCenter);
    panel->setMargin(4);
    if (negrita) {
        QFont letra = panel->font();
        letra.setBold(true);
        panel->setFont(letra);
    }
    return panel;
}

// A read-only table of eight primes, sized to show all of it without scrolling.
QTableWidget* NuevaTabla(const Columna& c, QWidget* padre) {
    auto* tabla = new QTableWidget(static_cast<int>(c.primos.size()), 2, padre);
    tabla->setObjectName(QStringLiteral("Tabla%1").arg(QLatin1String(c.nombre)));
    tabla->setHorizontalHeaderLabels({QStringLiteral("Primo"), QStringLiteral("Dígitos")});
    tabla->verticalHeader()->hide();
    tabla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabla->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tabla->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabla->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int fila = 0; fila < tabla->rowCount(); ++fila) {
        const Primo& p = c.primos[static_cast<std::size_t>(fila)];
        auto* forma = new QTableWidgetItem(QString::fromUtf8(p.forma));
        auto* digitos = new QTableWidgetItem(QString::fromUtf8(p.digitos));
        digitos->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        for (QTableWidgetItem* celda : {forma, digitos}) celda->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        tabla->setItem(fila, 0, forma);
        tabla->setItem(fila, 1, digitos);
    }
    tabla->resizeColumnsToContents();
    tabla->resizeRowsToContents();
    tabla->horizontalHeader()->setStretchLastSection(true);
    int alto = tabla->horizontalHeader()->sizeHint().height() + 2 * tabla->frameWidth();
    for (int fila = 0; fila < tabla->rowCount(); ++fila) alto += tabla->rowHeight(fila);
    int ancho = 2 * tabla->frameWidth();
    for (int columna = 0; columna < tabla->columnCount(); ++columna) ancho += tabla->columnWidth(columna) + 12;
    tabla->setFixedHeight(alto);
    tabla->setMinimumWidth(ancho);
    return tabla;
}

}  // namespace

PrimosTitanicos::PrimosTitanicos(QWidget* padre) : QWidget(padre) {
    setObjectName(QStringLiteral("PrimosTitanicos"));
    setWindowTitle(QStringLiteral("Lista de Primos Titanicos"));
    setWindowIcon(Icono(QStringLiteral("titanicos")));
    PonerTemaAyuda(this, kTema);
    PonerGrupoEdicion(this, GrupoEdicion::Ninguno);

    auto* columnas = new QGridLayout;
    columnas->setHorizontalSpacing(12);
    int x = 0;
    for (const Columna& c : kColumnas) {
        const QString nombre = QLatin1String(c.nombre);
        columnas->addWidget(NuevoPanel(QStringLiteral("Encabezado") + nombre, QString::fromUtf8(c.encabezado),
                                       Qt::PlainText, true, this),
                            0, x);
        columnas->addWidget(NuevoPanel(QStringLiteral("Descripcion") + nombre, QString::fromUtf8(c.descripcion),
                                       c.rica ? Qt::RichText : Qt::PlainText, false, this),
                            1, x);
        columnas->addWidget(NuevaTabla(c, this), 2, x);
        ++x;
    }

    auto* pie = new QHBoxLayout;
    pie->addStretch();
    pie->addWidget(NuevoBotonCerrar(this));

    auto* todo = new QVBoxLayout(this);
    todo->setContentsMargins(10, 10, 10, 8);
    todo->addLayout(columnas);
    todo->addStretch();
    todo->addLayout(pie);
}
