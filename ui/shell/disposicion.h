// Arrangement of the child windows of the main window: cascade, tile
// horizontally (full-width strips, one above the other), tile vertically
// (full-height columns, side by side), and line up the icons of minimised
// windows along the bottom edge. With no child window nothing moves.
#pragma once

#include <vector>

#include <QRect>
#include <QSize>

class QMdiArea;

enum class Disposicion { Cascada = 0, MosaicoHorizontal = 1, MosaicoVertical = 2, Iconos = 3 };

void Organizar(QMdiArea& area, Disposicion disposicion);

// The geometry behind the commands, for `n` windows in `zona`.
// Strips and columns share the space out to the last pixel.
std::vector<QRect> Franjas(const QRect& zona, int n);
std::vector<QRect> Columnas(const QRect& zona, int n);
// Top-left corners for icons of the given sizes: left to right along the
// bottom edge, a new row above when a row is full.
std::vector<QPoint> FilaDeIconos(const QRect& zona, const std::vector<QSize>& tamanos);
