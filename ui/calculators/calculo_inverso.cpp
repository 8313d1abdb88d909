#include "ui/calculators/calculo_inverso.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "bignum/numeros_grandes.h"

namespace {

const RasgosFormulario kRasgos{
    .nombre = QStringLiteral("CalculoInverso"),
    .titulo = QStringLiteral("Cálculo del Inverso"),
    .icono = QStringLiteral("inverso"),
    .tema_ayuda = 11,
    .texto_error = kErrorEnOperandos,
    .pista_cancelar = kCerrarVentanaActiva,
    .pista_fondo = kPreparado,
};

// Drops a typed character that is not a digit before the box sees it. Keys
// that type no character (arrows, Delete), control characters (backspace)
// and shortcuts (Ctrl+V and the other clipboard keys) go through, so pasting
// still works.
class SoloCifras : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::KeyPress) {
            const auto* tecla = static_cast<const QKeyEvent*>(evento);
            if ((tecla->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0) {
                for (const QChar c : tecla->text()) {
                    if (c.isPrint() && !(c >= u'0' && c <= u'9')) return true;
                }
            }
        }
        return QObject::eventFilter(objeto, evento);
    }
};

}  // namespace

CalculoInverso::CalculoInverso(ServiciosPrincipal& servicios) : VentanaCalculadora(servicios, kRasgos) {
    numero1_ = NuevaFilaValidada({.rotulo_nombre = QStringLiteral("EtqNumero"),
                                  .rotulo = QStringLiteral("Número"),
                                  .caja = QStringLiteral("Numero1"),
                                  .consejo = QStringLiteral("Número"),
                                  .pista = QStringLiteral(" Número del cual se calcula el inverso"),
                                  .contador = QStringLiteral("DigitosNum")});
    numero2_ = NuevaFilaValidada(
        {.rotulo_nombre = QStringLiteral("EtqModulo"),
         .rotulo = QStringLiteral("Módulo"),
         .caja = QStringLiteral("Numero2"),
         .consejo = QStringLiteral("Modulo"),
         .pista = QStringLiteral(" Modulo en el cual se calcula el inverso del número especificado"),
         .contador = QStringLiteral("DigitosMod")});
    QLineEdit* salida = NuevaFilaSalida({.rotulo_nombre = QStringLiteral("EtqInverso"),
                                         .rotulo = QStringLiteral("Inverso"),
                                         .caja = QStringLiteral("Salida"),
                                         .consejo = QStringLiteral("Inverso"),
                                         .pista = QStringLiteral(" Inverso del número dentro del módulo especificado"),
                                         .contador = QStringLiteral("DigitosInv")});

    auto* filtro = new SoloCifras(this);
    for (QLineEdit* caja : {numero1_, numero2_, salida}) caja->installEventFilter(filtro);

    ColocarAlPie({NuevoBtnCalcular(
        QStringLiteral("Calcular el inverso"),
        QStringLiteral(" Calcular el inverso del número en el modulo dado y visualizar el resultado"), [this] {
            Calcular(QStringLiteral(" Calculando el inverso ..."), [this] {
                const NumeroGrande a = NumeroDe(numero1_);
                const NumeroGrande m = NumeroDe(numero2_);
                EscribirSalida(InversoModular(a, m));  // not coprime: error 3, and 0
            });
        }),
                  BtnBorrar(), BtnCancelar()});
}
