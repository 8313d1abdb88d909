// The text of a digit counter: the count, the blanks, then "digitos".
// Counters written by a change of their box use two blanks ("12  digitos");
// a few windows open with a one-blank design text ("0 digitos").
#pragma once

#include <QString>

enum class Blancos { Uno = 1, Dos = 2 };

QString TextoDigitos(qsizetype cuenta, Blancos blancos = Blancos::Dos);
