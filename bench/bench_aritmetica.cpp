// Speed of the arithmetic at the sizes the calculators take and at those of
// the solvers' steps. Operands are drawn once, from a fixed seed, outside
// the timed loops. Run with
//   --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
// to read the medians, and add --nucleos=portables to time the digit loops
// for any x86-64 processor, as on one without AVX2.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "bignum/aritmetica.h"
#include "bignum/motor.h"

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

// The sizes: those of the calculators (300-digit operands, 600-digit
// dividends and roots) and those the solvers' steps work on (the 14- to
// 32-digit examples of the course), so that a change in the cost of small
// numbers shows apart from one in the cost of large ones.

void BM_Multiplicar(benchmark::State& state) {
    const int cifras = static_cast<int>(state.range(0));
    std::mt19937_64 rng(kSemilla);
    const NumeroGrande a = Aleatorio(cifras, rng), b = Aleatorio(cifras, rng);
    NumeroGrande producto;
    for (auto _ : state) {
        Multiplicar(a, b, producto);
        benchmark::DoNotOptimize(producto);
    }
}
BENCHMARK(BM_Multiplicar)->Arg(19)->Arg(32)->Arg(300)->Unit(benchmark::kMicrosecond);

// A dividend of twice the divisor's digits, as a reduction after a product.
void BM_Dividir(benchmark::State& state) {
    const int cifras = static_cast<int>(state.range(0));
    std::mt19937_64 rng(kSemilla);
    const NumeroGrande dividendo = Aleatorio(2 * cifras, rng), divisor = Aleatorio(cifras, rng);
    NumeroGrande cociente, resto;
    for (auto _ : state) {
        Dividir(dividendo, divisor, cociente, resto);
        benchmark::DoNotOptimize(cociente);
        benchmark::DoNotOptimize(resto);
    }
}
BENCHMARK(BM_Dividir)->Arg(19)->Arg(32)->Arg(300)->Unit(benchmark::kMicrosecond);

// Base and modulus of the given digits, an exponent of half as many.
void BM_PotenciaModular(benchmark::State& state) {
    const int cifras = static_cast<int>(state.range(0));
    std::mt19937_64 rng(kSemilla);
    const NumeroGrande base = Aleatorio(cifras, rng), exponente = Aleatorio(cifras / 2, rng),
                       m = Aleatorio(cifras, rng);
    NumeroGrande potencia;
    for (auto _ : state) {
        PotenciaModular(base, exponente, m, potencia);
        benchmark::DoNotOptimize(potencia);
    }
}
BENCHMARK(BM_PotenciaModular)->Arg(19)->Arg(300)->Unit(benchmark::kMillisecond);

void BM_MaximoComunDivisor(benchmark::State& state) {
    const int cifras = static_cast<int>(state.range(0));
    std::mt19937_64 rng(kSemilla);
    const NumeroGrande a = Aleatorio(cifras, rng), b = Aleatorio(cifras, rng);
    NumeroGrande mcd;
    for (auto _ : state) {
        MaximoComunDivisor(a, b, mcd);
        benchmark::DoNotOptimize(mcd);
    }
}
BENCHMARK(BM_MaximoComunDivisor)->Arg(14)->Arg(32)->Arg(300)->Unit(benchmark::kMicrosecond);

void BM_InversoModular(benchmark::State& state) {
    const int cifras = static_cast<int>(state.range(0));
    std::mt19937_64 rng(kSemilla);
    // Redraw until the pair is coprime, so that the full Euclid runs.
    NumeroGrande a, m;
    do {
        a = Aleatorio(cifras, rng);
        m = Aleatorio(cifras, rng);
    } while (!EsUno(MaximoComunDivisor(a, m)));
    for (auto _ : state) benchmark::DoNotOptimize(InversoModular(a, m));
}
BENCHMARK(BM_InversoModular)->Arg(19)->Arg(300)->Unit(benchmark::kMicrosecond);

// The root of a number of the given digits.
void BM_RaizEntera(benchmark::State& state) {
    const int cifras = static_cast<int>(state.range(0));
    std::mt19937_64 rng(kSemilla);
    const NumeroGrande x = Aleatorio(cifras, rng);
    NumeroGrande raiz;
    for (auto _ : state) {
        RaizEntera(x, raiz);
        benchmark::DoNotOptimize(raiz);
    }
}
BENCHMARK(BM_RaizEntera)->Arg(14)->Arg(600)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> argumentos;
    for (int i = 0; i < argc; ++i) {
        if (std::string(argv[i]) == "--nucleos=portables") {
            bignum_interno::motor::FijarNucleos(bignum_interno::motor::Portables());
        } else {
            argumentos.push_back(argv[i]);
        }
    }
    int n = static_cast<int>(argumentos.size());
    benchmark::Initialize(&n, argumentos.data());
    if (benchmark::ReportUnrecognizedArguments(n, argumentos.data())) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
