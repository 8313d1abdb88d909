// How a method's running time grows with the size of its numbers: the
// straight line that least squares fits to log10(time) against digits, and
// the line of the growth its cost predicts, placed among the same points.
//
// A time that grows by a factor F for every digit more is a straight line
// of slope log10(F) on a logarithmic time axis; the fit reads that slope
// from the points, and 10^slope is "the time is multiplied by F per digit".
// Points of runs stopped at the time limit, and times of 0 ms or less (no
// logarithm), say nothing of the slope and are left out.
//
// No Qt here: the laboratory window and its chart read these numbers.
#pragma once

#include <optional>
#include <vector>

#include "errors/puerto_interfaz.h"

// One run of a method on one instance.
struct PuntoCoste {
    int digitos = 0;
    double ms = 0;           // its time in milliseconds
    bool al_limite = false;  // stopped at the time limit: a lower bound only
    // log10 of a factor of the expected cost that belongs to the instance
    // rather than to its size (Pohlig–Hellman: the digits it has to find);
    // 0 for the other methods.
    double extra = 0;
};

// log10(ms) = ordenada + pendiente * digitos.
struct RectaCoste {
    double pendiente = 0;
    double ordenada = 0;
    int puntos = 0;  // points the line was fitted to
};

// True for a point the fits use: not stopped at the limit, time above 0.
bool EntraEnElAjuste(const PuntoCoste& punto);

// The least-squares line through the points the fits use; none with fewer
// than two distinct sizes among them.
std::optional<RectaCoste> AjustarCrecimiento(const std::vector<PuntoCoste>& puntos);

// The line of slope `pendiente` (plus each point's extra) that lies closest
// to the same points, in the least-squares sense: only its height is
// fitted. None when no point is usable.
std::optional<RectaCoste> AjustarEsperado(const std::vector<PuntoCoste>& puntos, double pendiente);

// The slope of log10(time) per digit that each method's cost predicts, as
// this program runs it:
//   Pollard rho         about sqrt(p) steps, p ~ 10^(d/2):   1/4
//   Dixon               up to sqrt(n) values of x:           1/2
//   continued fractions about the fourth root of n:          1/4
//   exhaustive search   up to grupo exponents:               1
//   baby-step giant-step about sqrt(grupo) baby steps:       1/2
//   Pohlig–Hellman      a baby-step table of sqrt(grupo) for each digit
//                       of each prime power of grupo - 1:    1/2 (times
//                       those digits, the points' extra)
double PendienteEsperada(puerto::Metodo metodo);

// 10^pendiente: the factor by which the time is multiplied per digit.
double FactorPorDigito(double pendiente);
