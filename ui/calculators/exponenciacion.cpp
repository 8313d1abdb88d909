#include "ui/calculators/exponenciacion.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "bignum/numeros_grandes.h"
#include "ui/calculators/contador_digitos.h"

namespace {

const RasgosCalculadora kRasgos{
    .nombre = QStringLiteral("Exponenciacion"),
    .titulo = QStringLiteral("Exponenciación Modular"),
    .icono = QStringLiteral("potencia"),
    .tema_ayuda = 12,
    .texto_error = kErrorEnOperandos,
    .pista_cancelar = kCerrarVentanaActiva,
    .pista_fondo = std::nullopt,
    .cuenta_borrada = QStringLiteral("0 h: 0m: 0 s"),
};

}  // namespace

Exponenciacion::Exponenciacion(ServiciosPrincipal& servicios) : VentanaCalculadora(servicios, kRasgos) {
    const QString kAlAbrir = TextoDigitos(0, Blancos::Uno);

    QLabel* digitos_base = NuevoContador(QStringLiteral("DigitosBase"), kAlAbrir);
    num1_ = NuevaCajaValidada(QStringLiteral("Num1"), QStringLiteral("Base"),
                              QStringLiteral(" Base de la exponenciación modular"), digitos_base);
    AgregarFila(NuevoRotulo(QStringLiteral("EtqBase"), QStringLiteral("Base")), num1_, digitos_base);

    QLabel* digitos_exp = NuevoContador(QStringLiteral("DigitosExp"), kAlAbrir);
    num2_ = NuevaCajaValidada(QStringLiteral("Num2"), QStringLiteral("Exponente"),
                              QStringLiteral(" Exponente al cual se elevará la base"), digitos_exp,
                              kMaximoExponente);
    AgregarFila(NuevoRotulo(QStringLiteral("EtqExponente"), QStringLiteral("Exponente")), num2_, digitos_exp);

    QLabel* digitos_mod = NuevoContador(QStringLiteral("DigitosMod"), kAlAbrir);
    num3_ = NuevaCajaValidada(QStringLiteral("Num3"), QStringLiteral("Modulo"),
                              QStringLiteral(" Modulo al que se reducirá el resultado"), digitos_mod);
    AgregarFila(NuevoRotulo(QStringLiteral("EtqModulo"), QStringLiteral("Modulo")), num3_, digitos_mod);

    QLabel* digitos_resto = NuevoContador(QStringLiteral("DigitosResto"), kAlAbrir);
    NuevaSalida(QStringLiteral("Resultado"), QStringLiteral(" Resultado de la exponenciación modular"),
                digitos_resto);
    AgregarFila(NuevoRotulo(QStringLiteral("EtqResto"), QStringLiteral("Resto Modular")), salida_, digitos_resto);

    AgregarAlPie(NuevoBtnCalcular(QStringLiteral("Calcular la operación"), std::nullopt, [this] {
        Calcular(QStringLiteral(" Calculando la exponenciación ..."), [this] {
            const NumeroGrande base = NumeroDe(num1_);
            const NumeroGrande exponente = NumeroDe(num2_);
            const NumeroGrande m = NumeroDe(num3_);
            EscribirSalida(PotenciaModular(base, exponente, m));  // zero modulus: error 4
        });
    }));
}
