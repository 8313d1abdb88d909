#include "bignum/numero_grande.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "bignum/interno.h"
#include "errors/errores.h"

using bignum_interno::Cero;
using bignum_interno::Dimensionar;

namespace bignum_interno {

void Desbordamiento(NumeroGrande& X) {
    Cero(X);
    ErrorPilaInsuficiente();
}

int CompararMagnitudes(const NumeroGrande& A, const NumeroGrande& B) {
    const int la = LongitudDelValor(A), lb = LongitudDelValor(B);
    if (la != lb) return la > lb ? 1 : -1;
    // Eight digits at a time from the top: in a word loaded from memory on
    // x86-64 the byte at the highest address, the highest digit, is the
    // most significant, so the words compare as the numbers they hold.
    const std::uint8_t* a = A.Digitos.data();
    const std::uint8_t* b = B.Digitos.data();
    int i = la;
    for (; i >= 8; i -= 8) {
        std::uint64_t x, y;
        std::memcpy(&x, a + i - 8, 8);
        std::memcpy(&y, b + i - 8, 8);
        if (x != y) return x > y ? 1 : -1;
    }
    for (--i; i >= 0; --i) {
        if (a[i] != b[i]) return a[i] > b[i] ? 1 : -1;
    }
    return 0;
}

}  // namespace bignum_interno

namespace {

bool SoloDigitos(std::string_view texto) {
    return std::all_of(texto.begin(), texto.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Digits of `texto` into X, rightmost character first; the sign is not
// touched. A text that cannot be a number gives zero with '+' and false.
bool Convertir(std::string_view texto, NumeroGrande& X) {
    if (texto.empty() || texto.size() > static_cast<std::size_t>(kMaxDigitos) || !SoloDigitos(texto)) {
        Cero(X);
        return false;
    }
    const int n = static_cast<int>(texto.size());
    Dimensionar(X, n);
    for (int i = 0; i < n; ++i) X.Digitos[i] = static_cast<std::uint8_t>(texto[n - 1 - i] - '0');
    QuitarCerosIzquierda(X);
    return true;
}

// Magnitude of X as an unsigned 64-bit value, or false when it has more than
// 18 digits (more than any caller here can use).
bool Magnitud(const NumeroGrande& X, std::uint64_t& valor) {
    const int longitud = LongitudDelValor(X);
    if (longitud > 18) return false;
    valor = 0;
    for (int i = longitud - 1; i >= 0; --i) valor = valor * 10 + X.Digitos[i];
    return true;
}

}  // namespace

void CadenaANumero(std::string_view Texto, NumeroGrande& X) { Convertir(Texto, X); }

void CadenaANumero(std::string_view Texto, NumeroGrande& X, char Signo) {
    if (Convertir(Texto, X)) X.Signo = Signo;
}

void NumeroACadena(const NumeroGrande& X, std::string& Texto) {
    Texto.clear();
    if (EsCero(X)) {
        Texto.assign(1, '0');
        return;
    }
    const int longitud = LongitudDelValor(X);
    Texto.reserve(longitud + 1);
    if (X.Signo == '-') Texto.push_back('-');
    for (int i = longitud - 1; i >= 0; --i) Texto.push_back(static_cast<char>('0' + X.Digitos[i]));
}

std::string NumeroACadena(const NumeroGrande& X) {
    std::string texto;
    NumeroACadena(X, texto);
    return texto;
}

void EnteroANumero(std::int16_t Valor, NumeroGrande& X) {
    Cero(X);
    std::int32_t resto = Valor;
    if (resto < 0) {
        X.Signo = '-';
        resto = -resto;
    }
    int n = 0;
    do {
        Dimensionar(X, n + 1);
        X.Digitos[n++] = static_cast<std::uint8_t>(resto % 10);
        resto /= 10;
    } while (resto != 0);
}

bool NumeroALargo(const NumeroGrande& X, std::int32_t& Valor) {
    std::uint64_t magnitud = 0;
    if (!Magnitud(X, magnitud)) return false;
    const bool negativo = X.Signo == '-';
    if (magnitud > (negativo ? 2147483648ULL : 2147483647ULL)) return false;
    Valor = negativo ? static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitud))
                     : static_cast<std::int32_t>(magnitud);
    return true;
}

void NumeroAEntero(const NumeroGrande& X, std::int16_t& Valor) {
    const bool negativo = X.Signo == '-';
    std::uint64_t magnitud = 0;
    if (!Magnitud(X, magnitud) || magnitud > 32768) magnitud = 32768;
    if (!negativo && magnitud > 32767) magnitud = 32767;
    Valor = negativo ? static_cast<std::int16_t>(-static_cast<std::int32_t>(magnitud))
                     : static_cast<std::int16_t>(magnitud);
}

void PonerACero(NumeroGrande& X) { Cero(X); }

void CopiarNumero(NumeroGrande& Destino, const NumeroGrande& Origen) {
    if (&Destino == &Origen) return;
    Destino.Digitos.assign(Origen.Digitos.begin(), Origen.Digitos.begin() + Origen.Longitud);
    Destino.Longitud = Origen.Longitud;
    Destino.Signo = Origen.Signo;
}

void QuitarCerosIzquierda(NumeroGrande& X) {
    while (X.Longitud > 1 && X.Digitos[X.Longitud - 1] == 0) --X.Longitud;
    X.Digitos.resize(X.Longitud);
}
