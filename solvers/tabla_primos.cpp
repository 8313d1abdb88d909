#include "solvers/tabla_primos.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "bignum/aritmetica.h"
#include "errors/errores.h"
#include "solvers/interno.h"
#include "solvers/paseo_rho.h"
#include "solvers/primalidad.h"

namespace {

// Largest entry: the table was designed for signed 16-bit values.
constexpr int kMayorEntrada = 32767;

// The value of a valid line, or nothing for a line to skip.
std::optional<std::int16_t> Entrada(std::string_view linea) {
    constexpr std::string_view kBlancos = " \t\r\f\v";
    const std::size_t inicio = linea.find_first_not_of(kBlancos);
    if (inicio == std::string_view::npos) return std::nullopt;
    linea = linea.substr(inicio, linea.find_last_not_of(kBlancos) - inicio + 1);
    int valor = 0;
    const auto [fin, error] = std::from_chars(linea.data(), linea.data() + linea.size(), valor);
    if (error != std::errc() || fin != linea.data() + linea.size()) return std::nullopt;
    if (valor < 2 || valor > kMayorEntrada) return std::nullopt;
    return static_cast<std::int16_t>(valor);
}

// Longest line looked at: an entry has at most 5 digits, and the blanks
// around it are allowed, but a longer line cannot be an entry, so it is
// skipped without being kept (a file that is one endless line, such as a
// link to /dev/zero, costs no memory).
constexpr std::size_t kLargoMaximoLinea = 40;

// Most bytes read from the file: the shipped table, every prime below
// 32768, is about 20 KB. Past this the rest is ignored as if the file ended
// there, so that an endless source (a FIFO, a device) ends every read.
constexpr std::size_t kMaximoBytes = std::size_t{1} << 20;

// Reads the valid entries of the table one by one, in file order, holding
// the next one in advance so that a file with none counts as missing. The
// file is closed when the reader goes out of scope.
class LectorPrimos {
public:
    LectorPrimos() : fichero_(kFicheroPrimos, std::ios::binary) { LeerSiguiente(); }

    // False once every valid entry has been taken; false from the start when
    // the file is missing, unreadable or holds no valid entry.
    bool QuedanEntradas() const { return siguiente_.has_value(); }

    // The next entry as a number (only while QuedanEntradas()).
    void Tomar(NumeroGrande& primo) {
        EnteroANumero(*siguiente_, primo);
        LeerSiguiente();
    }

private:
    void LeerSiguiente() {
        siguiente_.reset();
        std::string_view linea;
        while (!siguiente_ && LeerLinea(linea)) siguiente_ = Entrada(linea);
    }

    // The next line without its end, or false at the end of the file (or of
    // the bytes read). A line longer than kLargoMaximoLinea is given as
    // empty, which Entrada skips.
    bool LeerLinea(std::string_view& linea) {
        std::streambuf* buffer = fichero_.rdbuf();
        if (!fichero_.is_open() || leidos_ >= kMaximoBytes) return false;
        std::size_t largo = 0;
        bool demasiado_larga = false;
        bool alguno = false;
        while (leidos_ < kMaximoBytes) {
            const int c = buffer->sbumpc();
            if (c == std::char_traits<char>::eof()) break;
            ++leidos_;
            alguno = true;
            if (c == '\n') break;
            if (largo < linea_.size()) {
                linea_[largo++] = static_cast<char>(c);
            } else {
                demasiado_larga = true;
            }
        }
        linea = demasiado_larga ? std::string_view() : std::string_view(linea_.data(), largo);
        return alguno;
    }

    std::ifstream fichero_;
    std::array<char, kLargoMaximoLinea> linea_{};
    std::size_t leidos_ = 0;
    std::optional<std::int16_t> siguiente_;
};

// Divides n by every entry in turn until one leaves no remainder; then
// primo holds that entry and cociente n div primo.
bool DividirPorEntradas(LectorPrimos& tabla, const NumeroGrande& n, NumeroGrande& primo,
                        NumeroGrande& cociente) {
    NumeroGrande resto;
    while (tabla.QuedanEntradas()) {
        tabla.Tomar(primo);
        Dividir(n, primo, cociente, resto);
        if (EsCero(resto)) return true;
    }
    return false;
}

}  // namespace

bool DividirPorTabla(const NumeroGrande& n, NumeroGrande& factor1, NumeroGrande& factor2) {
    LectorPrimos tabla;
    NumeroGrande primo;
    NumeroGrande cociente;
    if (!DividirPorEntradas(tabla, n, primo, cociente)) return false;
    factor1 = std::move(primo);
    factor2 = std::move(cociente);
    return true;
}

void BuscarFactor(const NumeroGrande& n, NumeroGrande& factor, bool* interrumpido) {
    PonerACero(factor);
    if (interrumpido != nullptr) *interrumpido = false;
    {
        LectorPrimos tabla;
        if (!tabla.QuedanEntradas()) {
            ErrorFicheroPrimos();
            return;
        }
        NumeroGrande cociente;
        NumeroGrande primo;
        if (DividirPorEntradas(tabla, n, primo, cociente)) {
            factor = std::move(primo);
            return;
        }
    }  // the table is closed before the longer searches

    // No entry divides n, so n is not 0: it is 1, a prime, or a composite
    // with no factor in the table.
    if (EsUno(n)) return;
    if (EsPrimoSinProgreso(n)) {
        CopiarNumero(factor, n);
        return;
    }
    // Only a table without 2 gets here with an even n; the rho walk never
    // splits 4 or 8 (see FactorizarRho), and 2 is a prime factor anyway.
    if (EsPar(n)) {
        EnteroANumero(2, factor);
        return;
    }
    constexpr int kDigitosInicioFijo = 30;
    if (!solvers_interno::PaseoRho(n, kDigitosInicioFijo, factor)) {
        PonerACero(factor);
        if (interrumpido != nullptr) *interrumpido = true;
    }
}
