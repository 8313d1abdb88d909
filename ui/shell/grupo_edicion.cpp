#include "ui/shell/grupo_edicion.h"

#include <QVariant>
#include <QWidget>

namespace {

constexpr char kPropiedad[] = "grupoEdicion";

}  // namespace

void PonerGrupoEdicion(QWidget* ventana, GrupoEdicion grupo) {
    ventana->setProperty(kPropiedad, static_cast<int>(grupo));
}

GrupoEdicion GrupoEdicionDe(const QWidget* ventana) {
    if (ventana == nullptr) return GrupoEdicion::Ninguno;
    const QVariant valor = ventana->property(kPropiedad);
    return valor.isValid() ? static_cast<GrupoEdicion>(valor.toInt()) : GrupoEdicion::Ninguno;
}
