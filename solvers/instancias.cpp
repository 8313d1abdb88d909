#include "solvers/instancias.h"

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "bignum/aritmetica.h"
#include "solvers/primalidad.h"

namespace {

// Told apart in the seed, so a factorization and a logarithm of the same
// size and index do not share their draws.
constexpr std::uint32_t kFactorizacion = 1;
constexpr std::uint32_t kLogaritmo = 2;

std::mt19937_64 GeneradorDe(std::uint64_t semilla, std::uint32_t problema, int digitos, int indice) {
    std::seed_seq semillas{static_cast<std::uint32_t>(semilla), static_cast<std::uint32_t>(semilla >> 32), problema,
                           static_cast<std::uint32_t>(digitos), static_cast<std::uint32_t>(indice)};
    return std::mt19937_64(semillas);
}

// A value in [0, n), n > 0, without bias: outputs at or above the largest
// multiple of n are drawn again.
std::uint64_t Hasta(std::mt19937_64& azar, std::uint64_t n) {
    const std::uint64_t tope = std::mt19937_64::max() - std::mt19937_64::max() % n;
    for (;;) {
        const std::uint64_t v = azar();
        if (v < tope) return v % n;
    }
}

// Small odd primes, for a cheap look at each candidate before the test.
constexpr std::array<int, 24> kPrimosPequenos{3,  5,  7,  11, 13, 17, 19, 23, 29, 31, 37, 41,
                                              43, 47, 53, 59, 61, 67, 71, 73, 79, 83, 89, 97};

// True when some small prime divides n, read from its digits (n > 97).
bool TieneFactorPequeno(const std::string& n) {
    for (const int p : kPrimosPequenos) {
        int resto = 0;
        for (const char c : n) resto = (resto * 10 + (c - '0')) % p;
        if (resto == 0) return true;
    }
    return false;
}

NumeroGrande Numero(const std::string& texto) {
    NumeroGrande x;
    CadenaANumero(texto, x, '+');
    return x;
}

// A prime of exactly `digitos` digits, each prime of that size as likely as
// any other: candidates are drawn afresh until one passes.
NumeroGrande Primo(std::mt19937_64& azar, int digitos) {
    if (digitos == 1) {
        static constexpr std::array<const char*, 4> kUnaCifra{"2", "3", "5", "7"};
        return Numero(kUnaCifra[Hasta(azar, kUnaCifra.size())]);
    }
    static constexpr std::array<char, 4> kUltimas{'1', '3', '7', '9'};  // the last digit of a prime above 5
    std::string texto(static_cast<std::size_t>(digitos), '0');
    for (;;) {
        texto.front() = static_cast<char>('1' + Hasta(azar, 9));
        for (int i = 1; i + 1 < digitos; ++i) texto[static_cast<std::size_t>(i)] = static_cast<char>('0' + Hasta(azar, 10));
        texto.back() = kUltimas[Hasta(azar, kUltimas.size())];
        if (digitos > 2 && TieneFactorPequeno(texto)) continue;
        NumeroGrande candidato = Numero(texto);
        if (EsPrimoSinProgreso(candidato)) return candidato;
    }
}

// The distinct primes dividing n (n >= 2), by trial division.
std::vector<std::uint64_t> FactoresPrimos(std::uint64_t n) {
    std::vector<std::uint64_t> primos;
    const auto quitar = [&](std::uint64_t p) {
        if (n % p != 0) return;
        primos.push_back(p);
        while (n % p == 0) n /= p;
    };
    quitar(2);
    quitar(3);
    for (std::uint64_t p = 5; p * p <= n; p += 6) {  // 6k - 1 and 6k + 1
        quitar(p);
        quitar(p + 2);
    }
    if (n > 1) primos.push_back(n);
    return primos;
}

// The sum of the exponents of n's prime powers.
int CifrasDelOrden(std::uint64_t n, const std::vector<std::uint64_t>& primos) {
    int cifras = 0;
    for (const std::uint64_t p : primos) {
        for (; n % p == 0; n /= p) ++cifras;
    }
    return cifras;
}

NumeroGrande Numero(std::uint64_t valor) { return Numero(std::to_string(valor)); }

}  // namespace

InstanciaFactorizacion InstanciaDeFactorizacion(std::uint64_t semilla, int digitos, int indice) {
    digitos = std::clamp(digitos, kDigitosMinimosFactorizacion, kDigitosMaximosFactorizacion);
    std::mt19937_64 azar = GeneradorDe(semilla, kFactorizacion, digitos, indice);
    InstanciaFactorizacion instancia;
    for (;;) {
        instancia.p = Primo(azar, (digitos + 1) / 2);
        instancia.q = Primo(azar, digitos / 2);
        if (SonIguales(instancia.p, instancia.q)) continue;
        Multiplicar(instancia.p, instancia.q, instancia.n);
        if (instancia.n.Longitud == digitos) return instancia;
    }
}

InstanciaLogaritmo InstanciaDeLogaritmo(std::uint64_t semilla, int digitos, int indice) {
    digitos = std::clamp(digitos, kDigitosMinimosLogaritmo, kDigitosMaximosLogaritmo);
    std::mt19937_64 azar = GeneradorDe(semilla, kLogaritmo, digitos, indice);
    InstanciaLogaritmo instancia;
    instancia.grupo = Primo(azar, digitos);
    const std::uint64_t grupo = std::stoull(NumeroACadena(instancia.grupo));
    const std::uint64_t orden = grupo - 1;
    const std::vector<std::uint64_t> primos = FactoresPrimos(orden);
    instancia.cifras_orden = CifrasDelOrden(orden, primos);

    // alfa from [2, grupo - 2] until it generates the whole group: no
    // alfa^(orden / q) is 1 for any prime q of the order.
    for (bool generador = false; !generador;) {
        instancia.alfa = Numero(2 + Hasta(azar, grupo - 3));
        generador = std::none_of(primos.begin(), primos.end(), [&](std::uint64_t q) {
            return EsUno(PotenciaModular(instancia.alfa, Numero(orden / q), instancia.grupo));
        });
    }
    instancia.x = Numero(1 + Hasta(azar, orden - 1));
    PotenciaModular(instancia.alfa, instancia.x, instancia.grupo, instancia.beta);
    return instancia;
}

bool FactoresCorrectos(const NumeroGrande& n, const NumeroGrande& factor1, const NumeroGrande& factor2) {
    const auto propio = [&](const NumeroGrande& f) { return !EsCero(f) && !EsUno(f) && !SonIguales(f, n); };
    return propio(factor1) && propio(factor2) && SonIguales(Multiplicar(factor1, factor2), n);
}

bool LogaritmoCorrecto(const InstanciaLogaritmo& instancia, const NumeroGrande& x) {
    return SonIguales(PotenciaModular(instancia.alfa, x, instancia.grupo), instancia.beta);
}
