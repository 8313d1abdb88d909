// The stop button: a run that finds the stop flag set leaves its outputs at
// zero, sets the arrow pointer, shows the warning once and returns.
#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "apoyo.h"
#include "solvers/factorizacion.h"
#include "solvers/logaritmo.h"
#include "solvers/pohlig_hellman.h"

namespace {

using Salidas = std::vector<std::string>;

Salidas Factorizar(void (*metodo)(const NumeroGrande&, NumeroGrande&, NumeroGrande&), const char* n) {
    NumeroGrande f1;
    NumeroGrande f2;
    metodo(Num(n), f1, f2);
    return {NumeroACadena(f1), NumeroACadena(f2)};
}

Salidas Logaritmo(void (*metodo)(const NumeroGrande&, const NumeroGrande&, const NumeroGrande&, NumeroGrande&),
                  const char* alfa, const char* beta, const char* grupo) {
    NumeroGrande x;
    metodo(Num(alfa), Num(beta), Num(grupo), x);
    return {NumeroACadena(x)};
}

Salidas GiganteEnano(const char* alfa, const char* beta, const char* grupo) {
    NumeroGrande x;
    bool interrumpido = false;
    LogaritmoGiganteEnano(Num(alfa), Num(beta), Num(grupo), x, interrumpido);
    return {NumeroACadena(x), interrumpido ? "interrumpido" : ""};
}

Salidas Orden(const char* N) {
    std::vector<ParNumeros> factores;
    bool interrumpido = false;
    FactorizarOrden(Num(N), factores, interrumpido);
    return {std::to_string(factores.size()), interrumpido ? "interrumpido" : ""};
}

struct CasoDetencion {
    const char* nombre;
    bool sin_tabla;
    std::function<Salidas()> ejecutar;
    Salidas detenido;  // the outputs of a stopped run
};

void PrintTo(const CasoDetencion& caso, std::ostream* os) { *os << caso.nombre; }

const Salidas kFactoresCero{"0", "0"};
const Salidas kCero{"0"};

// Runs that end by themselves after a few stop checks.
const std::vector<CasoDetencion> kRunsCortos{
    {"rho_8051", false, [] { return Factorizar(FactorizarRho, "8051"); }, kFactoresCero},
    {"dixon_1074200609", false, [] { return Factorizar(FactorizarDixon, "1074200609"); }, kFactoresCero},
    // For 15 the third check is the Euclid step.
    {"fracciones_15", true, [] { return Factorizar(FactorizarFracciones, "15"); }, kFactoresCero},
    {"busqueda_2_3_11", false, [] { return Logaritmo(LogaritmoBusqueda, "2", "3", "11"); }, kCero},
    {"gigante_enano_2_3_11", false, [] { return GiganteEnano("2", "3", "11"); }, {"0", "interrumpido"}},
    {"pohlig_hellman_2_3_11", false, [] { return Logaritmo(LogaritmoPohligHellman, "2", "3", "11"); }, kCero},
    {"pohlig_hellman_3_13_17", false, [] { return Logaritmo(LogaritmoPohligHellman, "3", "13", "17"); }, kCero},
    // 4 * 32771 * 32779: the later checks are inside BuscarFactor's rho walk.
    {"orden_4296802436", false, [] { return Orden("4296802436"); }, {"0", "interrumpido"}},
};

class DetencionEnCadaConsulta : public ::testing::TestWithParam<CasoDetencion> {};

// A stop at each of the run's stop checks in turn.
TEST_P(DetencionEnCadaConsulta, SalidasACeroYUnaAdvertencia) {
    const CasoDetencion& caso = GetParam();
    std::optional<CarpetaTemporal> sin_tabla;
    if (caso.sin_tabla) sin_tabla.emplace();

    long consultas = 0;
    {
        puerto::PuertoGrabador ui;
        puerto::EnHilo activa(ui);
        EXPECT_NE(caso.ejecutar(), caso.detenido);
        ASSERT_TRUE(ui.registro.empty());
        consultas = ui.consultas_detener;
    }
    ASSERT_GT(consultas, 1);
    for (long k = 1; k <= consultas; ++k) {
        SCOPED_TRACE("detenido en la consulta " + std::to_string(k));
        puerto::PuertoGrabador ui;
        ui.detener_en_consulta = k;
        puerto::EnHilo activa(ui);
        EXPECT_EQ(caso.ejecutar(), caso.detenido);
        EXPECT_EQ(ui.registro, (std::vector<std::string>{"flecha", "advertencia"}));
        EXPECT_EQ(ui.consultas_detener, k);
        EXPECT_EQ(ui.eventos, k);  // events run before every read of the flag
    }
}

INSTANTIATE_TEST_SUITE_P(Metodos, DetencionEnCadaConsulta, ::testing::ValuesIn(kRunsCortos),
                         [](const ::testing::TestParamInfo<CasoDetencion>& info) { return std::string(info.param.nombre); });

// Runs that only a stop ends (or not for a long while).
const std::vector<CasoDetencion> kRunsLargos{
    {"rho_primo", false, [] { return Factorizar(FactorizarRho, "1000003"); }, kFactoresCero},
    {"rho_1", false, [] { return Factorizar(FactorizarRho, "1"); }, kFactoresCero},
    // The two composites the walk never splits.
    {"rho_4", false, [] { return Factorizar(FactorizarRho, "4"); }, kFactoresCero},
    {"rho_8", false, [] { return Factorizar(FactorizarRho, "8"); }, kFactoresCero},
    {"dixon_primo", false, [] { return Factorizar(FactorizarDixon, "1000000000039"); }, kFactoresCero},
    {"fracciones_primo", false, [] { return Factorizar(FactorizarFracciones, "1000000000039"); }, kFactoresCero},
    {"busqueda_sin_logaritmo", false, [] { return Logaritmo(LogaritmoBusqueda, "2", "5", "23"); }, kCero},
    // The cofactor is a product of two 15-digit primes: rho would take
    // millions of steps.
    {"orden_con_cofactor_grande", false,
     [] { return Orden("2200000000000327400000000009102"); }, {"0", "interrumpido"}},
    {"pohlig_hellman_con_cofactor_grande", false,
     [] { return Logaritmo(LogaritmoPohligHellman, "3", "5", "2200000000000327400000000009103"); }, kCero},
};

class DetencionDeRunLargo : public ::testing::TestWithParam<CasoDetencion> {};

TEST_P(DetencionDeRunLargo, SeDetieneEnLaConsultaPedida) {
    const CasoDetencion& caso = GetParam();
    constexpr long kConsulta = 40;
    puerto::PuertoGrabador ui;
    ui.detener_en_consulta = kConsulta;
    puerto::EnHilo activa(ui);
    EXPECT_EQ(caso.ejecutar(), caso.detenido);
    EXPECT_EQ(ui.registro, (std::vector<std::string>{"flecha", "advertencia"}));
    EXPECT_EQ(ui.consultas_detener, kConsulta);
}

INSTANTIATE_TEST_SUITE_P(Metodos, DetencionDeRunLargo, ::testing::ValuesIn(kRunsLargos),
                         [](const ::testing::TestParamInfo<CasoDetencion>& info) { return std::string(info.param.nombre); });

// A worker thread with its own interface, stopped from another thread
// through an atomic flag, as the problem windows run the solvers.
class PuertoDeHilo final : public puerto::PuertoInterfaz {
public:
    std::atomic<bool> detener{false};
    std::atomic<int> advertencias{0};
    std::atomic<long> consultas{0};

    void MostrarError(int) override {}
    void MostrarAdvertencia() override { ++advertencias; }
    void PonerPuntero(puerto::Puntero) override {}
    void ProcesarEventos() override {}
    bool DetenerSolicitado() override {
        ++consultas;
        return detener.load();
    }
    void PonerProgreso(double) override {}
    void InformarAvance(const puerto::Avance&) override {}
};

TEST(DetencionEnHilo, OtroHiloPideDetenerYElCalculoAcaba) {
    PuertoDeHilo puerto_hilo;
    Salidas salidas;
    std::thread trabajador([&] {
        puerto::EnHilo activa(puerto_hilo);
        salidas = Factorizar(FactorizarRho, "1000003");
    });
    while (puerto_hilo.consultas.load() < 100) std::this_thread::yield();
    puerto_hilo.detener = true;
    trabajador.join();
    EXPECT_EQ(salidas, kFactoresCero);
    EXPECT_EQ(puerto_hilo.advertencias.load(), 1);
}

// Two runs at once on two threads, each with its own interface, give the
// answers each gives alone.
TEST(DetencionEnHilo, DosHilosNoSeMezclan) {
    Salidas rho;
    Salidas logaritmo;
    puerto::PuertoGrabador ui_rho;
    puerto::PuertoGrabador ui_logaritmo;
    std::thread a([&] {
        puerto::EnHilo activa(ui_rho);
        for (int i = 0; i < 20; ++i) rho = Factorizar(FactorizarRho, "1000001");
    });
    std::thread b([&] {
        puerto::EnHilo activa(ui_logaritmo);
        for (int i = 0; i < 20; ++i) logaritmo = Logaritmo(LogaritmoPohligHellman, "2", "218", "1087");
    });
    a.join();
    b.join();
    EXPECT_EQ(rho, (Salidas{"101", "9901"}));
    EXPECT_EQ(logaritmo, Salidas{"89"});
    EXPECT_TRUE(ui_rho.registro.empty());
    EXPECT_TRUE(ui_logaritmo.registro.empty());
}

}  // namespace
