// Long division in base 10, one quotient digit per step, and halving.
//
// Dividir produces the quotient digit by digit from the top, as long division
// does: at each step the partial remainder (the previous remainder with the
// next dividend digit brought down) is divided by the divisor, giving one
// digit, and the digit times the divisor is subtracted. The result is the
// schoolbook one; the bookkeeping that makes each step cheap (lazy digits,
// the digit estimated from the top positions and made up for by the next
// step) is described in motor.h.

#include "bignum/aritmetica.h"
#include "bignum/comprobaciones.h"
#include "bignum/interno.h"
#include "bignum/motor.h"
#include "errors/errores.h"

using bignum_interno::Cero;
using bignum_interno::CompararMagnitudes;
using bignum_interno::Dimensionar;

namespace bignum_interno {

void DividirMagnitudes(const NumeroGrande& N, const NumeroGrande& D, NumeroGrande* Q, NumeroGrande& R) {
    const int ln = N.Longitud, ld = D.Longitud;
    if (ln < ld) {
        CopiarNumero(R, N);
        R.Signo = '+';
        if (Q != nullptr) Cero(*Q);
        return;
    }
    // The kernel reads the divisor to the end: an output that is the divisor
    // gets a copy of it first.
    thread_local NumeroGrande copia;
    const NumeroGrande* divisor = &D;
    if (&D == &R || &D == Q) {
        CopiarNumero(copia, D);
        divisor = &copia;
    }
    // Outputs sized before any pointer is taken (an output may be N).
    const int pasos = ln - ld + 1;
    if (Q != nullptr && static_cast<int>(Q->Digitos.size()) < pasos) Q->Digitos.resize(pasos);
    if (static_cast<int>(R.Digitos.size()) < ld) R.Digitos.resize(ld);
    int lq = 0, lr = 0;
    motor::Actuales().Division(N.Digitos.data(), ln, divisor->Digitos.data(), ld,
                               Q != nullptr ? Q->Digitos.data() : nullptr, &lq, R.Digitos.data(), &lr);
    R.Digitos.resize(lr);
    R.Longitud = static_cast<std::int16_t>(lr);
    R.Signo = '+';
    if (Q != nullptr) {
        Q->Digitos.resize(lq);
        Q->Longitud = static_cast<std::int16_t>(lq);
        Q->Signo = '+';
    }
}

}  // namespace bignum_interno

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
        bignum_interno::DividirMagnitudes(Dividendo, Divisor, &Cociente, Resto);
        Cociente.Signo = signo;
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
