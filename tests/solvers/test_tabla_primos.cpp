#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "apoyo.h"
#include "solvers/tabla_primos.h"

namespace {

class TablaPrimos : public ConPuerto {
protected:
    CarpetaTemporal carpeta;

    // DividirPorTabla(n): the pair found, or nothing (and then the outputs
    // must keep what they held).
    std::optional<std::pair<std::string, std::string>> Dividir(const char* n) {
        NumeroGrande f1 = Num("77");
        NumeroGrande f2 = Num("88");
        if (!DividirPorTabla(Num(n), f1, f2)) {
            EXPECT_EQ(NumeroACadena(f1), "77");
            EXPECT_EQ(NumeroACadena(f2), "88");
            return std::nullopt;
        }
        return std::pair{NumeroACadena(f1), NumeroACadena(f2)};
    }

    std::string Buscar(const char* n) {
        NumeroGrande f = Num("77");
        BuscarFactor(Num(n), f);
        return NumeroACadena(f);
    }
};

using Par = std::pair<std::string, std::string>;

// A missing table, an empty one and one without a single valid line all
// count as missing: no division, no division by zero; BuscarFactor reports
// error 8 and gives 0.
TEST_F(TablaPrimos, SinEntradasValidasEsComoSinFichero) {
    for (const char* contenido : {static_cast<const char*>(nullptr), "", "\n\n", "x\n0\n1\n-7\n40000\n3.0\n0x11\n"}) {
        SCOPED_TRACE(contenido == nullptr ? "sin fichero" : contenido);
        if (contenido != nullptr) carpeta.EscribirTabla(contenido);
        ui.errores.clear();
        EXPECT_EQ(Dividir("91"), std::nullopt);
        EXPECT_EQ(Dividir("0"), std::nullopt);
        EXPECT_TRUE(ui.errores.empty());
        EXPECT_EQ(Buscar("91"), "0");
        EXPECT_EQ(ui.errores, std::vector<int>{8});
    }
}

TEST_F(TablaPrimos, DiezLineas) {
    carpeta.EscribirTabla("2\n3\n5\n7\n11\n13\n17\n19\n23\n29\n");
    EXPECT_EQ(Dividir("0"), (Par{"2", "0"}));
    EXPECT_EQ(Dividir("29"), (Par{"29", "1"}));
    EXPECT_EQ(Dividir("899"), (Par{"29", "31"}));   // 29 * 31
    EXPECT_EQ(Dividir("1001"), (Par{"7", "143"}));  // the smallest prime factor
    EXPECT_EQ(Dividir("1147"), std::nullopt);       // 31 * 37, beyond the table
    EXPECT_EQ(Dividir("1"), std::nullopt);
    EXPECT_EQ(Buscar("1001"), "7");
    EXPECT_EQ(Buscar("31"), "31");  // a prime beyond the table is its own factor
    const std::string f = Buscar("1147");
    EXPECT_TRUE(f == "31" || f == "37") << f;
    EXPECT_EQ(Buscar("1"), "0");  // no divisor greater than 1
    EXPECT_TRUE(ui.errores.empty());
}

// Lines that are not an integer from 2 to 32767 are skipped; blanks around
// an entry and Windows line ends are accepted.
TEST_F(TablaPrimos, LineasNoValidasSeSaltan) {
    carpeta.EscribirTabla("2\n3\nx5\n\n  7  \r\n1\n0\n32768\n11\r\n");
    EXPECT_EQ(Dividir("65"), std::nullopt);  // 5 * 13: the line "x5" is skipped
    EXPECT_EQ(Dividir("77"), (Par{"7", "11"}));
    EXPECT_EQ(Dividir("121"), (Par{"11", "11"}));
    EXPECT_TRUE(ui.errores.empty());
}

// The table is closed on every way out: found, not found, missing.
TEST_F(TablaPrimos, CienLlamadasNoDejanFicherosAbiertos) {
    const auto abiertos = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                             std::filesystem::directory_iterator{});
    };
    carpeta.EscribirTabla("2\n3\n5\n7\n");
    const auto antes = abiertos();
    for (int i = 0; i < 100; ++i) {
        Dividir("15");
        Dividir("143");
        Buscar("15");
        Buscar("143");
    }
    EXPECT_EQ(abiertos(), antes);
}

// The table the program ships: every prime below 32768.
class TablaInstalada : public ConPuerto {};

TEST_F(TablaInstalada, PrimosHasta32749) {
    NumeroGrande f1;
    NumeroGrande f2;
    ASSERT_TRUE(DividirPorTabla(Num("1072497001"), f1, f2));  // 32749^2
    EXPECT_EQ(NumeroACadena(f1), "32749");
    EXPECT_EQ(NumeroACadena(f2), "32749");
    EXPECT_FALSE(DividirPorTabla(Num("1074200609"), f1, f2));  // 32771 * 32779, just beyond

    NumeroGrande factor;
    BuscarFactor(Num("1074200609"), factor);
    EXPECT_TRUE(NumeroACadena(factor) == "32771" || NumeroACadena(factor) == "32779") << NumeroACadena(factor);
    BuscarFactor(Num("1000000007"), factor);
    EXPECT_EQ(NumeroACadena(factor), "1000000007");
    EXPECT_TRUE(ui.errores.empty());
}

}  // namespace
