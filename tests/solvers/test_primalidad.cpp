#include <string>
#include <string_view>
#include <vector>

#include "apoyo.h"
#include "solvers/primalidad.h"

namespace {

struct CasoPrimalidad {
    const char* n;
    bool primo;
    std::vector<double> progreso;  // every value written to the bar, in order
};

void PrintTo(const CasoPrimalidad& caso, std::ostream* os) { *os << caso.n; }

class EsPrimoCasos : public ConPuerto, public ::testing::WithParamInterface<CasoPrimalidad> {};

// The record of a case: its digits, '-' when the text starts with one.
NumeroGrande Numero(std::string_view texto) {
    const bool negativo = !texto.empty() && texto.front() == '-';
    NumeroGrande n = Num(texto.substr(negativo ? 1 : 0));
    if (negativo) n.Signo = '-';
    return n;
}

TEST_P(EsPrimoCasos, RespuestaYProgreso) {
    const CasoPrimalidad& caso = GetParam();
    EXPECT_EQ(EsPrimo(Numero(caso.n)), caso.primo);
    EXPECT_EQ(ui.progresos, caso.progreso);
    EXPECT_TRUE(ui.registro.empty());
    // The test cannot be stopped and never lets events run.
    EXPECT_EQ(ui.eventos, 0);
    EXPECT_EQ(ui.consultas_detener, 0);
}

// Small and even numbers are decided without moving the bar (a composite
// answer sets it to 100); 13 runs all five fixed-base passes, 4 per step;
// 561 (Carmichael) falls to base 2 at once; 2047 is a strong pseudoprime to
// base 2 and 3215031751 to bases 2, 3, 5 and 7.
INSTANTIATE_TEST_SUITE_P(
    Casos, EsPrimoCasos,
    ::testing::Values(CasoPrimalidad{"0", false, {100}}, CasoPrimalidad{"1", false, {100}},
                      CasoPrimalidad{"4", false, {100}}, CasoPrimalidad{"6", false, {100}},
                      CasoPrimalidad{"8", false, {100}}, CasoPrimalidad{"9", false, {100}},
                      CasoPrimalidad{"10", false, {100}}, CasoPrimalidad{"1000000000000000000000", false, {100}},
                      CasoPrimalidad{"2", true, {}}, CasoPrimalidad{"3", true, {}},
                      CasoPrimalidad{"5", true, {}}, CasoPrimalidad{"7", true, {}},
                      CasoPrimalidad{"11", true, {}},
                      CasoPrimalidad{"13", true, {4, 8, 12, 16, 20, 28, 32, 36, 40, 44, 48, 52, 56, 60, 64}},
                      CasoPrimalidad{"561", false, {4, 8, 12, 100}},
                      CasoPrimalidad{"2047", false, {4, 8, 16, 20, 24, 28, 100}},
                      CasoPrimalidad{"3215031751", false,
                                     {4, 8, 16, 20, 24, 32, 36, 40, 48, 52, 56, 64, 68, 72, 76, 100}},
                      // The sign is not looked at: -13 is tested as 13.
                      CasoPrimalidad{"-13", true, {4, 8, 12, 16, 20, 28, 32, 36, 40, 44, 48, 52, 56, 60, 64}},
                      CasoPrimalidad{"-2", true, {}}, CasoPrimalidad{"-561", false, {4, 8, 12, 100}}),
    [](const ::testing::TestParamInfo<CasoPrimalidad>& info) {
        const std::string_view n = info.param.n;
        const bool negativo = n.front() == '-';
        std::string nombre(negativo ? "menos" : "n");
        nombre.append(n.substr(negativo ? 1 : 0));
        return nombre;
    });

// Steps between consecutive values written to the bar, starting from 0.
std::vector<double> Pasos(const std::vector<double>& valores) {
    std::vector<double> pasos;
    double anterior = 0;
    for (double v : valores) {
        pasos.push_back(v - anterior);
        anterior = v;
    }
    return pasos;
}

class EsPrimoPasadas : public ConPuerto {};

TEST_F(EsPrimoPasadas, OnceDigitosCincoBasesFijasDoceDigitosTresAleatorias) {
    FijarSemillaAleatoria(11);
    const mpz_class primo11 = [] { mpz_class p; mpz_nextprime(p.get_mpz_t(), mpz_class("10000000000").get_mpz_t()); return p; }();
    ASSERT_EQ(primo11.get_str().size(), 11u);
    EXPECT_TRUE(EsPrimo(Num(primo11)));
    EXPECT_EQ(ui.progresos.size(), 15u);  // five passes, three writes each
    for (double paso : Pasos(ui.progresos)) EXPECT_TRUE(paso == 4 || paso == 8) << paso;

    ui.progresos.clear();
    const mpz_class primo12 = [] { mpz_class p; mpz_nextprime(p.get_mpz_t(), mpz_class("100000000000").get_mpz_t()); return p; }();
    EXPECT_TRUE(EsPrimo(Num(primo12)));
    EXPECT_EQ(ui.progresos.size(), 9u);  // three passes
    for (double paso : Pasos(ui.progresos)) EXPECT_TRUE(paso == 7 || paso == 14) << paso;
}

TEST_F(EsPrimoPasadas, RondaPrimalidadConBaseFijaOAleatoria) {
    const std::uint8_t base2 = 1;
    const std::uint8_t base3 = 2;
    double progreso = 0;
    EXPECT_TRUE(RondaPrimalidad(Num("2047"), kBasePorRonda, &base2, progreso));
    EXPECT_FALSE(RondaPrimalidad(Num("2047"), kBasePorRonda, &base3, progreso));
    EXPECT_EQ(ui.progresos, (std::vector<double>{4, 8, 16, 20, 24, 28}));
    EXPECT_EQ(progreso, 28);

    progreso = 0;
    ui.progresos.clear();
    EXPECT_TRUE(RondaPrimalidad(Num("1000000007"), kBaseAleatoria, nullptr, progreso));
    ASSERT_EQ(ui.progresos.size(), 3u);
    EXPECT_EQ(ui.progresos[0], 7);
}

// Against GMP, on numbers of 1 to 300 digits drawn from a fixed seed: a
// random number, the next prime above it and a product of two primes of
// about half its size.
TEST_F(EsPrimoPasadas, CoincideConGmp) {
    constexpr unsigned long kSemilla = 20240611;
    SCOPED_TRACE("semilla " + std::to_string(kSemilla));
    gmp_randclass azar(gmp_randinit_mt);
    azar.seed(kSemilla);
    FijarSemillaAleatoria(kSemilla);

    const auto aleatorio = [&](int digitos) {
        mpz_class menor;
        mpz_ui_pow_ui(menor.get_mpz_t(), 10, digitos - 1);
        return mpz_class(menor + azar.get_z_range(9 * menor));
    };
    const auto siguiente_primo = [](const mpz_class& n) {
        mpz_class p;
        mpz_nextprime(p.get_mpz_t(), n.get_mpz_t());
        return p;
    };
    const auto comprobar = [&](const mpz_class& n) {
        SCOPED_TRACE(n.get_str());
        EXPECT_EQ(EsPrimo(Num(n)), mpz_probab_prime_p(n.get_mpz_t(), 40) != 0);
    };

    std::vector<int> longitudes;
    for (int d = 1; d <= 32; ++d) longitudes.push_back(d);
    for (int d : {50, 100, 200, 300}) longitudes.push_back(d);
    for (int digitos : longitudes) {
        const mpz_class n = aleatorio(digitos);
        comprobar(n);
        comprobar(siguiente_primo(n));
        if (digitos >= 4) comprobar(siguiente_primo(aleatorio(digitos / 2)) * siguiente_primo(aleatorio(digitos - digitos / 2)));
    }
}


// ---- The trace of a test (the primality window's detail) -------------------

std::vector<std::string> Textos(const std::vector<NumeroGrande>& numeros) {
    std::vector<std::string> textos;
    for (const NumeroGrande& x : numeros) textos.push_back(NumeroACadena(x));
    return textos;
}

struct PasadaEsperada {
    const char* base;
    const char* x;
    std::vector<std::string> cuadrados;
    bool probable_primo;
};

struct CasoTraza {
    const char* n;
    TrazaPrimalidad::Directa directa;
    int s;
    const char* d;
    std::vector<PasadaEsperada> pasadas;
};

void PrintTo(const CasoTraza& caso, std::ostream* os) { *os << caso.n; }

class TrazaCasos : public ConPuerto, public ::testing::WithParamInterface<CasoTraza> {};

// The trace holds what the test did, and the answer and the bar are those
// of a test without it.
TEST_P(TrazaCasos, PasadasYDecision) {
    const CasoTraza& caso = GetParam();
    const bool sin_traza = EsPrimo(Num(caso.n));
    const std::vector<double> progreso_sin_traza = ui.progresos;
    ui.progresos.clear();
    TrazaPrimalidad traza;
    traza.pasadas.resize(3);  // whatever a previous test left is replaced
    EXPECT_EQ(EsPrimo(Num(caso.n), &traza), sin_traza);
    EXPECT_EQ(traza.primo, sin_traza);
    EXPECT_EQ(ui.progresos, progreso_sin_traza);
    EXPECT_EQ(traza.progresos, progreso_sin_traza);
    EXPECT_EQ(NumeroACadena(traza.n), caso.n);
    EXPECT_EQ(traza.directa, caso.directa);
    ASSERT_EQ(traza.pasadas.size(), caso.pasadas.size());
    if (caso.pasadas.empty()) return;
    EXPECT_EQ(traza.s, caso.s);
    EXPECT_EQ(NumeroACadena(traza.d), caso.d);
    for (std::size_t i = 0; i < caso.pasadas.size(); ++i) {
        SCOPED_TRACE("base " + std::string(caso.pasadas[i].base));
        EXPECT_EQ(NumeroACadena(traza.pasadas[i].base), caso.pasadas[i].base);
        EXPECT_EQ(NumeroACadena(traza.pasadas[i].x), caso.pasadas[i].x);
        EXPECT_EQ(Textos(traza.pasadas[i].cuadrados), caso.pasadas[i].cuadrados);
        EXPECT_EQ(traza.pasadas[i].probable_primo, caso.pasadas[i].probable_primo);
    }
}

using D = TrazaPrimalidad::Directa;

// 561 = 3 * 11 * 17: 560 = 2^4 * 35, 2^35 = 263 and its squarings 166, 67
// and 1 never reach 560, so 2 is a witness. 13: 12 = 2^2 * 3 and every
// base reaches 12 (or 3^3 = 1 at once). Small numbers: the check that decided.
INSTANTIATE_TEST_SUITE_P(
    Casos, TrazaCasos,
    ::testing::Values(
        CasoTraza{"561", D::Ninguna, 4, "35", {{"2", "263", {"166", "67", "1"}, false}}},
        CasoTraza{"13",
                  D::Ninguna,
                  2,
                  "3",
                  {{"2", "8", {"12"}, true},
                   {"3", "1", {}, true},
                   {"5", "8", {"12"}, true},
                   {"7", "5", {"12"}, true},
                   {"11", "5", {"12"}, true}}},
        CasoTraza{"2047", D::Ninguna, 1, "1023", {{"2", "1", {}, true}, {"3", "1565", {}, false}}},
        CasoTraza{"0", D::Par, 0, "", {}}, CasoTraza{"2", D::Par, 0, "", {}}, CasoTraza{"7", D::UnaCifra, 0, "", {}},
        CasoTraza{"9", D::UnaCifra, 0, "", {}}, CasoTraza{"11", D::Once, 0, "", {}}),
    [](const ::testing::TestParamInfo<CasoTraza>& info) { return std::string("n") + info.param.n; });

// Random bases: with the same seed, the trace shows the bases the test drew,
// and each value follows from the one before (checked with GMP).
TEST_F(EsPrimoPasadas, TrazaConBasesAleatoriasComoLaPrueba) {
    for (const char* texto : {"1000000000039", "1000000000037", "170141183460469231731687303715884105727"}) {
        SCOPED_TRACE(texto);
        const mpz_class n(texto);
        ui.progresos.clear();
        FijarSemillaAleatoria(5);
        const bool primo = EsPrimo(Num(n));
        const std::vector<double> progreso = ui.progresos;
        ui.progresos.clear();
        FijarSemillaAleatoria(5);
        TrazaPrimalidad traza;
        EXPECT_EQ(EsPrimo(Num(n), &traza), primo);
        EXPECT_EQ(traza.progresos, progreso);
        ASSERT_FALSE(traza.pasadas.empty());
        // Three passes for a prime; a composite's end at its first witness.
        if (primo) {
            EXPECT_EQ(traza.pasadas.size(), 3u);
        }
        for (std::size_t i = 0; i + 1 < traza.pasadas.size(); ++i) EXPECT_TRUE(traza.pasadas[i].probable_primo);
        mpz_class potencia;
        mpz_ui_pow_ui(potencia.get_mpz_t(), 2, traza.s);
        EXPECT_EQ(potencia * Gmp(traza.d), n - 1);
        for (const TrazaPrimalidad::Pasada& p : traza.pasadas) {
            mpz_class x;
            mpz_powm(x.get_mpz_t(), Gmp(p.base).get_mpz_t(), Gmp(traza.d).get_mpz_t(), n.get_mpz_t());
            EXPECT_EQ(Gmp(p.x), x);
            for (const NumeroGrande& c : p.cuadrados) {
                x = x * x % n;
                EXPECT_EQ(Gmp(c), x);
            }
            const bool alcanza = Gmp(p.x) == 1 || Gmp(p.x) == n - 1 || (!p.cuadrados.empty() && x == n - 1);
            EXPECT_EQ(p.probable_primo, alcanza);
        }
        EXPECT_EQ(traza.pasadas.back().probable_primo, primo);
    }
}

}  // namespace
