// The NumeroGrande record: text and integer conversions, copies, the zero,
// one and parity tests, and the removal of leading zeros.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "bignum/numero_grande.h"
#include "numeros_de_prueba.h"

using prueba::Num;
using prueba::Ver;

namespace {

class Conversiones : public prueba::ConInformes {};

TEST_F(Conversiones, CadenaANumeroQuitaCerosYSoloAplicaElSignoDado) {
    struct Caso {
        const char* texto;
        std::optional<char> signo;
        const char* antes;  // the record before the call: kept sign, stale storage
        const char* despues;
    };
    const Caso casos[] = {
        {"", '-', "-5", "0"},  // empty: zero with '+', the sign is not applied
        {"", std::nullopt, "-5", "0"},
        {"0", '-', "7", "-0"},
        {"00012", '+', "-3", "12"},
        {"000", '+', "-123456", "0"},
        {"0", '+', "1", "0"},
        {"5", '-', "9", "-5"},
        {"5", std::nullopt, "-1", "-5"},  // without a sign the record keeps its own
        {"5", std::nullopt, "1", "5"},
        {"1234567890", '+', "0", "1234567890"},
        {"9000000000000000000000000000001", '-', "77", "-9000000000000000000000000000001"},
        // Not a digit string: zero with '+' whatever sign is asked for.
        {"12a", '-', "-9", "0"},
        {"-5", '-', "-9", "0"},
        {" 5", std::nullopt, "-9", "0"},
        {"5\xc3\xb1", '+', "3", "0"},  // "5ñ"
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string("\"") + c.texto + "\" sobre " + c.antes);
        NumeroGrande x = prueba::ConRelleno(Num(c.antes));
        if (c.signo)
            CadenaANumero(c.texto, x, *c.signo);
        else
            CadenaANumero(c.texto, x);
        EXPECT_EQ(Ver(x), c.despues);
    }
}

TEST_F(Conversiones, CadenaANumeroAdmiteHasta32767Cifras) {
    const std::string maximo(kMaxDigitos, '9');
    NumeroGrande x;
    CadenaANumero(maximo, x, '-');
    EXPECT_EQ(x.Longitud, kMaxDigitos);
    EXPECT_EQ(Ver(x), prueba::ConSigno('-', maximo));

    // One character more cannot be held: zero with '+'.
    CadenaANumero(maximo + "9", x, '-');
    EXPECT_EQ(Ver(x), "0");
    // Leading zeros count as characters of the text.
    CadenaANumero("0" + maximo, x, '-');
    EXPECT_EQ(Ver(x), "0");
}

TEST_F(Conversiones, NumeroACadenaNuncaPoneSignoAlCero) {
    NumeroGrande otro_signo = Num("5");
    otro_signo.Signo = ' ';
    NumeroGrande almacen_mayor = Num("3");
    almacen_mayor.Digitos = {3, 7, 9};
    const struct {
        NumeroGrande x;
        const char* texto;
    } casos[] = {
        {Num("0"), "0"},         {Num("-0"), "0"},   {Num("-5"), "-5"},
        {Num("120"), "120"},     {otro_signo, "5"},  {almacen_mayor, "3"},
        {Num("-90000000000000000000000000000000000000001"), "-90000000000000000000000000000000000000001"},
        // High zeros are not digits of the value.
        {Num("000"), "0"},       {Num("-00"), "0"},  {Num("-0070"), "-70"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(Ver(c.x));
        EXPECT_EQ(NumeroACadena(c.x), c.texto);
        std::string texto = "texto anterior";
        NumeroACadena(c.x, texto);
        EXPECT_EQ(texto, c.texto);
    }
}

TEST_F(Conversiones, EnteroANumero) {
    const struct {
        std::int16_t valor;
        const char* numero;
    } casos[] = {
        {0, "0"}, {-7, "-7"}, {1, "1"}, {10, "10"}, {-100, "-100"}, {32767, "32767"}, {-32768, "-32768"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.valor);
        NumeroGrande x = prueba::ConRelleno(Num("-98765432"));
        EnteroANumero(c.valor, x);
        EXPECT_EQ(Ver(x), c.numero);
    }
}

TEST_F(Conversiones, NumeroAEnteroLlevaLoQueSeSaleAlExtremoMasCercano) {
    const std::string trescientos_nueves(300, '9');
    const struct {
        std::string numero;
        std::int16_t valor;
    } casos[] = {
        {"0", 0},           {"-0", 0},          {"-1", -1},
        {"12345", 12345},   {"32767", 32767},   {"-32768", -32768},
        {"32768", 32767},   {"-32769", -32768}, {"100000", 32767},
        {trescientos_nueves, 32767},            {prueba::ConSigno('-', trescientos_nueves), -32768},
        {prueba::ConCeros("", 30) + "12345", 12345}, {"-00007", -7},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.numero);
        std::int16_t valor = 99;
        NumeroAEntero(Num(c.numero), valor);
        EXPECT_EQ(valor, c.valor);
    }
}

TEST_F(Conversiones, NumeroALargoFueraDeRangoDevuelveFalsoSinTocarLaSalida) {
    constexpr std::int32_t kIntacto = 12345;
    const struct {
        const char* numero;
        bool cabe;
        std::int32_t valor;
    } casos[] = {
        {"0", true, 0},
        {"-0", true, 0},
        {"-2147483648", true, std::numeric_limits<std::int32_t>::min()},
        {"2147483647", true, std::numeric_limits<std::int32_t>::max()},
        {"-65536", true, -65536},
        {"2147483648", false, kIntacto},
        {"-2147483649", false, kIntacto},
        {"99999999999", false, kIntacto},
        {"-100000000000000000000000000000000000000000000", false, kIntacto},
        {"000000000000000000002147483647", true, std::numeric_limits<std::int32_t>::max()},
        {"-00000000000000000000000000000000000000000000009", true, -9},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.numero);
        std::int32_t valor = kIntacto;
        EXPECT_EQ(NumeroALargo(Num(c.numero), valor), c.cabe);
        EXPECT_EQ(valor, c.valor);
    }
}

TEST_F(Conversiones, PonerACeroYCopiarNumero) {
    NumeroGrande x = prueba::ConRelleno(Num("-123"));
    PonerACero(x);
    EXPECT_EQ(Ver(x), "0");

    // A copy owns its digits and ignores storage above the source's Longitud.
    NumeroGrande origen = Num("-54");
    origen.Digitos = {4, 5, 6, 7};
    NumeroGrande destino = Num("987654321");
    CopiarNumero(destino, origen);
    EXPECT_EQ(Ver(destino), "-54");
    origen.Digitos[0] = 1;
    EXPECT_EQ(Ver(destino), "-54");

    CopiarNumero(destino, destino);
    EXPECT_EQ(Ver(destino), "-54");
}

TEST_F(Conversiones, CeroUnoYParidadNoMiranElSigno) {
    const struct {
        const char* numero;
        bool cero, uno, par;
    } casos[] = {
        {"0", true, false, true},    {"-0", true, false, true},    {"1", false, true, false},
        {"-1", false, true, false},  {"10", false, false, true},   {"11", false, false, false},
        {"-3", false, false, false}, {"-100", false, false, true},
        // On the value: a zero written "000" is zero, "-001" is one.
        {"000", true, false, true},  {"-00", true, false, true},   {"-001", false, true, false},
        {"0010", false, false, true}, {"0011", false, false, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.numero);
        const NumeroGrande x = prueba::ConRelleno(Num(c.numero));
        EXPECT_EQ(EsCero(x), c.cero);
        EXPECT_EQ(EsUno(x), c.uno);
        EXPECT_EQ(EsPar(x), c.par);
    }
}

TEST_F(Conversiones, QuitarCerosIzquierdaDejaAlMenosUnaCifraYElSigno) {
    const struct {
        const char* antes;
        const char* despues;
    } casos[] = {
        {"000", "0"}, {"-000", "-0"}, {"-0070", "-70"}, {"5", "5"}, {"0001000", "1000"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.antes);
        NumeroGrande x = Num(c.antes);
        QuitarCerosIzquierda(x);
        EXPECT_EQ(Ver(x), c.despues);
    }
}

}  // namespace
