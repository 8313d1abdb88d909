#include "bignum/aleatorio.h"

#include <chrono>
#include <cmath>
#include <functional>
#include <random>
#include <thread>

#include "bignum/interno.h"

namespace {

std::mt19937_64& Generador() {
    thread_local std::mt19937_64 generador = [] {
        // Entropy from the system, mixed with the time and the thread, so that
        // no two threads and no two runs start alike.
        std::random_device dispositivo;
        std::seed_seq semilla{
            dispositivo(), dispositivo(),
            static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()),
            static_cast<unsigned>(std::hash<std::thread::id>{}(std::this_thread::get_id()))};
        return std::mt19937_64(semilla);
    }();
    return generador;
}

thread_local std::optional<std::uint64_t> semilla_fijada;

// A pseudo-random fraction in [0, 1), drawn anew for each use.
double Fraccion() { return static_cast<double>(Generador()() >> 11) * 0x1.0p-53; }

// L random digits, sign '+': the top one 1..9 first, then 0..9 from the units up.
NumeroGrande Digitos(int longitud) {
    NumeroGrande x;
    bignum_interno::Dimensionar(x, longitud);
    x.Digitos[longitud - 1] = static_cast<std::uint8_t>(Fraccion() * 9 + 1);
    for (int i = 0; i < longitud - 1; ++i) x.Digitos[i] = static_cast<std::uint8_t>(Fraccion() * 10);
    return x;
}

}  // namespace

NumeroGrande AleatorioParaPrueba(std::int16_t NumDigitos) {
    int longitud = NumDigitos <= 30 ? NumDigitos / 2
                                    : static_cast<int>(std::nearbyint(Fraccion() * 5 + 3));  // halves to even
    return Digitos(std::max(longitud, 1));
}

NumeroGrande AleatorioParaFactorizar(std::int16_t NumDigitos) {
    const int longitud = static_cast<int>(Fraccion() * (NumDigitos / 2) + 1);
    return Digitos(std::max(longitud, 1));
}

void FijarSemillaAleatoria(std::uint64_t semilla) {
    Generador().seed(semilla);
    semilla_fijada = semilla;
}

std::optional<std::uint64_t> SemillaFijada() { return semilla_fijada; }
