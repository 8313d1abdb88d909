#include "ui/problems/encabezado_logaritmo.h"

#include <QResizeEvent>

#include "ui/shell/dialogo_comun.h"

namespace {

// Seven blanks after "LOG" leave the picture its room.
const QString kTexto = QStringLiteral("Logaritmo = LOG       Beta Mod Grupo");
const QString kAntesDelHueco = QStringLiteral("Logaritmo = LOG");

}  // namespace

EncabezadoLogaritmo::EncabezadoLogaritmo(QWidget* padre) : QLabel(kTexto, padre) {
    setObjectName(QStringLiteral("SSPanel4"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    setAlignment(Qt::AlignCenter);
    QFont letra = font();
    letra.setBold(true);
    letra.setPointSizeF(letra.pointSizeF() * 1.2);
    setFont(letra);
    setMinimumHeight(fontMetrics().height() * 2);
    imagen_ = NuevaImagen(QStringLiteral("Image2"), QStringLiteral("base_alfa"), fontMetrics().height(), this);
    imagen_->setFixedSize(fontMetrics().horizontalAdvance(QStringLiteral("       ")), fontMetrics().height());
    imagen_->setScaledContents(true);
}

void EncabezadoLogaritmo::resizeEvent(QResizeEvent* evento) {
    QLabel::resizeEvent(evento);
    // The text is centred: the gap starts where "Logaritmo = LOG" ends.
    const QFontMetrics medidas = fontMetrics();
    const int inicio = contentsRect().left() + (contentsRect().width() - medidas.horizontalAdvance(kTexto)) / 2;
    const int base = contentsRect().top() + (contentsRect().height() + medidas.ascent() - medidas.descent()) / 2;
    imagen_->move(inicio + medidas.horizontalAdvance(kAntesDelHueco), base - medidas.ascent() / 2);
}
