#include "ui/problems/primos.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QVBoxLayout>

#include "ui/problems/primos_titanicos.h"
#include "ui/shell/ayuda_contextual.h"
#include "ui/shell/dialogo_comun.h"
#include "ui/shell/grupo_edicion.h"
#include "ui/shell/iconos.h"
#include "ui/shell/servicios.h"

namespace {

constexpr int kTema = 15;
constexpr int kColumnasVisibles = 64;  // characters of a row of the list, and a margin
constexpr int kFilasVisibles = 24;

// The whole file as text, or nothing when it cannot be read.
QString Leer(const QString& ruta) {
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    const QByteArray contenido = fichero.readAll();
    if (fichero.error() != QFileDevice::NoError) return {};
    return QString::fromUtf8(contenido);
}

}  // namespace

QString Primos::Fichero(const QString& carpeta) { return QDir(carpeta).filePath(QStringLiteral("ListaPrimos.txt")); }

Primos::Primos(ServiciosPrincipal& servicios, const QString& carpeta) {
    setObjectName(QStringLiteral("Primos"));
    setWindowTitle(QStringLiteral("Lista de números primos"));
    setWindowIcon(Icono(QStringLiteral("tabla")));
    PonerTemaAyuda(this, kTema);
    PonerGrupoEdicion(this, GrupoEdicion::ListaPrimos);

    auto* tabla = new QTextEdit(this);
    tabla->setObjectName(QStringLiteral("Tabla"));
    tabla->setReadOnly(true);
    tabla->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    tabla->setLineWrapMode(QTextEdit::NoWrap);  // the columns stay aligned
    tabla->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    tabla->setPlainText(Leer(Fichero(carpeta)));
    const QFontMetrics medidas = tabla->fontMetrics();
    tabla->setMinimumSize(medidas.horizontalAdvance(QString(kColumnasVisibles, u'0')) +
                               tabla->verticalScrollBar()->sizeHint().width(),
                           medidas.lineSpacing() * kFilasVisibles);

    QPushButton* titanicos = NuevoBotonImagen(QStringLiteral("BtnTitanicos"), QStringLiteral("titanicos"),
                                              QStringLiteral("Primos titánicos"), this);
    connect(titanicos, &QPushButton::clicked, this, [&servicios] { servicios.MostrarHija(new PrimosTitanicos); });

    auto* pie = new QHBoxLayout;
    pie->addWidget(titanicos);
    pie->addStretch();
    pie->addWidget(NuevoBotonCerrar(this));

    auto* todo = new QVBoxLayout(this);
    todo->setContentsMargins(10, 10, 10, 8);
    todo->addWidget(tabla, 1);
    todo->addLayout(pie);
}
