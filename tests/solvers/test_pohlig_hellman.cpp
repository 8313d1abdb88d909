#include <algorithm>
#include <string>
#include <vector>

#include "apoyo.h"
#include "solvers/pohlig_hellman.h"

namespace {

std::vector<std::string> Texto(const std::vector<ParNumeros>& lista) {
    std::vector<std::string> texto;
    for (const ParNumeros& p : lista) texto.push_back(NumeroACadena(p.Primero) + "^" + NumeroACadena(p.Segundo));
    return texto;
}

class FactorizarOrdenPrueba : public ConPuerto {};

TEST_F(FactorizarOrdenPrueba, PotenciasDePrimosEnOrden) {
    struct Caso {
        const char* N;
        std::vector<std::string> factores;
    };
    for (const Caso& c : {Caso{"1086", {"2^1", "3^1", "181^1"}},
                          Caso{"7852", {"2^2", "13^1", "151^1"}},
                          Caso{"16", {"2^4"}},
                          Caso{"65542", {"2^1", "32771^1"}},  // a prime beyond the table
                          Caso{"1", {}}}) {
        SCOPED_TRACE(c.N);
        std::vector<ParNumeros> factores;
        bool interrumpido = true;
        EXPECT_TRUE(FactorizarOrden(Num(c.N), factores, interrumpido));
        EXPECT_EQ(Texto(factores), c.factores);
        EXPECT_FALSE(interrumpido);
    }
    EXPECT_TRUE(ui.registro.empty());
}

// 4 * 32771 * 32779: the cofactor beyond the table is split by rho, and the
// two primes come out in whichever order rho finds them.
TEST_F(FactorizarOrdenPrueba, CofactorCompuestoMasAllaDeLaTabla) {
    std::vector<ParNumeros> factores;
    bool interrumpido = true;
    ASSERT_TRUE(FactorizarOrden(Num("4296802436"), factores, interrumpido));
    const std::vector<std::string> texto = Texto(factores);
    EXPECT_TRUE(texto == (std::vector<std::string>{"2^2", "32771^1", "32779^1"}) ||
                texto == (std::vector<std::string>{"2^2", "32779^1", "32771^1"}));
}

// A table that lacks the small primes (or holds composites) leaves rho, or
// the table itself, to find composite divisors: each is split further, so
// every entry is a prime and the order is factored completely (in an order
// that depends on the walks, hence compared sorted).
TEST_F(FactorizarOrdenPrueba, TablaSinPrimosPequenosFactorizaDelTodo) {
    struct Caso {
        const char* tabla;
        const char* N;
        std::vector<std::string> factores;  // sorted as text
    };
    for (const Caso& c : {Caso{"32749\n", "16", {"2^4"}},
                          Caso{"32749\n", "8", {"2^3"}},
                          Caso{"32749\n", "24", {"2^3", "3^1"}},
                          Caso{"32749\n", "336", {"2^4", "3^1", "7^1"}},
                          Caso{"32749\n", "45045", {"11^1", "13^1", "3^2", "5^1", "7^1"}},
                          Caso{"15\n4\n2\n", "60", {"2^2", "3^1", "5^1"}}}) {
        SCOPED_TRACE(std::string(c.N) + " con la tabla " + c.tabla);
        CarpetaTemporal carpeta;
        carpeta.EscribirTabla(c.tabla);
        std::vector<ParNumeros> factores;
        bool interrumpido = true;
        ui.detener_en_consulta = ui.consultas_detener + 10000;  // a run that never ends fails here
        EXPECT_TRUE(FactorizarOrden(Num(c.N), factores, interrumpido));
        std::vector<std::string> texto = Texto(factores);
        std::sort(texto.begin(), texto.end());
        EXPECT_EQ(texto, c.factores);
        EXPECT_FALSE(interrumpido);
    }
    EXPECT_TRUE(ui.registro.empty());
}

// With that table, 3^x = 5 modulo 17 once showed error 3 (the moduli 8 and
// 2 of a composite "prime" shared a factor) before its right answer.
TEST_F(FactorizarOrdenPrueba, PohligHellmanSinPrimosPequenosNoMuestraErrores) {
    CarpetaTemporal carpeta;
    carpeta.EscribirTabla("32749\n");
    NumeroGrande x = Num("77");
    LogaritmoPohligHellman(Num("3"), Num("5"), Num("17"), x);
    EXPECT_EQ(NumeroACadena(x), "5");
    EXPECT_TRUE(ui.registro.empty());
}

TEST_F(FactorizarOrdenPrueba, CeroNoTieneFactorizacion) {
    std::vector<ParNumeros> factores(1);
    bool interrumpido = true;
    EXPECT_FALSE(FactorizarOrden(Num("0"), factores, interrumpido));
    EXPECT_TRUE(factores.empty());
    EXPECT_FALSE(interrumpido);
    EXPECT_TRUE(ui.registro.empty());
}

// Without the prime table the order cannot be factored: error 8 once, and
// Pohlig–Hellman ends with 0 and nothing more.
TEST_F(FactorizarOrdenPrueba, SinTablaDePrimos) {
    CarpetaTemporal sin_tabla;
    std::vector<ParNumeros> factores;
    bool interrumpido = true;
    EXPECT_FALSE(FactorizarOrden(Num("1086"), factores, interrumpido));
    EXPECT_TRUE(factores.empty());
    EXPECT_FALSE(interrumpido);
    EXPECT_EQ(ui.errores, std::vector<int>{8});

    ui.errores.clear();
    NumeroGrande resultado = Num("77");
    LogaritmoPohligHellman(Num("2"), Num("218"), Num("1087"), resultado);
    EXPECT_EQ(NumeroACadena(resultado), "0");
    EXPECT_EQ(ui.errores, std::vector<int>{8});
}

TEST(RestoChino, Garner) {
    struct Caso {
        std::vector<std::pair<const char*, const char*>> congruencias;
        const char* x;
    };
    for (const Caso& c : {Caso{{{"2", "3"}, {"3", "5"}, {"2", "7"}}, "23"},
                          Caso{{{"0", "2"}, {"3", "5"}}, "8"},
                          Caso{{{"4", "16"}}, "4"},
                          Caso{{{"6", "7"}, {"0", "11"}, {"12", "13"}}, "363"},
                          Caso{{}, "0"}}) {
        std::vector<ParNumeros> lista;
        for (const auto& [a, m] : c.congruencias) lista.push_back({Num(a), Num(m)});
        NumeroGrande x = Num("77");
        RestoChino(lista, x);
        EXPECT_EQ(NumeroACadena(x), c.x);
    }
}

// Random coprime moduli (fixed seed) against the residues GMP computes.
TEST(RestoChino, CoincideConGmp) {
    constexpr unsigned long kSemilla = 4242;
    SCOPED_TRACE("semilla " + std::to_string(kSemilla));
    gmp_randclass azar(gmp_randinit_mt);
    azar.seed(kSemilla);
    for (int i = 0; i < 20; ++i) {
        std::vector<ParNumeros> lista;
        mpz_class producto = 1;
        std::vector<mpz_class> moduli;
        mpz_class q = 1 + azar.get_z_range(50);
        for (int k = 0; k < 1 + i % 5; ++k) {  // distinct primes to small powers
            mpz_nextprime(q.get_mpz_t(), q.get_mpz_t());
            mpz_class m;
            mpz_pow_ui(m.get_mpz_t(), q.get_mpz_t(), 1 + mpz_class(azar.get_z_range(3)).get_ui());
            moduli.push_back(m);
            producto *= m;
        }
        const mpz_class x = azar.get_z_range(producto);
        for (const mpz_class& m : moduli) lista.push_back({Num(mpz_class(x % m)), Num(m)});
        NumeroGrande resultado;
        RestoChino(lista, resultado);
        EXPECT_EQ(Gmp(resultado), x);
    }
}

}  // namespace
