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
class Avance {
public:
    Avance(double* progreso, std::int16_t Modo) : progreso_(progreso), paso_(Modo == kBasePorRonda ? 4.0 : 7.0) {}

    void Pasos(int cuantos) const {
        if (progreso_ == nullptr) return;
        *progreso_ += cuantos * paso_;
        puerto::Actual().PonerProgreso(*progreso_);
    }

private:
    double* progreso_;
    double paso_;
};

// Numbers of one digit, 11 and even numbers, answered before any arithmetic;
// nothing for the rest, which are odd and at least 13.
std::optional<bool> DecisionInmediata(const NumeroGrande& n) {
    const std::uint8_t unidades = n.Digitos[0];
    if (unidades % 2 == 0) return n.Longitud == 1 && unidades == 2;
    if (n.Longitud == 1) return unidades != 1 && unidades != 9;
    if (n.Longitud == 2 && unidades == 1 && n.Digitos[1] == 1) return true;
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

bool Pasada(const NumeroGrande& n, std::int16_t Modo, const std::uint8_t* Ronda, double* progreso) {
    if (const std::optional<bool> decision = DecisionInmediata(n)) return *decision;

    const Avance avance(progreso, Modo);
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
    avance.Pasos(1);
    if (SonIguales(x, n_menos_uno) || EsUno(x)) {
        avance.Pasos(2);
        return true;
    }

    NumeroGrande cuadrado;
    for (int i = 1; i < s; ++i) {
        Multiplicar(x, x, cuadrado);
        Reducir(cuadrado, n, x);
        if (SonIguales(x, n_menos_uno)) {
            avance.Pasos(1);
            return true;
        }
    }
    avance.Pasos(1);
    return false;
}

// The passes of EsPrimo; with progreso null, the bar is not touched.
bool Prueba(const NumeroGrande& n, double* progreso) {
    bool primo = true;
    if (n.Longitud > 11) {
        for (int k = 1; k <= 3 && primo; ++k) primo = Pasada(n, kBaseAleatoria, nullptr, progreso);
    } else {
        for (std::uint8_t k = 1; k <= 5 && primo; ++k) primo = Pasada(n, kBasePorRonda, &k, progreso);
    }
    if (!primo && progreso != nullptr) puerto::Actual().PonerProgreso(100.0);
    return primo;
}

}  // namespace

bool EsPrimo(const NumeroGrande& n) {
    double progreso = 0.0;
    return Prueba(Magnitud(n), &progreso);
}

bool EsPrimoSinProgreso(const NumeroGrande& n) { return Prueba(Magnitud(n), nullptr); }

bool RondaPrimalidad(const NumeroGrande& n, std::int16_t Modo, const std::uint8_t* Ronda, double& Progreso) {
    return Pasada(Magnitud(n), Modo, Ronda, &Progreso);
}
