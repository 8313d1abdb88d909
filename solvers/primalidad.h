// Primality by the strong probable-prime test of Miller and Rabin.
//
// Numbers of up to 11 digits are tested with the fixed bases 2, 3, 5, 7 and
// 11 (exact for every number of that size), longer ones with three random
// bases of a few digits. While it runs, the test keeps the value of the
// primality window's progress bar (0 to 100, from 0 at each EsPrimo) and
// writes every new value through puerto::Actual().PonerProgreso. It never
// lets events run, never reads the stop flag and reports nothing.
#pragma once

#include <cstdint>
#include <vector>

#include "bignum/numero_grande.h"

// Passes of the test, for RondaPrimalidad's Modo.
inline constexpr std::int16_t kBasePorRonda = 1;   // base 2, 3, 5, 7 or 11 by Ronda
inline constexpr std::int16_t kBaseAleatoria = 2;  // a random base of a few digits

// True when n passes every pass. The test is on |n|: the sign is not looked
// at (-13 is prime) and high zeros are not counted as digits. The passes:
// five fixed-base passes for up to 11 digits, three random-base passes for
// more; it stops at the first pass that proves n composite. 0, 1, 4, 6, 8, 9
// and every even number but 2 are answered "composite", 2, 3, 5, 7 and 11
// "prime", without any arithmetic and without moving the progress bar. On a
// composite answer the progress bar is set to 100; on a prime answer it is
// left where the passes left it (at most 80 or 84).
//
// With `traza`, the test also writes down what it did (see TrazaPrimalidad);
// the answer and the progress values are the same with or without it.
struct TrazaPrimalidad;
bool EsPrimo(const NumeroGrande& n, TrazaPrimalidad* traza = nullptr);

// One pass, on |n| as in EsPrimo: true when n is a strong probable prime to
// the pass's base, false when that base proves it composite. The base is 2,
// 3, 5, 7 or 11 for *Ronda = 1..5 (EsPrimo gives Ronda with Modo
// kBasePorRonda), or a random number of AleatorioParaPrueba when Ronda is
// null. Progreso, the bar's value, moves by a step of 4 for Modo
// kBasePorRonda, 7 for any other Modo: 3 steps when the pass proves n
// composite or reaches n - 1 by squaring, 4 when a^d is 1 or n - 1 at once;
// each new value is also written to the bar.
// Small and even numbers are decided first without moving the bar: even
// numbers but 2, 1 and 9 fail; 2, 3, 5, 7 and 11 pass.
bool RondaPrimalidad(const NumeroGrande& n, std::int16_t Modo, const std::uint8_t* Ronda, double& Progreso);

// The same answer as EsPrimo, for solvers that need it as a step of their
// own (the factor search of a group order): the progress bar is not touched.
bool EsPrimoSinProgreso(const NumeroGrande& n);

// What one EsPrimo did, for the primality window's detail: either the
// direct check that decided a small or even number, or n - 1 = 2^s * d and,
// for each pass run, its base a, x = a^d mod n and the successive squarings
// of x mod n, and that pass's verdict. The passes are exactly those of the
// test (the same random bases), and `progresos` holds every value written
// to the progress bar, in order.
struct TrazaPrimalidad {
    // The check that answered without any pass, when one did.
    enum class Directa : std::uint8_t {
        Ninguna,
        Par,       // an even number: 2 is prime, every other is composite
        UnaCifra,  // one digit: 3, 5, 7 prime, 1 and 9 composite
        Once,      // 11, prime
    };
    struct Pasada {
        NumeroGrande base;                    // a
        NumeroGrande x;                       // a^d mod n
        std::vector<NumeroGrande> cuadrados;  // x^2, x^4, ... mod n, as computed
        bool probable_primo = false;          // false: a is a witness that n is composite
    };

    NumeroGrande n;  // |n| without high zeros, the number tested
    Directa directa = Directa::Ninguna;
    std::int16_t s = 0;  // n - 1 = 2^s * d (when a pass ran)
    NumeroGrande d;
    std::vector<Pasada> pasadas;
    std::vector<double> progresos;
    bool primo = false;  // the answer
};
