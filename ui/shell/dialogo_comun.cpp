#include "ui/shell/dialogo_comun.h"

#include <QLabel>
#include <QPushButton>

#include "ui/shell/iconos.h"
#include "ui/shell/ventana_hija.h"

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

QPushButton* NuevoBotonImagen(const QString& nombre, const QString& icono, const QString& consejo, QWidget* padre) {
    constexpr int kLadoImagen = 32;
    constexpr int kLadoBoton = 46;  // frame included
    auto* boton = new QPushButton(icono.isEmpty() ? QIcon() : Icono(icono), QString(), padre);
    boton->setObjectName(nombre);
    boton->setToolTip(consejo);
    boton->setIconSize(QSize(kLadoImagen, kLadoImagen));
    boton->setFixedSize(kLadoBoton, kLadoBoton);
    return boton;
}

QPushButton* NuevoBotonCerrar(QWidget* ventana) {
    QPushButton* boton = NuevoBotonImagen(QStringLiteral("BtnCerrar"), QStringLiteral("cerrar"),
                                          QStringLiteral("Cerrar la ventana"), ventana);
    QObject::connect(boton, &QPushButton::clicked, ventana, [ventana] { CerrarVentanaHija(ventana); });
    return boton;
}

QPushButton* NuevoBotonAceptar(const QString& nombre, QWidget* padre) {
    auto* boton = new QPushButton(Icono(QStringLiteral("aceptar")), QStringLiteral("Aceptar"), padre);
    boton->setObjectName(nombre);
    boton->setDefault(true);
    boton->setMinimumWidth(110);
    return boton;
}
