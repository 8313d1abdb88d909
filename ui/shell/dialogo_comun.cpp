#include "ui/shell/dialogo_comun.h"

#include <QLabel>
#include <QPushButton>

#include "ui/shell/iconos.h"

QLabel* NuevaEtiqueta(const QString& nombre, const QString& texto, QWidget* padre) {
    auto* etiqueta = new QLabel(texto, padre);
    etiqueta->setObjectName(nombre);
    etiqueta->setTextFormat(Qt::PlainText);
    return etiqueta;
}

QLabel* NuevaImagen(const QString& nombre, const QString& icono, int lado, QWidget* padre) {
    auto* imagen = new QLabel(padre);
    imagen->setObjectName(nombre);
    imagen->setPixmap(Imagen(icono, lado));
    imagen->setFixedSize(lado, lado);
    return imagen;
}

QPushButton* NuevoBotonAceptar(const QString& nombre, QWidget* padre) {
    auto* boton = new QPushButton(Icono(QStringLiteral("aceptar")), QStringLiteral("Aceptar"), padre);
    boton->setObjectName(nombre);
    boton->setDefault(true);
    boton->setMinimumWidth(110);
    return boton;
}
