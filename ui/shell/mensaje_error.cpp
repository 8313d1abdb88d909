#include "ui/shell/mensaje_error.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "errors/catalogo.h"
#include "ui/shell/dialogo_comun.h"

namespace {

// "Arial Black" where it is installed; elsewhere the font matcher falls back
// to the heaviest sans-serif face it has.
QFont LetraNegra(int puntos) {
    QFont letra(QStringLiteral("Arial Black"), puntos, QFont::Black);
    letra.setStyleHint(QFont::SansSerif);
    return letra;
}

QLabel* NuevoTexto(const QString& nombre, QWidget* padre) {
    QLabel* texto = NuevaEtiqueta(nombre, QString(), padre);
    texto->setWordWrap(true);
    texto->setMinimumWidth(320);
    return texto;
}

}  // namespace

MensajeError::MensajeError(QWidget* parent)
    : QDialog(parent),
      num_error_(NuevaEtiqueta(QStringLiteral("NumError"), QString(), this)),
      descripcion_(NuevoTexto(QStringLiteral("Descripcion"), this)),
      solucion_(NuevoTexto(QStringLiteral("Solucion"), this)),
      btn_aceptar_(NuevoBotonAceptar(QStringLiteral("BtnAceptar"), this)) {
    setObjectName(QStringLiteral("MensajeError"));
    setWindowTitle(QStringLiteral(" Error"));
    setModal(true);

    QLabel* label3 = NuevaEtiqueta(QStringLiteral("Label3"), QStringLiteral("ERROR"), this);
    label3->setFont(LetraNegra(16));
    num_error_->setFont(LetraNegra(16));

    auto* cabecera = new QHBoxLayout;
    cabecera->addWidget(NuevaImagen(QStringLiteral("Imagen"), QStringLiteral("error"), 48, this));
    cabecera->addSpacing(12);
    cabecera->addWidget(label3);
    cabecera->addSpacing(8);
    cabecera->addWidget(num_error_);
    cabecera->addStretch();

    auto* textos = new QGridLayout;
    textos->addWidget(NuevaEtiqueta(QStringLiteral("Label1"), QStringLiteral("Error :"), this), 0, 0,
                      Qt::AlignTop);
    textos->addWidget(descripcion_, 0, 1);
    textos->addWidget(NuevaEtiqueta(QStringLiteral("Label2"), QStringLiteral("Solución :"), this), 1, 0,
                      Qt::AlignTop);
    textos->addWidget(solucion_, 1, 1);
    textos->setColumnStretch(1, 1);

    auto* pie = new QHBoxLayout;
    pie->addStretch();
    pie->addWidget(btn_aceptar_);
    pie->addStretch();

    auto* todo = new QVBoxLayout(this);
    todo->addLayout(cabecera);
    todo->addSpacing(8);
    todo->addLayout(textos);
    todo->addSpacing(8);
    todo->addLayout(pie);
    todo->setSizeConstraint(QLayout::SetFixedSize);

    connect(btn_aceptar_, &QPushButton::clicked, this, &QDialog::accept);
}

void MensajeError::Rellenar(const errores::EntradaCatalogo& entrada) {
    num_error_->setText(QString::number(entrada.numero));
    descripcion_->setText(QString::fromUtf8(entrada.mensaje));
    solucion_->setText(QString::fromUtf8(entrada.remedio));
}
