// Every example the help pages work through, recomputed by the core: a table
// of the page, the operation, its inputs and the result the page states, so
// that a page and the program cannot drift apart. Each row also checks that
// its numbers are written on its page, so the table cannot drift from the
// pages either. Last, every link between pages leads to a page.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "apoyo.h"
#include "solvers/solvers.h"

namespace {

const std::filesystem::path kCarpetaAyuda = CARPETA_AYUDA;

enum class Op {
    Suma, Resta, Producto, Cociente,  // as Operaciones Básicas
    SumaModulo,                       // a sum with «Aplicar Modulo»
    Division,                         // quotient and remainder, as a worked division
    Modulo, Mcd, Inverso, Potencia, Raiz, Primo,
    Rho, Dixon, Fracciones,
    Busqueda, GiganteEnano, PohligHellman,
    TablaGiganteEnano,  // m = floor(sqrt(Grupo - 1)) + 1, the baby-step table's size
    LimiteGiganteEnano, // the largest table the program builds, and the largest Grupo it serves
    FactoresOrden,      // Grupo - 1 split into prime powers by Pohlig–Hellman's factor search
    InstanciaFac,       // the cost laboratory's factorization instance: seed, digits, instance from 1
    InstanciaLog,       // its logarithm instance: Alfa, Beta, Grupo and x
    PasosRho,           // the steps Pollard rho's walk takes to its factor
    CambiosRho,         // its changes of function after a number of steps, as the progress line shows them
    FraccionesSinTabla, // continued fractions with no Primos.txt in the current directory
    PrimosMenores,      // how many numbers below N the primality test finds prime, and the largest
    CifrasPotencia,     // the digits of k * b^e (a titanic prime's form, its ±1 aside)
};

struct Ejemplo {
    const char* pagina;
    Op op;
    std::vector<const char*> entradas;  // "-5" is 5 with the sign button on «-»; "" an empty box
    const char* resultado;              // as the page states it; " (error n)" for each error shown
};

void PrintTo(const Ejemplo& e, std::ostream* os) {
    static const char* const kNombres[] = {
        "suma", "resta", "producto", "cociente", "suma-modulo", "division", "modulo", "mcd", "inverso",
        "potencia", "raiz", "primo", "rho", "dixon", "fracciones", "busqueda", "gigante-enano",
        "pohlig-hellman", "tabla-gigante-enano", "limite-gigante-enano", "factores-orden", "instancia-fac",
        "instancia-log", "pasos-rho", "cambios-rho", "fracciones-sin-tabla", "primos-menores", "cifras-potencia"};
    static_assert(std::size(kNombres) == static_cast<std::size_t>(Op::CifrasPotencia) + 1);
    *os << e.pagina << " " << kNombres[static_cast<int>(e.op)];
    for (const char* entrada : e.entradas) *os << " [" << entrada << "]";
}

const std::vector<Ejemplo> kEjemplos{
    {"operaciones-basicas.html", Op::Resta, {"-5", "3"}, "-8"},
    {"operaciones-basicas.html", Op::Suma, {"-5", "3"}, "-2"},
    {"operaciones-basicas.html", Op::Cociente, {"7", "2"}, "3"},
    {"operaciones-basicas.html", Op::Cociente, {"-7", "2"}, "-3"},
    {"operaciones-basicas.html", Op::SumaModulo, {"-7", "", "5"}, "3"},

    {"resto-modular.html", Op::Modulo, {"17", "5"}, "2"},
    {"resto-modular.html", Op::Modulo, {"-17", "5"}, "3"},
    {"resto-modular.html", Op::Modulo, {"-13", "5"}, "2"},
    {"resto-modular.html", Op::Modulo, {"-10", "5"}, "0"},

    {"calculo-mcd.html", Op::Mcd, {"12", "18"}, "6"},
    {"calculo-mcd.html", Op::Mcd, {"1071", "462"}, "21"},
    {"calculo-mcd.html", Op::Mcd, {"7", "0"}, "7"},
    {"calculo-mcd.html", Op::Division, {"1071", "462"}, "2, 147"},
    {"calculo-mcd.html", Op::Division, {"462", "147"}, "3, 21"},
    {"calculo-mcd.html", Op::Division, {"147", "21"}, "7, 0"},

    {"calculo-inverso.html", Op::Inverso, {"3", "7"}, "5"},
    {"calculo-inverso.html", Op::Inverso, {"10", "7"}, "5"},
    {"calculo-inverso.html", Op::Inverso, {"17", "3120"}, "2753"},
    {"calculo-inverso.html", Op::Inverso, {"4", "8"}, "0 (error 3)"},
    {"calculo-inverso.html", Op::Division, {"3120", "17"}, "183, 9"},
    {"calculo-inverso.html", Op::Division, {"17", "9"}, "1, 8"},
    {"calculo-inverso.html", Op::Division, {"9", "8"}, "1, 1"},
    {"calculo-inverso.html", Op::Producto, {"17", "2753"}, "46801"},
    {"calculo-inverso.html", Op::Division, {"46801", "3120"}, "15, 1"},

    {"exponenciacion-modular.html", Op::Potencia, {"2", "10", "1000"}, "24"},
    {"exponenciacion-modular.html", Op::Potencia, {"4", "13", "497"}, "445"},
    {"exponenciacion-modular.html", Op::Potencia, {"7", "0", "13"}, "1"},
    {"exponenciacion-modular.html", Op::Potencia, {"2", "8", "11"}, "3"},
    {"exponenciacion-modular.html", Op::Producto, {"256", "256"}, "65536"},
    {"exponenciacion-modular.html", Op::Division, {"65536", "497"}, "131, 429"},

    {"raiz-cuadrada.html", Op::Raiz, {"16"}, "4"},
    {"raiz-cuadrada.html", Op::Raiz, {"17"}, "4"},
    {"raiz-cuadrada.html", Op::Raiz, {"99"}, "9"},
    {"raiz-cuadrada.html", Op::Raiz, {"8051"}, "89"},
    {"raiz-cuadrada.html", Op::Producto, {"89", "89"}, "7921"},

    {"test-primalidad.html", Op::Primo, {"7"}, "Sí"},
    {"test-primalidad.html", Op::Primo, {"13"}, "Sí"},
    {"test-primalidad.html", Op::Primo, {"561"}, "No"},
    {"test-primalidad.html", Op::Primo, {"8051"}, "No"},
    {"test-primalidad.html", Op::Primo, {""}, "No"},
    {"test-primalidad.html", Op::Producto, {"83", "97"}, "8051"},
    {"test-primalidad.html", Op::Potencia, {"2", "3", "13"}, "8"},
    {"test-primalidad.html", Op::Potencia, {"8", "2", "13"}, "12"},
    {"test-primalidad.html", Op::Potencia, {"3", "3", "13"}, "1"},
    {"test-primalidad.html", Op::Potencia, {"2", "35", "561"}, "263"},
    {"test-primalidad.html", Op::Potencia, {"263", "2", "561"}, "166"},
    {"test-primalidad.html", Op::Potencia, {"166", "2", "561"}, "67"},
    {"test-primalidad.html", Op::Potencia, {"67", "2", "561"}, "1"},

    {"pollard-rho.html", Op::Rho, {"15"}, "3 * 5"},
    {"pollard-rho.html", Op::Mcd, {"9", "15"}, "3"},
    {"pollard-rho.html", Op::Rho, {"8051"}, "97 * 83"},
    {"pollard-rho.html", Op::Mcd, {"7857", "8051"}, "97"},
    {"pollard-rho.html", Op::Modulo, {"677", "97"}, "95"},
    {"pollard-rho.html", Op::Modulo, {"871", "97"}, "95"},
    // 3188767 is prime: every time the runners meet, the gcd is the number
    // itself. The walk modulo 3188767 is the same inside 369666234149595839,
    // where the same meeting gives the factor.
    {"pollard-rho.html", Op::Primo, {"3188767"}, "Sí"},
    {"pollard-rho.html", Op::CambiosRho, {"3188767", "4499"}, "0"},
    {"pollard-rho.html", Op::CambiosRho, {"3188767", "4500"}, "1"},
    {"pollard-rho.html", Op::CambiosRho, {"3188767", "331371"}, "176"},
    {"pollard-rho.html", Op::Rho, {"369666234149595839"}, "3188767 * 115927640417"},
    {"pollard-rho.html", Op::PasosRho, {"369666234149595839"}, "4500"},

    {"dixon.html", Op::Dixon, {"143"}, "11 * 13"},
    {"dixon.html", Op::Raiz, {"143"}, "11"},
    {"dixon.html", Op::Dixon, {"2021"}, "43 * 47"},
    {"dixon.html", Op::Potencia, {"44", "2", "2021"}, "1936"},
    {"dixon.html", Op::Potencia, {"45", "2", "2021"}, "4"},
    {"dixon.html", Op::Mcd, {"43", "2021"}, "43"},
    // The direct gcd finds 1101811 at the first multiple of it from floor(sqrt(n)).
    {"dixon.html", Op::Producto, {"1101811", "8103467492759792327149800361564410265219"},
     "8928489621665159543769248686175644438731211609"},
    {"dixon.html", Op::Raiz, {"8928489621665159543769248686175644438731211609"}, "94490685369856216022646"},
    {"dixon.html", Op::Modulo, {"-94490685369856216022646", "1101811"}, "609158"},
    {"dixon.html", Op::Suma, {"609158", "1"}, "609159"},
    {"dixon.html", Op::Primo, {"3188767"}, "Sí"},
    {"dixon.html", Op::Raiz, {"3188767"}, "1785"},
    {"dixon.html", Op::Resta, {"3188767", "1785"}, "3186982"},

    {"fracciones-continuas.html", Op::Fracciones, {"8051"}, "83 * 97"},
    {"fracciones-continuas.html", Op::Raiz, {"8051"}, "89"},
    {"fracciones-continuas.html", Op::Potencia, {"90", "2", "8051"}, "49"},
    {"fracciones-continuas.html", Op::Mcd, {"83", "8051"}, "83"},
    {"fracciones-continuas.html", Op::Fracciones, {"4928496943"}, "4928496943 * 1"},
    {"fracciones-continuas.html", Op::Producto, {"79903", "61681"}, "4928496943"},
    {"fracciones-continuas.html", Op::Producto, {"43691", "53425037363873248657"}, "2334193307464986107072987"},

    {"ejemplos-factorizacion.html", Op::Producto, {"11", "641"}, "7051"},
    {"ejemplos-factorizacion.html", Op::Producto, {"79903", "61681"}, "4928496943"},
    {"ejemplos-factorizacion.html", Op::Producto, {"6043", "290657"}, "1756440251"},
    {"ejemplos-factorizacion.html", Op::Producto, {"31", "3770202641"}, "116876281871"},
    {"ejemplos-factorizacion.html", Op::Producto, {"1408349", "40932193"}, "57646813079357"},
    {"ejemplos-factorizacion.html", Op::Producto, {"3188767", "115927640417"}, "369666234149595839"},
    // A factor below 32768: found at once in the prime table.
    {"ejemplos-factorizacion.html", Op::Dixon, {"7051"}, "11 * 641"},
    {"ejemplos-factorizacion.html", Op::Dixon, {"1756440251"}, "6043 * 290657"},
    {"ejemplos-factorizacion.html", Op::Dixon, {"116876281871"}, "31 * 3770202641"},
    {"ejemplos-factorizacion.html", Op::Fracciones, {"7051"}, "11 * 641"},
    {"ejemplos-factorizacion.html", Op::Fracciones, {"1756440251"}, "6043 * 290657"},
    {"ejemplos-factorizacion.html", Op::Fracciones, {"116876281871"}, "31 * 3770202641"},
    // The worked copy and paste: 57646813079357 by each method.
    {"ejemplos-factorizacion.html", Op::Fracciones, {"57646813079357"}, "1408349 * 40932193"},
    {"ejemplos-factorizacion.html", Op::Rho, {"57646813079357"}, "1408349 * 40932193"},
    {"ejemplos-factorizacion.html", Op::Raiz, {"57646813079357"}, "7592549"},
    {"ejemplos-factorizacion.html", Op::Modulo, {"-7592549", "1408349"}, "857545"},
    {"ejemplos-factorizacion.html", Op::Suma, {"857545", "1"}, "857546"},
    // Continued fractions gives up on these.
    {"ejemplos-factorizacion.html", Op::Fracciones, {"4928496943"}, "4928496943 * 1"},
    {"ejemplos-factorizacion.html", Op::Fracciones, {"369666234149595839"}, "369666234149595839 * 1"},

    {"factorizacion.html", Op::Producto, {"1101811", "8103467492759792327149800361564410265219"},
     "8928489621665159543769248686175644438731211609"},
    {"factorizacion.html", Op::Primo, {"3188767"}, "Sí"},
    {"factorizacion.html", Op::Fracciones, {"3188767"}, "3188767 * 1"},
    {"factorizacion.html", Op::Potencia, {"117371", "642811237", "2745098189"}, "1868877149"},
    {"factorizacion.html", Op::Fracciones, {"57646813079357"}, "1408349 * 40932193"},

    {"busqueda-exhaustiva.html", Op::Busqueda, {"2", "3", "5"}, "3"},
    {"busqueda-exhaustiva.html", Op::Busqueda, {"119827", "144986", "184081"}, "60161"},
    {"busqueda-exhaustiva.html", Op::Suma, {"60161", "1"}, "60162"},
    {"busqueda-exhaustiva.html", Op::Potencia, {"117371", "642811237", "2745098189"}, "1868877149"},
    {"busqueda-exhaustiva.html", Op::Suma, {"642811237", "1"}, "642811238"},

    {"paso-gigante-paso-enano.html", Op::GiganteEnano, {"2", "3", "11"}, "8"},
    {"paso-gigante-paso-enano.html", Op::TablaGiganteEnano, {"11"}, "4"},
    {"paso-gigante-paso-enano.html", Op::Potencia, {"2", "4", "11"}, "5"},
    {"paso-gigante-paso-enano.html", Op::Inverso, {"5", "11"}, "9"},
    {"paso-gigante-paso-enano.html", Op::Modulo, {"27", "11"}, "5"},
    {"paso-gigante-paso-enano.html", Op::Modulo, {"45", "11"}, "1"},
    {"paso-gigante-paso-enano.html", Op::TablaGiganteEnano, {"2745098189"}, "52394"},
    // The largest Grupo the table takes: 2^36 gives exactly 2^18 entries.
    {"paso-gigante-paso-enano.html", Op::LimiteGiganteEnano, {}, "262144, 68719476736"},
    {"paso-gigante-paso-enano.html", Op::TablaGiganteEnano, {"68719476736"}, "262144"},
    {"paso-gigante-paso-enano.html", Op::Primo, {"68719476731"}, "Sí"},
    {"paso-gigante-paso-enano.html", Op::TablaGiganteEnano, {"68719476731"}, "262144"},
    // The 10-digit example: x = m * h + j.
    {"paso-gigante-paso-enano.html", Op::Potencia, {"117371", "642811237", "2745098189"}, "1868877149"},
    {"paso-gigante-paso-enano.html", Op::Division, {"642811237", "52394"}, "12268, 41645"},
    // The line's two phases on the largest table: x = m * h + j near the last giant step.
    {"paso-gigante-paso-enano.html", Op::Potencia, {"2", "67711917444", "68719476731"}, "3"},
    {"paso-gigante-paso-enano.html", Op::Division, {"67711917444", "262144"}, "258300, 122244"},

    {"pohlig-hellman.html", Op::PohligHellman, {"2", "3", "11"}, "8"},
    {"pohlig-hellman.html", Op::Potencia, {"2", "5", "11"}, "10"},
    {"pohlig-hellman.html", Op::Potencia, {"3", "5", "11"}, "1"},
    {"pohlig-hellman.html", Op::Potencia, {"3", "2", "11"}, "9"},
    {"pohlig-hellman.html", Op::Potencia, {"4", "3", "11"}, "9"},
    {"pohlig-hellman.html", Op::Potencia, {"2", "8", "11"}, "3"},
    {"pohlig-hellman.html", Op::PohligHellman, {"3", "13", "17"}, "4"},
    {"pohlig-hellman.html", Op::Potencia, {"3", "8", "17"}, "16"},
    {"pohlig-hellman.html", Op::Potencia, {"13", "8", "17"}, "1"},
    {"pohlig-hellman.html", Op::Potencia, {"13", "4", "17"}, "1"},
    {"pohlig-hellman.html", Op::Potencia, {"13", "2", "17"}, "16"},
    {"pohlig-hellman.html", Op::Potencia, {"3", "4", "17"}, "13"},
    {"pohlig-hellman.html", Op::Inverso, {"13", "17"}, "4"},
    {"pohlig-hellman.html", Op::Modulo, {"52", "17"}, "1"},
    // Every gamma is 1 and every digit comes out 1.
    {"pohlig-hellman.html", Op::PohligHellman, {"1", "1", "17"}, "15"},
    {"pohlig-hellman.html", Op::PohligHellman, {"1", "1", "13"}, "7"},
    {"pohlig-hellman.html", Op::PohligHellman, {"2", "3", "10"}, "0 (error 3) (error 5)"},
    {"pohlig-hellman.html", Op::LimiteGiganteEnano, {}, "262144, 68719476736"},
    {"pohlig-hellman.html", Op::FactoresOrden, {"20847858316750656"}, "2^6 3^2 59 191 12281 261529"},
    {"pohlig-hellman.html", Op::Potencia, {"117371", "642811237", "2745098189"}, "1868877149"},
    {"pohlig-hellman.html", Op::FactoresOrden, {"2745098188"}, "2^2 7^2 17 19 131 331"},
    {"pohlig-hellman.html", Op::TablaGiganteEnano, {"2745098189"}, "52394"},

    {"logaritmo-discreto.html", Op::PohligHellman, {"1", "1", "17"}, "15"},
    {"logaritmo-discreto.html", Op::PohligHellman, {"1", "1", "13"}, "7"},
    // A Grupo that is not prime: a digit's search lacks an inverse, then the method fails.
    {"logaritmo-discreto.html", Op::PohligHellman, {"2", "3", "10"}, "0 (error 3) (error 5)"},
    {"logaritmo-discreto.html", Op::LimiteGiganteEnano, {}, "262144, 68719476736"},
    {"logaritmo-discreto.html", Op::Potencia, {"117371", "642811237", "2745098189"}, "1868877149"},
    {"logaritmo-discreto.html", Op::TablaGiganteEnano, {"2745098189"}, "52394"},
    {"logaritmo-discreto.html", Op::Division, {"642811237", "52394"}, "12268, 41645"},
    {"logaritmo-discreto.html", Op::FactoresOrden, {"2745098188"}, "2^2 7^2 17 19 131 331"},
    {"logaritmo-discreto.html", Op::Suma, {"642811237", "1"}, "642811238"},
    {"logaritmo-discreto.html", Op::Primo, {"68719476731"}, "Sí"},
    {"logaritmo-discreto.html", Op::TablaGiganteEnano, {"68719476731"}, "262144"},
    {"logaritmo-discreto.html", Op::Potencia, {"2", "67711917444", "68719476731"}, "3"},
    {"logaritmo-discreto.html", Op::Division, {"67711917444", "262144"}, "258300, 122244"},

    {"ejemplos-logaritmo.html", Op::Potencia, {"1381", "2225", "7853"}, "37"},
    {"ejemplos-logaritmo.html", Op::Potencia, {"2", "89", "1087"}, "218"},
    {"ejemplos-logaritmo.html", Op::Potencia, {"119827", "60161", "184081"}, "144986"},
    {"ejemplos-logaritmo.html", Op::Potencia, {"117371", "642811237", "2745098189"}, "1868877149"},
    {"ejemplos-logaritmo.html", Op::Potencia, {"3033169", "536903681", "140737471578113"}, "34594623591931"},
    {"ejemplos-logaritmo.html", Op::Potencia, {"117371", "60000", "2745098189"}, "1965740639"},
    // 1381 has order 3926 modulo 7853, so 2225 + 3926 is a logarithm too.
    {"ejemplos-logaritmo.html", Op::Potencia, {"1381", "3926", "7853"}, "1"},
    {"ejemplos-logaritmo.html", Op::Potencia, {"1381", "6151", "7853"}, "37"},
    {"ejemplos-logaritmo.html", Op::Busqueda, {"1381", "37", "7853"}, "2225"},
    {"ejemplos-logaritmo.html", Op::Busqueda, {"2", "218", "1087"}, "89"},
    {"ejemplos-logaritmo.html", Op::GiganteEnano, {"1381", "37", "7853"}, "2225"},
    {"ejemplos-logaritmo.html", Op::GiganteEnano, {"2", "218", "1087"}, "89"},
    {"ejemplos-logaritmo.html", Op::GiganteEnano, {"119827", "144986", "184081"}, "60161"},
    {"ejemplos-logaritmo.html", Op::GiganteEnano, {"3033169", "34594623591931", "140737471578113"}, "0 (error 13)"},
    {"ejemplos-logaritmo.html", Op::PohligHellman, {"1381", "37", "7853"}, "6151"},
    {"ejemplos-logaritmo.html", Op::PohligHellman, {"2", "218", "1087"}, "89"},
    {"ejemplos-logaritmo.html", Op::PohligHellman, {"119827", "144986", "184081"}, "60161"},
    {"ejemplos-logaritmo.html", Op::PohligHellman, {"3033169", "34594623591931", "140737471578113"}, "0 (error 5)"},
    {"ejemplos-logaritmo.html", Op::LimiteGiganteEnano, {}, "262144, 68719476736"},
    {"ejemplos-logaritmo.html", Op::FactoresOrden, {"7852"}, "2^2 13 151"},
    {"ejemplos-logaritmo.html", Op::FactoresOrden, {"1086"}, "2 3 181"},
    {"ejemplos-logaritmo.html", Op::FactoresOrden, {"184080"}, "2^4 3 5 13 59"},
    {"ejemplos-logaritmo.html", Op::FactoresOrden, {"2745098188"}, "2^2 7^2 17 19 131 331"},
    {"ejemplos-logaritmo.html", Op::FactoresOrden, {"20847858316750656"}, "2^6 3^2 59 191 12281 261529"},
    // The worked copy and paste: the 6-digit row by each method.
    {"ejemplos-logaritmo.html", Op::Busqueda, {"119827", "144986", "184081"}, "60161"},
    {"ejemplos-logaritmo.html", Op::Suma, {"60161", "1"}, "60162"},
    {"ejemplos-logaritmo.html", Op::TablaGiganteEnano, {"184081"}, "430"},

    // The prime list's count and last prime; the titanic primes' digits.
    {"tabla-primos.html", Op::PrimosMenores, {"100000"}, "9592, 99991"},
    {"tabla-primos.html", Op::Primo, {"99991"}, "Sí"},
    {"tabla-primos.html", Op::CifrasPotencia, {"242206083", "2", "38880"}, "11713"},
    {"tabla-primos.html", Op::CifrasPotencia, {"570918348", "10", "5120"}, "5129"},
    {"tabla-primos.html", Op::CifrasPotencia, {"1", "2", "3021377"}, "909526"},

    // Started in a folder without the prime table.
    {"instalacion.html", Op::Fracciones, {"7051"}, "11 * 641"},
    {"instalacion.html", Op::FraccionesSinTabla, {"7051"}, "7051 * 1"},
    {"instalacion.html", Op::Dixon, {"143"}, "11 * 13"},
    {"instalacion.html", Op::Primo, {"99991"}, "Sí"},

    // The first instance of each size for the seed 2024, and what the methods
    // make of the logarithm one.
    {"laboratorio-costes.html", Op::InstanciaFac, {"2024", "8", "1"}, "71392637 = 9533 * 7489"},
    {"laboratorio-costes.html", Op::InstanciaFac, {"2024", "12", "1"}, "424822628677 = 762847 * 556891"},
    {"laboratorio-costes.html", Op::InstanciaFac, {"2024", "16", "1"}, "5258930958553627 = 63127907 * 83305961"},
    {"laboratorio-costes.html", Op::InstanciaLog, {"2024", "6", "1"}, "92721 359059 401029 292296"},
    {"laboratorio-costes.html", Op::Busqueda, {"92721", "359059", "401029"}, "292296"},
    {"laboratorio-costes.html", Op::GiganteEnano, {"92721", "359059", "401029"}, "292296"},
    {"laboratorio-costes.html", Op::TablaGiganteEnano, {"401029"}, "634"},
};

// "-5" is 5 with the sign «-»; "" is an empty box, which counts as 0.
NumeroGrande Entrada(std::string_view texto) {
    NumeroGrande x;
    if (!texto.empty() && texto.front() == '-') {
        CadenaANumero(texto.substr(1), x, '-');
    } else {
        CadenaANumero(texto, x, '+');
    }
    return x;
}

std::string Factores(const NumeroGrande& f1, const NumeroGrande& f2) {
    return NumeroACadena(f1) + " * " + NumeroACadena(f2);
}

std::string Calcular(Op op, const std::vector<NumeroGrande>& x) {
    NumeroGrande r;
    NumeroGrande s;
    switch (op) {
        case Op::Suma: return NumeroACadena(Sumar(x[0], x[1]));
        case Op::Resta: return NumeroACadena(Restar(x[0], x[1]));
        case Op::Producto: return NumeroACadena(Multiplicar(x[0], x[1]));
        case Op::Cociente: Dividir(x[0], x[1], r, s); return NumeroACadena(r);
        case Op::Division: Dividir(x[0], x[1], r, s); return NumeroACadena(r) + ", " + NumeroACadena(s);
        case Op::SumaModulo: return NumeroACadena(Reducir(Sumar(x[0], x[1]), x[2]));
        case Op::Modulo: return NumeroACadena(Reducir(x[0], x[1]));
        case Op::Mcd: return NumeroACadena(MaximoComunDivisor(x[0], x[1]));
        case Op::Inverso: return NumeroACadena(InversoModular(x[0], x[1]));
        case Op::Potencia: return NumeroACadena(PotenciaModular(x[0], x[1], x[2]));
        case Op::Raiz: return NumeroACadena(RaizEntera(x[0]));
        case Op::Primo: return EsPrimo(x[0]) ? "Sí" : "No";
        case Op::Rho: FactorizarRho(x[0], r, s); return Factores(r, s);
        case Op::Dixon: FactorizarDixon(x[0], r, s); return Factores(r, s);
        case Op::Fracciones: FactorizarFracciones(x[0], r, s); return Factores(r, s);
        case Op::Busqueda: LogaritmoBusqueda(x[0], x[1], x[2], r); return NumeroACadena(r);
        case Op::GiganteEnano: {
            bool interrumpido = false;
            LogaritmoGiganteEnano(x[0], x[1], x[2], r, interrumpido);
            return NumeroACadena(r);
        }
        case Op::PohligHellman: LogaritmoPohligHellman(x[0], x[1], x[2], r); return NumeroACadena(r);
        case Op::TablaGiganteEnano: return NumeroACadena(Sumar(RaizEntera(Restar(x[0], Num("1"))), Num("1")));
        case Op::LimiteGiganteEnano: {
            const NumeroGrande entradas = Num(std::to_string(kMaxEntradasTabla));
            return NumeroACadena(entradas) + ", " + NumeroACadena(Multiplicar(entradas, entradas));
        }
        case Op::FactoresOrden: {
            std::vector<ParNumeros> factores;
            bool interrumpido = false;
            if (!FactorizarOrden(x[0], factores, interrumpido)) return "sin factores";
            std::string texto;
            for (const ParNumeros& f : factores) {
                if (!texto.empty()) texto += ' ';
                texto += NumeroACadena(f.Primero);
                if (!EsUno(f.Segundo)) texto += '^' + NumeroACadena(f.Segundo);
            }
            return texto;
        }
        case Op::InstanciaFac: {
            const InstanciaFactorizacion i = InstanciaDeFactorizacion(
                std::stoull(NumeroACadena(x[0])), std::stoi(NumeroACadena(x[1])), std::stoi(NumeroACadena(x[2])) - 1);
            return NumeroACadena(i.n) + " = " + Factores(i.p, i.q);
        }
        case Op::InstanciaLog: {
            const InstanciaLogaritmo i = InstanciaDeLogaritmo(
                std::stoull(NumeroACadena(x[0])), std::stoi(NumeroACadena(x[1])), std::stoi(NumeroACadena(x[2])) - 1);
            return NumeroACadena(i.alfa) + " " + NumeroACadena(i.beta) + " " + NumeroACadena(i.grupo) + " " +
                   NumeroACadena(i.x);
        }
        case Op::PasosRho:
        case Op::CambiosRho: {
            // The walk's own reports, on a port of its own; for CambiosRho it
            // is stopped once it has reported that many steps done.
            puerto::PuertoGrabador paseo;
            const puerto::EnHilo en_paseo(paseo);
            const long pasos = op == Op::CambiosRho ? std::stol(NumeroACadena(x[1])) : 0;
            if (pasos > 0) paseo.detener_en_consulta = pasos + 2;  // the stop check of step pasos + 2
            FactorizarRho(x[0], r, s);
            if (paseo.avances.empty()) return "sin informes";
            const auto& ultimo = paseo.avances.back();
            if (op == Op::PasosRho) return std::to_string(ultimo.pasos + 1);
            return ultimo.pasos == static_cast<std::uint64_t>(pasos) ? std::to_string(ultimo.cambios) : "otro paso";
        }
        case Op::FraccionesSinTabla: {
            const CarpetaTemporal sin_tabla;
            FactorizarFracciones(x[0], r, s);
            return Factores(r, s);
        }
        case Op::PrimosMenores: {
            int cuantos = 0;
            std::string mayor;
            for (NumeroGrande k = Num("2"); EsMenor(k, x[0]); k = Sumar(k, Num("1"))) {
                if (EsPrimo(k)) {
                    ++cuantos;
                    mayor = NumeroACadena(k);
                }
            }
            return std::to_string(cuantos) + ", " + mayor;
        }
        case Op::CifrasPotencia: {
            mpz_class potencia;
            mpz_ui_pow_ui(potencia.get_mpz_t(), std::stoul(NumeroACadena(x[1])), std::stoul(NumeroACadena(x[2])));
            return std::to_string(mpz_class(Gmp(x[0]) * potencia).get_str().size());
        }
    }
    return "?";
}

// The page's text with every tag replaced by a blank, so that 2<sup>8</sup>
// reads "2 8", not "28". Each page is read once.
const std::string& TextoDePagina(const std::string& fichero) {
    static std::map<std::string, std::string> leidas;
    auto [pagina, nueva] = leidas.try_emplace(fichero);
    if (nueva) {
        std::ifstream entrada(kCarpetaAyuda / fichero, std::ios::binary);
        std::ostringstream html;
        html << entrada.rdbuf();
        pagina->second = std::regex_replace(html.str(), std::regex("<[^>]*>"), " ");
    }
    return pagina->second;
}

std::vector<std::string> Numeros(const std::string& texto) {
    std::vector<std::string> numeros;
    const std::regex cifras("[0-9]+");
    for (auto it = std::sregex_iterator(texto.begin(), texto.end(), cifras); it != std::sregex_iterator(); ++it) {
        numeros.push_back(it->str());
    }
    return numeros;
}

// numero written from five digits on in groups of three, with `separador`
// between them, as Spanish writes counts ("52 394"); with no separator, as it is.
std::string Agrupado(const std::string& numero, const std::string& separador) {
    if (separador.empty() || numero.size() < 5) return numero;
    std::string agrupado = numero;
    for (std::size_t i = agrupado.size() % 3 == 0 ? 3 : agrupado.size() % 3; i < agrupado.size();
         i += 3 + separador.size()) {
        agrupado.insert(i, separador);
    }
    return agrupado;
}

// numero is written in texto as a whole number, not inside a longer one:
// as it is, or grouped by a blank, a no-break space or the narrow no-break
// space the progress line uses.
bool Escrito(const std::string& texto, const std::string& numero) {
    for (const char* espacio : {"", " ", "\u00A0", "\u202F"}) {
        const std::string separador = espacio;
        const std::string escrito = Agrupado(numero, separador);
        // A digit next to it, or a separator and a digit, would make it part of a longer number.
        const auto sigue = [&](std::size_t desde, bool hacia_atras) {
            const auto cifra = [&](std::size_t i) { return std::isdigit(static_cast<unsigned char>(texto[i])) != 0; };
            if (hacia_atras) {
                if (desde == 0) return false;
                if (cifra(desde - 1)) return true;
                return !separador.empty() && desde > separador.size() &&
                       texto.compare(desde - separador.size(), separador.size(), separador) == 0 &&
                       cifra(desde - separador.size() - 1);
            }
            if (desde >= texto.size()) return false;
            if (cifra(desde)) return true;
            return !separador.empty() && desde + separador.size() < texto.size() &&
                   texto.compare(desde, separador.size(), separador) == 0 && cifra(desde + separador.size());
        };
        for (std::size_t p = texto.find(escrito); p != std::string::npos; p = texto.find(escrito, p + 1)) {
            if (!sigue(p, true) && !sigue(p + escrito.size(), false)) return true;
        }
    }
    return false;
}

class EjemplosAyuda : public ConPuerto, public ::testing::WithParamInterface<Ejemplo> {};

TEST_P(EjemplosAyuda, ElNucleoDaLoQueDiceLaPagina) {
    const Ejemplo& e = GetParam();
    std::vector<NumeroGrande> entradas;
    for (const char* texto : e.entradas) entradas.push_back(Entrada(texto));

    std::string obtenido = Calcular(e.op, entradas);
    for (int numero : ui.errores) obtenido += " (error " + std::to_string(numero) + ")";
    EXPECT_EQ(obtenido, e.resultado);
    EXPECT_EQ(ui.advertencias, 0);

    const std::string& pagina = TextoDePagina(e.pagina);
    ASSERT_FALSE(pagina.empty()) << "no page " << e.pagina;
    std::string numeros_del_ejemplo = e.resultado;
    for (const char* texto : e.entradas) numeros_del_ejemplo += std::string(" ") + texto;
    for (const std::string& numero : Numeros(numeros_del_ejemplo)) {
        EXPECT_TRUE(Escrito(pagina, numero)) << numero << " is not written on " << e.pagina;
    }
}

INSTANTIATE_TEST_SUITE_P(Paginas, EjemplosAyuda, ::testing::ValuesIn(kEjemplos));

// Links between help pages lead to a page of the help folder.
TEST(PaginasAyuda, CadaEnlaceLlevaAUnaPagina) {
    const std::regex enlace("href=\"([^\"#]*)[^\"]*\"");
    int paginas = 0;
    for (const auto& entrada : std::filesystem::directory_iterator(kCarpetaAyuda)) {
        if (entrada.path().extension() != ".html") continue;
        ++paginas;
        std::ifstream fichero(entrada.path(), std::ios::binary);
        std::ostringstream html;
        html << fichero.rdbuf();
        const std::string texto = html.str();
        for (auto it = std::sregex_iterator(texto.begin(), texto.end(), enlace); it != std::sregex_iterator(); ++it) {
            const std::string destino = (*it)[1].str();
            if (destino.empty() || destino.rfind("http", 0) == 0 || destino.rfind("mailto:", 0) == 0) continue;
            EXPECT_TRUE(std::filesystem::is_regular_file(kCarpetaAyuda / destino))
                << entrada.path().filename().string() << " links to " << destino;
        }
    }
    EXPECT_GT(paginas, 0) << "no pages in " << kCarpetaAyuda;
}

}  // namespace
