#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <thread>
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
// an entry and Windows line ends are accepted. A line of more than 40
// characters is skipped whatever it holds.
TEST_F(TablaPrimos, LineasNoValidasSeSaltan) {
    carpeta.EscribirTabla("2\n3\nx5\n\n  7  \r\n" + std::string(60, ' ') + "5\n1\n0\n32768\n" +
                          std::string(100, '1') + "\n11\r\n");
    EXPECT_EQ(Dividir("65"), std::nullopt);  // 5 * 13: "x5" and the long "   ...5" are skipped
    EXPECT_EQ(Dividir("77"), (Par{"7", "11"}));
    EXPECT_EQ(Dividir("121"), (Par{"11", "11"}));
    EXPECT_TRUE(ui.errores.empty());
}

// Only the first MiB is read: an entry beyond it is never tried.
TEST_F(TablaPrimos, SoloSeLeeElPrimerMegabyte) {
    std::string tabla;
    while (tabla.size() < (std::size_t{1} << 20)) tabla += "32749\n";
    carpeta.EscribirTabla(tabla + "7\n");
    EXPECT_EQ(Dividir("91"), std::nullopt);
    carpeta.EscribirTabla(tabla.substr(6) + "7\n");  // 7 now ends inside it
    EXPECT_EQ(Dividir("91"), (Par{"7", "13"}));
    EXPECT_TRUE(ui.errores.empty());
}

// Runs `cuerpo` in a child process, watched from here: the result fails when
// the child's resident memory grows by more than `megas` MiB, when it runs
// longer than `segundos` (it is then killed), or when it exits other than 0.
// Nothing the child does can leave this process stuck or out of memory.
::testing::AssertionResult EnProcesoVigilado(const std::function<int()>& cuerpo, int segundos, long megas) {
    const pid_t hijo = fork();
    if (hijo < 0) return ::testing::AssertionFailure() << "fork";
    if (hijo == 0) _exit(cuerpo());

    const long pagina = sysconf(_SC_PAGESIZE);
    const auto residente = [&]() -> long {
        std::ifstream statm("/proc/" + std::to_string(hijo) + "/statm");
        long total = 0, paginas = 0;
        return statm >> total >> paginas ? paginas * pagina : 0;
    };
    const long al_empezar = residente();
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(segundos);
    for (;;) {
        int estado = 0;
        if (waitpid(hijo, &estado, WNOHANG) == hijo) {
            if (WIFEXITED(estado) && WEXITSTATUS(estado) == 0) return ::testing::AssertionSuccess();
            return ::testing::AssertionFailure() << "el proceso acabó con el estado " << estado;
        }
        std::string motivo;
        if (residente() - al_empezar > megas << 20) motivo = "usó más de " + std::to_string(megas) + " MiB";
        if (std::chrono::steady_clock::now() > limite) motivo = "seguía tras " + std::to_string(segundos) + " s";
        if (!motivo.empty()) {
            kill(hijo, SIGKILL);
            waitpid(hijo, &estado, 0);
            return ::testing::AssertionFailure() << motivo;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// Feeds the FIFO Primos.txt with `texto` over and over, from a thread of
// its own, to every reader that opens it, until the process ends.
void AlimentarSinFin(std::string texto) {
    std::signal(SIGPIPE, SIG_IGN);  // a reader that closes ends a write, not the process
    std::thread([texto] {
        std::string bloque;
        while (bloque.size() < 65536) bloque += texto;
        for (;;) {
            const int fd = open(kFicheroPrimos, O_WRONLY);
            if (fd < 0) return;
            while (write(fd, bloque.data(), bloque.size()) > 0) {
            }
            close(fd);
        }
    }).detach();
}

// A name that leads to an endless source: every read ends, in bounded
// memory, and a source with no entry counts as a missing table.
struct CasoFuenteSinFin {
    const char* nombre;
    const char* enlace;     // Primos.txt as a link to this, or
    const char* alimento;   // a FIFO fed with this without end
    bool con_entradas;      // whether its lines hold entries (none divides 91)
};

void PrintTo(const CasoFuenteSinFin& caso, std::ostream* os) { *os << caso.nombre; }

class FuenteSinFin : public TablaPrimos, public ::testing::WithParamInterface<CasoFuenteSinFin> {};

TEST_P(FuenteSinFin, LecturaAcotada) {
    const CasoFuenteSinFin& caso = GetParam();
    if (caso.enlace != nullptr) {
        ASSERT_EQ(symlink(caso.enlace, kFicheroPrimos), 0);
    } else {
        ASSERT_EQ(mkfifo(kFicheroPrimos, 0600), 0);
    }
    EXPECT_TRUE(EnProcesoVigilado(
        [&] {
            if (caso.alimento != nullptr) AlimentarSinFin(caso.alimento);
            puerto::PuertoGrabador ui_hijo;
            puerto::EnHilo activa(ui_hijo);
            NumeroGrande f1, f2, factor;
            if (DividirPorTabla(Num("91"), f1, f2)) return 1;
            if (!ui_hijo.errores.empty()) return 2;
            BuscarFactor(Num("91"), factor);
            const std::string f = NumeroACadena(factor);
            if (caso.con_entradas) return (f == "7" || f == "13") && ui_hijo.errores.empty() ? 0 : 3;
            return f == "0" && ui_hijo.errores == std::vector<int>{8} ? 0 : 4;
        },
        20, 256));
}

INSTANTIATE_TEST_SUITE_P(
    Fuentes, FuenteSinFin,
    ::testing::Values(CasoFuenteSinFin{"enlace_a_dev_zero", "/dev/zero", nullptr, false},
                      CasoFuenteSinFin{"fifo_con_una_linea_sin_fin", nullptr, "7", false},
                      CasoFuenteSinFin{"fifo_con_lineas_sin_fin", nullptr, "32749\n", true}),
    [](const ::testing::TestParamInfo<CasoFuenteSinFin>& info) { return std::string(info.param.nombre); });

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
