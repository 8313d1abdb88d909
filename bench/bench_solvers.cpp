// Timings of the solvers on the cases the course uses to show their cost.
// Each run is a full call of the method as the windows make it, with a user
// interface that shows nothing and never asks to stop (or only once a time
// limit has passed). Every run also reports how many steps of each kind the
// method took and how many it takes per second, as counters: Pollard rho's
// steps, Dixon's values of x, the expansion steps (and Euclid steps) of
// continued fractions, the exponents the exhaustive search tried, the baby
// steps and the giant steps, Pohlig–Hellman's digits. The Detencion cases
// time what a user waits after pressing a stop button.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "bignum/numeros_grandes.h"
#include "puerto_con_plazo.h"
#include "solvers/solvers.h"

namespace {

using puerto::Fase;
using puerto::Metodo;

NumeroGrande Num(const char* texto) {
    NumeroGrande x;
    CadenaANumero(texto, x, '+');
    return x;
}

// A 300-digit prime: three random-base passes, each a full exponentiation.
void BM_EsPrimo300Digitos(benchmark::State& estado) {
    const NumeroGrande n = Num(
        "2094196246109996021558942583132282968089175710025267823478693937854191166653760172678482591090944711"
        "0468652298200597792793525968407923400040582407989826124052906959339664190923338251992603873826797276"
        "6447619724655052156821685481465952557675265463409927201676963436500626176037749437143295531176338611");
    PuertoConPlazo ui;
    puerto::EnHilo activa(ui);
    FijarSemillaAleatoria(1);
    for (auto _ : estado) benchmark::DoNotOptimize(EsPrimo(n));
}
BENCHMARK(BM_EsPrimo300Digitos)->Unit(benchmark::kMillisecond);

// What one progress report costs a step of a worker run: the latest report
// stored in the run's BuzonAvance. Compare with the time per step of
// rho_28_digitos (1 / pasos_rho_por_s).
void BM_InformarAvance(benchmark::State& estado) {
    puerto::BuzonAvance buzon;
    puerto::Avance avance(Metodo::Rho, Fase::Paseo);
    for (auto _ : estado) {
        buzon.Guardar(avance);
        ++avance.pasos;
    }
    benchmark::DoNotOptimize(buzon.Leer().informes);
}
BENCHMARK(BM_InformarAvance);

// The counters of the steps a method reports: for each kind of step it
// took, how many a run took (<name>) and how many it takes per second of
// the time spent on them (<name>_por_s). Pohlig–Hellman's digits are
// counted only: each is a baby-step giant-step search, whose steps carry
// the time.
void ContarPasos(benchmark::State& estado, const PasosPorFase& pasos) {
    struct Clase {
        Metodo metodo;
        Fase fase;
        const char* nombre;
        bool por_segundo;
    };
    static constexpr Clase kClases[] = {
        {Metodo::Rho, Fase::Paseo, "pasos_rho", true},
        {Metodo::Dixon, Fase::Paseo, "valores_x", true},
        {Metodo::Fracciones, Fase::Expansion, "pasos_expansion", true},
        {Metodo::Fracciones, Fase::Euclides, "pasos_euclides", true},
        {Metodo::Busqueda, Fase::Exponentes, "exponentes", true},
        {Metodo::GiganteEnano, Fase::PasosEnanos, "pasos_enanos", true},
        {Metodo::GiganteEnano, Fase::PasosGigantes, "pasos_gigantes", true},
        {Metodo::PohligHellman, Fase::Digitos, "digitos", false},
    };
    for (const Clase& c : kClases) {
        const PasosPorFase::Cuenta& cuenta = pasos.De(c.metodo, c.fase);
        if (cuenta.pasos == 0) continue;
        const std::string nombre = c.nombre;
        const auto total = static_cast<double>(cuenta.pasos);
        estado.counters[nombre] = benchmark::Counter(total, benchmark::Counter::kAvgIterations);
        if (c.por_segundo && cuenta.segundos > 0) estado.counters[nombre + "_por_s"] = total / cuenta.segundos;
    }
}

// "detenido a los N s" when the run reached its limit.
std::string Detenido(const PuertoConPlazo& ui, int segundos) {
    return ui.advertencias > 0 ? "detenido a los " + std::to_string(segundos) + " s" : std::string();
}

// A factorization; with `segundos`, the run is stopped at that limit.
void Factorizar(benchmark::State& estado, MetodoFactorizacion metodo,
                const char* n, int segundos = 0) {
    const NumeroGrande numero = Num(n);
    NumeroGrande f1;
    NumeroGrande f2;
    PasosPorFase pasos;
    std::string detenido;
    for (auto _ : estado) {
        PuertoConPlazo ui(segundos > 0 ? PuertoConPlazo::Reloj::duration(std::chrono::seconds(segundos))
                                       : PuertoConPlazo::Reloj::duration::max());
        puerto::EnHilo activa(ui);
        FijarSemillaAleatoria(1);  // the same random start in every run
        metodo(numero, f1, f2);
        ui.pasos.Cerrar();
        pasos += ui.pasos;
        detenido = Detenido(ui, segundos);
    }
    estado.SetLabel(detenido.empty() ? NumeroACadena(f1) + " * " + NumeroACadena(f2) : detenido);
    ContarPasos(estado, pasos);
}
BENCHMARK_CAPTURE(Factorizar, rho_28_digitos, FactorizarRho, "2829577232652317876553477559")
    ->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(Factorizar, rho_32_digitos, FactorizarRho, "42494945845951757948945394131227")
    ->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(Factorizar, dixon_14_digitos, FactorizarDixon, "57646813079357")
    ->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(Factorizar, fracciones_14_digitos, FactorizarFracciones, "57646813079357")
    ->Unit(benchmark::kSecond)->Iterations(1);
// A long run: the expansion goes on for longer than the limit.
BENCHMARK_CAPTURE(Factorizar, fracciones_32_digitos_20_s, FactorizarFracciones, "42494945845951757948945394131227",
                  20)
    ->Unit(benchmark::kSecond)->Iterations(1);

void Logaritmo(benchmark::State& estado,
               MetodoLogaritmo metodo,
               const char* alfa, const char* beta, const char* grupo) {
    const NumeroGrande a = Num(alfa);
    const NumeroGrande b = Num(beta);
    const NumeroGrande g = Num(grupo);
    PuertoConPlazo ui;
    puerto::EnHilo activa(ui);
    NumeroGrande x;
    for (auto _ : estado) {
        metodo(a, b, g, x);
        ui.pasos.Cerrar();
    }
    estado.SetLabel("x = " + NumeroACadena(x));
    ContarPasos(estado, ui.pasos);
}

BENCHMARK_CAPTURE(Logaritmo, busqueda_18_digitos, LogaritmoBusqueda, "72118729", "857139921840962881",
                  "4710883168879506001")
    ->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(Logaritmo, busqueda_25_digitos, LogaritmoBusqueda, "290657", "2562914399176655576566571",
                  "4036962584010807014809213")
    ->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(Logaritmo, pohlig_hellman_1087, LogaritmoPohligHellman, "2", "218", "1087")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Logaritmo, pohlig_hellman_7853, LogaritmoPohligHellman, "1381", "37", "7853")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Logaritmo, pohlig_hellman_2745098189, LogaritmoPohligHellman, "117371", "1868877149",
                  "2745098189")
    ->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(Logaritmo, gigante_enano_2745098189, LogaritmoGiganteEnanoSinBanderas, "117371", "1868877149", "2745098189")
    ->Unit(benchmark::kSecond)->Iterations(1);

// From a stop asked while a long run goes on a worker thread to the method's
// return (its warning shown by a port that answers at once): what a user
// waits after pressing a stop button. The port keeps the reports as a
// window's run keeps them, and notes the phase of the latest one, so that
// the stop can be asked in the phase wanted: 300 ms after the method first
// reports that phase (after its first report of any kind, for Ninguna).
class PuertoDetenible final : public puerto::PuertoInterfaz {
public:
    std::atomic<bool> detener{false};
    std::atomic<Fase> fase{Fase::Ninguna};

    void MostrarError(int) override {}
    void MostrarAdvertencia() override {}
    void PonerPuntero(puerto::Puntero) override {}
    void ProcesarEventos() override {}
    bool DetenerSolicitado() override { return detener.load(std::memory_order_acquire); }
    void PonerProgreso(double) override {}
    void InformarAvance(const puerto::Avance& avance) override {
        avances_.Guardar(avance);
        fase.store(avance.fase, std::memory_order_relaxed);
    }

private:
    puerto::BuzonAvance avances_;
};

void Detencion(benchmark::State& estado, Fase en_fase, std::function<void()> run_largo) {
    for (auto _ : estado) {
        PuertoDetenible puerto_hilo;
        std::atomic<bool> terminado{false};
        std::thread trabajador([&] {
            puerto::EnHilo activo(puerto_hilo);
            FijarSemillaAleatoria(1);  // the same random start in every run
            run_largo();
            terminado = true;
        });
        const auto en_la_fase = [&] {
            const Fase vista = puerto_hilo.fase.load(std::memory_order_relaxed);
            return en_fase == Fase::Ninguna ? vista != Fase::Ninguna : vista == en_fase;
        };
        while (!en_la_fase() && !terminado) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        const auto pulsado = std::chrono::steady_clock::now();
        const bool ya_habia_terminado = terminado;
        puerto_hilo.detener = true;
        trabajador.join();
        const std::chrono::duration<double> espera = std::chrono::steady_clock::now() - pulsado;
        estado.SetIterationTime(espera.count());
        if (ya_habia_terminado) estado.SkipWithError("the run ended before the stop");
    }
}
BENCHMARK_CAPTURE(Detencion, rho_sobre_un_primo_28_digitos, Fase::Ninguna, [] {
    NumeroGrande f1, f2;
    FactorizarRho(Num("2829577232652317876553477577"), f1, f2);  // a prime
})->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Detencion, dixon_sobre_un_primo_28_digitos, Fase::Ninguna, [] {
    NumeroGrande f1, f2;
    FactorizarDixon(Num("2829577232652317876553477577"), f1, f2);
})->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Detencion, fracciones_sobre_un_primo_28_digitos, Fase::Ninguna, [] {
    NumeroGrande f1, f2;
    FactorizarFracciones(Num("2829577232652317876553477577"), f1, f2);
})->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Detencion, busqueda_sin_fin_25_digitos, Fase::Ninguna, [] {
    NumeroGrande x;
    LogaritmoBusqueda(Num("290657"), Num("2"), Num("4036962584010807014809213"), x);
})->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
// 4 is a square modulo the prime 10000000019 and -1 is not, so no giant
// step meets the table (m = 100 001): the stop lands among the giant steps.
BENCHMARK_CAPTURE(Detencion, gigante_enano_en_los_pasos_gigantes, Fase::PasosGigantes, [] {
    NumeroGrande x;
    LogaritmoGiganteEnanoSinBanderas(Num("4"), Num("10000000018"), Num("10000000019"), x);
})->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
// The largest table (m = 262 143, grupo the prime 68718952447): the baby
// steps have no stop check, so the stop waits for the rest of the table.
BENCHMARK_CAPTURE(Detencion, gigante_enano_en_los_pasos_enanos, Fase::PasosEnanos, [] {
    NumeroGrande x;
    LogaritmoGiganteEnanoSinBanderas(Num("3"), Num("5"), Num("68718952447"), x);
})->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
// A six-second run (see pohlig_hellman_2745098189), stopped wherever it is
// after 300 ms.
BENCHMARK_CAPTURE(Detencion, pohlig_hellman_2745098189, Fase::Ninguna, [] {
    NumeroGrande x;
    LogaritmoPohligHellman(Num("117371"), Num("1868877149"), Num("2745098189"), x);
})->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
