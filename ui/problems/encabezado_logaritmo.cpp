#include "ui/problems/encabezado_logaritmo.h"

#include <QResizeEvent>

#include "ui/shell/iconos.h"

namespace {

// Seven blanks after "LOG" leave the picture its room.
const QString kTexto = QStringLiteral("Logaritmo = LOG       Beta Mod Grupo");
const QString kAntesDelHueco = QStringLiteral("Logaritmo = LOG");

}  // namespace

void DarFormaDeEncabezado(QLabel* panel) {
    panel->setObjectName(QStringLiteral("SSPanel4"));
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    panel->setAlignment(Qt::AlignCenter);
    QFont letra = panel->font();
    letra.setBold(true);
    letra.setPointSizeF(letra.pointSizeF() * 1.2);
    panel->setFont(letra);
    panel->setMinimumHeight(panel->fontMetrics().height() * 2);
}

EncabezadoLogaritmo::EncabezadoLogaritmo(QWidget* padre) : QLabel(kTexto, padre) {
    DarFormaDeEncabezado(this);
    // The picture fills the gap, drawn at its size, not scaled from another.
    const QSize hueco(fontMetrics().horizontalAdvance(QStringLiteral("       ")), fontMetrics().height());
    imagen_ = new QLabel(this);
    imagen_->setObjectName(QStringLiteral("Image2"));
    imagen_->setPixmap(Icono(QStringLiteral("base_alfa")).pixmap(hueco));
    imagen_->setFixedSize(hueco);
}

void EncabezadoLogaritmo::resizeEvent(QResizeEvent* evento) {
    QLabel::resizeEvent(evento);
    // The text is centred: the gap starts where "Logaritmo = LOG" ends.
    const QFontMetrics medidas = fontMetrics();
    const int inicio = contentsRect().left() + (contentsRect().width() - medidas.horizontalAdvance(kTexto)) / 2;
    const int base = contentsRect().top() + (contentsRect().height() + medidas.ascent() - medidas.descent()) / 2;
    // A subscript: its top at the middle of the letters, below the line.
    imagen_->move(inicio + medidas.horizontalAdvance(kAntesDelHueco), base - medidas.ascent() / 2);
}
