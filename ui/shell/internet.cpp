#include "ui/shell/internet.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/shell/autoria.h"
#include "ui/shell/dialogo_comun.h"
#include "ui/shell/iconos.h"
#include "ui/shell/ventana_hija.h"

Internet::Internet(QWidget* parent)
    : QWidget(parent), btn_aceptar_(new QPushButton(Icono(QStringLiteral("aceptar")), QString(), this)) {
    setObjectName(QStringLiteral("Internet"));
    setWindowIcon(Icono(QStringLiteral("internet")));

    const char* const direcciones[] = {autoria::kWebPrograma, autoria::kWebAsignatura, autoria::kWebDepartamento};
    auto* lista = new QGridLayout;
    lista->setHorizontalSpacing(12);
    lista->setVerticalSpacing(10);
    int fila = 0;
    for (const char* direccion : direcciones) {
        ++fila;
        lista->addWidget(NuevaImagen(QStringLiteral("Imagen%1").arg(fila), QStringLiteral("enlace"), 24, this), fila, 0);
        QLabel* texto = NuevaEtiqueta(QStringLiteral("Direccion%1").arg(fila), QString::fromUtf8(direccion), this);
        // Shown as text only: clicking an address does nothing.
        texto->setTextInteractionFlags(Qt::NoTextInteraction);
        lista->addWidget(texto, fila, 1);
    }

    btn_aceptar_->setObjectName(QStringLiteral("BtnAceptar"));
    btn_aceptar_->setToolTip(QStringLiteral("Aceptar"));
    btn_aceptar_->setIconSize(QSize(32, 32));
    connect(btn_aceptar_, &QPushButton::clicked, this, [this] { CerrarVentanaHija(this); });

    auto* todo = new QVBoxLayout(this);
    todo->setContentsMargins(20, 18, 20, 14);
    todo->addLayout(lista);
    todo->addSpacing(10);
    todo->addWidget(btn_aceptar_, 0, Qt::AlignHCenter);
}
