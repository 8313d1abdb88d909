// The two sets of digit loops (the baseline x86-64 one and the AVX2 one)
// give the same digits on the same random operands, at lengths on both sides
// of every vector width (8 and 16 lanes, 32 bytes, a 16-digit estimate
// window) and of the 809-digit limit of the 16-bit column counters. The
// values themselves are checked against GMP by the differential test, which
// ctest also runs with the baseline set forced (--nucleos=portables).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "bignum/motor.h"
#include "nucleos_de_prueba.h"

namespace motor = bignum_interno::motor;
using motor::Cifra;

namespace {

constexpr std::uint64_t kSemilla = 20261210;
const int kLongitudes[] = {1, 2, 7, 8, 9, 15, 16, 17, 31, 32, 33, 63, 64, 65, 300, 301, 809, 810, 1000};

// Random digits, least significant first, with a non-zero top digit; now
// and then long runs of 9s or 0s, which make long carry chains.
std::vector<Cifra> Al_azar(int n, std::mt19937_64& rng) {
    std::uniform_int_distribution<int> cifra(0, 9), forma(0, 3);
    std::vector<Cifra> v(n);
    const int f = forma(rng);
    for (Cifra& c : v) c = static_cast<Cifra>(f == 0 ? 9 : f == 1 ? (cifra(rng) == 0 ? 1 : 0) : cifra(rng));
    if (v[n - 1] == 0) v[n - 1] = static_cast<Cifra>(1 + cifra(rng) % 9);
    return v;
}

std::string Texto(const std::vector<Cifra>& v, int n) {
    std::string s;
    for (int i = n - 1; i >= 0; --i) s.push_back(static_cast<char>('0' + v[i]));
    return s;
}

class Motor : public ::testing::Test {
protected:
    void SetUp() override {
        if (motor::Avx2() == nullptr) GTEST_SKIP() << "this processor has no AVX2: only one set to compare";
    }
    const motor::Nucleos& portables_ = motor::Portables();
    const motor::Nucleos& avx2_ = *motor::Avx2();
    std::mt19937_64 rng_{kSemilla};
};

TEST_F(Motor, ProductosYCuadradosIguales) {
    for (int la : kLongitudes) {
        for (int lb : kLongitudes) {
            if (lb > la) continue;
            const auto a = Al_azar(la, rng_), b = Al_azar(lb, rng_);
            std::vector<Cifra> r1(la + lb + 1, 7), r2(la + lb + 1, 7);
            const int l1 = portables_.Producto(a.data(), la, b.data(), lb, r1.data());
            const int l2 = avx2_.Producto(a.data(), la, b.data(), lb, r2.data());
            ASSERT_EQ(Texto(r1, l1), Texto(r2, l2)) << Texto(a, la) << " * " << Texto(b, lb);
        }
        const auto a = Al_azar(la, rng_);
        std::vector<Cifra> r1(2 * la + 1, 7), r2(2 * la + 1, 7);
        const int l1 = portables_.Cuadrado(a.data(), la, r1.data());
        const int l2 = avx2_.Cuadrado(a.data(), la, r2.data());
        ASSERT_EQ(Texto(r1, l1), Texto(r2, l2)) << Texto(a, la) << "^2";
    }
}

TEST_F(Motor, DivisionesIguales) {
    for (int ln : kLongitudes) {
        for (int ld : kLongitudes) {
            if (ld > ln) continue;
            const auto n = Al_azar(ln, rng_), d = Al_azar(ld, rng_);
            std::vector<Cifra> q1(ln, 7), q2(ln, 7), r1(ld, 7), r2(ld, 7);
            int lq1 = 0, lq2 = 0, lr1 = 0, lr2 = 0;
            portables_.Division(n.data(), ln, d.data(), ld, q1.data(), &lq1, r1.data(), &lr1);
            avx2_.Division(n.data(), ln, d.data(), ld, q2.data(), &lq2, r2.data(), &lr2);
            ASSERT_EQ(Texto(q1, lq1), Texto(q2, lq2)) << Texto(n, ln) << " div " << Texto(d, ld);
            ASSERT_EQ(Texto(r1, lr1), Texto(r2, lr2)) << Texto(n, ln) << " mod " << Texto(d, ld);
        }
    }
}

TEST_F(Motor, RaicesEuclidesEInversosIguales) {
    for (int n : kLongitudes) {
        const auto x = Al_azar(n, rng_);
        std::vector<Cifra> r1((n + 1) / 2, 7), r2((n + 1) / 2, 7);
        const int l1 = portables_.Raiz(x.data(), n, r1.data());
        const int l2 = avx2_.Raiz(x.data(), n, r2.data());
        ASSERT_EQ(Texto(r1, l1), Texto(r2, l2)) << "sqrt " << Texto(x, n);

        for (int ls : kLongitudes) {
            if (ls >= n) continue;  // g has more digits, so g > s
            const auto s = Al_azar(ls, rng_);
            std::vector<Cifra> g1(n, 7), g2(n, 7);
            int lg1 = 0, lg2 = 0;
            const int d1 = portables_.Euclides(x.data(), n, s.data(), ls, g1.data(), &lg1);
            const int d2 = avx2_.Euclides(x.data(), n, s.data(), ls, g2.data(), &lg2);
            ASSERT_EQ(d1, d2) << "gcd " << Texto(x, n) << ", " << Texto(s, ls);
            ASSERT_EQ(Texto(g1, lg1), Texto(g2, lg2)) << "gcd " << Texto(x, n) << ", " << Texto(s, ls);

            // The inverse of s modulo x: the same in both sets; s times it
            // leaves 1 modulo x, and without it the gcd is Euclid's.
            std::vector<Cifra> i1(n, 7), i2(n, 7);
            int li1 = 0, li2 = 0;
            const bool e1 = portables_.Inverso(x.data(), n, s.data(), ls, i1.data(), &li1);
            const bool e2 = avx2_.Inverso(x.data(), n, s.data(), ls, i2.data(), &li2);
            ASSERT_EQ(e1, e2) << "inverse of " << Texto(s, ls) << " mod " << Texto(x, n);
            ASSERT_EQ(Texto(i1, li1), Texto(i2, li2)) << "inverse of " << Texto(s, ls) << " mod " << Texto(x, n);
            ASSERT_EQ(e1, Texto(g1, lg1) == "1") << "gcd " << Texto(x, n) << ", " << Texto(s, ls);
            if (!e1) {
                ASSERT_EQ(Texto(i1, li1), Texto(g1, lg1));
                continue;
            }
            std::vector<Cifra> producto(ls + li1 + 1), q(ls + li1), resto(n);
            const int lp = avx2_.Producto(s.data(), ls, i1.data(), li1, producto.data());
            int lq = 0, lr = 0;
            if (lp >= n) {
                avx2_.Division(producto.data(), lp, x.data(), n, q.data(), &lq, resto.data(), &lr);
            } else {
                resto.assign(producto.begin(), producto.begin() + lp);
                lr = lp;
            }
            ASSERT_EQ(Texto(resto, lr), "1") << "inverse " << Texto(i1, li1) << " of " << Texto(s, ls) << " mod "
                                             << Texto(x, n);
        }
    }
}

// x mod m with the settled product's digits (x normalised, room for m).
int Reducido(const motor::Nucleos& k, std::vector<Cifra>& x, int lx, const std::vector<Cifra>& m, int lm) {
    if (lx < lm) return lx;
    std::vector<Cifra> r(lm);
    int lr = 0, lq = 0;
    k.Division(x.data(), lx, m.data(), lm, nullptr, &lq, r.data(), &lr);
    std::copy(r.begin(), r.begin() + lr, x.begin());
    return lr;
}

// The power by square and multiply on whole products, each settled into
// digits before it is divided: the power kernel divides the products'
// columns before their carries, and must leave the same digits.
std::string PotenciaDeReferencia(const motor::Nucleos& k, const std::vector<Cifra>& base,
                                 const std::vector<Cifra>& bits, const std::vector<Cifra>& m) {
    const int lm = static_cast<int>(m.size());
    const int tope = static_cast<int>(std::max(base.size(), m.size()));
    std::vector<Cifra> cuadrado(base), acumulado(base), producto(2 * tope + 1);
    cuadrado.resize(2 * tope + 1);
    acumulado.resize(2 * tope + 1);
    int lc = static_cast<int>(base.size()), la = bits[0] == 1 ? lc : 1;
    if (bits[0] == 0) acumulado[0] = 1;
    for (std::size_t i = 1; i < bits.size(); ++i) {
        int lp = k.Cuadrado(cuadrado.data(), lc, producto.data());
        std::copy(producto.begin(), producto.begin() + lp, cuadrado.begin());
        lc = Reducido(k, cuadrado, lp, m, lm);
        if (lc == 1 && cuadrado[0] == 0) return "0";
        if (bits[i] == 1) {
            lp = k.Producto(acumulado.data(), la, cuadrado.data(), lc, producto.data());
            std::copy(producto.begin(), producto.begin() + lp, acumulado.begin());
            la = Reducido(k, acumulado, lp, m, lm);
        }
    }
    return Texto(acumulado, la);
}

TEST_F(Motor, PotenciasIgualesALasDeProductosAsentados) {
    // Bases shorter and longer than the modulus: 809 digits of 9s, whose
    // square's columns (up to 81 * 809) divided by 2 give quotient digits
    // past 16 bits, and one digit more, past the 16-bit counters' rows,
    // squared once before its first reduction.
    for (int lm : kLongitudes) {
        if (lm > 300) continue;
        for (int lb : {1, 9, lm, 300, 809, 810}) {
            auto base = Al_azar(lb, rng_), m = Al_azar(lm, rng_);
            if (lb == 809) {
                std::fill(base.begin(), base.end(), Cifra{9});
                if (lm == 1) m[0] = 2;
            }
            std::vector<Cifra> bits = Al_azar(12, rng_);
            for (Cifra& b : bits) b = b % 2;
            bits.back() = 1;
            std::vector<Cifra> r1(lm, 7), r2(lm, 7);
            const int l1 = portables_.Potencia(base.data(), lb, bits.data(), 12, m.data(), lm, r1.data());
            const int l2 = avx2_.Potencia(base.data(), lb, bits.data(), 12, m.data(), lm, r2.data());
            const std::string esperado = PotenciaDeReferencia(avx2_, base, bits, m);
            ASSERT_EQ(Texto(r1, l1), esperado) << Texto(base, lb) << " ^ ... mod " << Texto(m, lm);
            ASSERT_EQ(Texto(r2, l2), esperado) << Texto(base, lb) << " ^ ... mod " << Texto(m, lm);
        }
    }
}

// The set in use: AVX2 where the processor has it, unless the program was
// told to force the baseline set; and a set fixed by FijarNucleos is the one
// every thread then uses.
TEST(MotorElegido, ElConjuntoEnUsoYElFijado) {
    const motor::Nucleos& al_empezar = motor::Actuales();
    const bool base = prueba::NucleosPortablesForzados() || motor::Avx2() == nullptr;
    EXPECT_EQ(&al_empezar, base ? &motor::Portables() : motor::Avx2()) << al_empezar.nombre;

    motor::FijarNucleos(motor::Portables());
    const motor::Nucleos* en_otro_hilo = nullptr;
    std::thread([&] { en_otro_hilo = &motor::Actuales(); }).join();
    EXPECT_EQ(en_otro_hilo, &motor::Portables());
    motor::FijarNucleos(al_empezar);
}

}  // namespace
