#include "ui/calculators/calculo_inverso.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "bignum/numeros_grandes.h"

namespace {

const RasgosCalculadora kRasgos{
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
    QLabel* digitos_num = NuevoContador(QStringLiteral("DigitosNum"));
    numero1_ = NuevaCajaValidada(QStringLiteral("Numero1"), QStringLiteral("Número"),
                                 QStringLiteral(" Número del cual se calcula el inverso"), digitos_num);
    AgregarFila(NuevoRotulo(QStringLiteral("EtqNumero"), QStringLiteral("Número")), numero1_, digitos_num);

    QLabel* digitos_mod = NuevoContador(QStringLiteral("DigitosMod"));
    numero2_ = NuevaCajaValidada(QStringLiteral("Numero2"), QStringLiteral("Modulo"),
                                 QStringLiteral(" Modulo en el cual se calcula el inverso del número especificado"),
                                 digitos_mod);
    AgregarFila(NuevoRotulo(QStringLiteral("EtqModulo"), QStringLiteral("Módulo")), numero2_, digitos_mod);

    QLabel* digitos_inv = NuevoContador(QStringLiteral("DigitosInv"));
    NuevaSalida(QStringLiteral("Inverso"), QStringLiteral(" Inverso del número dentro del módulo especificado"),
                digitos_inv);
    AgregarFila(NuevoRotulo(QStringLiteral("EtqInverso"), QStringLiteral("Inverso")), salida_, digitos_inv);

    auto* filtro = new SoloCifras(this);
    for (QLineEdit* caja : {numero1_, numero2_, salida_}) caja->installEventFilter(filtro);

    AgregarAlPie(NuevoBtnCalcular(
        QStringLiteral("Calcular el inverso"),
        QStringLiteral(" Calcular el inverso del número en el modulo dado y visualizar el resultado"), [this] {
            Calcular(QStringLiteral(" Calculando el inverso ..."), [this] {
                const NumeroGrande a = NumeroDe(numero1_);
                const NumeroGrande m = NumeroDe(numero2_);
                EscribirSalida(InversoModular(a, m));  // not coprime: error 3, and 0
            });
        }));
}
