// Comparison of magnitudes, padding, sum and difference: the sign rules,
// most of all the sign a zero result carries, and the digit limit.
#include <gtest/gtest.h>

#include <string>

#include "bignum/aritmetica.h"
#include "numeros_de_prueba.h"

using prueba::Num;
using prueba::Ver;

namespace {

class SumaResta : public prueba::ConInformes {};

TEST_F(SumaResta, LasComparacionesMiranSoloMagnitudes) {
    const struct {
        const char* a;
        const char* b;
        int longitudes;
        bool iguales, mayor, menor;
    } casos[] = {
        {"99", "100", 2, false, false, true},  {"100", "99", 1, false, true, false},
        {"5", "-5", 0, true, false, false},    {"-7", "3", 0, false, true, false},
        {"0", "-0", 0, true, false, false},    {"123", "124", 0, false, false, true},
        {"910", "901", 0, false, true, false}, {"-1000", "-1000", 0, true, false, false},
        {"100000", "99999", 1, false, true, false},
        // High zeros: CompararLongitudes counts them, the magnitudes do not.
        {"007", "10", 1, false, false, true},  {"10", "0007", 2, false, true, false},
        {"000", "-0", 1, true, false, false},  {"-00123", "123", 1, true, false, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.a) + " frente a " + c.b);
        // Storage above Longitud must not take part.
        const NumeroGrande a = prueba::ConRelleno(Num(c.a)), b = prueba::ConRelleno(Num(c.b), 5);
        EXPECT_EQ(CompararLongitudes(a, b), c.longitudes);
        EXPECT_EQ(SonIguales(a, b), c.iguales);
        EXPECT_EQ(EsMayor(a, b), c.mayor);
        EXPECT_EQ(EsMenor(a, b), c.menor);
    }
}

TEST_F(SumaResta, IgualarLongitudesRellenaLaMasCortaConCerosAltos) {
    const struct {
        const char *a, *b, *a_despues, *b_despues;
    } casos[] = {
        {"123", "7", "123", "007"},
        {"-7", "123", "-007", "123"},
        {"12", "-34", "12", "-34"},
        {"0", "-4567", "0000", "-4567"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.a) + ", " + c.b);
        NumeroGrande a = prueba::ConRelleno(Num(c.a)), b = prueba::ConRelleno(Num(c.b));
        IgualarLongitudes(a, b);
        EXPECT_EQ(Ver(a), c.a_despues);
        EXPECT_EQ(Ver(b), c.b_despues);
    }
}

struct CasoBinario {
    const char *a, *b, *resultado;
};

TEST_F(SumaResta, Sumar) {
    const CasoBinario casos[] = {
        {"5", "-5", "0"},      {"-5", "5", "0"},       {"-3", "5", "2"},       {"3", "-5", "-2"},
        {"999", "1", "1000"},  {"1", "999", "1000"},   {"-999", "-1", "-1000"}, {"0", "0", "0"},
        {"-4", "-4", "-8"},    {"9999", "-9998", "1"}, {"-9998", "9999", "1"},
        // A zero signed '-' is zero, but a sum of two of them keeps the sign.
        {"-0", "7", "7"},      {"7", "-0", "7"},       {"-0", "-7", "-7"},     {"0", "-7", "-7"},
        {"-0", "-0", "-0"},    {"-0", "0", "0"},       {"0", "-0", "0"},
        // Operands with high zeros are read as their values; the result has none.
        {"-0005", "7", "2"},   {"0005", "0003", "8"},  {"7", "-00009", "-2"},  {"-000", "-0", "-0"},
    };
    for (const CasoBinario& c : casos) {
        SCOPED_TRACE(std::string(c.a) + " + " + c.b);
        EXPECT_EQ(Ver(Sumar(Num(c.a), Num(c.b))), c.resultado);
    }
    NumeroGrande x = Num("-5");
    EXPECT_EQ(Ver(Sumar(x, x)), "-10");
}

TEST_F(SumaResta, Restar) {
    const CasoBinario casos[] = {
        {"5", "5", "0"},      {"-5", "-5", "0"},       {"3", "5", "-2"},       {"-3", "-5", "2"},
        {"-3", "5", "-8"},    {"3", "-5", "8"},        {"1000", "1", "999"},    {"10", "9", "1"},
        {"100000", "99999", "1"}, {"0", "7", "-7"},    {"-0", "-7", "7"},      {"-0", "7", "-7"},
        {"7", "-0", "7"},     {"-7", "0", "-7"},       {"-7", "-0", "-7"},
        {"-0", "0", "-0"},    {"-0", "-0", "0"},       {"0", "-0", "0"},       {"0", "0", "0"},
        {"005", "7", "-2"},   {"0010", "00010", "0"},  {"-7", "-0005", "-2"},  {"1", "000", "1"},
    };
    for (const CasoBinario& c : casos) {
        SCOPED_TRACE(std::string(c.a) + " - " + c.b);
        EXPECT_EQ(Ver(Restar(Num(c.a), Num(c.b))), c.resultado);
    }
    NumeroGrande x = Num("-5");
    EXPECT_EQ(Ver(Restar(x, x)), "0");
}

TEST_F(SumaResta, UnResultadoDeMasDe32767CifrasEsError13YCero) {
    const std::string nueves(kMaxDigitos, '9');
    EXPECT_TRUE(EsCero(Sumar(Num(nueves), Num("1"))));
    EXPECT_EQ(Informes(), std::vector<int>{13});
    EXPECT_TRUE(EsCero(Restar(Num(prueba::ConSigno('-', nueves)), Num("1"))));
    EXPECT_EQ(Informes(), std::vector<int>{13});

    // Exactly 32767 digits still fit.
    const std::string cuatro = prueba::ConCeros("4", kMaxDigitos - 1);
    const std::string cinco = prueba::ConCeros("5", kMaxDigitos - 1);
    EXPECT_EQ(Ver(Sumar(Num(cuatro), Num(cinco))), prueba::ConCeros("9", kMaxDigitos - 1));
}

}  // namespace
