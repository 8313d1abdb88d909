// Random numbers of a chosen size: lengths, digit ranges, a repeatable
// sequence for tests, and fresh values on every draw.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <thread>

#include "bignum/aleatorio.h"
#include "numeros_de_prueba.h"

using prueba::Ver;

namespace {

constexpr int kSorteos = 2000;

struct Recuento {
    std::set<int> longitudes, cifras_altas, cifras_bajas;
};

// Draws kSorteos numbers and collects what was seen; fails on a record
// that is not a well-formed positive number.
template <class Sorteo>
Recuento Sortear(Sorteo sorteo) {
    Recuento visto;
    for (int i = 0; i < kSorteos; ++i) {
        const NumeroGrande x = sorteo();
        const std::string texto = Ver(x);
        EXPECT_EQ(texto.find_first_not_of("0123456789"), std::string::npos) << texto;
        if (::testing::Test::HasFailure()) return visto;
        visto.longitudes.insert(x.Longitud);
        visto.cifras_altas.insert(x.Digitos[x.Longitud - 1]);
        for (int j = 0; j + 1 < x.Longitud; ++j) visto.cifras_bajas.insert(x.Digitos[j]);
    }
    return visto;
}

std::set<int> Rango(int desde, int hasta) {
    std::set<int> r;
    for (int i = desde; i <= hasta; ++i) r.insert(i);
    return r;
}

TEST(Aleatorio, ParaPruebaTieneLaMitadDeCifrasHasta30YLuegoDe3A8) {
    FijarSemillaAleatoria(1);
    const struct {
        std::int16_t num_digitos;
        std::set<int> longitudes;
    } casos[] = {
        {2, {1}}, {3, {1}}, {10, {5}}, {30, {15}}, {31, Rango(3, 8)}, {300, Rango(3, 8)},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.num_digitos);
        const Recuento visto = Sortear([&] { return AleatorioParaPrueba(c.num_digitos); });
        EXPECT_EQ(visto.longitudes, c.longitudes);
        EXPECT_EQ(visto.cifras_altas, Rango(1, 9));
        if (c.num_digitos > 3) {
            EXPECT_EQ(visto.cifras_bajas, Rango(0, 9));
        }
    }
}

TEST(Aleatorio, ParaFactorizarTieneDeUnaALaMitadDeCifras) {
    FijarSemillaAleatoria(2);
    const struct {
        std::int16_t num_digitos;
        std::set<int> longitudes;
    } casos[] = {
        {0, {1}}, {1, {1}}, {2, {1}}, {9, Rango(1, 4)}, {60, Rango(1, 30)},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.num_digitos);
        const Recuento visto = Sortear([&] { return AleatorioParaFactorizar(c.num_digitos); });
        EXPECT_EQ(visto.longitudes, c.longitudes);
        EXPECT_EQ(visto.cifras_altas, Rango(1, 9));
    }
}

TEST(Aleatorio, LaMismaSemillaRepiteLaSecuencia) {
    const auto secuencia = [] {
        std::string s;
        for (int i = 0; i < 5; ++i) s += Ver(AleatorioParaPrueba(30)) + " " + Ver(AleatorioParaFactorizar(40)) + " ";
        return s;
    };
    FijarSemillaAleatoria(77);
    const std::string primera = secuencia();
    FijarSemillaAleatoria(77);
    EXPECT_EQ(secuencia(), primera);
    FijarSemillaAleatoria(78);
    EXPECT_NE(secuencia(), primera);
}

// Fifteen-digit draws made within one second (and in fresh threads) differ:
// the generator is not re-seeded from a one-second clock.
TEST(Aleatorio, DosSorteosSeguidosDifieren) {
    std::set<std::string> vistos;
    for (int i = 0; i < 20; ++i) vistos.insert(Ver(AleatorioParaPrueba(30)));
    EXPECT_EQ(vistos.size(), 20u);

    std::string en_hilo[2];
    std::thread a([&] { en_hilo[0] = Ver(AleatorioParaPrueba(30)); });
    std::thread b([&] { en_hilo[1] = Ver(AleatorioParaPrueba(30)); });
    a.join();
    b.join();
    EXPECT_NE(en_hilo[0], en_hilo[1]);
}

}  // namespace
