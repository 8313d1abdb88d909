#include "ui/shell/advertencia.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/shell/dialogo_comun.h"

Advertencia::Advertencia(QWidget* parent)
    : QDialog(parent), btn_ok_(NuevoBotonAceptar(QStringLiteral("BtnOK"), this)) {
    setObjectName(QStringLiteral("Advertencia"));
    setWindowTitle(QStringLiteral("Advertencia"));
    setModal(true);

    QLabel* label1 = NuevaEtiqueta(QStringLiteral("Label1"), QStringLiteral("¡ATENCION!"), this);
    QLabel* label2 = NuevaEtiqueta(QStringLiteral("Label2"), QStringLiteral("PROCESO INTERRUMPIDO"), this);
    QLabel* label3 = NuevaEtiqueta(QStringLiteral("Label3"),
                                   QStringLiteral("Debido a la interrupción del proceso la salida no será correcta"),
                                   this);
    QFont destacada = label1->font();
    destacada.setBold(true);
    destacada.setPointSize(destacada.pointSize() + 3);
    label1->setFont(destacada);
    label2->setFont(destacada);

    auto* textos = new QVBoxLayout;
    textos->addWidget(label1);
    textos->addWidget(label2);
    textos->addSpacing(6);
    textos->addWidget(label3);

    auto* cuerpo = new QHBoxLayout;
    cuerpo->addWidget(NuevaImagen(QStringLiteral("Image1"), QStringLiteral("advertencia"), 48, this), 0,
                      Qt::AlignTop);
    cuerpo->addSpacing(12);
    cuerpo->addLayout(textos);

    auto* pie = new QHBoxLayout;
    pie->addStretch();
    pie->addWidget(btn_ok_);
    pie->addStretch();

    auto* todo = new QVBoxLayout(this);
    todo->addLayout(cuerpo);
    todo->addSpacing(8);
    todo->addLayout(pie);
    todo->setSizeConstraint(QLayout::SetFixedSize);

    connect(btn_ok_, &QPushButton::clicked, this, &QDialog::accept);
}
