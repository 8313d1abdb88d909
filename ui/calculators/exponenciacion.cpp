#include "ui/calculators/exponenciacion.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "bignum/numeros_grandes.h"
#include "ui/shell/contador_digitos.h"

namespace {

const RasgosFormulario kRasgos{
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

    num1_ = NuevaFilaValidada({.rotulo_nombre = QStringLiteral("EtqBase"),
                               .rotulo = QStringLiteral("Base"),
                               .caja = QStringLiteral("Num1"),
                               .consejo = QStringLiteral("Base"),
                               .pista = QStringLiteral(" Base de la exponenciación modular"),
                               .contador = QStringLiteral("DigitosBase"),
                               .contador_inicial = kAlAbrir});
    num2_ = NuevaFilaValidada({.rotulo_nombre = QStringLiteral("EtqExponente"),
                               .rotulo = QStringLiteral("Exponente"),
                               .caja = QStringLiteral("Num2"),
                               .consejo = QStringLiteral("Exponente"),
                               .pista = QStringLiteral(" Exponente al cual se elevará la base"),
                               .maximo = kMaximoExponente,
                               .contador = QStringLiteral("DigitosExp"),
                               .contador_inicial = kAlAbrir});
    num3_ = NuevaFilaValidada({.rotulo_nombre = QStringLiteral("EtqModulo"),
                               .rotulo = QStringLiteral("Modulo"),
                               .caja = QStringLiteral("Num3"),
                               .consejo = QStringLiteral("Modulo"),
                               .pista = QStringLiteral(" Modulo al que se reducirá el resultado"),
                               .contador = QStringLiteral("DigitosMod"),
                               .contador_inicial = kAlAbrir});
    NuevaFilaSalida({.rotulo_nombre = QStringLiteral("EtqResto"),
                     .rotulo = QStringLiteral("Resto Modular"),
                     .caja = QStringLiteral("Salida"),
                     .consejo = QStringLiteral("Resultado"),
                     .pista = QStringLiteral(" Resultado de la exponenciación modular"),
                     .contador = QStringLiteral("DigitosResto"),
                     .contador_inicial = kAlAbrir});

    ColocarAlPie({NuevoBtnCalcular(QStringLiteral("Calcular la operación"), std::nullopt,
                                   [this] {
                                       Calcular(QStringLiteral(" Calculando la exponenciación ..."), [this] {
                                           const NumeroGrande base = NumeroDe(num1_);
                                           const NumeroGrande exponente = NumeroDe(num2_);
                                           const NumeroGrande m = NumeroDe(num3_);
                                           // zero modulus: error 4
                                           EscribirSalida(PotenciaModular(base, exponente, m));
                                       });
                                   }),
                  BtnBorrar(), BtnCancelar()});
}
