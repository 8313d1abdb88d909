// The program's pictures: SVG files drawn for it and built in as a Qt
// resource (iconos.qrc). Names are the file names without ".svg".
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

QIcon Icono(const QString& nombre);
// The same picture drawn `lado` pixels square, for labels.
QPixmap Imagen(const QString& nombre, int lado);
