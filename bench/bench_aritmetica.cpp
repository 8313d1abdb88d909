// Speed of the arithmetic at the sizes the calculators take: 300-digit
// operands, 600-digit dividends and roots. Operands are drawn once, from a
// fixed seed, outside the timed loops. Run with
//   --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
// to read the medians.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>

#include "bignum/aritmetica.h"

namespace {

constexpr std::uint64_t kSemilla = 1234;

// A random number of exactly `cifras` digits, sign '+'.
NumeroGrande Aleatorio(int cifras, std::mt19937_64& rng) {
    std::uniform_int_distribution<int> cifra(0, 9), alta(1, 9);
    std::string texto(cifras, '0');
    for (char& c : texto) c = static_cast<char>('0' + cifra(rng));
    texto[0] = static_cast<char>('0' + alta(rng));
    NumeroGrande x;
    CadenaANumero(texto, x, '+');
    return x;
}

void BM_Multiplicar(benchmark::State& state) {
    std::mt19937_64 rng(kSemilla);
    const NumeroGrande a = Aleatorio(300, rng), b = Aleatorio(300, rng);
    NumeroGrande producto;
    for (auto _ : state) {
        Multiplicar(a, b, producto);
        benchmark::DoNotOptimize(producto);
    }
}
BENCHMARK(BM_Multiplicar)->Unit(benchmark::kMicrosecond);

void BM_Dividir(benchmark::State& state) {
    std::mt19937_64 rng(kSemilla);
    const NumeroGrande dividendo = Aleatorio(600, rng), divisor = Aleatorio(300, rng);
    NumeroGrande cociente, resto;
    for (auto _ : state) {
        Dividir(dividendo, divisor, cociente, resto);
        benchmark::DoNotOptimize(cociente);
        benchmark::DoNotOptimize(resto);
    }
}
BENCHMARK(BM_Dividir)->Unit(benchmark::kMicrosecond);

void BM_PotenciaModular(benchmark::State& state) {
    std::mt19937_64 rng(kSemilla);
    const NumeroGrande base = Aleatorio(300, rng), exponente = Aleatorio(150, rng), m = Aleatorio(300, rng);
    NumeroGrande potencia;
    for (auto _ : state) {
        PotenciaModular(base, exponente, m, potencia);
        benchmark::DoNotOptimize(potencia);
    }
}
BENCHMARK(BM_PotenciaModular)->Unit(benchmark::kMillisecond);

void BM_MaximoComunDivisor(benchmark::State& state) {
    std::mt19937_64 rng(kSemilla);
    const NumeroGrande a = Aleatorio(300, rng), b = Aleatorio(300, rng);
    for (auto _ : state) benchmark::DoNotOptimize(MaximoComunDivisor(a, b));
}
BENCHMARK(BM_MaximoComunDivisor)->Unit(benchmark::kMillisecond);

void BM_InversoModular(benchmark::State& state) {
    std::mt19937_64 rng(kSemilla);
    // Redraw until the pair is coprime, so that the full Euclid runs.
    NumeroGrande a, m;
    do {
        a = Aleatorio(300, rng);
        m = Aleatorio(300, rng);
    } while (!EsUno(MaximoComunDivisor(a, m)));
    for (auto _ : state) benchmark::DoNotOptimize(InversoModular(a, m));
}
BENCHMARK(BM_InversoModular)->Unit(benchmark::kMillisecond);

void BM_RaizEntera(benchmark::State& state) {
    std::mt19937_64 rng(kSemilla);
    const NumeroGrande x = Aleatorio(600, rng);
    for (auto _ : state) benchmark::DoNotOptimize(RaizEntera(x));
}
BENCHMARK(BM_RaizEntera)->Unit(benchmark::kMillisecond);

}  // namespace
