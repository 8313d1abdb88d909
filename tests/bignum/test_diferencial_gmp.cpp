// Every operation against GMP on random operands of 0 to 300 digits
// (dividends and roots up to 600): either sign, zeros signed either way,
// 10^k, 10^k - 1, runs of 9s and 0s, pairs of equal length or equal
// magnitude, and storage left above Longitud. GMP gives the value; the sign
// rules of each operation give the expected sign, also that of a zero.
//
// The seed is fixed and every failure prints it with the case number and
// the operands; each test stops at its first failing case.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "bignum/aritmetica.h"
#include "gmp_numeros.h"
#include "numeros_de_prueba.h"

using prueba::AMpz;
using prueba::Cifras;
using prueba::DeMpz;
using prueba::Esperado;
using prueba::Num;
using prueba::Ver;

namespace {

constexpr std::uint64_t kSemilla = 20240611;
constexpr int kMaxCifras = 300;

class Operandos {
public:
    explicit Operandos(std::uint64_t semilla) : rng_(semilla) {}

    int Entre(int desde, int hasta) { return std::uniform_int_distribution<int>(desde, hasta)(rng_); }
    bool UnoDe(int n) { return Entre(1, n) == 1; }

    // The magnitude of a number of up to `max_cifras` digits, of one of the
    // shapes that break digit loops.
    std::string Magnitud(int max_cifras) {
        switch (Entre(0, 9)) {
            case 0: return "0";
            case 1: return prueba::ConCeros("1", Entre(0, max_cifras - 1));  // 10^k
            case 2: return std::string(Entre(1, max_cifras), '9');             // 10^k - 1
            case 3: return Rachas(Entre(1, max_cifras));
            case 4: return AlAzar(Entre(1, std::min(3, max_cifras)));
            default: return AlAzar(Entre(1, max_cifras));
        }
    }

    // A whole operand: a magnitude, either sign, and now and then storage
    // above Longitud.
    NumeroGrande Uno(int max_cifras) { return Vestir(Magnitud(max_cifras)); }

    // A second operand: often as long as `a`, sometimes |a| itself.
    NumeroGrande Companero(const NumeroGrande& a, int max_cifras) {
        const int caso = Entre(0, 9);
        if (caso < 3) return Vestir(AlAzar(a.Longitud));
        if (caso == 3) return Vestir(prueba::Cifras(a));
        return Uno(max_cifras);
    }

    NumeroGrande Positivo(int max_cifras) {
        NumeroGrande x = Num(AlAzar(Entre(1, max_cifras)));
        return UnoDe(4) ? prueba::ConRelleno(x, Entre(1, 5)) : x;
    }

    // Random digits without a leading zero.
    std::string AlAzar(int longitud) {
        std::string s(longitud, '0');
        for (char& c : s) c = static_cast<char>('0' + Entre(0, 9));
        s[0] = static_cast<char>('1' + Entre(0, 8));
        return s;
    }

    char Signo() { return UnoDe(2) ? '-' : '+'; }

private:
    // Alternating runs of 9s and 0s under a leading 1 or 9.
    std::string Rachas(int longitud) {
        std::string s;
        char cifra = UnoDe(2) ? '9' : '0';
        while (static_cast<int>(s.size()) < longitud) {
            s.append(std::min(Entre(1, 40), longitud - static_cast<int>(s.size())), cifra);
            cifra = cifra == '9' ? '0' : '9';
        }
        s[0] = UnoDe(2) ? '1' : '9';
        return s;
    }

    NumeroGrande Vestir(const std::string& magnitud) {
        NumeroGrande x = Num(magnitud);
        x.Signo = Signo();
        return UnoDe(4) ? prueba::ConRelleno(x, Entre(1, 5)) : x;
    }

    std::mt19937_64 rng_;
};

std::string Caso(int i, const std::vector<const NumeroGrande*>& operandos) {
    std::string texto = "semilla " + std::to_string(kSemilla) + ", caso " + std::to_string(i) + ":";
    for (const NumeroGrande* x : operandos) texto += " [" + Ver(*x) + "]";
    return texto;
}

// The forms that write into a Resultado must agree with the value expected,
// into a separate record holding stale storage and a '-', and into each of
// the inputs.
template <class Operacion>
::testing::AssertionResult EnCadaSalida(Operacion operacion, const std::vector<NumeroGrande>& entradas,
                                        const std::string& esperado) {
    NumeroGrande aparte = prueba::ConRelleno(Num("-987654321987654321"), 40);
    std::vector<NumeroGrande> e = entradas;
    operacion(e, aparte);
    if (Ver(aparte) != esperado) return ::testing::AssertionFailure() << "en un registro aparte: " << Ver(aparte);
    for (std::size_t i = 0; i < entradas.size(); ++i) {
        std::vector<NumeroGrande> copia = entradas;
        operacion(copia, copia[i]);
        if (Ver(copia[i]) != esperado)
            return ::testing::AssertionFailure() << "sobre la entrada " << i << ": " << Ver(copia[i]);
    }
    return ::testing::AssertionSuccess();
}

class Diferencial : public prueba::ConInformes {
protected:
    Operandos azar{kSemilla};
};

TEST_F(Diferencial, TextoYNumero) {
    for (int i = 0; i < 3000; ++i) {
        const NumeroGrande a = azar.Uno(kMaxCifras);
        SCOPED_TRACE(Caso(i, {&a}));
        EXPECT_EQ(NumeroACadena(a), AMpz(a).get_str());

        const std::string ceros(azar.Entre(0, 3), '0');
        NumeroGrande x = prueba::ConRelleno(Num("-1234"), azar.Entre(0, 400));
        CadenaANumero(ceros + Cifras(a), x, a.Signo);
        EXPECT_EQ(Ver(x), Esperado(AMpz(a), a.Signo));
        if (HasFailure()) return;
    }
}

TEST_F(Diferencial, Comparaciones) {
    for (int i = 0; i < 3000; ++i) {
        const NumeroGrande a = azar.Uno(kMaxCifras), b = azar.Companero(a, kMaxCifras);
        SCOPED_TRACE(Caso(i, {&a, &b}));
        const int orden = prueba::CompararMagnitudes(a, b);
        const auto la = Cifras(a).size(), lb = Cifras(b).size();
        EXPECT_EQ(CompararLongitudes(a, b), la == lb ? 0 : la > lb ? 1 : 2);
        EXPECT_EQ(SonIguales(a, b), orden == 0);
        EXPECT_EQ(EsMayor(a, b), orden > 0);
        EXPECT_EQ(EsMenor(a, b), orden < 0);
        if (HasFailure()) return;
    }
}

TEST_F(Diferencial, SumarYRestar) {
    for (int i = 0; i < 3000; ++i) {
        const NumeroGrande a = azar.Uno(kMaxCifras), b = azar.Companero(a, kMaxCifras);
        SCOPED_TRACE(Caso(i, {&a, &b}));
        // A zero sum keeps '-' only from two zeros signed '-'; a zero
        // difference only from -0 - (+0).
        const std::string suma = Esperado(AMpz(a) + AMpz(b), a.Signo == '-' && b.Signo == '-' ? '-' : '+');
        const std::string diferencia = Esperado(AMpz(a) - AMpz(b), a.Signo == '-' && b.Signo == '+' ? '-' : '+');
        EXPECT_EQ(Ver(Sumar(a, b)), suma);
        EXPECT_TRUE(EnCadaSalida([](auto& e, NumeroGrande& r) { Sumar(e[0], e[1], r); }, {a, b}, suma));
        EXPECT_EQ(Ver(Restar(a, b)), diferencia);
        EXPECT_TRUE(EnCadaSalida([](auto& e, NumeroGrande& r) { Restar(e[0], e[1], r); }, {a, b}, diferencia));
        if (HasFailure()) return;
    }
}

TEST_F(Diferencial, Multiplicar) {
    for (int i = 0; i < 3000; ++i) {
        const NumeroGrande a = azar.Uno(kMaxCifras), b = azar.Companero(a, kMaxCifras);
        SCOPED_TRACE(Caso(i, {&a, &b}));
        const std::string producto = Esperado(AMpz(a) * AMpz(b));
        EXPECT_EQ(Ver(Multiplicar(a, b)), producto);
        EXPECT_TRUE(EnCadaSalida([](auto& e, NumeroGrande& r) { Multiplicar(e[0], e[1], r); }, {a, b}, producto));
        if (HasFailure()) return;
    }
}

TEST_F(Diferencial, Dividir) {
    for (int i = 0; i < 3000; ++i) {
        NumeroGrande d = azar.Uno(kMaxCifras);
        if (azar.UnoDe(4)) {  // a leading 1 makes the digit estimates reach 19
            std::string cifras = azar.AlAzar(azar.Entre(1, kMaxCifras));
            cifras[0] = '1';
            d = Num(cifras);
            d.Signo = azar.Signo();
        }
        NumeroGrande n;
        switch (azar.Entre(0, 3)) {
            case 0: {  // just at or just below a multiple of d: q*d + r, r = 0 or |d| - 1
                const mpz_class md = abs(AMpz(d));
                const mpz_class q = AMpz(azar.Positivo(kMaxCifras));
                n = DeMpz(q * md + (azar.UnoDe(2) || md == 0 ? mpz_class(0) : mpz_class(md - 1)));
                n.Signo = azar.Signo();
                break;
            }
            case 1: n = azar.Companero(d, kMaxCifras); break;
            default: n = azar.Uno(2 * kMaxCifras); break;
        }
        SCOPED_TRACE(Caso(i, {&n, &d}));

        NumeroGrande q = prueba::ConRelleno(Num("-4444"), 30), r = prueba::ConRelleno(Num("-55555"), 30);
        const NumeroGrande q_antes = q, r_antes = r;
        Dividir(n, d, q, r);
        if (EsCero(d)) {
            EXPECT_EQ(Informes(), std::vector<int>{2});
            EXPECT_EQ(q.Digitos, q_antes.Digitos);
            EXPECT_EQ(Ver(q), Ver(q_antes));
            EXPECT_EQ(r.Digitos, r_antes.Digitos);
            EXPECT_EQ(Ver(r), Ver(r_antes));
            if (HasFailure()) return;
            continue;
        }
        // The quotient's sign comes from the signs alone, also for zero; a
        // divisor larger than the dividend leaves the dividend (sign
        // included) as remainder, any other remainder is '+'.
        const mpz_class mn = abs(AMpz(n)), md = abs(AMpz(d));
        const char signo_q = n.Signo == d.Signo ? '+' : '-';
        const std::string cociente = prueba::ConSigno(signo_q, mpz_class(mn / md).get_str());
        const std::string resto = md > mn ? Ver(n) : mpz_class(mn % md).get_str();
        EXPECT_EQ(Ver(q), cociente);
        EXPECT_EQ(Ver(r), resto);

        // Outputs that are the inputs themselves.
        NumeroGrande n2 = n, d2 = d;
        Dividir(n2, d, q, n2);
        EXPECT_EQ(Ver(q), cociente);
        EXPECT_EQ(Ver(n2), resto);
        n2 = n;
        Dividir(n2, d, n2, r);
        EXPECT_EQ(Ver(n2), cociente);
        EXPECT_EQ(Ver(r), resto);
        Dividir(n, d2, d2, r);
        EXPECT_EQ(Ver(d2), cociente);
        EXPECT_EQ(Ver(r), resto);
        d2 = d;
        Dividir(n, d2, q, d2);
        EXPECT_EQ(Ver(q), cociente);
        EXPECT_EQ(Ver(d2), resto);
        if (HasFailure()) return;
    }
}

// Divisors far past the operands above, up to a record's length: long
// divisions estimate four quotient positions at once up to 4000 divisor
// digits and two past that, and the counters of the remainder grow with the
// divisor's length. A divisor 1 9...9 and a quotient of 9s make every
// estimate near its largest, and each counter take the most.
TEST_F(Diferencial, DivisionesDeDivisoresLargos) {
    struct Fila {
        int cifras_n, cifras_d;
        bool extremo;  // the divisor 1 9...9 and the quotient all 9s, else at random
    };
    const Fila filas[] = {
        {8000, 3999, false}, {8000, 4000, false}, {8001, 4001, false}, {kMaxDigitos, 16000, false},
        {7999, 4000, true},  {8000, 4001, true},  {kMaxDigitos, 16000, true}, {kMaxDigitos, 32000, true},
    };
    for (const Fila& f : filas) {
        SCOPED_TRACE(std::to_string(f.cifras_n) + " / " + std::to_string(f.cifras_d) +
                     (f.extremo ? ", extremo" : ", al azar"));
        mpz_class n, d;
        if (f.extremo) {
            std::string cifras(static_cast<std::size_t>(f.cifras_d), '9');
            cifras[0] = '1';
            d = mpz_class(cifras);
            const mpz_class q(std::string(static_cast<std::size_t>(f.cifras_n - f.cifras_d), '9'));
            n = q * d + (d - 1);
        } else {
            d = mpz_class(azar.AlAzar(f.cifras_d));
            n = mpz_class(azar.AlAzar(f.cifras_n));
        }
        ASSERT_EQ(n.get_str().size(), static_cast<std::size_t>(f.cifras_n));
        NumeroGrande q, r;
        Dividir(DeMpz(n), DeMpz(d), q, r);
        EXPECT_EQ(Ver(q), mpz_class(n / d).get_str());
        EXPECT_EQ(Ver(r), mpz_class(n % d).get_str());
    }
}

TEST_F(Diferencial, Reducir) {
    for (int i = 0; i < 2000; ++i) {
        const NumeroGrande a = azar.Uno(2 * kMaxCifras);
        NumeroGrande m = azar.Companero(a, kMaxCifras);
        m.Signo = '+';
        if (azar.UnoDe(20)) m = Num("1");
        SCOPED_TRACE(Caso(i, {&a, &m}));
        const NumeroGrande r = Reducir(a, m);
        if (EsCero(m)) {
            EXPECT_EQ(Ver(r), "0");
            EXPECT_EQ(Informes(), std::vector<int>{4});
        } else if (EsCero(a) && a.Signo == '-') {
            EXPECT_EQ(Cifras(r), "0");  // the sign of -0 mod m is left open
        } else {
            mpz_class resto;
            mpz_fdiv_r(resto.get_mpz_t(), AMpz(a).get_mpz_t(), AMpz(m).get_mpz_t());
            EXPECT_EQ(Ver(r), Esperado(resto));
            EXPECT_TRUE(EnCadaSalida([](auto& e, NumeroGrande& s) { Reducir(e[0], e[1], s); }, {a, m},
                                     Esperado(resto)));
        }
        if (HasFailure()) return;
    }
}

TEST_F(Diferencial, PotenciaModular) {
    for (int i = 0; i < 1000; ++i) {
        // Most cases small; the last few at full size: 300-digit base and
        // modulus, 150-digit exponent.
        const bool completo = i >= 995;
        const NumeroGrande base = azar.Uno(completo ? kMaxCifras : 60);
        NumeroGrande exponente = completo ? azar.Positivo(kMaxCifras / 2) : azar.Uno(40);
        if (!completo && azar.UnoDe(8)) exponente = Num(azar.UnoDe(2) ? "1" : "-1");
        NumeroGrande m = completo ? azar.Positivo(kMaxCifras) : azar.Positivo(60);
        if (!completo && azar.UnoDe(15)) m = Num("1");
        SCOPED_TRACE(Caso(i, {&base, &exponente, &m}));

        const NumeroGrande p = PotenciaModular(base, exponente, m);
        if (EsCero(exponente)) {
            EXPECT_EQ(Ver(p), "1");
        } else if (EsCero(base) && base.Signo == '-' && EsUno(exponente)) {
            EXPECT_EQ(Cifras(p), "0");  // Reducir of -0: sign left open
        } else {
            mpz_class esperado;
            mpz_powm(esperado.get_mpz_t(), AMpz(base).get_mpz_t(), mpz_class(abs(AMpz(exponente))).get_mpz_t(),
                     AMpz(m).get_mpz_t());
            EXPECT_EQ(Ver(p), Esperado(esperado));
            if (!completo) {
                EXPECT_TRUE(EnCadaSalida([](auto& e, NumeroGrande& r) { PotenciaModular(e[0], e[1], e[2], r); },
                                         {base, exponente, m}, Esperado(esperado)));
            }
        }
        if (HasFailure()) return;
    }
}

TEST_F(Diferencial, MaximoComunDivisor) {
    for (int i = 0; i < 2000; ++i) {
        NumeroGrande a, b;
        switch (azar.Entre(0, 5)) {
            case 0: {  // a common factor
                const mpz_class c = AMpz(azar.Positivo(100));
                a = DeMpz(c * AMpz(azar.Uno(kMaxCifras - 100)));
                b = DeMpz(c * AMpz(azar.Uno(kMaxCifras - 100)));
                break;
            }
            case 1: {  // one divides the other
                a = azar.Uno(150);
                b = DeMpz(AMpz(a) * AMpz(azar.Uno(150)));
                if (azar.UnoDe(2)) std::swap(a, b);
                break;
            }
            default:
                a = azar.Uno(kMaxCifras);
                b = azar.Companero(a, kMaxCifras);
        }
        if (EsCero(a)) a.Signo = azar.Signo();
        if (EsCero(b)) b.Signo = azar.Signo();
        SCOPED_TRACE(Caso(i, {&a, &b}));

        // The larger magnitude (a on a tie) is divided by the other; when
        // that one is zero or divides it, it is returned as it is, sign
        // included. Otherwise the result is a '+' remainder.
        const bool a_mayor = prueba::CompararMagnitudes(a, b) >= 0;
        const NumeroGrande& g = a_mayor ? a : b;
        const NumeroGrande& s = a_mayor ? b : a;
        std::string esperado;
        if (EsCero(s))
            esperado = Ver(g);
        else if (AMpz(g) % AMpz(s) == 0)
            esperado = Ver(s);
        else
            esperado = mpz_class(gcd(AMpz(a), AMpz(b))).get_str();
        EXPECT_EQ(Ver(MaximoComunDivisor(a, b)), esperado);
        if (HasFailure()) return;
    }
}

TEST_F(Diferencial, InversoModular) {
    for (int i = 0; i < 2000; ++i) {
        NumeroGrande a = azar.Positivo(kMaxCifras), m = azar.Positivo(kMaxCifras);
        switch (azar.Entre(0, 9)) {
            case 0: {  // not coprime
                const mpz_class c = AMpz(azar.Positivo(50)) + 1;
                a = DeMpz(c * AMpz(azar.Positivo(kMaxCifras - 50)));
                m = DeMpz(c * AMpz(azar.Positivo(kMaxCifras - 50)));
                break;
            }
            case 1: a = Num("1"); break;
            case 2: m = Num("1"); break;
            case 3: a = Num("0"); break;
            case 4: a = Num(azar.AlAzar(m.Longitud)); break;  // the same length
            default: break;
        }
        SCOPED_TRACE(Caso(i, {&a, &m}));

        const NumeroGrande x = InversoModular(a, m);
        mpz_class inverso;
        if (EsUno(m)) {
            EXPECT_EQ(Ver(x), "1");
        } else if (gcd(AMpz(a), AMpz(m)) != 1) {
            EXPECT_EQ(Ver(x), "0");
            EXPECT_EQ(Informes(), std::vector<int>{3});
        } else {
            mpz_invert(inverso.get_mpz_t(), AMpz(a).get_mpz_t(), AMpz(m).get_mpz_t());
            EXPECT_EQ(Ver(x), inverso.get_str());
        }
        if (HasFailure()) return;
    }
}

// Euclid's remainders mostly have quotients of one or two digits; the ones
// met here are chosen. The pair is built backwards from its gcd g and the
// quotients q1 .. qn, so that Euclid on it meets exactly them in that
// order: the large ones (around 10^5, 10^8, 10^9 and beyond) in the middle of
// the run, between random small ones, at random lengths.
TEST_F(Diferencial, MaximoComunDivisorEInversoConCocientesElegidos) {
    const std::vector<std::vector<std::string>> cocientes = {
        {"99", "100", "101"},
        {"99999", "100000", "100001"},
        {"99999999", "100000000", "100000001"},
        {"999999999", "1000000000", "1000000001"},
        {"50000000", "1"},
        {"500000000", "1"},
        {"123456789012345678901234567890"},
        {"1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"},
    };
    for (std::size_t fila = 0; fila < cocientes.size(); ++fila) {
        for (int i = 0; i < 200; ++i) {
            std::vector<mpz_class> qs;
            // Half of the runs end with the chosen ones, where the remainders
            // are short and the cofactors long.
            const int antes = azar.Entre(0, 30), despues = i % 2 == 0 ? 0 : azar.Entre(1, 30);
            for (int k = 0; k < antes; ++k) qs.emplace_back(azar.Entre(1, 12));
            for (const std::string& q : cocientes[fila]) qs.emplace_back(q);
            for (int k = 0; k < despues; ++k) qs.emplace_back(azar.Entre(1, 12));
            qs.back() += 1;  // the last quotient of a run is at least 2
            const mpz_class g = azar.UnoDe(2) ? mpz_class(1) : AMpz(azar.Positivo(20));
            mpz_class x = g, y = 0;
            for (auto q = qs.rbegin(); q != qs.rend(); ++q) {
                const mpz_class siguiente = *q * x + y;
                y = x;
                x = siguiente;
            }
            if (x.get_str().size() > kMaxCifras) continue;
            const NumeroGrande a = DeMpz(x), b = DeMpz(y);
            SCOPED_TRACE(Caso(static_cast<int>(fila) * 1000 + i, {&a, &b}));

            EXPECT_EQ(Ver(MaximoComunDivisor(a, b)), x % y == 0 ? y.get_str() : g.get_str());
            const NumeroGrande inverso = InversoModular(b, a);
            if (g == 1) {
                mpz_class esperado;
                mpz_invert(esperado.get_mpz_t(), y.get_mpz_t(), x.get_mpz_t());
                EXPECT_EQ(Ver(inverso), esperado.get_str());
            } else {
                EXPECT_EQ(Ver(inverso), "0");
                EXPECT_EQ(Informes(), std::vector<int>{3});
            }
            if (HasFailure()) return;
        }
    }
}

TEST_F(Diferencial, RaizEntera) {
    for (int i = 0; i < 2000; ++i) {
        NumeroGrande x = azar.Uno(2 * kMaxCifras);
        if (azar.UnoDe(3)) {  // a square, or one less
            const mpz_class r = AMpz(azar.Positivo(kMaxCifras));
            x = DeMpz(r * r - (azar.UnoDe(2) ? 1 : 0));
        }
        SCOPED_TRACE(Caso(i, {&x}));
        EXPECT_EQ(Ver(RaizEntera(x)), mpz_class(sqrt(abs(AMpz(x)))).get_str());
        if (HasFailure()) return;
    }
}

TEST_F(Diferencial, MitadesBitsYPotenciasDeDos) {
    for (int i = 0; i < 2000; ++i) {
        const NumeroGrande x = azar.Uno(2 * kMaxCifras);
        SCOPED_TRACE(Caso(i, {&x}));
        const mpz_class mx = abs(AMpz(x));

        // The half takes no sign: the output keeps its own.
        NumeroGrande mitad = prueba::ConRelleno(Num("-7"), 10);
        std::uint8_t bit = 9;
        DividirEntreDos(x, mitad, &bit);
        EXPECT_EQ(Ver(mitad), prueba::ConSigno('-', mpz_class(mx / 2).get_str()));
        EXPECT_EQ(bit, mpz_tstbit(mx.get_mpz_t(), 0));
        NumeroGrande en_sitio = x;
        DividirEntreDos(en_sitio, en_sitio);
        EXPECT_EQ(Ver(en_sitio), prueba::ConSigno(x.Signo, mpz_class(mx / 2).get_str()));

        // At least two bits: 0 and 1 carry a 0 on top.
        std::string bits = mx.get_str(2);
        if (mx < 2) bits.insert(0, 1, '0');
        EXPECT_EQ(Cifras(ABinario(x)), bits);

        if (mx != 0 && x.Signo == '+') {
            NumeroGrande impar;
            const auto s = mpz_scan1(mx.get_mpz_t(), 0);
            EXPECT_EQ(SepararPotenciaDeDos(x, impar), static_cast<std::int16_t>(s));
            EXPECT_EQ(Ver(impar), mpz_class(mx >> s).get_str());
        }
        if (HasFailure()) return;
    }
}

TEST_F(Diferencial, CifraDesplazamientoYConcatenacion) {
    for (int i = 0; i < 2000; ++i) {
        const NumeroGrande a = azar.Uno(kMaxCifras), b = azar.Uno(kMaxCifras);
        const auto d = static_cast<std::uint8_t>(azar.Entre(0, 25));
        const auto n = static_cast<std::int16_t>(azar.Entre(0, kMaxCifras));
        SCOPED_TRACE(Caso(i, {&a, &b}) + " cifra " + std::to_string(d) + ", desplazamiento " + std::to_string(n));
        const mpz_class ma = abs(AMpz(a));

        // By 0 the product keeps a's length, all zeros.
        const std::string por_cifra = d == 0 ? std::string(Cifras(a).size(), '0') : mpz_class(ma * d).get_str();
        EXPECT_EQ(Ver(MultiplicarPorDigito(a, d)), por_cifra);

        // A zero grows by n zeros too.
        NumeroGrande desplazado = a;
        DesplazarDigitos(desplazado, n);
        EXPECT_EQ(Ver(desplazado), prueba::ConSigno(a.Signo, prueba::ConCeros(Cifras(a), n)));

        if (ma != 0) {
            EXPECT_EQ(Ver(Concatenar(a, b)), ma.get_str() + Cifras(b));
        }
        if (HasFailure()) return;
    }
}

}  // namespace

// Every operation, one after another on one thread, in random order and of
// random sizes: the working storage the arithmetic keeps per thread must not
// carry anything from one call into the next (a root once left digits where
// the product expects zeros, and every later product was wrong). Each test
// above runs alone in its own process, so only this one mixes them.
TEST_F(Diferencial, OperacionesSeguidasEnUnHilo) {
    for (int i = 0; i < 3000; ++i) {
        const int tope = azar.UnoDe(3) ? 40 : 2 * kMaxCifras;
        const NumeroGrande a = azar.Positivo(tope), b = azar.Positivo(tope);
        const mpz_class ma = AMpz(a), mb = AMpz(b);
        SCOPED_TRACE(Caso(i, {&a, &b}));
        switch (azar.Entre(0, 6)) {
            case 0:
                EXPECT_EQ(Ver(Multiplicar(a, b)), Esperado(ma * mb));
                break;
            case 1:
                EXPECT_EQ(Ver(Multiplicar(a, a)), Esperado(ma * ma));
                break;
            case 2: {
                NumeroGrande q, r;
                Dividir(a, b, q, r);
                EXPECT_EQ(Ver(q), Esperado(ma / mb));
                EXPECT_EQ(Ver(r), Esperado(ma % mb));
                break;
            }
            case 3: {
                const NumeroGrande e = azar.Positivo(20);
                mpz_class p;
                mpz_powm(p.get_mpz_t(), ma.get_mpz_t(), AMpz(e).get_mpz_t(), mb.get_mpz_t());
                EXPECT_EQ(Ver(PotenciaModular(a, e, b)), Esperado(p));
                break;
            }
            case 4:
                EXPECT_EQ(Ver(MaximoComunDivisor(a, b)), Esperado(gcd(ma, mb)));
                break;
            case 5:
                EXPECT_EQ(Ver(RaizEntera(a)), mpz_class(sqrt(ma)).get_str());
                break;
            default:
                EXPECT_EQ(Ver(Restar(Sumar(a, b), b)), Esperado(ma));
                break;
        }
        if (HasFailure()) return;
    }
}
