// Which edit commands (cut, copy, paste, clear) a child window can be
// offered, by its kind. Every tool window carries one; the Edit menu reads
// it from the active window when it opens. A window that carries none
// offers none.
#pragma once

class QWidget;

enum class GrupoEdicion {
    Ninguno,            // choosers, titanic primes, About, links...
    Editable,           // calculators and problem windows: all four
    PaginaSoloLectura,  // example pages: copy from a text box
    ListaPrimos,        // the prime list: copy from its table
};

void PonerGrupoEdicion(QWidget* ventana, GrupoEdicion grupo);
GrupoEdicion GrupoEdicionDe(const QWidget* ventana);
