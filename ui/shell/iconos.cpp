#include "ui/shell/iconos.h"

// A resource compiled into a static library is registered only when asked
// for by name; doing it here means every user of the pictures gets it. (Not
// in an unnamed namespace: the macro declares the registering function in
// the enclosing one.)
static void RegistrarRecursos() { Q_INIT_RESOURCE(iconos); }

QIcon Icono(const QString& nombre) {
    static const bool registrados = (RegistrarRecursos(), true);
    (void)registrados;
    return QIcon(QStringLiteral(":/iconos/%1.svg").arg(nombre));
}

QPixmap Imagen(const QString& nombre, int lado) {
    return Icono(nombre).pixmap(lado, lado);
}
