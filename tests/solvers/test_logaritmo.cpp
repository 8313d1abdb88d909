#include <string>
#include <vector>

#include "apoyo.h"
#include "solvers/logaritmo.h"
#include "solvers/pohlig_hellman.h"

namespace {

void GiganteEnano(const NumeroGrande& alfa, const NumeroGrande& beta, const NumeroGrande& grupo,
                  NumeroGrande& resultado) {
    bool interrumpido = true;
    LogaritmoGiganteEnano(alfa, beta, grupo, resultado, interrumpido);
    EXPECT_FALSE(interrumpido);
}

struct CasoLogaritmo {
    const char* nombre;
    MetodoLogaritmo metodo;
    const char* alfa;
    const char* beta;
    const char* grupo;
    const char* resultado;
    std::vector<int> errores;
};

void PrintTo(const CasoLogaritmo& caso, std::ostream* os) { *os << caso.nombre; }

class Logaritmos : public ConPuerto, public ::testing::WithParamInterface<CasoLogaritmo> {};

TEST_P(Logaritmos, Casos) {
    const CasoLogaritmo& caso = GetParam();
    NumeroGrande resultado = Num("77");
    caso.metodo(Num(caso.alfa), Num(caso.beta), Num(caso.grupo), resultado);
    EXPECT_EQ(NumeroACadena(resultado), caso.resultado);
    EXPECT_EQ(ui.errores, caso.errores);
    EXPECT_EQ(ui.advertencias, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Ejemplos, Logaritmos,
    ::testing::Values(
        // 2^x = 3 (mod 11) by the three methods.
        CasoLogaritmo{"busqueda_2_3_11", LogaritmoBusqueda, "2", "3", "11", "8", {}},
        CasoLogaritmo{"gigante_enano_2_3_11", GiganteEnano, "2", "3", "11", "8", {}},
        CasoLogaritmo{"pohlig_hellman_2_3_11", LogaritmoPohligHellman, "2", "3", "11", "8", {}},

        CasoLogaritmo{"busqueda_2_3_5", LogaritmoBusqueda, "2", "3", "5", "3", {}},
        CasoLogaritmo{"busqueda_beta_0", LogaritmoBusqueda, "2", "0", "11", "0", {}},
        CasoLogaritmo{"busqueda_beta_1", LogaritmoBusqueda, "2", "1", "11", "0", {}},
        CasoLogaritmo{"busqueda_alfa_1_beta_1", LogaritmoBusqueda, "1", "1", "11", "1", {}},
        CasoLogaritmo{"busqueda_alfa_1_beta_5", LogaritmoBusqueda, "1", "5", "11", "0", {11}},

        // 3^4 = 4 (mod 11): the first giant step meets the table without
        // saying anything about beta, and the search goes on.
        CasoLogaritmo{"gigante_enano_3_4_11", GiganteEnano, "3", "4", "11", "4", {}},
        CasoLogaritmo{"gigante_enano_paso_directo", GiganteEnano, "2", "8", "11", "3", {}},
        CasoLogaritmo{"gigante_enano_alfa_1_beta_1", GiganteEnano, "1", "1", "11", "1", {}},
        CasoLogaritmo{"gigante_enano_alfa_1_beta_5", GiganteEnano, "1", "5", "11", "0", {11}},
        // 2 is not a power of 3 modulo 11, nor 5 of 2 modulo 23: no giant
        // step meets the table.
        CasoLogaritmo{"gigante_enano_3_2_11", GiganteEnano, "3", "2", "11", "0", {11}},
        CasoLogaritmo{"gigante_enano_2_5_23", GiganteEnano, "2", "5", "23", "0", {11}},
        // beta >= grupo: a giant step meets the table but the check fails.
        CasoLogaritmo{"gigante_enano_beta_mayor_que_grupo", GiganteEnano, "2", "14", "11", "0", {11}},
        // 2 has no inverse modulo 8: the arithmetic's error 3, then the giant
        // steps go on with its 0 and meet nothing.
        CasoLogaritmo{"gigante_enano_alfa_sin_inverso", GiganteEnano, "2", "3", "8", "0", {3, 11}},
        // 4 has no inverse modulo 16, and 4^2 = 0 is in the table: the giant
        // step 3 * 0^1 meets it, and the check refuses the answer 4 + 2.
        CasoLogaritmo{"gigante_enano_alfa_sin_inverso_acierto", GiganteEnano, "4", "3", "16", "0", {3, 11}},

        CasoLogaritmo{"pohlig_hellman_3_13_17", LogaritmoPohligHellman, "3", "13", "17", "4", {}},
        // 102 = 2 * 3 * 17 with m = 11: q = 17 lies between m and 2m.
        CasoLogaritmo{"pohlig_hellman_5_6_103", LogaritmoPohligHellman, "5", "6", "103", "83", {}},
        CasoLogaritmo{"pohlig_hellman_grupo_compuesto", LogaritmoPohligHellman, "2", "3", "15", "0", {5}},
        CasoLogaritmo{"pohlig_hellman_grupo_2", LogaritmoPohligHellman, "1", "1", "2", "0", {5}},

        // grupo = 0 is refused by every method; modulo 1 each method gives
        // what its steps give: 2^0 = 1 is met at once, and the order 0 leaves
        // Pohlig–Hellman nothing to work on.
        CasoLogaritmo{"busqueda_grupo_0", LogaritmoBusqueda, "2", "3", "0", "0", {4}},
        CasoLogaritmo{"gigante_enano_grupo_0", GiganteEnano, "2", "3", "0", "0", {4}},
        CasoLogaritmo{"pohlig_hellman_grupo_0", LogaritmoPohligHellman, "2", "3", "0", "0", {4}},
        CasoLogaritmo{"busqueda_grupo_1", LogaritmoBusqueda, "2", "1", "1", "0", {}},
        CasoLogaritmo{"gigante_enano_grupo_1", GiganteEnano, "2", "1", "1", "0", {}},
        CasoLogaritmo{"pohlig_hellman_grupo_1", LogaritmoPohligHellman, "2", "1", "1", "0", {}}),
    [](const ::testing::TestParamInfo<CasoLogaritmo>& info) { return std::string(info.param.nombre); });

class GiganteEnanoPrueba : public ConPuerto {
protected:
    std::string Resolver(const char* alfa, const char* beta, const char* grupo, bool& interrumpido,
                         bool* existe = nullptr) {
        NumeroGrande resultado = Num("77");
        LogaritmoGiganteEnano(Num(alfa), Num(beta), Num(grupo), resultado, interrumpido, existe);
        return NumeroACadena(resultado);
    }
};

// With existe given (as Pohlig–Hellman calls it) a missing logarithm is told
// through it, without error 11; alfa without an inverse still has the
// arithmetic's error 3, and its giant steps end in existe = false all the
// same.
TEST_F(GiganteEnanoPrueba, ExisteEnLugarDelDialogo) {
    struct Caso {
        const char *alfa, *beta, *grupo, *resultado;
        bool existe;
        std::vector<int> errores;
    };
    for (const Caso& c : {Caso{"2", "3", "11", "8", true, {}}, Caso{"2", "8", "11", "3", true, {}},
                          Caso{"1", "5", "11", "0", false, {}}, Caso{"2", "5", "23", "0", false, {}},
                          Caso{"2", "14", "11", "0", false, {}}, Caso{"2", "3", "8", "0", false, {3}},
                          Caso{"4", "3", "16", "0", false, {3}}}) {
        SCOPED_TRACE(std::string(c.alfa) + "^x = " + c.beta + " mod " + c.grupo);
        ui.errores.clear();
        ui.registro.clear();
        bool interrumpido = true;
        bool existe = true;
        EXPECT_EQ(Resolver(c.alfa, c.beta, c.grupo, interrumpido, &existe), c.resultado);
        EXPECT_EQ(existe, c.existe);
        EXPECT_FALSE(interrumpido);
        EXPECT_EQ(ui.errores, c.errores);
        if (c.errores.empty()) {
            EXPECT_TRUE(ui.registro.empty());  // not even a pointer change
        }
    }
    EXPECT_EQ(ui.advertencias, 0);
}

// A table too large to hold (or m beyond 32 bits): error 13 at once, and
// the run counts as interrupted.
TEST_F(GiganteEnanoPrueba, TablaDemasiadoGrande) {
    const mpz_class lado = kMaxEntradasTabla;
    for (const mpz_class& grupo : {mpz_class(lado * lado + 2), mpz_class("100000000000000000000")}) {
        SCOPED_TRACE(grupo.get_str());
        ui.errores.clear();
        bool interrumpido = false;
        EXPECT_EQ(Resolver("3", "5", grupo.get_str().c_str(), interrumpido), "0");
        EXPECT_TRUE(interrumpido);
        EXPECT_EQ(ui.errores, std::vector<int>{13});
    }
    EXPECT_EQ(ui.consultas_detener, 0);
}

// The bound is on m = floor(sqrt(grupo - 1)) + 1 itself: with a bound of 10,
// grupo 100 (m = 10) builds its table and grupo 101 (m = 11) is refused;
// with 11, grupo 101 is solved too.
TEST_F(GiganteEnanoPrueba, LimiteDeLaTablaJustoEnElBorde) {
    struct Caso {
        std::int32_t limite;
        const char* grupo;
        const char* beta;  // 3^57 mod grupo
        bool cabe;
    };
    for (const Caso& c : {Caso{10, "100", "63", true}, Caso{10, "101", "35", false}, Caso{11, "101", "35", true}}) {
        SCOPED_TRACE(std::string("limite ") + std::to_string(c.limite) + ", grupo " + c.grupo);
        FijarLimiteTablaGiganteEnano(c.limite);
        ui.errores.clear();
        bool interrumpido = false;
        const std::string x = Resolver("3", c.beta, c.grupo, interrumpido);
        FijarLimiteTablaGiganteEnano(kMaxEntradasTabla);
        EXPECT_EQ(interrumpido, !c.cabe);
        if (c.cabe) {
            EXPECT_TRUE(ui.errores.empty());
            mpz_class potencia;
            mpz_powm(potencia.get_mpz_t(), mpz_class(3).get_mpz_t(), mpz_class(x).get_mpz_t(),
                     mpz_class(c.grupo).get_mpz_t());
            EXPECT_EQ(potencia.get_str(), c.beta);
        } else {
            EXPECT_EQ(ui.errores, std::vector<int>{13});
            EXPECT_EQ(x, "0");
        }
    }
}

// A beta in the table is answered after the one stop check that follows
// the baby steps, without any giant step.
TEST_F(GiganteEnanoPrueba, AciertoDirectoSinPasosGigantes) {
    bool interrumpido = true;
    EXPECT_EQ(Resolver("2", "8", "11", interrumpido), "3");
    EXPECT_EQ(ui.consultas_detener, 1);
}

TEST(OrdenarTabla, AscendentePorSegundoConSusExponentes) {
    std::vector<ParNumeros> tabla;
    for (const char* segundo : {"9", "3", "27", "1", "3", "81"}) {
        tabla.push_back({Num(std::to_string(tabla.size())), Num(segundo)});
    }
    OrdenarTabla(tabla);
    std::vector<std::string> ordenada;
    for (const ParNumeros& p : tabla) ordenada.push_back(NumeroACadena(p.Primero) + ":" + NumeroACadena(p.Segundo));
    EXPECT_EQ(ordenada, (std::vector<std::string>{"3:1", "1:3", "4:3", "0:9", "2:27", "5:81"}));
}

TEST(OrdenarTabla, MasDe32767EntradasQuedaSinOrdenar) {
    std::vector<ParNumeros> tabla(kMaxEntradasOrdenables + 1);
    for (std::size_t i = 0; i < tabla.size(); ++i) tabla[i].Segundo = Num(std::to_string(tabla.size() - i));
    OrdenarTabla(tabla);
    EXPECT_EQ(NumeroACadena(tabla.front().Segundo), std::to_string(tabla.size()));
    EXPECT_EQ(NumeroACadena(tabla.back().Segundo), "1");
}

// Logarithms of random powers modulo random primes (fixed seed): every
// result found satisfies alfa^x mod grupo = beta.
class LogaritmoAleatorio : public ConPuerto {
protected:
    gmp_randclass azar{gmp_randinit_mt};

    mpz_class Primo(unsigned long desde, unsigned long hasta) {
        mpz_class p;
        const mpz_class inicio = desde + azar.get_z_range(hasta - desde);
        mpz_nextprime(p.get_mpz_t(), inicio.get_mpz_t());
        return p;
    }

    // A generator of the multiplicative group modulo the prime p.
    mpz_class Generador(const mpz_class& p) {
        std::vector<mpz_class> primos;
        mpz_class resto = p - 1;
        for (mpz_class q = 2; q * q <= resto; ++q) {
            if (resto % q != 0) continue;
            primos.push_back(q);
            while (resto % q == 0) resto /= q;
        }
        if (resto > 1) primos.push_back(resto);
        for (mpz_class g = 2;; ++g) {
            bool genera = true;
            for (const mpz_class& q : primos) {
                mpz_class r;
                const mpz_class e = (p - 1) / q;
                mpz_powm(r.get_mpz_t(), g.get_mpz_t(), e.get_mpz_t(), p.get_mpz_t());
                genera = genera && r != 1;
            }
            if (genera) return g;
        }
    }

    void Comprobar(MetodoLogaritmo metodo, const mpz_class& alfa, const mpz_class& x, const mpz_class& p) {
        mpz_class beta;
        mpz_powm(beta.get_mpz_t(), alfa.get_mpz_t(), x.get_mpz_t(), p.get_mpz_t());
        SCOPED_TRACE(alfa.get_str() + "^x = " + beta.get_str() + " mod " + p.get_str());
        NumeroGrande resultado;
        metodo(Num(alfa), Num(beta), Num(p), resultado);
        mpz_class potencia;
        const mpz_class r = Gmp(resultado);
        mpz_powm(potencia.get_mpz_t(), alfa.get_mpz_t(), r.get_mpz_t(), p.get_mpz_t());
        EXPECT_EQ(potencia, beta);
    }
};

TEST_F(LogaritmoAleatorio, CadaLogaritmoCumpleLaPotencia) {
    constexpr unsigned long kSemilla = 90210;
    SCOPED_TRACE("semilla " + std::to_string(kSemilla));
    azar.seed(kSemilla);
    for (int i = 0; i < 8; ++i) {
        const mpz_class p = Primo(100, 5'000);
        const mpz_class alfa = 2 + azar.get_z_range(p - 3);
        Comprobar(LogaritmoBusqueda, alfa, azar.get_z_range(p - 1), p);
    }
    for (int i = 0; i < 8; ++i) {
        const mpz_class p = Primo(1'000, 1'000'000);
        const mpz_class alfa = 2 + azar.get_z_range(p - 3);
        Comprobar(GiganteEnano, alfa, azar.get_z_range(p - 1), p);
    }
    for (int i = 0; i < 8; ++i) {
        const mpz_class p = Primo(1'000, 1'000'000);
        Comprobar(LogaritmoPohligHellman, Generador(p), azar.get_z_range(p - 1), p);
    }
    EXPECT_TRUE(ui.registro.empty());
}

}  // namespace
