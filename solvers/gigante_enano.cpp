// Shanks' baby-step giant-step method (HAC 3.56), with linear scans of the
// table as the program's lessons on its cost expect.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <utility>

#include "bignum/aritmetica.h"
#include "errors/errores.h"
#include "solvers/interno.h"
#include "solvers/logaritmo.h"

using solvers_interno::Numero;

namespace {

thread_local std::int32_t limite_tabla = kMaxEntradasTabla;

// Entries (j, alfa^j mod grupo) for j = 0..entradas-1, each power afresh,
// reported as baby steps of `entradas`, and room for their keys. False,
// with both released, when the memory is not there.
bool ConstruirTabla(const NumeroGrande& alfa, const NumeroGrande& grupo, std::int32_t entradas,
                    std::vector<ParNumeros>& tabla, std::vector<std::uint64_t>& claves) {
    try {
        tabla.resize(static_cast<std::size_t>(entradas));
        claves.reserve(static_cast<std::size_t>(entradas));
        const NumeroGrande uno = Numero(1);
        NumeroGrande j = Numero(0);
        puerto::Avance avance(puerto::Metodo::GiganteEnano, puerto::Fase::PasosEnanos, static_cast<std::uint64_t>(entradas));
        for (ParNumeros& entrada : tabla) {
            solvers_interno::InformarAvance(avance);
            ++avance.pasos;
            CopiarNumero(entrada.Primero, j);
            PotenciaModular(alfa, j, grupo, entrada.Segundo);
            Sumar(j, uno, j);
        }
        return true;
    } catch (const std::bad_alloc&) {
        std::vector<ParNumeros>().swap(tabla);
        std::vector<std::uint64_t>().swap(claves);
        return false;
    }
}

// The table's powers as short keys, in the table's order, for the linear
// scans: each power's length and low digits in one word, read one after
// another from a contiguous array instead of through every entry's own
// digits. Two equal powers have equal keys; an equal key is then checked
// with SonIguales.
std::uint64_t Clave(const NumeroGrande& x) {
    std::uint64_t clave = 0;
    std::memcpy(&clave, x.Digitos.data(), static_cast<std::size_t>(std::min<int>(x.Longitud, 7)));
    return clave | static_cast<std::uint64_t>(std::min<int>(x.Longitud, 255)) << 56;
}

void Claves(const std::vector<ParNumeros>& tabla, std::vector<std::uint64_t>& claves) {
    claves.resize(tabla.size());
    for (std::size_t i = 0; i < tabla.size(); ++i) claves[i] = Clave(tabla[i].Segundo);
}

// The first entry whose power equals valor, or nullptr: every giant step
// scans the whole table. The keys are compared eight at a time, with no
// exit within the eight, so that the comparisons go a vector at a time;
// only a run of eight with an equal key is looked at one by one.
const ParNumeros* Buscar(const std::vector<ParNumeros>& tabla, const std::vector<std::uint64_t>& claves,
                         const NumeroGrande& valor) {
    const std::uint64_t clave = Clave(valor);
    const auto es = [&](std::size_t k) { return claves[k] == clave && SonIguales(tabla[k].Segundo, valor); };
    constexpr std::size_t kTramo = 8;
    const std::size_t n = claves.size();
    std::size_t i = 0;
    for (; i + kTramo <= n; i += kTramo) {
        bool alguna = false;
        for (std::size_t k = 0; k < kTramo; ++k) alguna |= claves[i + k] == clave;
        if (!alguna) continue;
        for (std::size_t k = i; k < i + kTramo; ++k) {
            if (es(k)) return &tabla[k];
        }
    }
    for (; i < n; ++i) {
        if (es(i)) return &tabla[i];
    }
    return nullptr;
}

}  // namespace

std::int32_t LimiteTablaGiganteEnano() { return limite_tabla; }

void FijarLimiteTablaGiganteEnano(std::int32_t entradas) { limite_tabla = entradas; }

void LogaritmoGiganteEnano(const NumeroGrande& alfa, const NumeroGrande& beta, const NumeroGrande& grupo,
                           NumeroGrande& resultado, bool& interrumpido, bool* existe) {
    interrumpido = false;
    PonerACero(resultado);
    if (solvers_interno::GrupoNoValido(grupo)) return;

    const auto no_existe = [&] {
        PonerACero(resultado);
        if (existe != nullptr) {
            *existe = false;
        } else {
            ErrorNoExisteLogaritmo();
        }
    };
    const auto detenido = [&] {
        if (!solvers_interno::DetencionPedida()) return false;
        interrumpido = true;  // the result is still 0 at every check
        solvers_interno::AvisarInterrupcion();
        return true;
    };
    const auto sin_espacio = [&] {
        interrumpido = true;
        ErrorPilaInsuficiente();
    };

    const NumeroGrande uno = Numero(1);
    if (EsUno(alfa)) {
        if (EsUno(beta)) {
            resultado = uno;
        } else {
            no_existe();
        }
        return;
    }

    const NumeroGrande m = Sumar(RaizEntera(Restar(grupo, uno)), uno);
    std::int32_t entradas = 0;
    if (!NumeroALargo(m, entradas) || entradas > limite_tabla) {
        sin_espacio();
        return;
    }
    std::vector<ParNumeros> tabla;
    std::vector<std::uint64_t> claves;  // room made with the table's: filling it never allocates
    if (!ConstruirTabla(alfa, grupo, entradas, tabla, claves)) {
        sin_espacio();
        return;
    }
    if (detenido()) return;

    Claves(tabla, claves);
    if (const ParNumeros* acierto = Buscar(tabla, claves, beta)) {
        resultado = acierto->Primero;
        return;
    }
    OrdenarTabla(tabla);
    Claves(tabla, claves);

    // Without an inverse of alfa, InversoModular reports error 3 and gives 0;
    // the giant steps still run with it and end as any search does.
    const NumeroGrande inverso = InversoModular(alfa, grupo);
    const NumeroGrande paso = PotenciaModular(inverso, m, grupo);  // alfa^(-m)

    NumeroGrande h = Numero(0);
    NumeroGrande potencia;
    NumeroGrande gamma;
    puerto::Avance avance(puerto::Metodo::GiganteEnano, puerto::Fase::PasosGigantes, static_cast<std::uint64_t>(entradas));
    while (EsMenor(h, m)) {
        if (detenido()) return;
        solvers_interno::InformarAvance(avance);
        ++avance.pasos;
        PotenciaModular(paso, h, grupo, potencia);  // gamma = beta * alfa^(-m*h)
        Multiplicar(beta, potencia, gamma);
        Reducir(gamma, grupo, gamma);
        if (const ParNumeros* acierto = Buscar(tabla, claves, gamma)) {
            Multiplicar(m, h, resultado);  // alfa^j = beta * alfa^(-m*h)
            Sumar(resultado, acierto->Primero, resultado);
            if (!SonIguales(PotenciaModular(alfa, resultado, grupo), beta)) no_existe();
            return;
        }
        Sumar(h, uno, h);
    }
    no_existe();
}

void LogaritmoGiganteEnanoSinBanderas(const NumeroGrande& alfa, const NumeroGrande& beta,
                                      const NumeroGrande& grupo, NumeroGrande& resultado) {
    bool interrumpido = false;
    LogaritmoGiganteEnano(alfa, beta, grupo, resultado, interrumpido);
}

void OrdenarTabla(std::vector<ParNumeros>& tabla) {
    if (tabla.size() > kMaxEntradasOrdenables) return;
    for (std::size_t c = 0; c + 1 < tabla.size(); ++c) {
        std::size_t menor = c;
        for (std::size_t k = c + 1; k < tabla.size(); ++k) {
            if (EsMenor(tabla[k].Segundo, tabla[menor].Segundo)) menor = k;
        }
        if (menor != c) std::swap(tabla[c], tabla[menor]);
    }
}
