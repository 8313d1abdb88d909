#include "ui/problems/ejemplos.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "solvers/ejemplos.h"
#include "ui/problems/encabezado_logaritmo.h"
#include "ui/shell/ayuda_contextual.h"
#include "ui/shell/dialogo_comun.h"
#include "ui/shell/grupo_edicion.h"
#include "ui/shell/iconos.h"
#include "ui/shell/servicios.h"

namespace {

// A column of a page after the digit labels: a box of one of the row's
// numbers under its heading, or a mark between two boxes.
struct Columna {
    const char* nombre = nullptr;  // of its boxes (with the row: "Numero_1"), null for a mark
    const char* marca = nullptr;   // "=" or "*"
};

struct BotonEleccion {
    const char* consejo;  // tooltip
    const char* rotulo;   // the label beside it
};

struct DatosFamilia {
    const char* nombre;  // the chooser's; a page adds its number
    const char* titulo;
    const char* encabezado;
    int tema;
    const char* icono;
    std::array<BotonEleccion, 3> botones;
    std::array<const char*, 3> titulos_paginas;
    const char* encabezado_digitos;
    // The headings of the number columns, page by page (they differ by one
    // blank on the second factorization page).
    std::array<std::vector<const char*>, 3> encabezados;
    std::vector<Columna> columnas;
};

const DatosFamilia kFactorizacion{
    "EjemploFactorizacion",
    "Ejemplos de Factorización",
    "Elige los ejemplos de Factorización que quieras ver:",
    49,
    "ejemplos_fac",
    {{{"Ejemplos de Factorización de números con longitud de 1 a 20 dígitos",
       "Números con longitud de 1 a 20 dígitos"},
      {"Ejemplos de Factorización de números con longitud de 20 a 50 dígitos",
       "Números con longitud de 20 a 50 dígitos"},
      {"Ejemplos de Factorización de números con longitud de 50 a 80 dígitos",
       "Números con longitud de 50 a 80 dígitos"}}},
    {"Ejemplos de Factorización : 1 a 20 dígitos", "Ejemplos de Factorización: 20 a 50 dígitos",
     "Ejemplos de Factorización: 50 a 80 dígitos"},
    "Dígitos de Número",
    {{{"Número", "Factor 1", "Factor 2"}, {"Número", "Factor1", "Factor 2"}, {"Número", "Factor 1", "Factor 2"}}},
    {{"Numero"}, {nullptr, "="}, {"Factor1"}, {nullptr, "*"}, {"Factor2"}},
};

const DatosFamilia kLogaritmo{
    "EjemploLogaritmo",
    "Ejemplos de Logaritmo Discreto",
    "Elige los ejemplos de Logaritmo Discreto que quieras ver:",
    50,
    "ejemplos_log",
    {{{"Ejemplos de Logaritmos de números con longitud de 1 a 15 dígitos",
       "Logaritmos de números con longitud de 1 a 15 dígitos"},
      {"Ejemplos de Logaritmos de números con longitud de 15 a 30 dígitos",
       "Logaritmos de números con longitud de 15 a 30 dígitos"},
      {"Ejemplos de Logaritmos de números con longitud de 30 a 45 dígitos",
       "Logaritmos de números con longitud de 30 a 45 dígitos"}}},
    {"Ejemplos de Logaritmo Discreto: 1 a 15 dígitos", "Ejemplos de Logaritmo Discreto: 15 a 30 dígitos",
     "Ejemplos de Logaritmo Discreto: 30 a 45 digitos"},
    "Dígitos de Beta",
    {{{"Alfa", "Beta", "Grupo", "Logaritmo"},
      {"Alfa", "Beta", "Grupo", "Logaritmo"},
      {"Alfa", "Beta", "Grupo", "Logaritmo"}}},
    {{"Alfa"}, {"Beta"}, {"Grupo"}, {nullptr, "="}, {"Logaritmo"}},
};

const DatosFamilia& Datos(FamiliaEjemplos familia) {
    return familia == FamiliaEjemplos::Factorizacion ? kFactorizacion : kLogaritmo;
}

// A page's rows from the core's table: the digit count and the numbers of
// each row, in the order of the family's number columns.
struct Fila {
    int digitos;
    std::vector<const char*> numeros;
};

std::vector<Fila> FilasDe(FamiliaEjemplos familia, int pagina) {
    std::vector<Fila> filas;
    if (familia == FamiliaEjemplos::Factorizacion) {
        for (const CasoFactorizacion& c : CasosFactorizacion()) {
            if (c.pagina == pagina) filas.push_back({c.digitos, {c.numero, c.factor1, c.factor2}});
        }
    } else {
        for (const CasoLogaritmo& c : CasosLogaritmo()) {
            if (c.pagina == pagina) filas.push_back({c.digitos, {c.alfa, c.beta, c.grupo, c.logaritmo}});
        }
    }
    return filas;
}

void PonerNegrita(QWidget* w) {
    QFont letra = w->font();
    letra.setBold(true);
    w->setFont(letra);
}

void DarIdentidad(QWidget* ventana, const DatosFamilia& d, const QString& nombre, const QString& titulo,
                  GrupoEdicion grupo) {
    ventana->setObjectName(nombre);
    ventana->setWindowTitle(titulo);
    ventana->setWindowIcon(Icono(QString::fromLatin1(d.icono)));
    PonerTemaAyuda(ventana, d.tema);
    PonerGrupoEdicion(ventana, grupo);
}

constexpr int kLadoImagen = 64;  // the chooser's picture
constexpr int kMargenCaja = 4;   // characters a box has beyond its longest number

}  // namespace

// ---- Chooser ----------------------------------------------------------------

EleccionEjemplos::EleccionEjemplos(ServiciosPrincipal& servicios, FamiliaEjemplos familia) {
    const DatosFamilia& d = Datos(familia);
    DarIdentidad(this, d, QString::fromLatin1(d.nombre), QString::fromUtf8(d.titulo), GrupoEdicion::Ninguno);

    QLabel* encabezado = NuevaEtiqueta(QStringLiteral("Encabezado"), QString::fromUtf8(d.encabezado), this);
    PonerNegrita(encabezado);

    auto* botones = new QGridLayout;
    botones->setHorizontalSpacing(12);
    for (int i = 0; i < 3; ++i) {
        const BotonEleccion& b = d.botones[static_cast<std::size_t>(i)];
        const int pagina = i + 1;
        QPushButton* boton = NuevoBotonImagen(QStringLiteral("Btn%1").arg(pagina),
                                              QStringLiteral("tamano_%1").arg(pagina),
                                              QString::fromUtf8(b.consejo), this);
        connect(boton, &QPushButton::clicked, this,
                [&servicios, familia, pagina] { servicios.MostrarHija(new PaginaEjemplos(familia, pagina)); });
        botones->addWidget(boton, i, 0);
        botones->addWidget(NuevaEtiqueta(QStringLiteral("Rotulo%1").arg(pagina), QString::fromUtf8(b.rotulo), this),
                           i, 1);
    }
    botones->setColumnStretch(1, 1);

    auto* cuerpo = new QHBoxLayout;
    cuerpo->addWidget(NuevaImagen(QStringLiteral("Imagen1"), QString::fromLatin1(d.icono), kLadoImagen, this), 0,
                      Qt::AlignTop);
    cuerpo->addSpacing(12);
    cuerpo->addLayout(botones, 1);

    auto* pie = new QHBoxLayout;
    pie->addStretch();
    pie->addWidget(NuevoBotonCerrar(this));

    auto* todo = new QVBoxLayout(this);
    todo->setContentsMargins(14, 12, 14, 8);
    todo->addWidget(encabezado);
    todo->addSpacing(10);
    todo->addLayout(cuerpo);
    todo->addLayout(pie);
}

// ---- Page -------------------------------------------------------------------

PaginaEjemplos::PaginaEjemplos(FamiliaEjemplos familia, int pagina) : desplazable_(new QScrollArea(this)) {
    const DatosFamilia& d = Datos(familia);
    const auto indice = static_cast<std::size_t>(pagina - 1);
    DarIdentidad(this, d, QStringLiteral("%1%2").arg(QLatin1String(d.nombre)).arg(pagina),
                 QString::fromUtf8(d.titulos_paginas[indice]), GrupoEdicion::PaginaSoloLectura);

    QLabel* encabezado = nullptr;
    if (familia == FamiliaEjemplos::Logaritmo) {
        encabezado = new EncabezadoLogaritmo(this);
    } else {
        encabezado = new QLabel(QStringLiteral("Numero = Factor1 * Factor2"), this);
        encabezado->setTextFormat(Qt::PlainText);
        DarFormaDeEncabezado(encabezado);
    }

    auto* tabla = new QWidget;
    tabla->setObjectName(QStringLiteral("TablaEjemplos"));
    auto* rejilla = new QGridLayout(tabla);
    rejilla->setHorizontalSpacing(6);
    rejilla->setVerticalSpacing(6);

    // Headings: the digit labels', then one over each column of boxes.
    QLabel* digitos = NuevaEtiqueta(QStringLiteral("EtqDigitos"), QString::fromUtf8(d.encabezado_digitos), this);
    PonerNegrita(digitos);
    rejilla->addWidget(digitos, 0, 0);
    const std::vector<const char*>& titulos = d.encabezados[indice];
    const std::vector<Fila> filas = FilasDe(familia, pagina);
    const QFont fija = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    std::size_t numero = 0;  // index of the next number column
    for (std::size_t c = 0; c < d.columnas.size(); ++c) {
        const Columna& columna = d.columnas[c];
        const int x = static_cast<int>(c) + 1;
        if (columna.nombre == nullptr) {
            for (std::size_t f = 0; f < filas.size(); ++f) {
                const int y = static_cast<int>(f) + 1;
                const QString nombre = *columna.marca == '=' ? QStringLiteral("Igual") : QStringLiteral("Por");
                QLabel* marca =
                    NuevaEtiqueta(QStringLiteral("%1_%2").arg(nombre).arg(y), QString::fromLatin1(columna.marca), this);
                PonerNegrita(marca);
                rejilla->addWidget(marca, y, x, Qt::AlignCenter);
            }
            continue;
        }
        const QString nombre = QString::fromLatin1(columna.nombre);
        QLabel* titulo = NuevaEtiqueta(QStringLiteral("Etq") + nombre, QString::fromUtf8(titulos[numero]), this);
        PonerNegrita(titulo);
        rejilla->addWidget(titulo, 0, x);
        // Every box of the column shows its column's longest number whole.
        qsizetype mas_largo = 0;
        for (const Fila& fila : filas) {
            mas_largo = std::max(mas_largo, static_cast<qsizetype>(std::strlen(fila.numeros[numero])));
        }
        for (std::size_t f = 0; f < filas.size(); ++f) {
            const int y = static_cast<int>(f) + 1;
            auto* caja = new QLineEdit(QString::fromLatin1(filas[f].numeros[numero]), this);
            caja->setObjectName(QStringLiteral("%1_%2").arg(nombre).arg(y));
            caja->setReadOnly(true);
            caja->setFont(fija);
            caja->setCursorPosition(0);
            caja->setMinimumWidth(caja->fontMetrics().horizontalAdvance(QString(mas_largo + kMargenCaja, u'0')));
            rejilla->addWidget(caja, y, x);
        }
        ++numero;
    }
    for (std::size_t f = 0; f < filas.size(); ++f) {
        const int y = static_cast<int>(f) + 1;
        rejilla->addWidget(NuevaEtiqueta(QStringLiteral("Digitos_%1").arg(y),
                                         QStringLiteral("%1 dígitos").arg(filas[f].digitos), this),
                           y, 0);
    }
    rejilla->setRowStretch(static_cast<int>(filas.size()) + 1, 1);

    desplazable_->setObjectName(QStringLiteral("Desplazable"));
    desplazable_->setWidget(tabla);
    desplazable_->setWidgetResizable(true);
    desplazable_->setFrameShape(QFrame::NoFrame);

    auto* pie = new QHBoxLayout;
    pie->addStretch();
    pie->addWidget(NuevoBotonCerrar(this));

    auto* todo = new QVBoxLayout(this);
    todo->setContentsMargins(10, 10, 10, 8);
    todo->addWidget(encabezado);
    todo->addWidget(desplazable_, 1);
    todo->addLayout(pie);
}

QSize PaginaEjemplos::sizeHint() const {
    constexpr int kAnchoMaximo = 980;  // fits the main window's area
    QSize todo = QWidget::sizeHint();
    const QMargins margenes = layout()->contentsMargins();
    const int ancho = desplazable_->widget()->sizeHint().width() + margenes.left() + margenes.right();
    if (ancho <= kAnchoMaximo) {
        todo.setWidth(std::max(todo.width(), ancho));
    } else {
        todo.setWidth(kAnchoMaximo);
        todo.rheight() += desplazable_->horizontalScrollBar()->sizeHint().height();
    }
    return todo;
}
