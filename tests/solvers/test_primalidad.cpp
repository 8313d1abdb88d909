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

}  // namespace
