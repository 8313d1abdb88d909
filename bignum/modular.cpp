// Modular reduction, exponentiation, greatest common divisor and inverse.
#include <bit>
#include <cstdint>
#include <utility>
#include <vector>

#include "bignum/aritmetica.h"
#include "bignum/interno.h"
#include "bignum/motor.h"
#include "bignum/comprobaciones.h"
#include "errors/errores.h"

using bignum_interno::Cero;
using bignum_interno::Dimensionar;
using bignum_interno::Normalizado;
using bignum_interno::Recortar;
using bignum_interno::Uno;

namespace {

// Reducir for normalised inputs and a modulus already known to be positive.
// R may be A.
void ReducirSinComprobar(const NumeroGrande& A, const NumeroGrande& M, NumeroGrande& R) {
    if (A.Signo != '-') {
        if (EsMayor(M, A)) {
            CopiarNumero(R, A);
        } else {
            bignum_interno::DividirMagnitudes(A, M, nullptr, R);
        }
        return;
    }
    // A zero signed '-' is zero: taken as M - |A| it would give M itself,
    // outside [0, M).
    if (EsCero(A)) {
        Cero(R);
        return;
    }
    if (!EsMayor(A, M)) {
        Sumar(A, M, R);  // M - |A|, zero when they are equal
        return;
    }
    thread_local NumeroGrande resto;
    bignum_interno::DividirMagnitudes(A, M, nullptr, resto);  // |A| mod M
    if (EsCero(resto)) {
        Cero(R);
    } else {
        Restar(M, resto, R);
    }
}

}  // namespace

void Reducir(const NumeroGrande& A, const NumeroGrande& M, NumeroGrande& Resultado) {
    const Normalizado m(M, true);
    if (ComprobarModulo(*m)) {
        Cero(Resultado);
        return;
    }
    ReducirSinComprobar(*Normalizado(A), *m, Resultado);
}

NumeroGrande Reducir(const NumeroGrande& A, const NumeroGrande& M) {
    NumeroGrande r;
    Reducir(A, M, r);
    return r;
}

namespace {

// A number of this many digits is at least 10^9864 > 2^32767, so it has
// more bits than a record can count.
constexpr int kCifrasConDemasiadosBits = 9865;

// The bits of |X| into `bits` (see ABinario), reusing its storage: at
// least two, the lowest first. False, with error 13 reported and `bits`
// zero, when there would be more than kMaxDigitos of them (told at once from
// the length when it is that long). Each pass over the decimal digits, from
// the top, divides them by 2^27 in place (a remainder below 2^27 times ten
// plus a digit gives a quotient digit below 10) and leaves the 27 bits below
// in the remainder.
bool BitsDe(const NumeroGrande& X, NumeroGrande& bits) {
    const int longitud_x = LongitudDelValor(X);
    if (longitud_x >= kCifrasConDemasiadosBits) {
        bignum_interno::Desbordamiento(bits);
        return false;
    }
    constexpr int kBitsPorPasada = 27;
    constexpr std::uint32_t kMascara = (1u << kBitsPorPasada) - 1;
    thread_local std::vector<std::uint8_t> cifras;
    cifras.assign(X.Digitos.begin(), X.Digitos.begin() + longitud_x);
    int longitud = longitud_x;
    bits.Digitos.clear();
    for (;;) {
        std::uint32_t resto = 0;
        for (int i = longitud - 1; i >= 0; --i) {
            const std::uint32_t v = resto * 10 + cifras[i];
            cifras[i] = static_cast<std::uint8_t>(v >> kBitsPorPasada);
            resto = v & kMascara;
        }
        while (longitud > 0 && cifras[longitud - 1] == 0) --longitud;
        // The top pass gives only the remainder's own bits.
        const int cuantos = longitud > 0 ? kBitsPorPasada : std::bit_width(resto);
        const std::size_t hechos = bits.Digitos.size();
        bits.Digitos.resize(hechos + static_cast<std::size_t>(cuantos));
        std::uint8_t* nuevos = bits.Digitos.data() + hechos;
        for (int b = 0; b < cuantos; ++b) nuevos[b] = static_cast<std::uint8_t>(resto >> b & 1);
        if (longitud == 0) break;
    }
    while (bits.Digitos.size() < 2) bits.Digitos.push_back(0);
    if (bits.Digitos.size() > static_cast<std::size_t>(kMaxDigitos)) {
        bignum_interno::Desbordamiento(bits);
        return false;
    }
    bits.Longitud = static_cast<std::int16_t>(bits.Digitos.size());
    bits.Signo = '+';
    return true;
}

}  // namespace

NumeroGrande ABinario(const NumeroGrande& X) {
    NumeroGrande bits;
    BitsDe(X, bits);
    return bits;
}

void PotenciaModular(const NumeroGrande& Base_entrada, const NumeroGrande& Exponente_entrada,
                     const NumeroGrande& M, NumeroGrande& Resultado) {
    const Normalizado base(Base_entrada), exponente(Exponente_entrada), m(M, true);
    const NumeroGrande& Base = *base;
    const NumeroGrande& Exponente = *exponente;
    const NumeroGrande& Modulo = *m;
    // Every reduction would report a zero modulus again, once or twice per
    // exponent bit; one report per calculation is enough. The value is what
    // the reductions give: zero, or one for an exponent of 0, whose result
    // is never reduced.
    if (ComprobarModulo(Modulo)) {
        if (EsCero(Exponente)) {
            Uno(Resultado);
        } else {
            Cero(Resultado);
        }
        return;
    }
    if (EsUno(Exponente)) {
        ReducirSinComprobar(Base, Modulo, Resultado);
        return;
    }

    // Square and multiply from the lowest bit, on |Base| (motor.h). The
    // reductions show no dialog (the modulus is not zero); a square or
    // product of more than kMaxDigitos digits (a base or modulus of more
    // than half that many) reports error 13 and gives zero, once, since every
    // later product would be zero too. The working records belong to this
    // thread, and no dialog is shown while they are in use.
    thread_local NumeroGrande bits, r;
    if (!BitsDe(Exponente, bits)) {
        Cero(Resultado);
        return;
    }
    Dimensionar(r, Modulo.Longitud);
    const int longitud =
        bignum_interno::motor::Actuales().Potencia(Base.Digitos.data(), Base.Longitud, bits.Digitos.data(),
                                                   bits.Longitud, Modulo.Digitos.data(), Modulo.Longitud,
                                                   r.Digitos.data());
    if (longitud < 0) {
        bignum_interno::Desbordamiento(Resultado);
        return;
    }
    Recortar(r, longitud);
    // A negative base: its first multiplication into the result (an odd
    // exponent's, whose bit 0 copied the base there) makes a negative
    // product, reduced to M - (|product| mod M); so the result is that of
    // |Base| taken from M (zero stays zero).
    if (Base.Signo == '-' && bits.Digitos[0] == 1 && !EsCero(r)) Restar(Modulo, r, r);
    std::swap(Resultado, r);
}

NumeroGrande PotenciaModular(const NumeroGrande& Base, const NumeroGrande& Exponente,
                             const NumeroGrande& M) {
    NumeroGrande r;
    PotenciaModular(Base, Exponente, M, r);
    return r;
}

void MaximoComunDivisor(const NumeroGrande& A_entrada, const NumeroGrande& B_entrada, NumeroGrande& Resultado) {
    const Normalizado a(A_entrada), b(B_entrada);
    const NumeroGrande& A = *a;
    const NumeroGrande& B = *b;
    const bool a_mayor = !EsMenor(A, B);
    const NumeroGrande& G = a_mayor ? A : B;
    const NumeroGrande& S = a_mayor ? B : A;
    // The result is a copy of an operand, sign included, when the smaller
    // is zero or divides the larger; otherwise it is a remainder, with '+'.
    if (EsCero(S)) {
        CopiarNumero(Resultado, G);
        return;
    }
    thread_local NumeroGrande resto;
    Dimensionar(resto, G.Longitud);
    int longitud = 0;
    const int divisiones = bignum_interno::motor::Actuales().Euclides(
        G.Digitos.data(), G.Longitud, S.Digitos.data(), S.Longitud, resto.Digitos.data(), &longitud);
    if (divisiones == 1) {
        CopiarNumero(Resultado, S);
        return;
    }
    // The inputs are no longer read: the remainder's storage changes place
    // with Resultado's.
    Recortar(resto, longitud);
    std::swap(Resultado, resto);
}

NumeroGrande MaximoComunDivisor(const NumeroGrande& A, const NumeroGrande& B) {
    NumeroGrande g;
    MaximoComunDivisor(A, B, g);
    return g;
}

NumeroGrande InversoModular(const NumeroGrande& A_entrada, const NumeroGrande& M_entrada) {
    const Normalizado m(M_entrada, true);
    const NumeroGrande& M = *m;
    // A is taken modulo M first, so a negative A is worked as its residue in
    // [0, M) (-3 modulo 7 as 4). Modulo 0 there is no residue: A is kept, and
    // only 1 and -1 pass the check below.
    NumeroGrande A;
    if (EsCero(M)) {
        CopiarNumero(A, *Normalizado(A_entrada));
    } else {
        ReducirSinComprobar(*Normalizado(A_entrada), M, A);
    }

    NumeroGrande resultado;
    // Modulo 0 or 1, and for A = 0 or 1, the gcd alone decides: 1 is its own
    // inverse, and there is no remainder to take.
    if (EsCero(M) || EsUno(M) || EsCero(A) || EsUno(A)) {
        if (ComprobarPrimosRelativos(MaximoComunDivisor(A, M))) return resultado;
        Uno(resultado);
        return resultado;
    }
    // Otherwise 2 <= A < M: one Euclid on (M, A) finds the gcd and, when it
    // is 1, the inverse (motor.h).
    NumeroGrande inverso;
    Dimensionar(inverso, M.Longitud);
    int longitud = 0;
    const bool existe = bignum_interno::motor::Actuales().Inverso(M.Digitos.data(), M.Longitud, A.Digitos.data(),
                                                                 A.Longitud, inverso.Digitos.data(), &longitud);
    Recortar(inverso, longitud);
    if (!existe) {
        ComprobarPrimosRelativos(inverso);  // the gcd, which is not 1: error 3
        return resultado;
    }
    return inverso;
}
