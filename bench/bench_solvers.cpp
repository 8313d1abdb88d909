// Timings of the solvers on the cases the course uses to show their cost.
// Each run is a full call of the method as the windows make it, with a user
// interface that shows nothing and never asks to stop.
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
// rho_28_digitos (1 / pasos_por_s).
void BM_InformarAvance(benchmark::State& estado) {
    puerto::BuzonAvance buzon;
    puerto::Avance avance(puerto::Metodo::Rho, puerto::Fase::Paseo);
    for (auto _ : estado) {
        buzon.Guardar(avance);
        ++avance.pasos;
    }
    benchmark::DoNotOptimize(buzon.Leer().informes);
}
BENCHMARK(BM_InformarAvance);

// Steps per second of a method (every step is one progress report) and the
// steps of one run, as counters.
void ContarPasos(benchmark::State& estado, const PuertoConPlazo& ui) {
    const double informes = static_cast<double>(ui.avances.Leer().informes);
    estado.counters["pasos_por_s"] = benchmark::Counter(informes, benchmark::Counter::kIsRate);
    estado.counters["pasos"] = benchmark::Counter(informes, benchmark::Counter::kAvgIterations);
}

void Factorizar(benchmark::State& estado, void (*metodo)(const NumeroGrande&, NumeroGrande&, NumeroGrande&),
                const char* n) {
    const NumeroGrande numero = Num(n);
    PuertoConPlazo ui;
    puerto::EnHilo activa(ui);
    NumeroGrande f1;
    NumeroGrande f2;
    for (auto _ : estado) {
        FijarSemillaAleatoria(1);  // the same random start in every run
        metodo(numero, f1, f2);
    }
    estado.SetLabel(NumeroACadena(f1) + " * " + NumeroACadena(f2));
    ContarPasos(estado, ui);
}
BENCHMARK_CAPTURE(Factorizar, rho_28_digitos, FactorizarRho, "2829577232652317876553477559")
    ->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(Factorizar, rho_32_digitos, FactorizarRho, "42494945845951757948945394131227")
    ->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(Factorizar, dixon_14_digitos, FactorizarDixon, "57646813079357")
    ->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(Factorizar, fracciones_14_digitos, FactorizarFracciones, "57646813079357")
    ->Unit(benchmark::kSecond)->Iterations(1);

void Logaritmo(benchmark::State& estado,
               void (*metodo)(const NumeroGrande&, const NumeroGrande&, const NumeroGrande&, NumeroGrande&),
               const char* alfa, const char* beta, const char* grupo) {
    const NumeroGrande a = Num(alfa);
    const NumeroGrande b = Num(beta);
    const NumeroGrande g = Num(grupo);
    PuertoConPlazo ui;
    puerto::EnHilo activa(ui);
    NumeroGrande x;
    for (auto _ : estado) metodo(a, b, g, x);
    estado.SetLabel("x = " + NumeroACadena(x));
    ContarPasos(estado, ui);
}

void GiganteEnano(const NumeroGrande& alfa, const NumeroGrande& beta, const NumeroGrande& grupo,
                  NumeroGrande& resultado) {
    bool interrumpido = false;
    LogaritmoGiganteEnano(alfa, beta, grupo, resultado, interrumpido);
}

// From a stop asked while a long run goes on a worker thread to the method's
// return (its warning shown by a port that answers at once): what a user
// waits after pressing a stop button. The run is asked to stop after
// 300 ms; the time reported is from then to the return.
class PuertoDetenible final : public puerto::PuertoInterfaz {
public:
    std::atomic<bool> detener{false};
    void MostrarError(int) override {}
    void MostrarAdvertencia() override {}
    void PonerPuntero(puerto::Puntero) override {}
    void ProcesarEventos() override {}
    bool DetenerSolicitado() override { return detener.load(std::memory_order_acquire); }
    void PonerProgreso(double) override {}
    void InformarAvance(const puerto::Avance&) override {}
};

void Detencion(benchmark::State& estado, std::function<void()> run_largo) {
    for (auto _ : estado) {
        PuertoDetenible puerto_hilo;
        std::atomic<bool> terminado{false};
        std::thread trabajador([&] {
            puerto::EnHilo activo(puerto_hilo);
            run_largo();
            terminado = true;
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        const auto pulsado = std::chrono::steady_clock::now();
        puerto_hilo.detener = true;
        trabajador.join();
        const std::chrono::duration<double> espera = std::chrono::steady_clock::now() - pulsado;
        estado.SetIterationTime(espera.count());
        if (!terminado) estado.SkipWithError("the run did not end");
    }
}
BENCHMARK_CAPTURE(Detencion, rho_sobre_un_primo_28_digitos, [] {
    NumeroGrande f1, f2;
    FactorizarRho(Num("2829577232652317876553477577"), f1, f2);  // a prime
})->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Detencion, busqueda_sin_fin_25_digitos, [] {
    NumeroGrande x;
    LogaritmoBusqueda(Num("290657"), Num("2"), Num("4036962584010807014809213"), x);
})->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_CAPTURE(Logaritmo, pohlig_hellman_1087, LogaritmoPohligHellman, "2", "218", "1087")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Logaritmo, pohlig_hellman_7853, LogaritmoPohligHellman, "1381", "37", "7853")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Logaritmo, gigante_enano_2745098189, GiganteEnano, "117371", "1868877149", "2745098189")
    ->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
