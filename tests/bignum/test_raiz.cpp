// Integer square root, concatenation and the split into a power of two
// times an odd number.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "bignum/aritmetica.h"
#include "numeros_de_prueba.h"

using prueba::Num;
using prueba::Ver;

namespace {

class Raiz : public prueba::ConInformes {};

TEST_F(Raiz, RaizEnteraDeLaMagnitud) {
    const std::string nueves_600(600, '9');
    const std::string nueves_300(300, '9');
    const struct {
        std::string x, raiz;
    } casos[] = {
        {"0", "0"},        {"-0", "0"},        {"1", "1"},          {"3", "1"},     {"4", "2"},
        {"99", "9"},       {"100", "10"},      {"120", "10"},       {"10000", "100"}, {"12321", "111"},
        {"99999", "316"},  {"-16", "4"},       {"15241578750190521", "123456789"},
        {"15241578750190520", "123456788"},  // just below a square: one less
        // Just below the next square of a root, then one more pair. With a
        // root of 31 digits, twice the root has four groups of eight and
        // that root's last digit is estimated one too high (from bounds on
        // the remainder and on twice the root), so the remainder taken too
        // far is mended before the next pair uses it; with 11 digits the
        // digit is found on the exact values.
        {"152415787995732366399", "12345678919"},
        {"1524157875323883675049535156303002594355128791547995732366399", "1234567890123456789012345678919"},
        {prueba::ConCeros("1", 600), prueba::ConCeros("1", 300)},
        {nueves_600, nueves_300},
        // High zeros are not digits of the value: "05556" is 5556, whose top
        // group is 55. This row runs after others on this thread, as it did
        // when it went wrong.
        {"05556", "74"}, {"000", "0"}, {"0016", "4"}, {"-00099", "9"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(Ver(RaizEntera(prueba::ConRelleno(Num(c.x)))), c.raiz);
    }
}

TEST_F(Raiz, ConcatenarPoneLasCifrasDeADelanteDeLasDeB) {
    const struct {
        const char *a, *b, *resultado;
    } casos[] = {
        {"12", "345", "12345"}, {"7", "05", "705"},  // B's padded length is kept
        {"-12", "345", "12345"}, {"1", "0", "10"},   {"1", "000", "1000"},
        {"0", "5", "05"},  // a zero A stays on top
        {"012", "345", "12345"},  // A is read as its value
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.a) + " | " + c.b);
        EXPECT_EQ(Ver(Concatenar(Num(c.a), Num(c.b))), c.resultado);
    }
}

TEST_F(Raiz, SepararPotenciaDeDos) {
    const struct {
        const char* n;
        std::int16_t s;
        const char* impar;
    } casos[] = {
        {"12", 2, "3"}, {"8", 3, "1"}, {"7", 0, "7"},   {"1", 0, "1"},     {"2", 1, "1"},
        {"96", 5, "3"}, {"0", 1, "0"}, {"1024", 10, "1"}, {"1000000", 6, "15625"},
        {"0012", 2, "3"}, {"0007", 0, "7"}, {"000", 1, "0"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.n);
        NumeroGrande d = prueba::ConRelleno(Num("999"));
        EXPECT_EQ(SepararPotenciaDeDos(Num(c.n), d), c.s);
        EXPECT_EQ(Ver(d), c.impar);
    }
}

}  // namespace
