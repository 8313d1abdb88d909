// The digit loops of the arithmetic (see motor.h), written once as inline
// bodies and compiled twice: for any x86-64 processor and with AVX2.
#include "bignum/motor.h"

#include "bignum/numero_grande.h"

#include <cpuid.h>
#include <immintrin.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <limits>
#include <vector>

namespace bignum_interno::motor {
namespace {

// Working storage of one thread. Each array belongs to one routine (or to
// routines that never run inside one another) and is set up by it at every
// call: nothing is read that an earlier call, of any size, left there.
struct Espacio {
    std::vector<std::uint16_t> largo;
    std::vector<std::uint16_t> columnas;
    std::vector<std::uint16_t> columnas_par;
    std::vector<std::uint16_t> pares;
    std::vector<std::uint16_t> diagonal;
    std::vector<std::uint32_t> totales;
    std::vector<std::int32_t> resto;
    std::vector<std::int32_t> divisor_pares;
    std::vector<std::int32_t> cociente;
    std::vector<std::int32_t> resto_par;
    std::vector<std::int32_t> cociente_par;
    std::vector<Cifra> euclides[3];
    std::vector<std::int64_t> grupos[5];
    std::vector<Cifra> potencia[3];
    std::vector<std::int64_t> raiz[2];
};

Espacio& EspacioDeEsteHilo() {
    thread_local Espacio espacio;
    return espacio;
}

#define CUERPO [[gnu::always_inline]] inline

// v grown to n elements: only the first calls of a thread with numbers of a
// new size come here.
template <class T>
[[gnu::noinline, gnu::cold]] T* Crecer(std::vector<T>& v, int n) {
    v.resize(static_cast<std::size_t>(n));
    return v.data();
}

// At least n elements of v; their values are whatever was there.
template <class T>
CUERPO T* Tomar(std::vector<T>& v, int n) {
    return v.size() < static_cast<std::size_t>(n) ? Crecer(v, n) : v.data();
}

// The loops over positions go in whole blocks of kBloque 16-bit (or
// kBloque / 2 32-bit) elements, one or two vectors, with no odd tail to
// finish one by one; the arrays have room past their positions, kept at
// zero, for the last block to spill into.
constexpr int kBloque = 16;

constexpr int Redondear(int n) { return (n + kBloque - 1) / kBloque * kBloque; }

// n zero positions, and zeros past them for whole blocks (two more blocks,
// for rows that start up to one block late).
CUERPO std::uint16_t* ColumnasACero(std::vector<std::uint16_t>& v, int n) {
    const int total = Redondear(n) + 2 * kBloque;
    std::uint16_t* c = Tomar(v, total);
    std::fill(c, c + total, std::uint16_t{0});
    return c;
}

// Room for n column counters, with room past them for whole blocks. The
// loops that fill them write every block, so nothing is set here.
CUERPO std::uint16_t* Columnas(std::vector<std::uint16_t>& v, int n) {
    return Tomar(v, Redondear(n) + 2 * kBloque);
}

// The digits a[0..n) widened to 16 bits, with a block of zeros before them
// and zeros after them for whole blocks read from any position up to n. The
// zeros are written in runs of a fixed length, which the compiler makes a
// few vector stores, where a run of n's length would be a call to memset.
CUERPO std::uint16_t* Ensanchar(std::vector<std::uint16_t>& v, const Cifra* a, int n) {
    const int total = kBloque + Redondear(n) + 2 * kBloque;
    std::uint16_t* l = Tomar(v, total) + kBloque;
    std::memset(l - kBloque, 0, kBloque * sizeof(std::uint16_t));
    for (int i = 0; i < n; ++i) l[i] = a[i];
    std::memset(l + n, 0, 2 * kBloque * sizeof(std::uint16_t));  // past Redondear(n) + kBloque
    return l;
}

// A 16-bit counter takes 809 products of two digits (65535 / 81).
constexpr int kFilasPorBloque = 65535 / 81;

// Divisor digits used to estimate the quotient's digits (and window
// positions, more for the several digits of one estimate). With counters
// below some 10^8 in size the positions left out move the estimate by less
// than a fifth of a unit, so it is the exact value or one off.
constexpr int kCifrasEstimacion = 9;

// A long division estimates four quotient positions at once while its
// divisor has at most kCuatroJuntasHasta digits, and two with a longer one.
// Each of a remainder's counters takes a share of every estimate (up to
// some 10^4 times a digit for four), as many as there are estimates along
// the divisor; up to that length four keep the counters below 10^8.
constexpr int kMaxJuntas = 4;
constexpr int kCuatroJuntasHasta = 4000;

// The four digits of every v in 0..9999, least significant first, as the
// bytes of a 32-bit word in memory order: a look-up in this 40 KB table is a
// few instructions where splitting v is a dozen, and the table stays in the
// cache while a long run of digits is written.
struct TablaCuatroCifras {
    std::uint32_t bytes[10000];
    constexpr TablaCuatroCifras() : bytes() {
        for (std::uint32_t v = 0; v < 10000; ++v) {
            bytes[v] = v % 10 | (v / 10 % 10) << 8 | (v / 100 % 10) << 16 | (v / 1000) << 24;
        }
    }
};
constexpr TablaCuatroCifras kTablaCuatroCifras;

CUERPO std::uint32_t CuatroCifras(std::uint32_t v) { return kTablaCuatroCifras.bytes[v]; }

// The eight digits of v (0..99999999), least significant first, as the
// bytes of a 64-bit word in memory order.
CUERPO std::uint64_t OchoCifras(std::uint32_t v) {
    const std::uint32_t alto = v / 10000;
    return CuatroCifras(v - 10000 * alto) | static_cast<std::uint64_t>(CuatroCifras(alto)) << 32;
}

// The value of the eight digits p[0..8), p[0] the units: pairs, then
// fours, then the eight, each a multiply and a shift on the whole word.
CUERPO std::uint64_t Valor8(const Cifra* p) {
    std::uint64_t v;
    std::memcpy(&v, p, 8);
    v = (v & 0x00FF00FF00FF00FFULL) + 10 * ((v >> 8) & 0x00FF00FF00FF00FFULL);
    v = (v & 0x0000FFFF0000FFFFULL) + 100 * ((v >> 16) & 0x0000FFFF0000FFFFULL);
    return (v & 0xFFFFFFFFULL) + 10000 * (v >> 32);
}

// Counters c[0..n) (16-bit) whose value is below 10^n, settled into the
// digits r[0..n), four positions at a time: a group of four is at most
// 65535 * 1111, its carry into the next at most 7281, so with the carry
// from below its low part is under 2 * 10^4 and the chain of carries is an
// addition and a comparison per four digits.
CUERPO void AsentarColumnas(const std::uint16_t* c, int n, Cifra* r) {
    std::uint32_t acarreo = 0;
    int i = 0;
    for (; i + 4 <= n; i += 4) {
        const std::uint32_t grupo = c[i] + 10u * c[i + 1] + 100u * c[i + 2] + 1000u * c[i + 3];
        const std::uint32_t alto = grupo / 10000;
        const std::uint32_t bajo = grupo - 10000 * alto + acarreo;
        const std::uint32_t k = bajo >= 10000;
        acarreo = alto + k;
        const std::uint32_t cuatro = CuatroCifras(bajo - 10000 * k);
        std::memcpy(r + i, &cuatro, 4);
    }
    for (; i < n; ++i) {  // the value fits n digits: no carry is left
        const std::uint32_t v = c[i] + acarreo;
        acarreo = v / 10;
        r[i] = static_cast<Cifra>(v - 10 * acarreo);
    }
}

// Length of r[0..n) without its high zeros (at least 1).
CUERPO int SinCerosArriba(const Cifra* r, int n) {
    while (n > 1 && r[n - 1] == 0) --n;
    return n;
}

// Products of more than 809 rows: blocks of rows in the 16-bit counters,
// each block added into 32-bit totals, whose carries are then propagated in
// one sequential pass. Only for numbers of over 809 digits.
CUERPO int ProductoPorBloques(const std::uint16_t* l, int la, const Cifra* b, int lb, Cifra* r, Espacio& e) {
    const int lr = la + lb;
    std::uint16_t* bloque = ColumnasACero(e.columnas, lr);
    std::uint32_t* total = Tomar(e.totales, lr);
    std::fill(total, total + lr, 0u);
    for (int inicio = 0; inicio < lb; inicio += kFilasPorBloque) {
        const int fin = std::min(lb, inicio + kFilasPorBloque);
        for (int j = inicio; j < fin; ++j) {
            const std::uint16_t d = b[j];
            if (d == 0) continue;
            std::uint16_t* fila = bloque + j;
            for (int i = 0; i < la; ++i) fila[i] = static_cast<std::uint16_t>(fila[i] + l[i] * d);
        }
        for (int k = inicio; k < fin + la; ++k) {
            total[k] += bloque[k];
            bloque[k] = 0;
        }
    }
    std::uint32_t acarreo = 0;
    for (int k = 0; k < lr; ++k) {
        const std::uint32_t t = total[k] + acarreo;
        acarreo = t / 10;
        r[k] = static_cast<Cifra>(t - 10 * acarreo);
    }
    return SinCerosArriba(r, lr);
}

// Vectors of 16-bit counters: 8 lanes for the baseline processor (SSE2),
// 16 with AVX2.
typedef std::uint16_t Vector8 __attribute__((vector_size(16)));
typedef std::uint16_t Vector16 __attribute__((vector_size(32)));

// pares[i] = a[i] | a[i - 1] << 8 for i in [-kBloque, la], zeros past it
// for whole blocks read from up to la.
[[gnu::target("avx2")]] const std::uint16_t* Pares(const Cifra* a, int la, Espacio& e) {
    const int total = kBloque + Redondear(la + 1) + 2 * kBloque;
    std::uint16_t* pares = Tomar(e.pares, total) + kBloque;
    // Zeros in runs of a fixed length (as in Ensanchar): a block before,
    // and a block past la, the last position a read reaches.
    std::memset(pares - kBloque, 0, kBloque * sizeof(std::uint16_t));
    pares[0] = a[0];
    for (int i = 1; i < la; ++i) pares[i] = static_cast<std::uint16_t>(a[i] | a[i - 1] << 8);
    pares[la] = static_cast<std::uint16_t>(a[la - 1] << 8);
    std::memset(pares + la + 1, 0, kBloque * sizeof(std::uint16_t));
    return pares;
}

// ColumnasProducto's loop with AVX2, two digits of b per instruction:
// vpmaddubsw multiplies bytes and adds them in pairs into 16-bit lanes, so
// lane t of column block k takes a[c - j] b[j] + a[c - j - 1] b[j + 1]
// (c = k + t) at once from the pairs (a[i], a[i - 1]) laid side by side and
// b's pair (b[j], b[j + 1]) in every lane: two bytes of b's digits, read as
// they lie in memory. With an odd lb the last digit of b goes alone. A lane
// still gathers at most 81 per digit of b. A function of its own, not
// inlined: the baseline set must not hold AVX2 instructions, even unused.
[[gnu::target("avx2")]] std::uint16_t* ColumnasProductoAvx2(const Cifra* a, int la, const Cifra* b, int lb,
                                                            std::vector<std::uint16_t>& salida, Espacio& e) {
    const std::uint16_t* pares = Pares(a, la, e);
    const int lr = la + lb, completos = lb / 2;
    std::uint16_t* c = Columnas(salida, lr);
    for (int k = 0; k < Redondear(lr); k += 16) {  // every block: past lr, zeros
        // Pairs of b's digits reaching columns k .. k + 15; half a pair out
        // of reach meets zeros of a.
        const int desde = std::max(0, k - la + 1) / 2, hasta = (std::min(lb, k + 16) + 1) / 2;
        __m256i suma = _mm256_setzero_si256();
        for (int p = desde; p < std::min(hasta, completos); ++p) {
            std::uint16_t par;
            std::memcpy(&par, b + 2 * p, 2);
            const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pares + k - 2 * p));
            suma = _mm256_add_epi16(suma, _mm256_maddubs_epi16(x, _mm256_set1_epi16(static_cast<short>(par))));
        }
        if (hasta > completos) {  // b's last digit, alone (lb odd)
            const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pares + k - 2 * completos));
            suma = _mm256_add_epi16(suma, _mm256_maddubs_epi16(x, _mm256_set1_epi16(b[lb - 1])));
        }
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(c + k), suma);
    }
    return c;
}

// Schoolbook product, a vector of columns at a time: each block of product
// columns gathers, in registers, the partial products of every digit of the
// shorter number b that reach it (the digit times the longer number's
// digits below those columns), and is written once. A column gathers at
// most 81 per digit of b. Returns the la + lb columns, before their carries,
// with zeros after them for whole blocks, in salida;
// for the shorter of a and b at most kFilasPorBloque digits (either may be
// b).
template <class V>
CUERPO std::uint16_t* ColumnasProducto(const Cifra* a, int la, const Cifra* b, int lb,
                                       std::vector<std::uint16_t>& salida, Espacio& e) {
    if (la < lb) {
        std::swap(a, b);
        std::swap(la, lb);
    }
    if constexpr (sizeof(V) == 32) return ColumnasProductoAvx2(a, la, b, lb, salida, e);
    constexpr int kCarriles = sizeof(V) / 2;
    const std::uint16_t* l = Ensanchar(e.largo, a, la);
    const int lr = la + lb;
    std::uint16_t* c = Columnas(salida, lr);
    for (int k = 0; k < Redondear(lr); k += kCarriles) {  // every block: past lr, zeros
        V suma = {};
        // Digits j of b reaching columns k .. k + kCarriles - 1.
        const int desde = std::max(0, k - la + 1), hasta = std::min(lb, k + kCarriles);
        for (int j = desde; j < hasta; ++j) {
            V digitos;
            std::memcpy(&digitos, l + (k - j), sizeof(V));
            suma += digitos * static_cast<std::uint16_t>(b[j]);
        }
        std::memcpy(c + k, &suma, sizeof(V));
    }
    return c;
}

template <class V>
CUERPO int ProductoCuerpo(const Cifra* a, int la, const Cifra* b, int lb, Cifra* r) {
    if (la < lb) {
        std::swap(a, b);
        std::swap(la, lb);
    }
    Espacio& e = EspacioDeEsteHilo();
    if (lb > kFilasPorBloque) return ProductoPorBloques(Ensanchar(e.largo, a, la), la, b, lb, r, e);
    const int lr = la + lb;
    AsentarColumnas(ColumnasProducto<V>(a, la, b, lb, e.columnas, e), lr, r);
    return r[lr - 1] == 0 ? lr - 1 : lr;
}

// Square, a vector of columns at a time: column c gathers each product
// a_j * a_(c-j) with j < c - j once, doubled, and a_(c/2)^2 when c is even.
// The j below k/2 are below every lane's half; the few above are masked per
// lane. A column gathers at most 81 per digit of a, so the 16-bit counters
// take squares of up to kFilasPorBloque digits. Returns the 2 la columns as
// ColumnasProducto does, in salida.
//
// With AVX2 the square is the product a * a: its loop takes two digits of a
// per instruction, so all la^2 products cost what the symmetric half costs
// one digit at a time, without the masks and the diagonal.
template <class V>
CUERPO std::uint16_t* ColumnasCuadrado(const Cifra* a, int la, std::vector<std::uint16_t>& salida, Espacio& e) {
    if constexpr (sizeof(V) == 32) return ColumnasProductoAvx2(a, la, a, la, salida, e);
    constexpr int kCarriles = sizeof(V) / 2;
    const std::uint16_t* l = Ensanchar(e.largo, a, la);
    const int lr = 2 * la;
    // The squares of the digits on the even columns, zeros elsewhere.
    std::uint16_t* diagonal = Columnas(e.diagonal, lr);
    for (int i = 0; i < la; ++i) {
        diagonal[2 * i] = static_cast<std::uint16_t>(l[i] * l[i]);
        diagonal[2 * i + 1] = 0;
    }
    std::memset(diagonal + lr, 0, kBloque * sizeof(std::uint16_t));  // to the end of the last block
    V carril;
    for (int t = 0; t < kCarriles; ++t) carril[t] = static_cast<std::uint16_t>(t);

    std::uint16_t* c = Columnas(salida, lr);
    for (int k = 0; k < Redondear(lr); k += kCarriles) {  // every block: past lr, zeros
        V suma = {};
        const int desde = std::max(0, k - la + 1);
        const int enteras = std::min(la, (k + 1) / 2);  // 2j < k: below every lane's half
        int j = desde;
        for (; j < enteras; ++j) {
            V digitos;
            std::memcpy(&digitos, l + (k - j), sizeof(V));
            suma += digitos * l[j];
        }
        // Lane t takes j only when 2j < k + t.
        const int hasta = std::min(la, (k + kCarriles) / 2 + 1);
        for (; j < hasta; ++j) {
            V digitos;
            std::memcpy(&digitos, l + (k - j), sizeof(V));
            const V valido = (V)(carril > static_cast<std::uint16_t>(2 * j - k));
            suma += (digitos * l[j]) & valido;
        }
        V cuadrados;
        std::memcpy(&cuadrados, diagonal + k, sizeof(V));
        suma = suma + suma + cuadrados;
        std::memcpy(c + k, &suma, sizeof(V));
    }
    return c;
}

template <class V>
CUERPO int CuadradoCuerpo(const Cifra* a, int la, Cifra* r) {
    if (la > kFilasPorBloque) return ProductoCuerpo<V>(a, la, a, la, r);
    Espacio& e = EspacioDeEsteHilo();
    const int lr = 2 * la;
    AsentarColumnas(ColumnasCuadrado<V>(a, la, e.columnas, e), lr, r);
    return r[lr - 1] == 0 ? lr - 1 : lr;
}

__extension__ typedef __int128 Entero128;

constexpr std::int64_t kPotencias10[kCifrasEstimacion + 1] = {1,      10,      100,      1000,      10000,
                                                              100000, 1000000, 10000000, 100000000, 1000000000};

// floor(t / divisor) for a positive divisor.
CUERPO std::int64_t Piso(std::int64_t t, std::int64_t divisor) {
    const std::int64_t q = t / divisor;
    return t - q * divisor < 0 ? q - 1 : q;
}

// floor(t / 10^4) for |t| below 10^4 * 2^40 (some 10^16): t is moved up by a
// multiple of 10^4 that makes it non-negative, so that the division is an
// unsigned one by a constant, a multiplication and a shift with no
// correction for the sign.
CUERPO std::int64_t PisoDiezMil(std::int64_t t) {
    constexpr std::int64_t kVeces = std::int64_t{1} << 40;
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(t) + 10000 * kVeces) / 10000) - kVeces;
}

// Counters w[0..n) of any sign into the digits r[0..n); returns the carry
// out of the top, so that the value is carry * 10^n + r. Four positions are
// taken at a time, and each group is split into its own carry and four
// digits before the carry from below arrives: that carry, small next to
// 10^4, then moves the group by at most one unit of 10^4, so the chain of
// carries is a few additions and comparisons per four digits.
CUERPO std::int64_t Asentar(const std::int32_t* w, int n, Cifra* r) {
    std::int64_t acarreo = 0;
    int i = 0;
    for (; i + 4 <= n; i += 4) {
        const std::int64_t grupo = w[i] + 10 * static_cast<std::int64_t>(w[i + 1]) +
                                   100 * static_cast<std::int64_t>(w[i + 2]) +
                                   1000 * static_cast<std::int64_t>(w[i + 3]);
        const std::int64_t alto = PisoDiezMil(grupo);
        const std::int64_t s = grupo - 10000 * alto + acarreo;
        std::int64_t k;
        if (static_cast<std::uint64_t>(s + 10000) < 30000) {
            k = static_cast<std::int64_t>(s >= 10000) - static_cast<std::int64_t>(s < 0);
        } else {
            k = PisoDiezMil(s);  // only with a carry of 10^4 or more
        }
        acarreo = alto + k;
        const std::uint32_t cuatro = CuatroCifras(static_cast<std::uint32_t>(s - 10000 * k));
        std::memcpy(r + i, &cuatro, 4);
    }
    if (i < n) {
        // The last one to three positions as one group, scaled up to four
        // digits so that it splits by 10^4 as the others do: its low digits
        // are then zeros, below the ones written.
        const int quedan = n - i;
        std::int64_t grupo = acarreo;
        for (int j = 0; j < quedan; ++j) grupo += w[i + j] * kPotencias10[j];
        grupo *= kPotencias10[4 - quedan];
        acarreo = PisoDiezMil(grupo);
        const std::uint32_t cuatro = CuatroCifras(static_cast<std::uint32_t>(grupo - 10000 * acarreo));
        for (int j = 0; j < quedan; ++j) r[i + j] = static_cast<Cifra>(cuatro >> (8 * (4 - quedan + j)));
    }
    return acarreo;
}

// v in [0, 10^n), n <= kCifrasEstimacion (nine), as its n digits r[0..n).
CUERPO void EscribirCifras(std::uint32_t v, int n, Cifra* r) {
    const std::uint64_t ocho = OchoCifras(v % 100000000);
    if (n == 9) {  // nearly always: every divisor of nine digits or more
        std::memcpy(r, &ocho, 8);
        r[8] = static_cast<Cifra>(v / 100000000);
        return;
    }
    Cifra bytes[8];  // n < 9: v below 10^8
    std::memcpy(bytes, &ocho, 8);
    for (int i = 0; i < n; ++i) r[i] = bytes[i];
}

// A divisor made ready for long divisions by it: its digits paired for the
// block passes, and what the estimate of a quotient digit needs. A
// modular power divides by the same modulus hundreds of times and makes it
// ready once.
struct Divisor {
    const Cifra* d;  // its digits, normalised
    int ld;
    // pares[i] = d[i] | d[i - juntas] << 16 (d zero below its digits),
    // two 16-bit halves, for i in [0, posiciones): the digits that an
    // estimate and the next one up, juntas positions up, subtract from the
    // same position. Only for a divisor of more than td digits, the only one
    // whose division makes block passes.
    const std::int32_t* pares;
    // The counters a block pass writes from its lower digit up: the ld - td
    // below the window, in whole vectors of 8 (fewer than ld - 1).
    int posiciones;
    int juntas;              // quotient positions per estimate: 4 or 2
    int td;                  // digits of d that the estimate reads
    std::int64_t arriba;     // the value of those top td digits
    std::int64_t reciproco;
    // bajo[m]: the divisor digit that a step subtracts from the position
    // entering the window m steps after it (zero when it subtracts nothing
    // there).
    std::int64_t bajo[2 * kMaxJuntas];
    // What an estimate takes from the window juntas steps later, ten times
    // over (the division carries ten times the window): for four, 10 *
    // (10^4 arriba + 1000 bajo[0] + 100 bajo[1] + 10 bajo[2] + bajo[3]).
    std::int64_t paso;
};

CUERPO void PrepararDivisor(const Cifra* d, int ld, Espacio& e, Divisor& p) {
    p.d = d;
    p.ld = ld;
    p.pares = nullptr;
    p.posiciones = 0;
    p.juntas = ld <= kCuatroJuntasHasta ? 4 : 2;
    if (ld > kCifrasEstimacion) {
        p.posiciones = (ld - kCifrasEstimacion + 7) / 8 * 8;
        std::int32_t* pares = Tomar(e.divisor_pares, ld);
        for (int i = 0; i < p.juntas; ++i) pares[i] = d[i];
        // Four at a time from there, each half widened from four digits:
        // the last four made start two or four below posiciones, a multiple
        // of 8, so they read no digit past d's (posiciones < ld - 1).
        const __m128i cero = _mm_setzero_si128();
        const auto cuatro = [&](int i) {
            std::int32_t bajo, alto;
            std::memcpy(&bajo, d + i, 4);
            std::memcpy(&alto, d + i - p.juntas, 4);
            const __m128i b = _mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(bajo), cero), cero);
            const __m128i a = _mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(alto), cero), cero);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(pares + i), _mm_or_si128(b, _mm_slli_epi32(a, 16)));
        };
        for (int i = p.juntas; i < p.posiciones; i += 4) cuatro(i);
        p.pares = pares;
    }
    // The divisor's top td digits, and the window's top td + 1 positions, at
    // the same scale: their quotient estimates the digit.
    p.td = std::min(ld, kCifrasEstimacion);
    static_assert(kCifrasEstimacion == 9, "the top eight digits in one word, and one more");
    if (p.td == kCifrasEstimacion) {  // every divisor of nine digits or more
        p.arriba = static_cast<std::int64_t>(Valor8(d + ld - 8)) * 10 + d[ld - 9];
    } else {
        p.arriba = 0;
        for (int t = 0; t < p.td; ++t) p.arriba += d[ld - p.td + t] * kPotencias10[t];
    }
    // The estimate is the high word of decuplo * reciproco, decuplo ten
    // times the window and reciproco = ceil(2^64 / (10 arriba)): a
    // multiplication instead of a division, exact for a non-negative
    // multiple of arriba, and one off only for a window a hair from a
    // multiple (the truncated top positions can make it one off anyway).
    // Both factors are signed (10 arriba >= 10 keeps reciproco below 2^63),
    // so the product is one instruction and the digit its high register.
    // 10 arriba, a multiple of 5, never divides 2^64, so floor(2^64 / (10
    // arriba)) is that of 2^64 - 1, a 64-bit division.
    p.reciproco = static_cast<std::int64_t>(std::numeric_limits<std::uint64_t>::max() /
                                            static_cast<std::uint64_t>(10 * p.arriba) +
                                            1);
    for (int m = 0; m < 2 * kMaxJuntas; ++m) p.bajo[m] = ld - p.td - 1 - m >= 0 ? d[ld - p.td - 1 - m] : 0;
    p.paso = p.arriba;
    for (int m = 0; m < p.juntas; ++m) p.paso = 10 * p.paso + p.bajo[m];
    p.paso *= 10;
}

// Brings a remainder acarreo * 10^n + r (digits r[0..n)), known to lie in
// [-d, 2d), into [0, d) by adding or taking away d (digits d[0..n), zero
// above its length); returns what that adds to the quotient (-1, 0 or 1,
// and more only if the remainder was further off, which the loop allows
// for as a guard).
CUERPO int CorregirResto(Cifra* r, const Cifra* d, int n, std::int64_t acarreo) {
    // From the top, eight positions at a time: a little-endian word of
    // digits has its most significant digit in its top byte, so the words
    // compare as the digits do.
    const auto menor_que_d = [&] {
        int i = n;
        for (; i >= 8; i -= 8) {
            std::uint64_t wr, wd;
            std::memcpy(&wr, r + i - 8, 8);
            std::memcpy(&wd, d + i - 8, 8);
            if (wr != wd) return wr < wd;
        }
        for (--i; i >= 0; --i) {
            if (r[i] != d[i]) return r[i] < d[i];
        }
        return false;
    };
    int ajuste = 0;
    for (;;) {
        if (acarreo < 0) {
            int c = 0;  // r += d
            for (int i = 0; i < n; ++i) {
                const int v = r[i] + d[i] + c;
                c = v >= 10;
                r[i] = static_cast<Cifra>(v - 10 * c);
            }
            acarreo += c;
            --ajuste;
        } else if (acarreo > 0 || !menor_que_d()) {
            int c = 0;  // r -= d
            for (int i = 0; i < n; ++i) {
                const int v = r[i] - d[i] - c;
                c = v < 0;
                r[i] = static_cast<Cifra>(v + 10 * c);
            }
            acarreo -= c;
            ++ajuste;
        } else {
            return ajuste;
        }
    }
}

// A block's subtraction, fila[i] -= c0 d[i] + cj d[i - j] for i in [0,
// posiciones) (whole vectors of 4; d zero outside its digits; j the
// divisor's juntas), from the divisor's pairs (Divisor::pares), with the
// pair par = c0 | cj << 16 of the block's two estimates, which fit 16 bits:
// pmaddwd multiplies the two 16-bit halves of each lane of the divisor's
// pairs by those of the estimates' pair and adds them, so a vector of
// counters takes one multiplication for both estimates.
CUERPO void RestarBloque(std::int32_t* fila, const std::int32_t* pares, int posiciones, std::int32_t par) {
    const __m128i a = _mm_set1_epi32(par);
    for (int i = 0; i < posiciones; i += 4) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(fila + i));
        const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pares + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(fila + i), _mm_sub_epi32(x, _mm_madd_epi16(y, a)));
    }
}

// With AVX2, eight counters a vector. Only the AVX2 set calls it, and the
// compiler inlines it there (it cannot be always_inline: the division's
// code that calls it is compiled for both sets before it is inlined).
[[gnu::target("avx2")]] inline void RestarBloqueAvx2(std::int32_t* fila, const std::int32_t* pares, int posiciones,
                                                     std::int32_t par) {
    const __m256i a = _mm256_set1_epi32(par);
    for (int i = 0; i < posiciones; i += 8) {
        const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(fila + i));
        const __m256i y = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pares + i));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(fila + i), _mm256_sub_epi32(x, _mm256_madd_epi16(y, a)));
    }
}

// Long division, one quotient position per step from the top. The partial
// remainder lives in 32-bit counters, one per decimal position, that may
// leave 0..9: a step subtracts its digit times the divisor without
// borrowing. The steps go in groups of Juntas positions (4, or 2 for a long
// divisor: see kCuatroJuntasHasta): the group's upper positions take the
// digit 0 and its lowest one all of the group's digits at once, 0..9999
// (0..99), since the quotient's counters, like the remainder's, may leave
// 0..9 until the end; the chain of estimates then has one link per Juntas
// positions. Each estimate is made from the top positions of the window;
// one that is one too high leaves a slightly negative remainder and one too
// low a remainder a little above the divisor, and the next group's estimate
// makes up for it (estimates may fall a little outside 0..9999 until the
// end). At the end the remainder's carries are propagated, one correction
// brings it into [0, d), and the quotient's carries are propagated.
//
// n may also be counters (T of 16 bits) with any values far below 10^8
// whose value is below 10^ln, such as a product's columns before their
// carries: they move the estimates no more than the counters of the
// remainder itself do.
//
// The division goes a block of two estimates at a time, so that two
// divisions by the same divisor can take turns block by block: the
// processor then runs one's chain of estimates while it waits on the
// other's.
//
// Without ConCociente only the remainder is made, and of the quotient's
// digits only the last is kept, which the remainder's correction needs.
template <class V, class T, bool ConCociente, int Juntas>
class DivisionPorBloques {
public:
    static constexpr int kPasosPorBloque = 2 * Juntas;
    static constexpr std::int64_t kEscala = kPotencias10[Juntas];

    // Counters for the dividend n (ln >= p.ld digits) in w, and room for
    // the quotient's digits in cociente.
    CUERPO DivisionPorBloques(const T* n, int ln, const Divisor& p, std::vector<std::int32_t>& w,
                              std::vector<std::int32_t>& cociente)
        : p_(p), pasos_(ln - p.ld + 1), fin_(pasos_) {
        w_ = Tomar(w, ln);
        for (int i = 0; i < ln; ++i) w_[i] = n[i];
        qq_ = Tomar(cociente, pasos_);
        // The window is kept as a 64-bit sum of its top positions' counters
        // and carried from step to step by what the step subtracts, so an
        // estimate needs neither the step before to have written its
        // counters nor a pass over the window.
        std::int64_t ventana = 0;  // the top td + 1 positions (the highest is zero)
        for (int t = 0; t < p.td; ++t) ventana += n[ln - p.td + t] * kPotencias10[t];
        decuplo_ = 10 * ventana;
        // The groups end at the units, so the top group may be short: its
        // positions above the steps take the digit 0, and the window takes
        // in the positions below them.
        for (; (fin_ - 1) % Juntas != 0; --fin_) {
            if constexpr (ConCociente) qq_[fin_ - 1] = 0;
            decuplo_ = 10 * decuplo_ + 10 * w_[fin_ - 2 + p.ld - p.td];
        }
    }

    CUERPO bool Quedan() const { return fin_ > 0; }

    // The steps go in blocks: the block's estimates come one after another
    // from the carried window, then one pass over the counters subtracts
    // both, each times the divisor at its place. The counters end up as a
    // step-by-step run would leave them.
    CUERPO void Bloque() {
        const int ld = p_.ld, td = p_.td, fin = fin_;
        const int inicio = std::max(0, fin - kPasosPorBloque);
        const std::int64_t reciproco = p_.reciproco, paso = p_.paso;
        std::int32_t* const w = w_;
        std::int32_t* const qq = qq_;
        std::int64_t decuplo = decuplo_;
        // What the block's first estimate subtracts, not yet written, from
        // the positions the second one's window takes in. The window Juntas
        // steps on is 10^Juntas (ventana - digito * arriba) plus the
        // entering positions less what the steps take from them; all but
        // the estimate's own share is made while it is estimated, so the
        // chain from one estimate to the next is the estimate's multiply,
        // one more multiply and one subtraction.
        std::int64_t pendiente[Juntas] = {};
        // The block's estimates, at most two, as the 16-bit halves of one
        // lane for the pass below, the lower one in the lower half.
        std::uint32_t par = 0;
        for (int j = fin - 1; j >= inicio; j -= Juntas) {  // j: a group's lowest position
            const auto digito = static_cast<std::int64_t>((static_cast<Entero128>(decuplo) * reciproco) >> 64);
            if (ConCociente || j == 0) qq[j] = static_cast<std::int32_t>(digito);
            par = par << 16 | (static_cast<std::uint32_t>(digito) & 0xFFFF);
            if (j == 0) break;
            std::int64_t entran = 0;
            for (int m = 1; m <= Juntas; ++m) {
                if (ConCociente && m < Juntas) qq[j - m] = 0;  // the next group's upper positions
                entran = 10 * entran + (w[j - m + ld - td] - pendiente[m - 1]);
            }
            decuplo = kEscala * decuplo + 10 * entran - digito * paso;
            for (int m = 0; m < Juntas; ++m) pendiente[m] = digito * p_.bajo[Juntas + m];
        }
        decuplo_ = decuplo;
        fin_ = inicio;
        // Only the counters below the window are read again: by the windows
        // of the blocks below, which take in positions below ld - td past
        // this block's lower estimate, and by the remainder's settling,
        // which reads the ld - td positions below the last window. The
        // positions the window has taken in are left as they are; with a
        // divisor of td digits or fewer that is all of them, and there is
        // nothing to write.
        if (ld == td) return;
        // The block's estimates sit on the groups' lowest positions, a
        // multiple of Juntas: the lower at `primera`, the other Juntas
        // positions up (none when the block, the last one at the bottom, is
        // short). They fit 16 bits: arriba, of td = kCifrasEstimacion
        // digits, is at least 10^8, and the window of an estimate is below
        // some 1.2 10^Juntas times arriba (a remainder within a fifth of a
        // divisor of [0, d), times 10^Juntas) plus counters below 10^8.
        const int primera = (inicio + Juntas - 1) / Juntas * Juntas;
        // Fewer than ld positions, all within the dividend (the block's
        // lower estimate is at least ld positions below its top).
        if constexpr (sizeof(V) == 32) {
            RestarBloqueAvx2(w + primera, p_.pares, p_.posiciones, static_cast<std::int32_t>(par));
        } else {
            RestarBloque(w + primera, p_.pares, p_.posiciones, static_cast<std::int32_t>(par));
        }
    }

    // After the last block: r = n mod d (ld positions of room) and, unless q
    // is null, q = n div d (pasos positions of room), with their lengths.
    CUERPO void Terminar(Cifra* q, int* lq, Cifra* r, int* lr) {
        const int ld = p_.ld, td = p_.td;
        const std::int64_t arriba = p_.arriba;
        std::int32_t* const qq = qq_;
        // Remainder. The window after the last digit is the exact value of
        // every position from ld - td up (what the steps left above the
        // remainder's positions included), so only the positions below it
        // are settled from their counters; their carry joins the window's
        // value, whose digits are the remainder's top td. Each estimate is
        // at most one off, so the remainder lies in [-d, 2d): its top below
        // arriba, and not negative, says at once that it lies in [0, d); else
        // one correction brings it there.
        const std::int64_t arriba_resto = decuplo_ / 10 - qq[0] * arriba + Asentar(w_, ld - td, r);
        if (arriba_resto >= 0 && arriba_resto < arriba) {
            EscribirCifras(static_cast<std::uint32_t>(arriba_resto), td, r + ld - td);
            // A top of td digits: the remainder is ld long.
            *lr = arriba_resto >= kPotencias10[td - 1] ? ld : SinCerosArriba(r, ld);
        } else {
            const std::int64_t acarreo = Piso(arriba_resto, kPotencias10[td]);
            EscribirCifras(static_cast<std::uint32_t>(arriba_resto - acarreo * kPotencias10[td]), td, r + ld - td);
            qq[0] += CorregirResto(r, p_.d, ld, acarreo);
            *lr = SinCerosArriba(r, ld);
        }

        if (!ConCociente || q == nullptr) return;
        Asentar(qq, pasos_, q);  // the quotient fits its positions: no carry is left
        *lq = SinCerosArriba(q, pasos_);
    }

private:
    const Divisor& p_;
    std::int32_t* w_;
    std::int32_t* qq_;
    const int pasos_;
    int fin_;               // the steps still to make are 0 .. fin_ - 1
    std::int64_t decuplo_;  // ten times the window
};

// Juntas is the prepared divisor's: the callers choose the form made for it
// once, at the top, so that a power's loop holds only that form.
template <class V, class T, bool ConCociente, int Juntas>
CUERPO void DividirPor(const T* n, int ln, const Divisor& p, Cifra* q, int* lq, Cifra* r, int* lr, Espacio& e) {
    DivisionPorBloques<V, T, ConCociente, Juntas> division(n, ln, p, e.resto, e.cociente);
    while (division.Quedan()) division.Bloque();
    division.Terminar(q, lq, r, lr);
}

// The quotient's digits are made only when q asks for them.
template <class V>
CUERPO void DivisionCuerpo(const Cifra* n, int ln, const Cifra* d, int ld, Cifra* q, int* lq, Cifra* r,
                           int* lr) {
    Espacio& e = EspacioDeEsteHilo();
    Divisor p;
    PrepararDivisor(d, ld, e, p);
    if (p.juntas == 4) {
        if (q == nullptr) {
            DividirPor<V, Cifra, false, 4>(n, ln, p, q, lq, r, lr, e);
        } else {
            DividirPor<V, Cifra, true, 4>(n, ln, p, q, lq, r, lr, e);
        }
    } else {
        DividirPor<V, Cifra, true, 2>(n, ln, p, q, lq, r, lr, e);  // with or without q: rare enough for one form
    }
}

// x (lx digits) reduced modulo the prepared divisor, into r; x may have high
// zeros. Returns the length of r.
template <class V, int Juntas>
CUERPO int ReducirPor(const Cifra* x, int lx, const Divisor& p, Cifra* r, Espacio& e) {
    lx = SinCerosArriba(x, lx);
    if (lx < p.ld) {
        std::memmove(r, x, static_cast<std::size_t>(lx));
        return lx;
    }
    int lr = 0, sin_uso = 0;
    DividirPor<V, Cifra, false, Juntas>(x, lx, p, nullptr, &sin_uso, r, &lr, e);
    return lr;
}

// The value of the columns c[0..lc) of a product (before their carries,
// the value below 10^lc) modulo the prepared divisor,
// into r; returns the length of r. The division takes the columns as its
// counters, so their carries are never settled on their own.
template <class V, int Juntas>
CUERPO int ReducirColumnas(const std::uint16_t* c, int lc, const Divisor& p, Cifra* r, Espacio& e) {
    if (lc < p.ld) {  // below 10^(ld - 1): already reduced
        AsentarColumnas(c, lc, r);
        return SinCerosArriba(r, lc);
    }
    int lr = 0, sin_uso = 0;
    DividirPor<V, std::uint16_t, false, Juntas>(c, lc, p, nullptr, &sin_uso, r, &lr, e);
    return lr;
}

// Two product columns (as ReducirColumnas takes them, each at least p.ld
// long) reduced modulo the same prepared divisor, their divisions taking
// turns block by block; the remainders go to ra and rb, whose lengths are
// returned in la and lb.
template <class V, int Juntas>
CUERPO void ReducirDosColumnas(const std::uint16_t* a, int* la, const std::uint16_t* b, int* lb, const Divisor& p,
                               Cifra* ra, Cifra* rb, Espacio& e) {
    DivisionPorBloques<V, std::uint16_t, false, Juntas> x(a, *la, p, e.resto, e.cociente),
        y(b, *lb, p, e.resto_par, e.cociente_par);
    while (x.Quedan() || y.Quedan()) {
        if (x.Quedan()) x.Bloque();
        if (y.Quedan()) y.Bloque();
    }
    int sin_uso = 0;
    x.Terminar(nullptr, &sin_uso, ra, la);
    y.Terminar(nullptr, &sin_uso, rb, lb);
}

// x = x^2 mod the prepared divisor (x of lx digits, room for them and for
// the divisor's), by way of producto (room for 2 lx + 1 digits); false when
// the square would pass kMaxDigitos digits. Columns of at most
// kFilasPorBloque digits (nearly always: only a long base is not) go
// straight into the division.
template <class V, int Juntas>
CUERPO bool CuadrarYReducir(Cifra* x, int& lx, const Divisor& p, Cifra* producto, Espacio& e) {
    if (lx <= kFilasPorBloque) {
        lx = ReducirColumnas<V, Juntas>(ColumnasCuadrado<V>(x, lx, e.columnas, e), 2 * lx, p, x, e);
        return true;
    }
    if (2 * lx - 1 > kMaxDigitos) return false;
    const int lp = CuadradoCuerpo<V>(x, lx, producto);
    if (lp > kMaxDigitos) return false;
    lx = ReducirPor<V, Juntas>(producto, lp, p, x, e);
    return true;
}

// x = x * y mod the prepared divisor, as CuadrarYReducir.
template <class V, int Juntas>
CUERPO bool MultiplicarYReducir(Cifra* x, int& lx, const Cifra* y, int ly, const Divisor& p, Cifra* producto,
                                Espacio& e) {
    if (lx <= kFilasPorBloque && ly <= kFilasPorBloque) {
        lx = ReducirColumnas<V, Juntas>(ColumnasProducto<V>(x, lx, y, ly, e.columnas, e), lx + ly, p, x, e);
        return true;
    }
    if (lx + ly - 1 > kMaxDigitos) return false;
    const int lq = ProductoCuerpo<V>(x, lx, y, ly, producto);
    if (lq > kMaxDigitos) return false;
    lx = ReducirPor<V, Juntas>(producto, lq, p, x, e);
    return true;
}

// Moduli for which a power makes its products and squares in pairs (below).
constexpr int kParejasHasta = 100;

// base^e mod m by squaring and multiplying from the lowest bit of e, with
// the base not reduced before its first squaring: bits[0..nbits) are e's
// bits (nbits >= 2), p is m made ready (m non-zero; Juntas its own).
// Returns the length of r (room for lm digits), or -1 when a square or
// product would pass kMaxDigitos digits.
//
// The product that a 1-bit asks for (the result so far times that bit's
// square) is made together with the next bit's square, since both take the
// same square: their two divisions take turns, so that each fills the time
// the other's chain of estimates leaves idle. That pays for moduli of up to
// kParejasHasta digits; for longer ones the passes over the counters, not
// the chains, set the pace, and they go one after the other.
template <class V, int Juntas>
CUERPO int PotenciaPor(const Cifra* base, int lb, const Cifra* bits, int nbits, const Divisor& p, Cifra* r,
                       Espacio& e) {
    const int lm = p.ld;
    const int tope = std::max(lb, lm);
    Cifra* cuadrado = Tomar(e.potencia[0], tope + 1);
    Cifra* acumulado = Tomar(e.potencia[1], tope + 1);
    Cifra* producto = Tomar(e.potencia[2], 2 * tope + 2);
    std::memcpy(cuadrado, base, static_cast<std::size_t>(lb));
    int lc = lb, la = 1;
    if (bits[0] == 1) {
        std::memcpy(acumulado, base, static_cast<std::size_t>(lb));
        la = lb;
    } else {
        acumulado[0] = 1;
    }
    // Step k squares for bit k and makes bit k - 1's product, from the same
    // square; the last bit's product comes after the last step.
    for (int k = 1; k <= nbits; ++k) {
        const bool con_producto = k >= 2 && bits[k - 1] == 1, con_cuadrado = k < nbits;
        if (con_producto && con_cuadrado && lm <= kParejasHasta && la <= kFilasPorBloque && lc <= kFilasPorBloque &&
            2 * lc >= lm && la + lc >= lm) {
            std::uint16_t* columnas_cuadrado = ColumnasCuadrado<V>(cuadrado, lc, e.columnas, e);
            std::uint16_t* columnas_producto = ColumnasProducto<V>(acumulado, la, cuadrado, lc, e.columnas_par, e);
            int largo_cuadrado = 2 * lc, largo_producto = la + lc;  // the columns', then the remainders'
            ReducirDosColumnas<V, Juntas>(columnas_cuadrado, &largo_cuadrado, columnas_producto, &largo_producto, p,
                                          cuadrado, acumulado, e);
            lc = largo_cuadrado;
            la = largo_producto;
            continue;
        }
        // The product first: the square overwrites what it takes.
        if (con_producto && !MultiplicarYReducir<V, Juntas>(acumulado, la, cuadrado, lc, p, producto, e)) return -1;
        if (con_cuadrado && !CuadrarYReducir<V, Juntas>(cuadrado, lc, p, producto, e)) return -1;
    }
    std::memcpy(r, acumulado, static_cast<std::size_t>(la));
    return la;
}

template <class V>
CUERPO int PotenciaCuerpo(const Cifra* base, int lb, const Cifra* bits, int nbits, const Cifra* m, int lm, Cifra* r) {
    Espacio& e = EspacioDeEsteHilo();
    Divisor p;
    PrepararDivisor(m, lm, e, p);
    if (p.juntas == 4) return PotenciaPor<V, 4>(base, lb, bits, nbits, p, r, e);
    return PotenciaPor<V, 2>(base, lb, bits, nbits, p, r, e);
}

// While Euclid's remainders are made, their numbers are kept as groups of
// eight digits: group j holds the value of the digits 8j .. 8j + 7, below
// 10^8, the units' group first. A remainder's pass then reads and writes
// one word per eight digits, and digits are made again only for a long
// division and for the result.
constexpr std::int64_t kGrupo = 100000000;

// Zero groups on each side of a number's groups: the one below the units
// is read by the estimate of a quotient of one-group numbers, the ones
// above by the cofactors' passes, which run up to two groups past the
// longer of them.
constexpr int kMargenGrupos = 2;

// Quotients below this, one group, are taken by one pass over the groups
// when their estimate is near enough (nearly all of Euclid's). A quotient
// of one group keeps every carry of RestarMultiplo and SumarMultiplo within
// one unit of 10^8, so that each group is set right by adding or taking
// away one 10^8 at most.
constexpr std::int64_t kCocienteCorto = kGrupo;

// n groups at zero, with kMargenGrupos zero groups on each side; returns
// the first of the n.
CUERPO std::int64_t* GruposACero(std::vector<std::int64_t>& v, int n) {
    const int total = kMargenGrupos + n + kMargenGrupos;
    std::int64_t* x = Tomar(v, total);
    std::fill(x, x + total, std::int64_t{0});
    return x + kMargenGrupos;
}

// The number of groups of x[0..n) up to its top non-zero one (0 for zero).
CUERPO int SinGruposArriba(const std::int64_t* x, int n) {
    while (n > 0 && x[n - 1] == 0) --n;
    return n;
}

// The digits d[0..n) as groups into x; returns their number up to the top
// non-zero one. The whole groups are read from d itself, and a short top
// group digit by digit: a padded copy of d read back a word at a time would
// make each read wait for the copy's stores to reach the cache.
CUERPO int EnGrupos(const Cifra* d, int n, std::int64_t* x) {
    const int llenos = n / 8;
    for (int j = 0; j < llenos; ++j) x[j] = static_cast<std::int64_t>(Valor8(d + 8 * j));
    if (n % 8 == 0) return SinGruposArriba(x, llenos);
    std::int64_t arriba = 0;
    for (int i = n - 1; i >= 8 * llenos; --i) arriba = 10 * arriba + d[i];
    x[llenos] = arriba;
    return SinGruposArriba(x, llenos + 1);
}

// The value of the groups x[n - 1] and x[n - 2] of a number (n >= 1; the
// zero group below the units stands for x[-1]).
CUERPO std::int64_t Arriba(const std::int64_t* x, int n) { return x[n - 1] * kGrupo + x[n - 2]; }

// g div s for g >= s > 0 (g of ng groups), estimated from g_arriba and
// s_arriba, the top two groups of g and the same two of s. The groups below
// move g / s from that by less than (q + 1) / s_arriba, nothing when there
// are none (ng <= 2). When that is below a hundredth and the estimate below
// kCocienteCorto, it is off by at most one either way (and a double's
// rounding by one more). Otherwise returns -1: the quotient is left to the
// long division.
//
// The division of the tops is the link of Euclid's chain that each
// remainder waits for. With DivisionEntera it is one 64-bit integer
// division, about ten cycles on processors whose divider is fast (the set
// chosen for them, see Avx2()); otherwise in floating point, which on older
// processors divides several times faster than 64-bit integers.
template <bool DivisionEntera>
CUERPO std::int64_t EstimarCociente(std::int64_t g_arriba, std::int64_t s_arriba, int ng) {
    if (s_arriba == 0) return -1;
    if constexpr (DivisionEntera) {
        const std::int64_t q = g_arriba / s_arriba;
        const bool cerca = ng <= 2 || 100 * (q + 1) <= s_arriba;
        return q < kCocienteCorto && cerca ? q : -1;
    } else {
        const double q = static_cast<double>(g_arriba) / static_cast<double>(s_arriba);
        const bool cerca = ng <= 2 || 100 * (q + 1) <= static_cast<double>(s_arriba);
        return q < kCocienteCorto && cerca ? static_cast<std::int64_t>(q) : -1;
    }
}

// g mod s for numbers of up to two groups, g >= 0 and s > 0 below 10^16:
// one 64-bit division, or, as EstimarCociente chooses, one of doubles,
// whose quotient is then within a few units and set right.
template <bool DivisionEntera>
CUERPO std::int64_t RestoDeDosGrupos(std::int64_t g, std::int64_t s) {
    if constexpr (DivisionEntera) {
        return static_cast<std::int64_t>(static_cast<std::uint64_t>(g) % static_cast<std::uint64_t>(s));
    } else {
        std::int64_t r = g - static_cast<std::int64_t>(static_cast<double>(g) / static_cast<double>(s)) * s;
        while (r < 0) r += s;
        while (r >= s) r -= s;
        return r;
    }
}

// g - q s over the groups [0, n) into r (which may be g), for q below
// kCocienteCorto; returns the carry out of the top group, so that the value
// is carry * 10^(8n) + r. Each group is split into a low part and its carry
// into the next, in [1 - 10^8, 0], before the chain of carries reaches it;
// that chain then only moves a group by a borrow of one unit of 10^8, which
// is the sign of the sum: an addition and a shift per group.
CUERPO std::int64_t RestarMultiplo(const std::int64_t* g, const std::int64_t* s, int n, std::int64_t q,
                                   std::int64_t* r) {
    constexpr std::int64_t kDesplazamiento = kCocienteCorto * kGrupo;  // makes g - q s non-negative
    std::int64_t arrastre = 0;  // the carry of the group below, before its borrow
    std::int64_t prestamo = 0;  // the borrow of the group below: -1 or 0
    for (int j = 0; j < n; ++j) {
        const auto t = static_cast<std::uint64_t>(g[j] - q * s[j] + kDesplazamiento);
        const auto alto = static_cast<std::int64_t>(t / kGrupo);
        const std::int64_t v = static_cast<std::int64_t>(t) - alto * kGrupo + arrastre + prestamo;  // in [-10^8, 10^8)
        prestamo = v >> 63;
        r[j] = v - prestamo * kGrupo;
        arrastre = alto - kCocienteCorto;
    }
    return arrastre + prestamo;
}

// Brings a remainder acarreo * 10^(8n) + r, known to lie near [0, s), into
// [0, s) by adding or taking away s (zero above its groups up to n);
// returns what that adds to the quotient.
CUERPO std::int64_t CorregirGrupos(std::int64_t* r, const std::int64_t* s, int n, std::int64_t acarreo) {
    const auto menor_que_s = [&] {
        for (int j = n - 1; j >= 0; --j) {
            if (r[j] != s[j]) return r[j] < s[j];
        }
        return false;
    };
    std::int64_t ajuste = 0;
    for (;;) {
        std::int64_t c = 0;
        if (acarreo < 0) {  // r += s
            for (int j = 0; j < n; ++j) {
                const std::int64_t v = r[j] + s[j] + c;
                c = v >= kGrupo;
                r[j] = v - c * kGrupo;
            }
            acarreo += c;
            --ajuste;
        } else if (acarreo > 0 || !menor_que_s()) {  // r -= s
            for (int j = 0; j < n; ++j) {
                const std::int64_t v = r[j] - s[j] - c;
                c = v < 0;
                r[j] = v + c * kGrupo;
            }
            acarreo -= c;
            ++ajuste;
        } else {
            return ajuste;
        }
    }
}

// t[0..n) += f x[0..n) for f up to 10^8, when the sum fits the n groups.
// Split as in RestarMultiplo, with only carries upward (each at most
// 10^8).
CUERPO void SumarMultiplo(std::int64_t* t, const std::int64_t* x, int n, std::int64_t f) {
    std::int64_t acarreo = 0;
    for (int j = 0; j < n; ++j) {
        const auto v = static_cast<std::uint64_t>(t[j] + f * x[j]);
        const auto alto = static_cast<std::int64_t>(v / kGrupo);
        const std::int64_t bajo = static_cast<std::int64_t>(v) - alto * kGrupo + acarreo;
        const std::int64_t k = bajo >= kGrupo;
        acarreo = alto + k;
        t[j] = bajo - k * kGrupo;
    }
}

// The digits of the groups x[0..n) into r, up to the top group's top
// non-zero digit (one digit for zero), for which r has room; returns their
// length. The top group's digits are stored one by one from the word that
// holds them, so nothing is written past them.
CUERPO int CopiarCifras(const std::int64_t* x, int n, Cifra* r) {
    n = std::max(n, 1);
    for (int j = 0; j + 1 < n; ++j) {
        const std::uint64_t ocho = OchoCifras(static_cast<std::uint32_t>(x[j]));
        std::memcpy(r + 8 * j, &ocho, 8);
    }
    std::uint64_t arriba = OchoCifras(static_cast<std::uint32_t>(x[n - 1]));
    int l = 8 * (n - 1);
    do {
        r[l++] = static_cast<Cifra>(arriba & 0xFF);
        arriba >>= 8;
    } while (arriba != 0);
    return l;
}

// g mod s by the long division, for the quotients EstimarCociente leaves
// (g >= s > 0, of ng and ns groups), into g, whose groups above the
// remainder's become zero; the digits of both go through a and b (room for
// 8 ng digits each). The quotient's digits go to cociente (when not null)
// and their length to *lq.
template <class V>
CUERPO void RestoLargo(std::int64_t* g, int ng, const std::int64_t* s, int ns, Cifra* a, Cifra* b,
                       Cifra* cociente, int* lq) {
    const int la = CopiarCifras(g, ng, a);
    const int lb = CopiarCifras(s, ns, b);
    int lr = 0;
    DivisionCuerpo<V>(a, la, b, lb, cociente, lq, a, &lr);
    EnGrupos(a, lr, g);
    std::fill(g + (lr + 7) / 8, g + ng, std::int64_t{0});
}

// Quotients below this let the next step's estimate start from r's top
// foreseen: it is then at most this many units of its lower group above the
// exact one, a relative error below 10^-5.
constexpr std::int64_t kCocientePrevisto = 1000;

// Euclid's remainders on a pair of numbers kept in groups: at each step g
// and s (g >= s > 0) become s and g mod s.
//
// Each step's quotient is estimated from the top two groups of g and s. The
// pass that makes a remainder reaches its top groups last, so the next
// estimate does not wait for it: when the quotient is small and the
// remainder keeps g's groups, it takes s's top as foreseen from the tops of
// the two numbers before it, g_arriba - q s_arriba, which the carry from
// the groups below lowers by at most q. The chain from one quotient to the
// next then runs while the pass does; a step that needs a correction, or
// whose remainder loses a group, reads the tops again.
template <class V, bool DivisionEntera>
class RestosEnGrupos {
public:
    // g0 >= s0 > 0 (normalised) as groups, in room for `grupos` groups.
    CUERPO RestosEnGrupos(const Cifra* g0, int lg0, const Cifra* s0, int ls0, int grupos, Espacio& e)
        : digitos_g_(Tomar(e.euclides[0], 8 * grupos)),
          digitos_s_(Tomar(e.euclides[1], 8 * grupos)),
          g_(GruposACero(e.grupos[0], grupos)),
          s_(GruposACero(e.grupos[1], grupos)),
          ng_(EnGrupos(g0, lg0, g_)),
          ns_(EnGrupos(s0, ls0, s_)),
          s_previsto_(Arriba(s_, ng_)) {}

    const std::int64_t* g() const { return g_; }
    int ng() const { return ng_; }
    const std::int64_t* s() const { return s_; }
    int ns() const { return ns_; }

    // One step. Returns its quotient when a pass took it, or -1 when the
    // long division did; the quotient's digits then go to cociente (when not
    // null, room for 8 ng digits) and their length to *lq.
    CUERPO std::int64_t Paso(Cifra* cociente, int* lq) {
        // In locals: the passes' writes to groups could otherwise stand for
        // writes to the members, which would then be read again.
        std::int64_t* const g = g_;
        std::int64_t* const s = s_;
        const int ng = ng_;
        const std::int64_t g_arriba = Arriba(g, ng);  // its pass two steps behind
        const std::int64_t q = EstimarCociente<DivisionEntera>(g_arriba, s_previsto_, ng);
        if (q < 0) {
            RestoLargo<V>(g, ng, s, ns_, digitos_g_, digitos_s_, cociente, lq);
            Cambiar();
            return -1;
        }
        const std::int64_t r_previsto = g_arriba - q * Arriba(s, ng);  // s's pass a step behind
        const std::int64_t ajuste = CorregirGrupos(g, s, ng, RestarMultiplo(g, s, ng, q, g));
        if (ajuste == 0 && q < kCocientePrevisto && r_previsto - q >= kGrupo) {
            // r keeps ng groups, and so does s, between g and r.
            g_ = s;
            s_ = g;
            ns_ = ng;
            s_previsto_ = r_previsto;
            return q;
        }
        Cambiar();
        return q + ajuste;
    }

private:
    // g, now the remainder, and s change places; the tops are read again.
    CUERPO void Cambiar() {
        ng_ = SinGruposArriba(g_, ng_);
        std::swap(g_, s_);
        std::swap(ng_, ns_);
        if (ns_ > 0) s_previsto_ = Arriba(s_, ng_);
    }

    Cifra* const digitos_g_;  // room for the long division's digits
    Cifra* const digitos_s_;
    std::int64_t* g_;
    std::int64_t* s_;
    int ng_;
    int ns_;
    std::int64_t s_previsto_;  // s's top two groups at g's top: exact, or foreseen by the step before
};

// Euclid's remainders on g >= s > 0 (normalised) until one is zero: r gets
// the last non-zero remainder (room for lg digits); returns the number of
// divisions made (1 when s divides g, and r is then s).
template <class V, bool DivisionEntera>
CUERPO int EuclidesCuerpo(const Cifra* g0, int lg0, const Cifra* s0, int ls0, Cifra* r, int* lr) {
    Espacio& e = EspacioDeEsteHilo();
    const int grupos = (lg0 + 7) / 8;
    RestosEnGrupos<V, DivisionEntera> restos(g0, lg0, s0, ls0, grupos, e);
    int divisiones = 0;
    while (restos.ns() > 0 && restos.ng() > 2) {
        int sin_uso = 0;
        restos.Paso(nullptr, &sin_uso);
        ++divisiones;
    }
    if (restos.ns() == 0) {
        *lr = CopiarCifras(restos.g(), restos.ng(), r);
        return divisiones;
    }
    // Every Euclid that gets this far ends on numbers of at most two groups,
    // below 10^16, whose remainders are each one division of words.
    std::int64_t g = Arriba(restos.g(), 2), s = Arriba(restos.s(), 2);
    do {
        const std::int64_t resto = RestoDeDosGrupos<DivisionEntera>(g, s);
        g = s;
        s = resto;
        ++divisiones;
    } while (s != 0);
    const std::int64_t grupos_g[2] = {g % kGrupo, g / kGrupo};
    *lr = CopiarCifras(grupos_g, grupos_g[1] != 0 ? 2 : 1, r);
    return divisiones;
}

// The inverse of a modulo m (2 <= a < m, normalised) by Euclid's remainders
// on (m, a), carrying for each remainder r_k the cofactor s_k with
// a * s_k = (-1)^k r_k (mod m): s_(k+1) = s_(k-1) + q s_k for the quotient q
// of that remainder. At the remainder 1 the inverse is s_k or m - s_k; a
// remainder 0 first means the gcd, the remainder before it, is not 1.
// Returns whether the inverse exists; r (room for lm digits) gets it, or
// else the gcd, and *lr its length. Every cofactor lies below m, so all of
// them fit m's groups.
template <class V, bool DivisionEntera>
CUERPO bool InversoCuerpo(const Cifra* m, int lm, const Cifra* a0, int la0, Cifra* r, int* lr) {
    Espacio& e = EspacioDeEsteHilo();
    const int grupos = (lm + 7) / 8;
    RestosEnGrupos<V, DivisionEntera> restos(m, lm, a0, la0, grupos, e);  // r_(k-1) and r_k
    Cifra* digitos = Tomar(e.euclides[2], 8 * grupos);      // a quotient left to the long division
    std::int64_t* s0 = GruposACero(e.grupos[2], grupos);   // s_(k-1)
    std::int64_t* s1 = GruposACero(e.grupos[3], grupos);   // s_k
    std::int64_t* grupos_q = GruposACero(e.grupos[4], grupos);
    s1[0] = 1;
    int n0 = 0, n1 = 1;
    bool impar = false;  // k odd
    while (restos.ns() > 1 || restos.s()[0] > 1) {
        int lq = 0;
        const std::int64_t q = restos.Paso(digitos, &lq);
        if (q >= 0) {
            // Below (q + 1) 10^(8 max(n0, n1)): one group more, or two for
            // the rare quotient that the correction took to 10^8 or above.
            const int n = std::max(n0, n1) + (q < kGrupo ? 1 : 2);
            SumarMultiplo(s0, s1, n, q);
            n0 = SinGruposArriba(s0, n);
        } else {
            const int nq = (lq + 7) / 8;
            EnGrupos(digitos, lq, grupos_q);
            // Each partial sum lies below the whole one, so below m.
            for (int j = 0; j < nq; ++j) SumarMultiplo(s0 + j, s1, grupos - j, grupos_q[j]);
            n0 = SinGruposArriba(s0, grupos);
        }
        std::swap(s0, s1);
        std::swap(n0, n1);
        impar = !impar;
    }
    if (restos.ns() == 0) {  // the gcd, r_(k-1), is not 1
        *lr = CopiarCifras(restos.g(), restos.ng(), r);
        return false;
    }
    if (impar) {  // m - s_k, with s_k below m
        EnGrupos(m, lm, grupos_q);
        RestarMultiplo(grupos_q, s1, grupos, 1, s1);
        n1 = SinGruposArriba(s1, grupos);
    }
    *lr = CopiarCifras(s1, n1, r);
    return true;
}

// Integer square root by the long-hand method on pairs of digits. With Q
// the root so far, A the remainder and T = 2Q, each pair p brought down
// makes A' = 100 A + p, and the next root digit is the largest x with
// (10 T + x) x <= A'; then A becomes A' - (10 T + x) x, below T + 2x + 1,
// and T becomes 10 T + 2x. Returns the length of the root, (n + 1) / 2.
//
// A and T are kept as groups of eight digits, as Euclid keeps its numbers
// (kGrupo), so a step passes over one word per eight digits of the root.
// The pass makes A's top last, so the digit's estimate does not wait for
// it: it starts from A and T foreseen from their tops as the pass before
// left them, the digit since and its pair. While T has at most two groups
// those tops are the whole of A and T, the foreseen values are exact and
// the digit is lowered on them to the one that fits. With more, they bound
// A from above and T from below at the scale of T's second group, within
// about a hundred units of it, and T's top groups hold nine digits or
// more, so the estimate is never below the digit and one too high only
// when A' / (10 T) lies within about 10^-6 of an integer: a pass that
// leaves A' below zero says so, and two passes mend A and T.
CUERPO int RaizCuerpo(const Cifra* x, int n, Cifra* raiz) {
    const int cifras = (n + 1) / 2;
    int posicion = n - 1;  // next digit of x to bring down
    int grupo = x[posicion--];
    if (n % 2 == 0) grupo = 10 * grupo + x[posicion--];
    int r0 = 0;
    while ((r0 + 1) * (r0 + 1) <= grupo) ++r0;
    raiz[cifras - 1] = static_cast<Cifra>(r0);
    // A root of one digit is done. Any longer one has a non-zero top pair
    // (x is normalised), so T >= 2 from here on.
    if (cifras == 1) return 1;

    // T < 2 * 10^cifras: at most cifras / 8 + 2 groups, and a zero group
    // above them for the passes' top.
    Espacio& e = EspacioDeEsteHilo();
    const int grupos = cifras / 8 + 3;
    std::int64_t* a = Tomar(e.raiz[0], grupos);
    std::int64_t* t = Tomar(e.raiz[1], grupos);
    std::fill(a, a + grupos, std::int64_t{0});
    std::fill(t, t + grupos, std::int64_t{0});
    a[0] = grupo - r0 * r0;
    t[0] = 2 * r0;
    int nt = 1;  // T's groups

    // A and T foreseen for the next digit: exact values (exactos), or
    // bounds at some scale, A's from above and T's from below; and what the
    // estimate multiplies by instead of dividing by 10 T, made before the
    // digit it waits for: 1 / (10 T) or less, times kHolgura for the
    // doubles' rounding (and times 10 for the bounds).
    constexpr double kHolgura = 1.0 + 1e-9;
    std::int64_t va = a[0], vt = t[0];
    bool exactos = true;
    double inverso = kHolgura / (10.0 * static_cast<double>(vt));
    constexpr std::int64_t kDosGrupos = kGrupo * kGrupo;

    for (int escrita = cifras - 2; escrita >= 0; --escrita) {
        const std::int64_t par = 10 * x[posicion] + x[posicion - 1];
        posicion -= 2;

        // A' / (10 T) from above, cut to 9 without a branch: on the exact
        // values, then lowered to the digit; or, with bounds, A' below
        // 100 (va + 1) and 10 T at least 10 vt at their scale.
        std::int64_t digito;
        if (exactos) {
            const std::int64_t a_nuevo = 100 * va + par, diez_t = 10 * vt;
            digito = std::min<std::int64_t>(9, static_cast<std::int64_t>(static_cast<double>(a_nuevo) * inverso));
            while (digito * (diez_t + digito) > a_nuevo) --digito;
        } else {
            digito = std::min<std::int64_t>(9, static_cast<std::int64_t>((static_cast<double>(va) + 1.0) * inverso));
        }

        // The tops of A and T as the last pass left them, before this one
        // writes: with the digit and its pair they give the next digit's va
        // and vt.
        const int h = nt - 1;
        const bool tops_exactos = nt <= 2;
        const std::int64_t arriba_a = tops_exactos ? a[1] * kGrupo + a[0] : a[h] * kGrupo + a[h - 1];
        const std::int64_t arriba_t = tops_exactos ? t[1] * kGrupo + t[0] : t[h] * kGrupo + t[h - 1];
        // What the groups below them bring up into the scale of group h - 1
        // when A is multiplied by 100 and T by 10, rounded down.
        const std::int64_t sube_a = tops_exactos ? 0 : a[h - 2] / 1000000;
        const std::int64_t sube_t = tops_exactos ? 0 : t[h - 2] / 10000000;

        // A = 100 A + p - x (10 T + x) and T = 10 T + 2x in one pass over
        // the groups [0, nt], 10 T's top being group nt; p - x^2 and 2x
        // enter as the carries into group 0. Each group of A is split into
        // its own carry and a part in [0, 10^8) before the carry from below
        // arrives, which then moves it by less than one 10^8 either way.
        const std::int64_t diez_x = 10 * digito;
        std::int64_t acarreo = par - digito * digito;  // in [-81, 99]
        std::int64_t arrastre = 2 * digito;           // T's
        for (int j = 0; j <= nt; ++j) {
            const std::int64_t tj = t[j];
            // In (-9 10^9, 10^10) before the 100 10^8 that makes it
            // non-negative.
            const std::int64_t v = 100 * a[j] - diez_x * tj + 100 * kGrupo;
            const auto alto = static_cast<std::int64_t>(static_cast<std::uint64_t>(v) / kGrupo);
            const std::int64_t resto = v - alto * kGrupo + acarreo;
            const std::int64_t k = static_cast<std::int64_t>(resto >= kGrupo) - static_cast<std::int64_t>(resto < 0);
            a[j] = resto - k * kGrupo;
            acarreo = alto - 100 + k;
            const std::int64_t u = 10 * tj + arrastre;
            arrastre = u / kGrupo;
            t[j] = u - arrastre * kGrupo;
        }
        while (acarreo < 0) {
            // One too high: for x - 1, A gains 10 T + 2x - 1, the new T less
            // one, and T loses 2.
            std::int64_t c = -1;
            for (int j = 0; j <= nt; ++j) {
                const std::int64_t v = a[j] + t[j] + c;  // in [-1, 2 10^8 - 2]
                c = static_cast<std::int64_t>(v >= kGrupo) - static_cast<std::int64_t>(v < 0);
                a[j] = v - c * kGrupo;
            }
            acarreo += c;
            --digito;
            c = -2;
            for (int j = 0; j <= nt && c != 0; ++j) {
                const std::int64_t v = t[j] + c;
                c = -static_cast<std::int64_t>(v < 0);
                t[j] = v - c * kGrupo;
            }
        }
        raiz[escrita] = static_cast<Cifra>(digito);
        if (t[nt] != 0) ++nt;

        if (tops_exactos) {
            va = 100 * arriba_a + par - digito * (10 * arriba_t + digito);
            vt = 10 * arriba_t + 2 * digito;
            exactos = vt < kDosGrupos;
            // 10 T is 100 arriba_t + 20x, at least 100 arriba_t, which does
            // not wait for this digit (nor does the next estimate, then).
            inverso = exactos ? kHolgura / (100.0 * static_cast<double>(arriba_t))
                              : 10.0 * kHolgura / static_cast<double>(vt);
        } else {
            // 100 A: 100 arriba_a and what comes up, less than sube_a + 1,
            // and p below one unit; (10 T + x) x: at least x (10 arriba_t +
            // sube_t).
            va = 100 * arriba_a + sube_a + 2 - digito * (10 * arriba_t + sube_t);
            vt = 10 * arriba_t + sube_t;
            exactos = false;
            inverso = 10.0 * kHolgura / static_cast<double>(vt);
        }
    }
    return cifras;
}

// The two sets: the same bodies, compiled for the baseline processor and
// with AVX2.
int ProductoPortable(const Cifra* a, int la, const Cifra* b, int lb, Cifra* r) {
    return ProductoCuerpo<Vector8>(a, la, b, lb, r);
}
int CuadradoPortable(const Cifra* a, int la, Cifra* r) { return CuadradoCuerpo<Vector8>(a, la, r); }
int RaizPortable(const Cifra* x, int n, Cifra* r) { return RaizCuerpo(x, n, r); }
int EuclidesPortable(const Cifra* g, int lg, const Cifra* s, int ls, Cifra* r, int* lr) {
    return EuclidesCuerpo<Vector8, false>(g, lg, s, ls, r, lr);
}
bool InversoPortable(const Cifra* m, int lm, const Cifra* a, int la, Cifra* r, int* lr) {
    return InversoCuerpo<Vector8, false>(m, lm, a, la, r, lr);
}
int PotenciaPortable(const Cifra* base, int lb, const Cifra* bits, int nbits, const Cifra* m, int lm, Cifra* r) {
    return PotenciaCuerpo<Vector8>(base, lb, bits, nbits, m, lm, r);
}
void DivisionPortable(const Cifra* n, int ln, const Cifra* d, int ld, Cifra* q, int* lq, Cifra* r, int* lr) {
    DivisionCuerpo<Vector8>(n, ln, d, ld, q, lq, r, lr);
}

[[gnu::target("avx2")]] int ProductoAvx2(const Cifra* a, int la, const Cifra* b, int lb, Cifra* r) {
    return ProductoCuerpo<Vector16>(a, la, b, lb, r);
}
[[gnu::target("avx2")]] int CuadradoAvx2(const Cifra* a, int la, Cifra* r) {
    return CuadradoCuerpo<Vector16>(a, la, r);
}
[[gnu::target("avx2")]] int RaizAvx2(const Cifra* x, int n, Cifra* r) { return RaizCuerpo(x, n, r); }
[[gnu::target("avx2")]] int EuclidesAvx2(const Cifra* g, int lg, const Cifra* s, int ls, Cifra* r, int* lr) {
    return EuclidesCuerpo<Vector16, false>(g, lg, s, ls, r, lr);
}
[[gnu::target("avx2")]] bool InversoAvx2(const Cifra* m, int lm, const Cifra* a, int la, Cifra* r, int* lr) {
    return InversoCuerpo<Vector16, false>(m, lm, a, la, r, lr);
}
[[gnu::target("avx2")]] int EuclidesAvx2Entera(const Cifra* g, int lg, const Cifra* s, int ls, Cifra* r, int* lr) {
    return EuclidesCuerpo<Vector16, true>(g, lg, s, ls, r, lr);
}
[[gnu::target("avx2")]] bool InversoAvx2Entera(const Cifra* m, int lm, const Cifra* a, int la, Cifra* r, int* lr) {
    return InversoCuerpo<Vector16, true>(m, lm, a, la, r, lr);
}
[[gnu::target("avx2")]] int PotenciaAvx2(const Cifra* base, int lb, const Cifra* bits, int nbits, const Cifra* m,
                                         int lm, Cifra* r) {
    return PotenciaCuerpo<Vector16>(base, lb, bits, nbits, m, lm, r);
}
[[gnu::target("avx2")]] void DivisionAvx2(const Cifra* n, int ln, const Cifra* d, int ld, Cifra* q, int* lq,
                                          Cifra* r, int* lr) {
    DivisionCuerpo<Vector16>(n, ln, d, ld, q, lq, r, lr);
}

constexpr Nucleos kPortables{"portable", ProductoPortable, CuadradoPortable, DivisionPortable, RaizPortable, EuclidesPortable, InversoPortable, PotenciaPortable};
constexpr Nucleos kAvx2{"avx2", ProductoAvx2, CuadradoAvx2, DivisionAvx2, RaizAvx2, EuclidesAvx2, InversoAvx2, PotenciaAvx2};
constexpr Nucleos kAvx2DivisionEntera{"avx2-div64", ProductoAvx2, CuadradoAvx2, DivisionAvx2, RaizAvx2, EuclidesAvx2Entera, InversoAvx2Entera, PotenciaAvx2};

const Nucleos& Elegir() {
    const Nucleos* avx2 = Avx2();
    return avx2 != nullptr ? *avx2 : kPortables;
}

std::atomic<const Nucleos*>& EnUso() {
    static std::atomic<const Nucleos*> en_uso{&Elegir()};
    return en_uso;
}

}  // namespace

const Nucleos& Portables() { return kPortables; }

const Nucleos* Avx2() {
    __builtin_cpu_init();
    if (!__builtin_cpu_supports("avx2")) return nullptr;
    // VAES (leaf 7, ECX bit 9) marks the processors whose divider takes a
    // 64-bit division in about ten cycles (Intel's from Ice Lake, AMD's from
    // Zen 3); the older ones take several times that, more than Euclid's
    // floating-point quotient with its conversions. Only the mark is read:
    // no VAES instruction is run.
    unsigned a = 0, b = 0, c = 0, d = 0;
    const bool vaes = __get_cpuid_count(7, 0, &a, &b, &c, &d) != 0 && (c & (1u << 9)) != 0;
    return vaes ? &kAvx2DivisionEntera : &kAvx2;
}

const Nucleos& Actuales() { return *EnUso().load(std::memory_order_relaxed); }

void FijarNucleos(const Nucleos& nucleos) { EnUso().store(&nucleos, std::memory_order_relaxed); }

}  // namespace bignum_interno::motor
