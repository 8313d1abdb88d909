// Reduction, bits, modular power, gcd and inverse: values, the sign a gcd
// keeps, and which errors are reported how often.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bignum/aritmetica.h"
#include "numeros_de_prueba.h"

using prueba::Cifras;
using prueba::Num;
using prueba::Ver;

namespace {

class Modular : public prueba::ConInformes {};

TEST_F(Modular, ReducirDaElRestoNoNegativo) {
    const struct {
        const char *a, *m, *resto;
    } casos[] = {
        {"17", "5", "2"},  {"3", "5", "3"},   {"5", "5", "0"},   {"-3", "5", "2"},  {"-5", "5", "0"},
        {"-13", "5", "2"}, {"-10", "5", "0"}, {"0", "5", "0"},   {"4", "1", "0"},   {"-4", "1", "0"},
        {"-1", "1000000000000000000000", "999999999999999999999"},
        {"-1000000000000000000001", "1000000000000000000000", "999999999999999999999"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.a) + " mod " + c.m);
        EXPECT_EQ(Ver(Reducir(Num(c.a), Num(c.m))), c.resto);
    }
}

TEST_F(Modular, ReducirUnCeroNegativoDaCeroYNoElModulo) {
    EXPECT_TRUE(EsCero(Reducir(Num("-0"), Num("5"))));
    EXPECT_TRUE(EsCero(Reducir(Num("-0"), Num("1"))));
}

TEST_F(Modular, ReducirConModuloCeroEsError4YCero) {
    for (const char* a : {"17", "-3", "0"}) {
        for (const char* m : {"0", "-0"}) {
            SCOPED_TRACE(std::string(a) + " mod " + m);
            EXPECT_EQ(Ver(Reducir(Num(a), Num(m))), "0");
            EXPECT_EQ(Informes(), std::vector<int>{4});
        }
    }
}

// A quotient by zero reduced modulo zero, as the basic-operations window
// does it: two reports, the division's first, and the untouched quotient
// then reduces to zero.
TEST_F(Modular, DivisionYReduccionPorCeroInformanEnOrden) {
    NumeroGrande cociente = Num("-42"), resto = Num("7");
    Dividir(Num("17"), Num("0"), cociente, resto);
    const NumeroGrande reducido = Reducir(cociente, Num("0"));
    EXPECT_EQ(Informes(), (std::vector<int>{2, 4}));
    EXPECT_EQ(Ver(cociente), "-42");
    EXPECT_EQ(Ver(reducido), "0");
}

TEST_F(Modular, ABinarioDaAlMenosDosBits) {
    const struct {
        const char *x, *bits;  // bits from the top
    } casos[] = {
        {"0", "00"}, {"-0", "00"}, {"1", "01"},         {"2", "10"},         {"5", "101"},
        {"6", "110"}, {"-6", "110"}, {"255", "11111111"}, {"256", "100000000"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(Cifras(ABinario(prueba::ConRelleno(Num(c.x)))), c.bits);
    }
}

// 10^9900 needs 32888 bits, more than a record can count.
TEST_F(Modular, UnExponenteDeMasDe32767BitsEsError13YCero) {
    const NumeroGrande enorme = Num(prueba::ConCeros("1", 9900));
    const NumeroGrande bits = ABinario(enorme);
    EXPECT_EQ(Informes(), std::vector<int>{13});
    EXPECT_TRUE(EsCero(bits));

    EXPECT_EQ(Ver(PotenciaModular(Num("3"), enorme, Num("7"))), "0");
    EXPECT_EQ(Informes(), std::vector<int>{13});
}

TEST_F(Modular, PotenciaModular) {
    const struct {
        const char *base, *exponente, *m, *potencia;
    } casos[] = {
        {"4", "13", "497", "445"}, {"7", "0", "13", "1"},  {"7", "1", "5", "2"},   {"2", "10", "1000", "24"},
        {"3", "2", "1", "0"},      {"0", "5", "7", "0"},   {"0", "0", "7", "1"},
        {"3", "0", "1", "1"},   // an exponent of 0 gives one without reducing
        {"-2", "3", "7", "6"},  {"-2", "2", "7", "4"},  {"10", "1", "7", "3"},
        {"2", "-3", "7", "1"},  // the exponent's sign is not looked at
        {"5", "-1", "7", "5"},  {"-5", "-1", "7", "2"}, {"2", "100", "1000000007", "976371285"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.base) + "^" + c.exponente + " mod " + c.m);
        EXPECT_EQ(Ver(PotenciaModular(Num(c.base), Num(c.exponente), Num(c.m))), c.potencia);
    }
}

TEST_F(Modular, PotenciaModularConModuloCeroInformaUnaVezPorLlamada) {
    std::string exponente_largo(150, '3');
    exponente_largo[0] = '1';
    const struct {
        const char* base;
        std::string exponente;
        const char* m;
        const char* potencia;
    } casos[] = {
        {"5", "0", "0", "1"},  {"0", "0", "-0", "1"}, {"5", "1", "0", "0"},   {"-5", "-1", "0", "0"},
        {"5", "13", "0", "0"}, {"5", "2", "-0", "0"}, {"7", exponente_largo, "0", "0"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.base) + "^" + c.exponente + " mod " + c.m);
        EXPECT_EQ(Ver(PotenciaModular(Num(c.base), Num(c.exponente), Num(c.m))), c.potencia);
        EXPECT_EQ(Informes(), std::vector<int>{4});
    }
}

TEST_F(Modular, MaximoComunDivisorConservaElSignoDelOperandoQueDevuelve) {
    const struct {
        const char *a, *b, *mcd;
    } casos[] = {
        {"12", "18", "6"},  {"18", "12", "6"},  {"12", "-4", "-4"}, {"-4", "12", "-4"}, {"-12", "8", "4"},
        {"-18", "-12", "6"}, {"17", "5", "1"},  {"-5", "5", "5"},   {"5", "-5", "-5"},
        {"7", "0", "7"},    {"-7", "0", "-7"},  {"0", "-7", "-7"},  {"0", "0", "0"},    {"-0", "0", "-0"},
        {"0", "-0", "0"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string("mcd(") + c.a + ", " + c.b + ")");
        EXPECT_EQ(Ver(MaximoComunDivisor(Num(c.a), Num(c.b))), c.mcd);
    }
}

TEST_F(Modular, InversoModular) {
    const struct {
        const char *a, *m, *inverso;
        std::vector<int> errores;
    } casos[] = {
        {"3", "7", "5", {}},
        {"10", "7", "5", {}},
        {"6", "7", "6", {}},
        {"8", "7", "1", {}},
        {"2", "4", "0", {3}},
        {"0", "7", "0", {3}},
        {"7", "7", "0", {3}},
        {"5", "0", "0", {3}},
        {"0", "0", "0", {3}},
        {"0", "1", "1", {}},
        {"5", "1", "1", {}},
        {"1", "1", "1", {}},
        // 1 is its own inverse, without a division by the zero first remainder.
        {"1", "7", "1", {}},
        {"1", "0", "1", {}},
        {"1", "1000000000000000000000000000000", "1", {}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.a) + " mod " + c.m);
        EXPECT_EQ(Ver(InversoModular(Num(c.a), Num(c.m))), c.inverso);
        EXPECT_EQ(Informes(), c.errores);
    }
}

}  // namespace
