#include "solvers/pohlig_hellman.h"

#include <cstdint>
#include <string>
#include <utility>

#include "bignum/aritmetica.h"
#include "errors/errores.h"
#include "solvers/interno.h"
#include "solvers/paseo_rho.h"
#include "solvers/primalidad.h"
#include "solvers/tabla_primos.h"

using solvers_interno::AvisarInterrupcion;
using solvers_interno::DetencionPedida;
using solvers_interno::Numero;

namespace {

// What one group holds for every prime power of its order.
struct Problema {
    const NumeroGrande& alfa;
    const NumeroGrande& beta;
    const NumeroGrande& modulo;
    const NumeroGrande& orden;  // N = modulo - 1
};

enum class Fin { Hecho, Terminado };

// The logarithm modulo q^e, digit by digit: x(k) is the logarithm, to the
// base gamma = alfa^(N/q) of order q, of (beta / alfa^(x(0) + ... +
// x(k-1) q^(k-1)))^(N / q^(k+1)). Writes (x mod q^e, q^e) into congruencia.
// Terminado when the run ends here: stopped (warning), refused by the
// baby-step table (its error), or a digit missing (error 5); the caller then
// leaves result 0. Each digit is reported in `avance` (phase Digitos), whose
// count of digits found goes on from factor to factor.
Fin LogaritmoModuloPotencia(const Problema& g, const NumeroGrande& q, std::int16_t e, ParNumeros& congruencia,
                            puerto::Avance& avance) {
    const std::string texto_q = NumeroACadena(q);
    avance.factor = texto_q;
    avance.exponente = e;

    NumeroGrande cociente;
    NumeroGrande resto;
    Dividir(g.orden, q, cociente, resto);
    const NumeroGrande gamma = PotenciaModular(g.alfa, cociente, g.modulo);

    std::vector<NumeroGrande> digitos(static_cast<std::size_t>(e));
    NumeroGrande c = Numero(1);  // alfa^(digits so far), the running correction
    NumeroGrande auxiliar;
    NumeroGrande objetivo;
    for (std::int16_t k = 0; k < e; ++k) {
        if (DetencionPedida()) {
            AvisarInterrupcion();
            return Fin::Terminado;
        }
        avance.digito = k;
        solvers_interno::InformarAvance(avance);
        if (k > 0) {  // c = c * alfa^(x(k-1) q^(k-1)) mod grupo
            Multiplicar(digitos[k - 1], PotenciaModular(q, Numero(static_cast<std::int16_t>(k - 1)), g.modulo), auxiliar);
            Multiplicar(c, PotenciaModular(g.alfa, auxiliar, g.modulo), auxiliar);
            Reducir(auxiliar, g.modulo, c);
        }
        // objetivo = (beta * c^(-1))^(N / q^(k+1)) mod grupo
        const NumeroGrande base =
            EsUno(c) ? g.beta : Reducir(Multiplicar(g.beta, InversoModular(c, g.modulo)), g.modulo);
        Dividir(g.orden, PotenciaModular(q, Numero(static_cast<std::int16_t>(k + 1)), g.modulo), cociente, resto);
        PotenciaModular(base, cociente, g.modulo, objetivo);

        bool interrumpido = false;
        bool existe = true;
        LogaritmoGiganteEnano(gamma, objetivo, g.modulo, digitos[k], interrumpido, &existe);
        if (interrumpido) return Fin::Terminado;
        if (ComprobarMetodoValido(existe)) return Fin::Terminado;
        ++avance.pasos;
    }
    avance.factor = {};

    // x mod q^e = x(0) + x(1) q + ... + x(e-1) q^(e-1)
    congruencia.Primero = digitos[0];
    for (std::int16_t h = 1; h < e; ++h) {
        Multiplicar(digitos[h], PotenciaModular(q, Numero(h), g.modulo), auxiliar);
        Sumar(congruencia.Primero, auxiliar, congruencia.Primero);
    }
    congruencia.Segundo = e > 1 ? PotenciaModular(q, Numero(e), g.modulo) : q;
    return Fin::Hecho;
}

// A divisor f > 1 of the order, as BuscarFactor gives it, brought down to a
// prime divisor of it. BuscarFactor's divisor is not always prime: a rho
// divisor of a composite, or the entry of a table that holds composites (or
// lacks small primes) may be a product, and taken as a prime it would give
// congruences whose moduli share factors. While f is composite it is
// replaced by a proper divisor: 2 when it is even, else Pollard's rho
// divisor of f (an odd composite, which the walk always splits). False when
// the walk found the stop flag set.
bool HastaUnPrimo(NumeroGrande& f) {
    constexpr int kDigitosInicioFijo = 30;  // as BuscarFactor's walk
    NumeroGrande d;
    while (!EsPrimoSinProgreso(f)) {
        if (EsPar(f)) {
            f = Numero(2);
            return true;
        }
        if (!solvers_interno::PaseoRho(f, kDigitosInicioFijo, d)) return false;
        std::swap(f, d);
    }
    return true;
}

}  // namespace

bool FactorizarOrden(const NumeroGrande& N, std::vector<ParNumeros>& factores, bool& interrumpido) {
    interrumpido = false;
    factores.clear();
    if (EsCero(N)) return false;

    const NumeroGrande uno = Numero(1);
    NumeroGrande resto = N;
    NumeroGrande cociente;
    NumeroGrande residuo;
    NumeroGrande factor;
    puerto::Avance avance(puerto::Metodo::PohligHellman, puerto::Fase::FactorizarOrden);
    while (!EsUno(resto)) {
        solvers_interno::InformarAvance(avance);
        bool detenido = DetencionPedida();
        if (!detenido) BuscarFactor(resto, factor, &detenido);
        if (!detenido && !EsCero(factor)) detenido = !HastaUnPrimo(factor);
        if (detenido) {
            interrumpido = true;
            factores.clear();
            AvisarInterrupcion();
            return false;
        }
        if (EsCero(factor)) {  // the table is missing: BuscarFactor has said so
            factores.clear();
            return false;
        }
        // factor, a prime, divides resto: take out every power of it.
        ParNumeros& entrada = factores.emplace_back();
        entrada.Primero = factor;
        entrada.Segundo = Numero(0);
        for (;;) {
            Dividir(resto, factor, cociente, residuo);
            if (!EsCero(residuo)) break;
            std::swap(resto, cociente);
            Sumar(entrada.Segundo, uno, entrada.Segundo);
        }
        ++avance.pasos;
    }
    return true;
}

void RestoChino(const std::vector<ParNumeros>& congruencias, NumeroGrande& resultado) {
    PonerACero(resultado);
    if (congruencias.empty()) return;

    // x = a(0) + u(1) m(0) + u(2) m(0) m(1) + ..., where u(i) makes x right
    // modulo m(i): u(i) = (a(i) - x) * C(i) mod m(i), C(i) the inverse of
    // m(0) ... m(i-1) modulo m(i).
    CopiarNumero(resultado, congruencias[0].Primero);
    NumeroGrande producto = Numero(1);  // m(0) * ... * m(i-1), not reduced
    NumeroGrande C;
    NumeroGrande auxiliar;
    NumeroGrande u;
    for (std::size_t i = 1; i < congruencias.size(); ++i) {
        const NumeroGrande& a = congruencias[i].Primero;
        const NumeroGrande& m = congruencias[i].Segundo;
        C = Numero(1);
        for (std::size_t s = 0; s < i; ++s) {
            Multiplicar(C, InversoModular(congruencias[s].Segundo, m), auxiliar);
            Reducir(auxiliar, m, C);
        }
        Multiplicar(producto, congruencias[i - 1].Segundo, producto);
        Restar(a, resultado, auxiliar);
        Multiplicar(auxiliar, C, auxiliar);
        Reducir(auxiliar, m, u);
        Multiplicar(u, producto, auxiliar);
        Sumar(resultado, auxiliar, resultado);
    }
}

void LogaritmoPohligHellman(const NumeroGrande& alfa, const NumeroGrande& beta, const NumeroGrande& grupo,
                            NumeroGrande& resultado) {
    PonerACero(resultado);
    if (solvers_interno::GrupoNoValido(grupo)) return;
    const NumeroGrande N = Restar(grupo, Numero(1));
    if (EsUno(N)) {  // grupo = 2: a group of order 1 has no prime power to work on
        ErrorMetodoLogaritmo();
        return;
    }

    std::vector<ParNumeros> factores;
    bool interrumpido = false;
    if (!FactorizarOrden(N, factores, interrumpido)) return;

    const Problema g{alfa, beta, grupo, N};
    std::vector<ParNumeros> congruencias(factores.size());
    std::vector<std::int16_t> exponentes(factores.size());
    puerto::Avance avance(puerto::Metodo::PohligHellman, puerto::Fase::Digitos);
    for (std::size_t i = 0; i < factores.size(); ++i) {
        NumeroAEntero(factores[i].Segundo, exponentes[i]);
        avance.total += static_cast<std::uint64_t>(exponentes[i]);
    }
    for (std::size_t i = 0; i < factores.size(); ++i) {
        if (DetencionPedida()) {
            AvisarInterrupcion();
            return;
        }
        if (LogaritmoModuloPotencia(g, factores[i].Primero, exponentes[i], congruencias[i], avance) ==
            Fin::Terminado) {
            return;
        }
    }

    RestoChino(congruencias, resultado);
    if (!SonIguales(PotenciaModular(alfa, resultado, grupo), beta)) {
        PonerACero(resultado);
        ErrorMetodoLogaritmo();
    }
}
