// The numbered catalogue of everything the program tells the user went wrong.
// Numbers run from 1 to 13; 12 is not used. Texts are shown exactly as
// written here, "modulo" without an accent and the stray apostrophe of
// error 9 included.
#pragma once

#include <span>

namespace errores {

struct EntradaCatalogo {
    int numero;
    const char* procedimiento;  // the reporting procedure that shows it
    const char* mensaje;        // shown after "Error :"
    const char* remedio;        // shown after "Solución :"
};

// The whole catalogue, in increasing number.
std::span<const EntradaCatalogo> Catalogo();

// The entry with this number, or nullptr (there is no error 12).
const EntradaCatalogo* BuscarError(int numero);

}  // namespace errores
