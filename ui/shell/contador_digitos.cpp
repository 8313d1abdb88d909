#include "ui/shell/contador_digitos.h"

QString TextoDigitos(qsizetype cuenta, Blancos blancos) {
    return QString::number(cuenta) + QString(static_cast<int>(blancos), u' ') + QStringLiteral("digitos");
}
