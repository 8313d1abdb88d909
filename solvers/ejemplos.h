// The worked examples the program offers its students: the numbers of the
// three factorization pages and of the three discrete-logarithm pages, in
// the order the pages show them. The pages and the bench program
// tabla_ejemplos both read them from here, so what a student copies is what
// the table times.
//
// Every Numero is Factor1 * Factor2, and in every logarithm row
// Alfa^Logaritmo mod Grupo is Beta; `digitos` is the digit count of Numero
// (of Beta for a logarithm), as the page's label shows it.
#pragma once

#include <span>

struct CasoFactorizacion {
    int pagina;  // 1, 2 or 3
    int digitos;
    const char* numero;
    const char* factor1;
    const char* factor2;
};

struct CasoLogaritmo {
    int pagina;
    int digitos;
    const char* alfa;
    const char* beta;
    const char* grupo;
    const char* logaritmo;
};

std::span<const CasoFactorizacion> CasosFactorizacion();
std::span<const CasoLogaritmo> CasosLogaritmo();
