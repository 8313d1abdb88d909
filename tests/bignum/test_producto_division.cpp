// Product, product by one digit, shift, long division and halving: results,
// signs, the lengths the helpers leave, and the division-by-zero report.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "bignum/aritmetica.h"
#include "numeros_de_prueba.h"

using prueba::Num;
using prueba::Ver;

namespace {

class ProductoDivision : public prueba::ConInformes {};

TEST_F(ProductoDivision, Multiplicar) {
    const struct {
        const char *a, *b, *producto;
    } casos[] = {
        {"0", "-5", "0"},   {"-5", "0", "0"},         {"-0", "-5", "0"},        {"-5", "12", "-60"},
        {"-15", "-15", "225"}, {"99", "99", "9801"},  {"1", "-1", "-1"},        {"25", "4", "100"},
        {"100", "1000", "100000"}, {"123456789", "987654321", "121932631112635269"},
        {"-1001", "909", "-909909"},
        // High zeros, as MultiplicarPorDigito(A, 0) leaves them: a zero is
        // still '+', and the product has none.
        {"007", "-0012", "-84"}, {"000", "-5", "0"}, {"-5", "-000", "0"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.a) + " x " + c.b);
        EXPECT_EQ(Ver(Multiplicar(Num(c.a), Num(c.b))), c.producto);
    }
}

TEST_F(ProductoDivision, MultiplicarPorDigitoPorCeroConservaLaLongitud) {
    const struct {
        const char* a;
        std::uint8_t d;
        const char* producto;
    } casos[] = {
        {"123", 0, "000"}, {"-123", 0, "000"}, {"0", 0, "0"},   {"-123", 1, "123"}, {"0", 7, "0"},
        {"5", 2, "10"},    {"12", 5, "60"},    {"9", 19, "171"}, {"999", 25, "24975"},
        // A's high zeros are not digits of its value.
        {"00123", 2, "246"}, {"0123", 0, "000"}, {"-000", 3, "0"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.a) + " x " + std::to_string(c.d));
        EXPECT_EQ(Ver(MultiplicarPorDigito(prueba::ConRelleno(Num(c.a)), c.d)), c.producto);
    }
}

TEST_F(ProductoDivision, DesplazarDigitosAlargaInclusoElCero) {
    const struct {
        const char* x;
        std::int16_t n;
        const char* despues;
    } casos[] = {
        {"123", 0, "123"}, {"-123", 2, "-12300"}, {"7", 1, "70"}, {"0", 3, "0000"}, {"-0", 2, "-000"},
        {"007", 1, "0070"},  // the record as written: high zeros stay
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.x) + " << " + std::to_string(c.n));
        NumeroGrande x = prueba::ConRelleno(Num(c.x));
        DesplazarDigitos(x, c.n);
        EXPECT_EQ(Ver(x), c.despues);
    }
}

TEST_F(ProductoDivision, Dividir) {
    const struct {
        const char *dividendo, *divisor, *cociente, *resto;
    } casos[] = {
        {"7", "7", "1", "0"},
        {"-7", "-7", "1", "0"},
        {"-7", "7", "-1", "0"},
        {"1000", "10", "100", "0"},
        {"190", "19", "10", "0"},
        {"189", "19", "9", "18"},  // the first estimate, 18, comes down nine times
        {"1899999999999999999999", "19", "99999999999999999999", "18"},
        {"99", "10", "9", "9"},
        {"100", "99", "1", "1"},
        {"10000", "9999", "1", "1"},
        {"99999", "99", "1010", "9"},
        {"1000000", "999", "1001", "1"},
        {"-1000", "-3", "333", "1"},
        // The remainder of a proper division is '+', whatever the signs.
        {"-13", "5", "-2", "3"},
        {"13", "-5", "-2", "3"},
        // A divisor larger than the dividend leaves the dividend, sign
        // included, as remainder; the zero quotient still takes the sign.
        {"-3", "5", "-0", "-3"},
        {"5", "-7", "-0", "5"},
        {"0", "5", "0", "0"},
        {"-0", "5", "-0", "-0"},
        {"0", "-5", "-0", "0"},
        // High zeros are read as the values they pad.
        {"00098765", "0123", "802", "119"},
        {"0003", "5", "0", "3"},
        {"-0013", "005", "-2", "3"},
        {"7", "0007", "1", "0"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.dividendo) + " div " + c.divisor);
        NumeroGrande cociente = prueba::ConRelleno(Num("-4444")), resto = prueba::ConRelleno(Num("-55555"));
        Dividir(prueba::ConRelleno(Num(c.dividendo)), Num(c.divisor), cociente, resto);
        EXPECT_EQ(Ver(cociente), c.cociente);
        EXPECT_EQ(Ver(resto), c.resto);

        // The remainder may be written over the dividend, as the inverse does.
        NumeroGrande n = Num(c.dividendo);
        Dividir(n, Num(c.divisor), cociente, n);
        EXPECT_EQ(Ver(cociente), c.cociente);
        EXPECT_EQ(Ver(n), c.resto);
    }
}

// "000" is the zero MultiplicarPorDigito(123, 0) gives.
TEST_F(ProductoDivision, DividirEntreCeroInformaYNoTocaLasSalidas) {
    for (const char* divisor : {"0", "-0", "000", "-00"}) {
        for (const char* dividendo : {"17", "-0", "123456789012345678901234567890"}) {
            SCOPED_TRACE(std::string(dividendo) + " div " + divisor);
            const NumeroGrande cociente_antes = prueba::ConRelleno(Num("-42"));
            const NumeroGrande resto_antes = prueba::ConRelleno(Num("77"), 6);
            NumeroGrande cociente = cociente_antes, resto = resto_antes;
            Dividir(Num(dividendo), Num(divisor), cociente, resto);
            EXPECT_EQ(Informes(), std::vector<int>{2});
            EXPECT_EQ(cociente.Digitos, cociente_antes.Digitos);
            EXPECT_EQ(Ver(cociente), "-42");
            EXPECT_EQ(resto.Digitos, resto_antes.Digitos);
            EXPECT_EQ(Ver(resto), "77");

            // Also when the remainder is the dividend itself.
            NumeroGrande n = Num(dividendo);
            Dividir(n, Num(divisor), cociente, n);
            EXPECT_EQ(Informes(), std::vector<int>{2});
            EXPECT_EQ(Ver(n), dividendo);
        }
    }
}

TEST_F(ProductoDivision, DividirEntreDosNoEscribeElSignoDeLaMitad) {
    const struct {
        const char* x;
        const char* mitad;
        std::uint8_t resto;
    } casos[] = {
        {"19", "9", 1},  {"10", "5", 0},   {"1", "0", 1},      {"0", "0", 0},         {"-0", "0", 0},
        {"2", "1", 0},   {"12", "6", 0},   {"-19", "9", 1},    {"100", "50", 0},      {"1999", "999", 1},
        {"30", "15", 0}, {"-17", "8", 1},  {"9", "4", 1},      {"1000000001", "500000000", 1},
        {"0012", "6", 0}, {"00019", "9", 1}, {"000", "0", 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.x);
        NumeroGrande mitad = prueba::ConRelleno(Num("8"), 9);
        std::uint8_t resto = 7;
        DividirEntreDos(prueba::ConRelleno(Num(c.x)), mitad, &resto);
        EXPECT_EQ(Ver(mitad), c.mitad);
        EXPECT_EQ(resto, c.resto);

        NumeroGrande mitad_negativa = Num("-8");
        DividirEntreDos(Num(c.x), mitad_negativa);
        EXPECT_EQ(Ver(mitad_negativa), prueba::ConSigno('-', c.mitad));

        // Halving in place: the record keeps its own sign.
        NumeroGrande x = Num(c.x);
        DividirEntreDos(x, x, &resto);
        EXPECT_EQ(Ver(x), prueba::ConSigno(c.x[0], c.mitad));
        EXPECT_EQ(resto, c.resto);
    }
}

TEST_F(ProductoDivision, UnProductoDeMasDe32767CifrasEsError13YCero) {
    const std::string tres = prueba::ConCeros("3", kMaxDigitos - 1);
    EXPECT_EQ(Ver(Multiplicar(Num(tres), Num("3"))), prueba::ConCeros("9", kMaxDigitos - 1));
    EXPECT_EQ(Informes(), std::vector<int>{});

    const NumeroGrande producto = Multiplicar(Num(tres), Num("-4"));
    EXPECT_EQ(Informes(), std::vector<int>{13});
    EXPECT_TRUE(EsCero(producto));
    EXPECT_EQ(producto.Longitud, 1);

    NumeroGrande desplazado = Num(tres);
    DesplazarDigitos(desplazado, 1);
    EXPECT_EQ(Informes(), std::vector<int>{13});
    EXPECT_TRUE(EsCero(desplazado));
    EXPECT_EQ(desplazado.Longitud, 1);
}

}  // namespace
