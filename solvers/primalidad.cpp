// Miller–Rabin strong probable-prime test (HAC 4.24), one base per pass.
#include "solvers/primalidad.h"

#include <algorithm>
#include <array>
#include <optional>

#include "bignum/aleatorio.h"
#include "bignum/aritmetica.h"
#include "errors/puerto_interfaz.h"

namespace {

// Progress of one pass: added to the bar's value, which is written to the
// window's bar, when the test is shown (progreso not null).
// With a trace, each value written is also written down there.
class Avance {
public:
    Avance(double* progreso, std::int16_t Modo, TrazaPrimalidad* traza)
        : progreso_(progreso), paso_(Modo == kBasePorRonda ? 4.0 : 7.0), traza_(traza) {}

    void Pasos(int cuantos) const {
        if (progreso_ == nullptr) return;
        *progreso_ += cuantos * paso_;
        puerto::Actual().PonerProgreso(*progreso_);
        if (traza_ != nullptr) traza_->progresos.push_back(*progreso_);
    }

private:
    double* progreso_;
    double paso_;
    TrazaPrimalidad* traza_;
};

// Numbers of one digit, 11 and even numbers, answered before any arithmetic;
// nothing for the rest, which are odd and at least 13. `cual` tells which
// check answered.
std::optional<bool> DecisionInmediata(const NumeroGrande& n, TrazaPrimalidad::Directa& cual) {
    using Directa = TrazaPrimalidad::Directa;
    const std::uint8_t unidades = n.Digitos[0];
    cual = Directa::Par;
    if (unidades % 2 == 0) return n.Longitud == 1 && unidades == 2;
    cual = Directa::UnaCifra;
    if (n.Longitud == 1) return unidades != 1 && unidades != 9;
    cual = Directa::Once;
    if (n.Longitud == 2 && unidades == 1 && n.Digitos[1] == 1) return true;
    cual = Directa::Ninguna;
    return std::nullopt;
}

NumeroGrande BaseFija(std::uint8_t Ronda) {
    static constexpr std::array<std::int16_t, 5> kBases{2, 3, 5, 7, 11};
    NumeroGrande base;
    EnteroANumero(kBases[std::clamp<int>(Ronda, 1, 5) - 1], base);
    return base;
}

// |n| without high zeros: the test is on the magnitude, and both the
// decisions below and the choice of bases look at the digits and Longitud.
NumeroGrande Magnitud(const NumeroGrande& n) {
    NumeroGrande m;
    CopiarNumero(m, n);
    QuitarCerosIzquierda(m);
    m.Signo = '+';
    return m;
}

// One pass; with a trace, the pass is written down there as it goes (and
// the direct check, when one answers).
bool Pasada(const NumeroGrande& n, std::int16_t Modo, const std::uint8_t* Ronda, double* progreso,
            TrazaPrimalidad* traza) {
    TrazaPrimalidad::Directa directa = TrazaPrimalidad::Directa::Ninguna;
    if (const std::optional<bool> decision = DecisionInmediata(n, directa)) {
        if (traza != nullptr) traza->directa = directa;
        return *decision;
    }

    const Avance avance(progreso, Modo, traza);
    avance.Pasos(1);

    NumeroGrande uno;
    EnteroANumero(1, uno);
    NumeroGrande n_menos_uno;
    Restar(n, uno, n_menos_uno);
    NumeroGrande d;
    const std::int16_t s = SepararPotenciaDeDos(n_menos_uno, d);  // n - 1 = 2^s * d, d odd

    // Every number that gets here is at least 13, so every fixed base is
    // smaller than n; a random base has at most half of n's digits.
    const NumeroGrande a = Ronda != nullptr ? BaseFija(*Ronda) : AleatorioParaPrueba(n.Longitud);
    NumeroGrande x;
    PotenciaModular(a, d, n, x);
    TrazaPrimalidad::Pasada* escrita = nullptr;
    if (traza != nullptr) {
        traza->s = s;
        CopiarNumero(traza->d, d);
        escrita = &traza->pasadas.emplace_back();
        CopiarNumero(escrita->base, a);
        CopiarNumero(escrita->x, x);
    }
    avance.Pasos(1);
    if (SonIguales(x, n_menos_uno) || EsUno(x)) {
        if (escrita != nullptr) escrita->probable_primo = true;
        avance.Pasos(2);
        return true;
    }

    NumeroGrande cuadrado;
    for (int i = 1; i < s; ++i) {
        Multiplicar(x, x, cuadrado);
        Reducir(cuadrado, n, x);
        if (escrita != nullptr) CopiarNumero(escrita->cuadrados.emplace_back(), x);
        if (SonIguales(x, n_menos_uno)) {
            if (escrita != nullptr) escrita->probable_primo = true;
            avance.Pasos(1);
            return true;
        }
    }
    avance.Pasos(1);
    return false;
}

// The passes of EsPrimo; with progreso null, the bar is not touched.
bool Prueba(const NumeroGrande& n, double* progreso, TrazaPrimalidad* traza) {
    bool primo = true;
    if (n.Longitud > 11) {
        for (int k = 1; k <= 3 && primo; ++k) primo = Pasada(n, kBaseAleatoria, nullptr, progreso, traza);
    } else {
        for (std::uint8_t k = 1; k <= 5 && primo; ++k) primo = Pasada(n, kBasePorRonda, &k, progreso, traza);
    }
    if (!primo && progreso != nullptr) {
        puerto::Actual().PonerProgreso(100.0);
        if (traza != nullptr) traza->progresos.push_back(100.0);
    }
    return primo;
}

}  // namespace

bool EsPrimo(const NumeroGrande& n, TrazaPrimalidad* traza) {
    double progreso = 0.0;
    const NumeroGrande m = Magnitud(n);
    if (traza == nullptr) return Prueba(m, &progreso, nullptr);
    *traza = TrazaPrimalidad{};
    CopiarNumero(traza->n, m);
    traza->primo = Prueba(m, &progreso, traza);
    return traza->primo;
}

bool EsPrimoSinProgreso(const NumeroGrande& n) { return Prueba(Magnitud(n), nullptr, nullptr); }

bool RondaPrimalidad(const NumeroGrande& n, std::int16_t Modo, const std::uint8_t* Ronda, double& Progreso) {
    return Pasada(Magnitud(n), Modo, Ronda, &Progreso, nullptr);
}
