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
        // A negative modulus works as its magnitude.
        {"17", "-5", "2"},  {"-3", "-5", "2"},  {"-13", "-5", "2"}, {"-5", "-5", "0"},  {"3", "-5", "3"},
        // High zeros are read as the values they pad.
        {"0017", "005", "2"}, {"-0013", "5", "2"}, {"-3", "0005", "2"},
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
        for (const char* m : {"0", "-0", "000", "-00"}) {  // "000": MultiplicarPorDigito(A, 0)
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
        {"0005", "101"}, {"000", "00"}, {"01", "01"},
        // 2^27 - 1, 2^27 and 2^54 + 1: the bits are taken 27 at a time.
        {"134217727", "111111111111111111111111111"},
        {"134217728", "1000000000000000000000000000"},
        {"18014398509481985", "1000000000000000000000000000000000000000000000000000001"},
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

// A square or product too long for a record is error 13 once: every later
// product would be zero, so the power ends there with zero.
TEST_F(Modular, UnProductoDemasiadoLargoEnLaPotenciaEsError13UnaVez) {
    // B = 10^16383 + 4 * 10^116 has 16384 digits, so its square fits; modulo
    // 10^16500 that square leaves 8 * 10^16499 + 16 * 10^232, of 16500
    // digits. For the exponent 7 (bits 1, 1, 1) the product of B and that
    // square is too long, and so is the next square.
    std::string cifras = prueba::ConCeros("1", 16383);
    cifras[cifras.size() - 1 - 116] = '4';
    NumeroGrande base, siete, modulo;
    CadenaANumero(cifras, base, '+');
    EnteroANumero(7, siete);
    CadenaANumero(prueba::ConCeros("1", 16500), modulo, '+');
    EXPECT_EQ(Ver(PotenciaModular(base, siete, modulo)), "0");
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
        // A negative modulus works as its magnitude.
        {"2", "3", "-5", "3"},  {"-2", "3", "-7", "6"}, {"-2", "2", "-7", "4"}, {"10", "1", "-7", "3"},
        // High zeros: an exponent written "001" is one (the base is reduced),
        // "000" is zero.
        {"0002", "0010", "001000", "24"}, {"10", "001", "7", "3"}, {"3", "000", "5", "1"},
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
        {"5", "13", "000", "0"}, {"5", "000", "-00", "1"},
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
        // High zeros: the copy of an operand that is returned has none.
        {"0012", "018", "6"}, {"-0004", "12", "-4"}, {"7", "000", "7"}, {"000", "-0007", "-7"},
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
        // A negative A is reduced into [0, M) first: -3 is 4 modulo 7.
        {"-3", "7", "2", {}},
        {"-1", "7", "6", {}},
        {"-10", "7", "2", {}},
        {"-6", "7", "1", {}},
        {"-4", "6", "0", {3}},
        {"-1", "0", "1", {}},
        // A negative modulus works as its magnitude.
        {"3", "-7", "5", {}},
        {"-3", "-7", "2", {}},
        {"2", "-4", "0", {3}},
        // High zeros are read as the values they pad.
        {"0003", "007", "5", {}},
        {"001", "0007", "1", {}},
        {"5", "000", "0", {3}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.a) + " mod " + c.m);
        EXPECT_EQ(Ver(InversoModular(Num(c.a), Num(c.m))), c.inverso);
        EXPECT_EQ(Informes(), c.errores);
    }
}

}  // namespace
