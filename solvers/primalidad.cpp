// Miller–Rabin strong probable-prime test (HAC 4.24), one base per pass.
#include "solvers/primalidad.h"

#include <algorithm>
#include <array>
#include <optional>

#include "bignum/aleatorio.h"
#include "bignum/aritmetica.h"
#include "errors/interfaz_usuario.h"

namespace {

// Progress of one pass, added to the window's bar when the test is shown.
class Avance {
public:
    Avance(bool visible, std::int16_t Modo) : visible_(visible), paso_(Modo == kBasePorRonda ? 4.0 : 7.0) {}

    void Pasos(int cuantos) const {
        if (!visible_) return;
        errores::InterfazUsuario& ui = errores::Interfaz();
        ui.PonerProgreso(ui.LeerProgreso() + cuantos * paso_);
    }

private:
    bool visible_;
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

bool Pasada(const NumeroGrande& n, std::int16_t Modo, const std::uint8_t* Ronda, bool visible) {
    if (const std::optional<bool> decision = DecisionInmediata(n)) return *decision;

    const Avance avance(visible, Modo);
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

bool Prueba(const NumeroGrande& n, bool visible) {
    bool primo = true;
    if (n.Longitud > 11) {
        for (int k = 1; k <= 3 && primo; ++k) primo = Pasada(n, kBaseAleatoria, nullptr, visible);
    } else {
        for (std::uint8_t k = 1; k <= 5 && primo; ++k) primo = Pasada(n, kBasePorRonda, &k, visible);
    }
    if (!primo && visible) errores::Interfaz().PonerProgreso(100.0);
    return primo;
}

}  // namespace

bool EsPrimo(const NumeroGrande& n) { return Prueba(n, true); }

bool EsPrimoSinProgreso(const NumeroGrande& n) { return Prueba(n, false); }

bool RondaPrimalidad(const NumeroGrande& n, std::int16_t Modo, const std::uint8_t* Ronda) {
    return Pasada(n, Modo, Ronda, true);
}
