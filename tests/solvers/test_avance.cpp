// The progress every long method reports, step by step, on cases small
// enough to follow by hand.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "apoyo.h"
#include "solvers/solvers.h"

namespace {

using puerto::Fase;
using puerto::Metodo;
using Grabado = puerto::PuertoGrabador::AvanceGrabado;

const char* Nombre(Metodo m) {
    static const char* const kNombres[] = {"Ninguno", "Rho", "Dixon", "Fracciones", "Busqueda", "GiganteEnano",
                                           "PohligHellman"};
    return kNombres[static_cast<int>(m)];
}

const char* Nombre(Fase f) {
    static const char* const kNombres[] = {"Ninguna",     "Paseo",         "Expansion",       "Euclides", "Exponentes",
                                           "PasosEnanos", "PasosGigantes", "FactorizarOrden", "Digitos"};
    return kNombres[static_cast<int>(f)];
}

// The reports of one method, runs of consecutive steps written as
// "Metodo Fase primero..ultimo[ de total][ q^e]": a report whose steps do not
// follow the one before starts a new run, so a count that skips or repeats
// shows.
std::vector<std::string> Resumen(const std::vector<Grabado>& avances, std::optional<Metodo> solo) {
    std::vector<std::string> resumen;
    const Grabado* inicio = nullptr;
    const Grabado* anterior = nullptr;
    const auto cerrar = [&] {
        if (inicio == nullptr) return;
        std::string linea = std::string(Nombre(inicio->metodo)) + " " + Nombre(inicio->fase) + " " +
                            std::to_string(inicio->pasos) + ".." + std::to_string(anterior->pasos);
        if (inicio->total != 0) linea += " de " + std::to_string(inicio->total);
        if (!inicio->factor.empty()) linea += " " + inicio->factor + "^" + std::to_string(inicio->exponente);
        resumen.push_back(linea);
    };
    for (const Grabado& a : avances) {
        if (solo && a.metodo != *solo) continue;
        const bool sigue = anterior != nullptr && a.metodo == anterior->metodo && a.fase == anterior->fase &&
                           a.total == anterior->total && a.factor == anterior->factor &&
                           a.pasos == anterior->pasos + 1;
        if (!sigue) {
            cerrar();
            inicio = &a;
        }
        anterior = &a;
    }
    cerrar();
    return resumen;
}

struct CasoAvance {
    const char* nombre;
    std::function<void()> ejecutar;
    std::optional<Metodo> solo;  // only this method's reports
    std::vector<std::string> esperado;
};

void PrintTo(const CasoAvance& caso, std::ostream* os) { *os << caso.nombre; }

NumeroGrande f1, f2, x;

class Avances : public ConPuerto, public ::testing::WithParamInterface<CasoAvance> {};

TEST_P(Avances, CadaPasoSeInformaUnaVez) {
    const CasoAvance& caso = GetParam();
    caso.ejecutar();
    EXPECT_EQ(Resumen(ui.avances, caso.solo), caso.esperado);
    EXPECT_EQ(ui.advertencias, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Metodos, Avances,
    ::testing::Values(
        // 8051 = 83 * 97: the walk from 2 meets 97 at its third step.
        CasoAvance{"rho_8051", [] { FactorizarRho(Num("8051"), f1, f2); }, std::nullopt, {"Rho Paseo 0..2"}},
        // Without a table, x = 11 = floor(sqrt(143)) already shares 11 with 143.
        CasoAvance{"dixon_143",
                   [] {
                       CarpetaTemporal sin_tabla;
                       FactorizarDixon(Num("143"), f1, f2);
                   },
                   std::nullopt,
                   {"Dixon Paseo 0..0"}},
        // 2^0 .. 2^8 mod 11, and 2^8 = 3.
        CasoAvance{"busqueda_2_3_11", [] { LogaritmoBusqueda(Num("2"), Num("3"), Num("11"), x); }, std::nullopt,
                   {"Busqueda Exponentes 0..8"}},
        // m = 4 baby steps, then the giant steps h = 0, 1, 2 (the last meets 1).
        CasoAvance{"gigante_enano_2_3_11",
                   [] {
                       bool interrumpido = false;
                       LogaritmoGiganteEnano(Num("2"), Num("3"), Num("11"), x, interrumpido);
                   },
                   std::nullopt,
                   {"GiganteEnano PasosEnanos 0..3 de 4", "GiganteEnano PasosGigantes 0..2 de 4"}},
        // 16 = 2^4: one prime power, then its four digits one after another.
        CasoAvance{"pohlig_hellman_3_13_17", [] { LogaritmoPohligHellman(Num("3"), Num("13"), Num("17"), x); },
                   Metodo::PohligHellman, {"PohligHellman FactorizarOrden 0..0", "PohligHellman Digitos 0..3 de 4 2^4"}}),
    [](const ::testing::TestParamInfo<CasoAvance>& info) { return std::string(info.param.nombre); });

// Each digit of Pohlig–Hellman says which digit of its q^e it is.
TEST_F(ConPuerto, PohligHellmanNombraElDigitoDeSuFactor) {
    LogaritmoPohligHellman(Num("2"), Num("3"), Num("11"), x);  // 10 = 2 * 5
    std::vector<std::string> digitos;
    for (const Grabado& a : ui.avances) {
        if (a.fase == Fase::Digitos) {
            digitos.push_back(a.factor + "^" + std::to_string(a.exponente) + " #" + std::to_string(a.digito) +
                              " (" + std::to_string(a.pasos) + " de " + std::to_string(a.total) + ")");
        }
    }
    EXPECT_EQ(digitos, (std::vector<std::string>{"2^1 #0 (0 de 2)", "5^1 #0 (1 de 2)"}));
    EXPECT_EQ(NumeroACadena(x), "8");
}

// Rho counts the changes of its map: on 4 the walk from 2 meets d = 4 at
// its second and third steps, so the report before the fifth step counts
// two changes of c.
TEST_F(ConPuerto, RhoCuentaLosCambiosDeFuncion) {
    ui.detener_en_consulta = 6;
    FactorizarRho(Num("4"), f1, f2);
    ASSERT_EQ(ui.avances.size(), 5u);
    EXPECT_EQ(ui.avances.back().pasos, 4u);
    EXPECT_EQ(ui.avances.back().cambios, 2u);
    EXPECT_EQ(ui.advertencias, 1);
}

}  // namespace
