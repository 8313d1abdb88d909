// The cost laboratory's instances: their sizes and known answers checked
// with GMP, the same instances from the same seed, and the checks made
// after a run.
#include <cstdint>
#include <string>
#include <vector>

#include "apoyo.h"
#include "solvers/instancias.h"

namespace {

bool EsPrimoGmp(const mpz_class& n) { return mpz_probab_prime_p(n.get_mpz_t(), 40) != 0; }

// The distinct primes of n and the sum of their exponents (n below 2^64).
std::pair<std::vector<mpz_class>, int> Factorizar(const mpz_class& valor) {
    std::uint64_t n = std::stoull(valor.get_str());
    std::vector<mpz_class> primos;
    int exponentes = 0;
    for (std::uint64_t p = 2; p * p <= n; p += (p == 2 ? 1 : 2)) {
        if (n % p != 0) continue;
        primos.push_back(mpz_class(std::to_string(p)));
        for (; n % p == 0; n /= p) ++exponentes;
    }
    if (n > 1) {
        primos.push_back(mpz_class(std::to_string(n)));
        ++exponentes;
    }
    return {primos, exponentes};
}

class Instancias : public ConPuerto {};

TEST_F(Instancias, FactorizacionProductoDeDosPrimosDeMediaLongitud) {
    std::vector<int> tamanos;
    for (int d = kDigitosMinimosFactorizacion; d <= 24; ++d) tamanos.push_back(d);
    tamanos.push_back(kDigitosMaximosFactorizacion);
    for (const int d : tamanos) {
        for (int k = 0; k < 3; ++k) {
            SCOPED_TRACE(std::to_string(d) + " dígitos, instancia " + std::to_string(k));
            const InstanciaFactorizacion i = InstanciaDeFactorizacion(7, d, k);
            EXPECT_EQ(NumeroACadena(i.n).size(), static_cast<std::size_t>(d));
            EXPECT_EQ(NumeroACadena(i.p).size(), static_cast<std::size_t>((d + 1) / 2));
            EXPECT_EQ(NumeroACadena(i.q).size(), static_cast<std::size_t>(d / 2));
            EXPECT_TRUE(EsPrimoGmp(Gmp(i.p)));
            EXPECT_TRUE(EsPrimoGmp(Gmp(i.q)));
            EXPECT_NE(Gmp(i.p), Gmp(i.q));
            EXPECT_EQ(Gmp(i.p) * Gmp(i.q), Gmp(i.n));
        }
    }
    EXPECT_TRUE(ui.registro.empty());
}

TEST_F(Instancias, LogaritmoConGeneradorYRespuestaConocida) {
    for (int d = kDigitosMinimosLogaritmo; d <= kDigitosMaximosLogaritmo; ++d) {
        for (int k = 0; k < 2; ++k) {
            SCOPED_TRACE(std::to_string(d) + " dígitos, instancia " + std::to_string(k));
            const InstanciaLogaritmo i = InstanciaDeLogaritmo(7, d, k);
            const mpz_class grupo = Gmp(i.grupo), alfa = Gmp(i.alfa), x = Gmp(i.x), orden = grupo - 1;
            EXPECT_EQ(grupo.get_str().size(), static_cast<std::size_t>(d));
            EXPECT_TRUE(EsPrimoGmp(grupo));
            EXPECT_TRUE(alfa >= 2 && alfa <= grupo - 2);
            EXPECT_TRUE(x >= 1 && x <= grupo - 2);
            mpz_class beta;
            mpz_powm(beta.get_mpz_t(), alfa.get_mpz_t(), x.get_mpz_t(), grupo.get_mpz_t());
            EXPECT_EQ(Gmp(i.beta), beta);
            const auto [primos, exponentes] = Factorizar(orden);
            EXPECT_EQ(i.cifras_orden, exponentes);
            for (const mpz_class& q : primos) {  // alfa generates the whole group
                mpz_class potencia;
                const mpz_class e = orden / q;
                mpz_powm(potencia.get_mpz_t(), alfa.get_mpz_t(), e.get_mpz_t(), grupo.get_mpz_t());
                EXPECT_NE(potencia, 1) << "q = " << q.get_str();
            }
        }
    }
    EXPECT_TRUE(ui.registro.empty());
}

// An instance depends only on its seed, size and index: not on what was
// drawn before it, nor on the thread's own random sequence.
TEST_F(Instancias, LaMismaSemillaDaLasMismasInstancias) {
    const auto texto = [](const InstanciaFactorizacion& i) { return NumeroACadena(i.n); };
    const auto texto_log = [](const InstanciaLogaritmo& i) {
        return NumeroACadena(i.alfa) + " " + NumeroACadena(i.beta) + " " + NumeroACadena(i.grupo);
    };
    FijarSemillaAleatoria(1);
    const std::string fac = texto(InstanciaDeFactorizacion(2024, 16, 1));
    const std::string log = texto_log(InstanciaDeLogaritmo(2024, 9, 1));
    FijarSemillaAleatoria(99);
    for (int d = 4; d <= 12; ++d) InstanciaDeFactorizacion(2024, d, 0);
    EXPECT_EQ(texto(InstanciaDeFactorizacion(2024, 16, 1)), fac);
    EXPECT_EQ(texto_log(InstanciaDeLogaritmo(2024, 9, 1)), log);

    EXPECT_NE(texto(InstanciaDeFactorizacion(2025, 16, 1)), fac);
    EXPECT_NE(texto(InstanciaDeFactorizacion(2024, 16, 0)), fac);
    EXPECT_NE(texto_log(InstanciaDeLogaritmo(2025, 9, 1)), log);
}

TEST_F(Instancias, ComprobacionesDespuesDeUnaEjecucion) {
    const InstanciaFactorizacion f = InstanciaDeFactorizacion(3, 10, 0);
    const NumeroGrande cero = Num("0"), uno = Num("1");
    struct Caso {
        const char* nombre;
        NumeroGrande f1, f2;
        bool correcto;
    };
    const std::vector<Caso> casos{
        {"p y q", f.p, f.q, true},
        {"q y p", f.q, f.p, true},
        {"detenido", cero, cero, false},
        {"se rinde: n y 1", f.n, uno, false},
        {"1 y n", uno, f.n, false},
        {"no multiplican n", f.p, Sumar(f.q, Num("2")), false},
    };
    for (const Caso& c : casos) EXPECT_EQ(FactoresCorrectos(f.n, c.f1, c.f2), c.correcto) << c.nombre;

    const InstanciaLogaritmo l = InstanciaDeLogaritmo(3, 8, 0);
    const NumeroGrande orden = Restar(l.grupo, uno);
    EXPECT_TRUE(LogaritmoCorrecto(l, l.x));
    EXPECT_TRUE(LogaritmoCorrecto(l, Sumar(l.x, orden)));  // another valid exponent
    EXPECT_FALSE(LogaritmoCorrecto(l, cero));                // what a stop or an error leaves
    EXPECT_FALSE(LogaritmoCorrecto(l, Sumar(l.x, uno)));
}

}  // namespace
