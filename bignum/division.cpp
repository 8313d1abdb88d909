// Long division in base 10, one quotient digit per step, and halving.
//
// Dividir produces the quotient digit by digit from the top, as long division
// does: at each step the partial remainder (the previous remainder with the
// next dividend digit brought down) is divided by the divisor, giving one
// digit, and the digit times the divisor is subtracted. The result is the
// schoolbook one; what differs from a pencil-and-paper run is only the
// bookkeeping that makes each step cheap:
//
//  * The partial remainder lives in an array of 32-bit counters, one per
//    decimal position, whose values may leave 0..9 ("lazy" digits). A step
//    subtracts digit * divisor from the counters without propagating
//    borrows, so the loop over the divisor's digits has no carry chain.
//  * The quotient digit is estimated from the top 19 positions of the partial
//    remainder and the top 18 digits of the divisor in floating point. The
//    estimate is the exact digit or one off; a digit one too high leaves a
//    slightly negative remainder and one too low a remainder a little above
//    the divisor, and the next step's digit compensates (digits may
//    temporarily fall outside 0..9).
//  * At the end the remainder's carries are propagated once, it is brought
//    into [0, divisor) by adding or subtracting the divisor (adjusting the
//    last quotient digit), and the quotient's carries are propagated.
#include <algorithm>
#include <cmath>
#include <vector>

#include "bignum/aritmetica.h"
#include "bignum/interno.h"
#include "bignum/comprobaciones.h"
#include "errors/errores.h"

using bignum_interno::Cero;
using bignum_interno::CompararMagnitudes;
using bignum_interno::Dimensionar;

namespace {

struct Trabajo {
    std::vector<std::int32_t> resto;     // dividend, then partial remainders
    std::vector<std::int32_t> divisor;
    std::vector<std::int32_t> cociente;  // one digit per step, before carries
    std::vector<std::uint8_t> digitos;   // the normalised remainder
};

Trabajo& TrabajoDeEsteHilo() {
    thread_local Trabajo trabajo;
    return trabajo;
}

// Positions used for the estimate: enough that the ignored lower positions
// (bounded by a few times 10^5 each) cannot move it by a whole unit.
constexpr int kPosicionesEstimacion = 18;

// 10^e for e in [-kPosicionesEstimacion, 1], indexed by e + kPosicionesEstimacion.
struct Potencias {
    double valor[kPosicionesEstimacion + 2];
    constexpr Potencias() : valor() {
        double p = 10.0;
        for (int e = 1; e >= -kPosicionesEstimacion; --e) {
            valor[e + kPosicionesEstimacion] = p;
            p /= 10.0;
        }
    }
};
constexpr Potencias kPotencias;

std::int64_t PisoEntreDiez(std::int64_t t) {
    std::int64_t q = t / 10;
    return (t % 10 < 0) ? q - 1 : q;
}

// digitos (k digits) += or -= divisor; returns the carry (+1) or borrow (-1)
// out of the top.
int SumarDivisor(std::uint8_t* digitos, const std::int32_t* d, int k, int sentido) {
    int acarreo = 0;
    for (int i = 0; i < k; ++i) {
        int t = digitos[i] + sentido * d[i] + acarreo;
        acarreo = t >= 10 ? 1 : (t < 0 ? -1 : 0);
        digitos[i] = static_cast<std::uint8_t>(t - 10 * acarreo);
    }
    return acarreo;
}

bool MenorQueDivisor(const std::uint8_t* digitos, const std::int32_t* d, int k) {
    for (int i = k - 1; i >= 0; --i) {
        if (digitos[i] != d[i]) return digitos[i] < d[i];
    }
    return false;
}

// Cociente = |N| div |D| with `signo`, Resto = |N| mod |D| with '+', for
// |N| > |D| > 0. Everything is read into working arrays first, so the
// outputs may be the inputs.
void DividirMagnitudes(const NumeroGrande& N, const NumeroGrande& D, char signo,
                       NumeroGrande& Cociente, NumeroGrande& Resto) {
    const int n = N.Longitud, k = D.Longitud, pasos = n - k + 1;
    Trabajo& t = TrabajoDeEsteHilo();
    t.resto.assign(N.Digitos.begin(), N.Digitos.begin() + n);
    t.resto.push_back(0);  // room for the window's top in the first step
    t.divisor.assign(D.Digitos.begin(), D.Digitos.begin() + k);
    t.cociente.assign(pasos, 0);
    std::int32_t* r = t.resto.data();
    const std::int32_t* d = t.divisor.data();

    double divisor_arriba = 0.0;  // D / 10^(k-1), from its top digits
    for (int i = k - 1, e = 0; i >= 0 && e >= -kPosicionesEstimacion + 1; --i, --e) {
        divisor_arriba += d[i] * kPotencias.valor[e + kPosicionesEstimacion];
    }

    // Step j divides the window r[j .. j+k] (positions above are zero).
    for (int j = pasos - 1; j >= 0; --j) {
        const int arriba = j + k;
        double ventana = 0.0;  // window value / 10^(k-1)
        for (int i = arriba; i >= j && arriba - i <= kPosicionesEstimacion; --i) {
            ventana += r[i] * kPotencias.valor[i - (arriba - 1) + kPosicionesEstimacion];
        }
        const auto q = static_cast<std::int32_t>(std::floor(ventana / divisor_arriba));
        if (q != 0) {
            std::int32_t* fila = r + j;
            for (int i = 0; i < k; ++i) fila[i] -= q * d[i];
        }
        t.cociente[j] = q;
        // Fold the window's top position into the one below, so the next
        // window (one position lower) again has nothing above it.
        r[arriba - 1] += 10 * r[arriba];
        r[arriba] = 0;
    }

    // Remainder: propagate carries; its value is acarreo * 10^k + digitos.
    t.digitos.resize(k);
    std::uint8_t* resto = t.digitos.data();
    std::int64_t acarreo = 0;
    for (int i = 0; i < k; ++i) {
        const std::int64_t v = r[i] + acarreo;
        acarreo = PisoEntreDiez(v);
        resto[i] = static_cast<std::uint8_t>(v - 10 * acarreo);
    }
    // Each estimate is at most one off, so the remainder lies in [-D, 2D):
    // one correction, at most, brings it into [0, D).
    for (;;) {
        if (acarreo < 0) {
            acarreo += SumarDivisor(resto, d, k, +1);
            --t.cociente[0];
        } else if (acarreo > 0 || !MenorQueDivisor(resto, d, k)) {
            acarreo += SumarDivisor(resto, d, k, -1);
            ++t.cociente[0];
        } else {
            break;
        }
    }

    // Quotient digits into 0..9; the quotient fits its n - k + 1 positions.
    Dimensionar(Cociente, pasos);
    acarreo = 0;
    for (int j = 0; j < pasos; ++j) {
        const std::int64_t v = t.cociente[j] + acarreo;
        acarreo = PisoEntreDiez(v);
        Cociente.Digitos[j] = static_cast<std::uint8_t>(v - 10 * acarreo);
    }
    Cociente.Signo = signo;
    QuitarCerosIzquierda(Cociente);

    Resto.Digitos.assign(resto, resto + k);
    Resto.Longitud = static_cast<std::int16_t>(k);
    Resto.Signo = '+';
    QuitarCerosIzquierda(Resto);
}

}  // namespace

void Dividir(const NumeroGrande& Dividendo_entrada, const NumeroGrande& Divisor_entrada,
             NumeroGrande& Cociente, NumeroGrande& Resto) {
    // Normalised first: the digit estimates read the divisor's top digits,
    // which must not be zeros.
    const bignum_interno::Normalizado dividendo(Dividendo_entrada), divisor(Divisor_entrada);
    const NumeroGrande& Dividendo = *dividendo;
    const NumeroGrande& Divisor = *divisor;
    if (ComprobarDivisor(Divisor)) return;
    const char signo = SignoDeProducto(Dividendo.Signo, Divisor.Signo);
    const int orden = CompararMagnitudes(Divisor, Dividendo);
    if (orden > 0) {
        CopiarNumero(Resto, Dividendo);  // before Cociente, which may be Dividendo
        Cero(Cociente, signo);
    } else if (orden == 0) {
        Cero(Resto);
        bignum_interno::Uno(Cociente);
        Cociente.Signo = signo;
    } else {
        DividirMagnitudes(Dividendo, Divisor, signo, Cociente, Resto);
    }
}

void DividirEntreDos(const NumeroGrande& X_entrada, NumeroGrande& Mitad, std::uint8_t* Resto) {
    const bignum_interno::Normalizado normalizado(X_entrada);
    const NumeroGrande& X = *normalizado;  // Mitad may still be X_entrada
    int superior = X.Longitud - 1;  // digit position being halved
    int longitud = X.Longitud;
    if (&Mitad != &X) Dimensionar(Mitad, longitud);
    const std::uint8_t* x = X.Digitos.data();
    std::uint8_t* m = Mitad.Digitos.data();

    int acarreo = 0;
    if (x[superior] <= 1 && longitud >= 2) {
        // The two top digits halve into one digit of the result.
        const int g = 10 * x[superior] + x[superior - 1];
        --superior;
        --longitud;
        m[superior] = static_cast<std::uint8_t>(g / 2);
        acarreo = (g % 2) * 10;
        --superior;
    }
    for (; superior >= 0; --superior) {
        const int v = x[superior];
        m[superior] = static_cast<std::uint8_t>((acarreo + v) / 2);
        acarreo = (v % 2) * 10;
    }
    Mitad.Longitud = static_cast<std::int16_t>(longitud);
    Mitad.Digitos.resize(longitud);
    if (Resto != nullptr) *Resto = acarreo == 10 ? 1 : 0;
}
