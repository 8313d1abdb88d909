#include <optional>
#include <string>
#include <vector>

#include "apoyo.h"
#include "solvers/factorizacion.h"

namespace {

struct CasoFactorizacion {
    const char* nombre;
    MetodoFactorizacion metodo;
    bool con_tabla;  // false: run where there is no Primos.txt
    const char* n;
    const char* factor1;
    const char* factor2;
};

void PrintTo(const CasoFactorizacion& caso, std::ostream* os) { *os << caso.nombre; }

class Factorizacion : public ConPuerto, public ::testing::WithParamInterface<CasoFactorizacion> {};

TEST_P(Factorizacion, Casos) {
    const CasoFactorizacion& caso = GetParam();
    std::optional<CarpetaTemporal> sin_tabla;
    if (!caso.con_tabla) sin_tabla.emplace();
    NumeroGrande f1 = Num("77");
    NumeroGrande f2 = Num("88");
    caso.metodo(Num(caso.n), f1, f2);
    EXPECT_EQ(NumeroACadena(f1), caso.factor1);
    EXPECT_EQ(NumeroACadena(f2), caso.factor2);
    EXPECT_TRUE(ui.registro.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Ejemplos, Factorizacion,
    ::testing::Values(
        // Rho: 15 splits in the first step (x = 5, y = 11, gcd(9, 15) = 3).
        CasoFactorizacion{"rho_15", FactorizarRho, true, "15", "3", "5"},
        CasoFactorizacion{"rho_8051", FactorizarRho, true, "8051", "97", "83"},
        CasoFactorizacion{"rho_0", FactorizarRho, true, "0", "0", "0"},
        // Dixon: the table first; without it, the walk from 11 meets
        // gcd(11, 143) at once.
        CasoFactorizacion{"dixon_143", FactorizarDixon, true, "143", "11", "13"},
        CasoFactorizacion{"dixon_143_sin_tabla", FactorizarDixon, false, "143", "11", "13"},
        CasoFactorizacion{"dixon_49", FactorizarDixon, true, "49", "7", "7"},
        CasoFactorizacion{"dixon_49_sin_tabla", FactorizarDixon, false, "49", "7", "7"},
        CasoFactorizacion{"dixon_cuadrado_sin_factor_en_tabla", FactorizarDixon, true, "1073938441", "32771", "32771"},
        CasoFactorizacion{"dixon_1", FactorizarDixon, true, "1", "1", "1"},
        CasoFactorizacion{"dixon_primo_sin_tabla", FactorizarDixon, false, "101", "0", "0"},
        CasoFactorizacion{"dixon_primo_mas_alla_de_la_tabla", FactorizarDixon, true, "32771", "0", "0"},
        CasoFactorizacion{"dixon_dos_primos_cercanos", FactorizarDixon, true, "1074200609", "32771", "32779"},
        CasoFactorizacion{"dixon_0", FactorizarDixon, true, "0", "0", "0"},
        // Continued fractions: Q(2) = 1 = 1^2 for 15 and gcd(15, 3) = 3; a
        // perfect square gives Q = 0 at once; for 3, A(1) = s: give up.
        CasoFactorizacion{"fracciones_15_sin_tabla", FactorizarFracciones, false, "15", "3", "5"},
        CasoFactorizacion{"fracciones_49_sin_tabla", FactorizarFracciones, false, "49", "7", "7"},
        CasoFactorizacion{"fracciones_1", FactorizarFracciones, true, "1", "1", "1"},
        CasoFactorizacion{"fracciones_3_sin_tabla_se_rinde", FactorizarFracciones, false, "3", "3", "1"},
        CasoFactorizacion{"fracciones_91", FactorizarFracciones, true, "91", "7", "13"},
        CasoFactorizacion{"fracciones_0", FactorizarFracciones, true, "0", "0", "0"}),
    [](const ::testing::TestParamInfo<CasoFactorizacion>& info) { return std::string(info.param.nombre); });

// Products of two primes drawn from a fixed seed, beyond the table: every
// pair multiplies back to n and is a proper split (continued fractions may
// give up with n and 1).
class FactorizacionAleatoria : public ConPuerto {};

TEST_F(FactorizacionAleatoria, ElProductoDeLosFactoresEsN) {
    constexpr unsigned long kSemilla = 7351;
    SCOPED_TRACE("semilla " + std::to_string(kSemilla));
    gmp_randclass azar(gmp_randinit_mt);
    azar.seed(kSemilla);
    FijarSemillaAleatoria(kSemilla);
    const auto primo = [&](unsigned long desde, unsigned long hasta) {
        mpz_class p;
        const mpz_class inicio = desde + azar.get_z_range(hasta - desde);
        mpz_nextprime(p.get_mpz_t(), inicio.get_mpz_t());
        return p;
    };

    struct Prueba {
        const char* nombre;
        MetodoFactorizacion factorizar;
        unsigned long hasta;  // size of the primes: Dixon's walk grows with their distance
        bool puede_rendirse;
    };
    for (const Prueba& m : {Prueba{"rho", FactorizarRho, 100'000'000, false},
                            Prueba{"dixon", FactorizarDixon, 60'000, false},
                            Prueba{"fracciones", FactorizarFracciones, 10'000'000, true}}) {
        for (int i = 0; i < 6; ++i) {
            const mpz_class n = primo(32768, m.hasta) * primo(32768, m.hasta);
            SCOPED_TRACE(std::string(m.nombre) + " " + n.get_str());
            NumeroGrande f1;
            NumeroGrande f2;
            m.factorizar(Num(n), f1, f2);
            EXPECT_EQ(Gmp(f1) * Gmp(f2), n);
            if (!(m.puede_rendirse && Gmp(f2) == 1)) {
                EXPECT_GT(Gmp(f1), 1);
                EXPECT_LT(Gmp(f1), n);
            }
        }
    }
    EXPECT_TRUE(ui.registro.empty());
}

}  // namespace
