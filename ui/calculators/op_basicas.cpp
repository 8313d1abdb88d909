#include "ui/calculators/op_basicas.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "bignum/numeros_grandes.h"
#include "ui/shell/contador_digitos.h"
#include "ui/shell/pistas_estado.h"
#include "ui/shell/iconos.h"

// One of the four operation buttons and what it does.
struct OperacionBasica {
    char simbolo;  // UltimaOperacion once done
    const char* boton;
    const char* imagen;
    const char* consejo;
    const char* pista;
    const char* ocupado;    // busy text
    const char* resultado;  // Salida's hint after it
    NumeroGrande (*calcular)(const NumeroGrande& a, const NumeroGrande& b);
};

namespace {

const RasgosFormulario kRasgos{
    .nombre = QStringLiteral("OpBasicas"),
    .titulo = QStringLiteral("Operaciones Básicas"),
    .icono = QStringLiteral("op_basicas"),
    .tema_ayuda = 8,
    .texto_error = kErrorEnOperandos,
    .pista_cancelar = kCierraVentanaActiva,
    .pista_fondo = QStringLiteral(" Preparado "),
};

NumeroGrande Suma(const NumeroGrande& a, const NumeroGrande& b) { return Sumar(a, b); }
NumeroGrande Diferencia(const NumeroGrande& a, const NumeroGrande& b) { return Restar(a, b); }
NumeroGrande Producto(const NumeroGrande& a, const NumeroGrande& b) { return Multiplicar(a, b); }

// The quotient only; the remainder is not shown. A zero divisor shows error
// 2 and leaves the quotient at zero.
NumeroGrande Cociente(const NumeroGrande& a, const NumeroGrande& b) {
    NumeroGrande cociente, resto;
    Dividir(a, b, cociente, resto);
    return cociente;
}

const OperacionBasica kOperaciones[] = {
    {'+', "BtnSuma", "suma", "Sumar los operandos", " Realiza la suma y visualiza el resultado",
     " Calculando la suma ...", " Resultado de la suma", Suma},
    {'-', "BtnResta", "resta", "Restar los operandos", " Realiza la resta y visualiza el resultado",
     " Calculando la resta ...", " Resultado de la resta", Diferencia},
    {'*', "BtnProducto", "producto", "Multiplicar los operandos", " Realiza el producto y visualiza el resultado",
     " Calculando el producto ...", " Resultado del producto", Producto},
    {'/', "BtnDivision", "division", "Dividir los operandos",
     " Realiza la división entera y visualiza el resultado", " Calculando la división ...",
     " Resultado de la división entera", Cociente},
};

}  // namespace

OpBasicas::OpBasicas(ServiciosPrincipal& servicios) : VentanaCalculadora(servicios, kRasgos) {
    operando1_ = NuevaFilaValidada({.rotulo_nombre = QStringLiteral("EtqOperando1"),
                                    .rotulo = QStringLiteral("Operando 1"),
                                    .caja = QStringLiteral("Operando1"),
                                    .consejo = QStringLiteral("Primer operando"),
                                    .pista = QStringLiteral(" Primer operando"),
                                    .contador = QStringLiteral("DigitosOp1")},
                                   NuevoBotonSigno(QStringLiteral("BtnMas1"), signo1_));
    operando2_ = NuevaFilaValidada({.rotulo_nombre = QStringLiteral("EtqOperando2"),
                                    .rotulo = QStringLiteral("Operando 2"),
                                    .caja = QStringLiteral("Operando2"),
                                    .consejo = QStringLiteral("Segundo operando"),
                                    .pista = QStringLiteral(" Segundo operando"),
                                    .contador = QStringLiteral("DigitosOp2")},
                                   NuevoBotonSigno(QStringLiteral("BtnMas2"), signo2_));

    // The modulus row: hidden at load, with BtnModulo standing in the box's place.
    digitos_mod_ = NuevoContador(QStringLiteral("DigitosMod"));
    modulo_ = NuevaCajaValidada(QStringLiteral("Modulo"), QStringLiteral("Modulo"), QStringLiteral(" Modulo"),
                                digitos_mod_);
    btn_modulo_ = new QPushButton(QStringLiteral("Aplicar Modulo"), this);
    btn_modulo_->setObjectName(QStringLiteral("BtnModulo"));
    btn_modulo_->setToolTip(QStringLiteral("Modulo"));
    connect(btn_modulo_, &QPushButton::clicked, this, [this] { BtnModulo_Click(); });
    fila_modulo_ = Rejilla()->rowCount();
    Rejilla()->addWidget(btn_modulo_, fila_modulo_, 2, Qt::AlignLeft);
    Rejilla()->addWidget(modulo_, fila_modulo_, 2);
    Rejilla()->addWidget(digitos_mod_, fila_modulo_, 3);
    modulo_->hide();
    digitos_mod_->hide();
    // The captions' column fits the button, so moving it moves nothing else.
    Rejilla()->setColumnMinimumWidth(0, btn_modulo_->sizeHint().width());

    QLineEdit* salida = NuevaFilaSalida({.rotulo_nombre = QStringLiteral("EtqResultado"),
                                         .rotulo = QStringLiteral("Resultado"),
                                         .caja = QStringLiteral("Salida"),
                                         .consejo = QStringLiteral("Resultado de la operación"),
                                         .contador = QStringLiteral("DigitosRes")});
    Pistas()->Poner(salida, [this] { return PistaSalida(); });

    QFrame* panel2 = NuevoPanel(QStringLiteral("Panel2"));
    auto* botones = new QHBoxLayout(panel2);
    botones->setContentsMargins(4, 4, 4, 4);
    for (const OperacionBasica& operacion : kOperaciones) {
        QPushButton* boton = NuevoBotonCalculo(QString::fromLatin1(operacion.boton),
                                               QString::fromUtf8(operacion.consejo),
                                               QString::fromUtf8(operacion.pista), [this, &operacion] {
                                                   Operar(operacion);
                                               });
        boton->setIcon(Icono(QString::fromLatin1(operacion.imagen)));
        botones->addWidget(boton);
        operaciones_.append(boton);
    }
    ColocarAlPie({panel2, BtnBorrar(), BtnCancelar()});
}

void OpBasicas::ActivarCalculo() {
    for (QPushButton* boton : operaciones_) boton->setEnabled(true);
    MostrarMarcador(false);
}

void OpBasicas::DesactivarCalculo() {
    for (QPushButton* boton : operaciones_) boton->setEnabled(false);
    MostrarMarcador(true);
}

QString OpBasicas::TextoContadorSalida(const QLineEdit* salida) const {
    const QString texto = salida->text();
    const qsizetype cifras = texto.startsWith(u'-') ? texto.size() - 1 : texto.size();
    return TextoDigitos(cifras, Blancos::Uno);
}

QString OpBasicas::PistaSalida() const {
    for (const OperacionBasica& operacion : kOperaciones) {
        if (operacion.simbolo == ultima_operacion_) return QString::fromUtf8(operacion.resultado);
    }
    return QStringLiteral(" Resultado de la operación escogida");
}

void OpBasicas::Operar(const OperacionBasica& operacion) {
    Calcular(QString::fromUtf8(operacion.ocupado), [this, &operacion] {
        const NumeroGrande a = NumeroDe(operando1_, signo1_);
        const NumeroGrande b = NumeroDe(operando2_, signo2_);
        NumeroGrande resultado = operacion.calcular(a, b);
        if (modulo_visible_) {
            const NumeroGrande m = NumeroDe(modulo_);
            resultado = Reducir(resultado, m);  // zero modulus: error 4, and 0
        }
        EscribirSalida(resultado);
        ultima_operacion_ = operacion.simbolo;
    });
}

void OpBasicas::BtnModulo_Click() {
    Vaciar(modulo_);
    // Shown, the box has the button at its left, in the captions' column;
    // hidden, the button takes the box's place.
    Rejilla()->removeWidget(btn_modulo_);
    if (modulo_visible_) {
        Rejilla()->addWidget(btn_modulo_, fila_modulo_, 2, Qt::AlignLeft);
    } else {
        Rejilla()->addWidget(btn_modulo_, fila_modulo_, 0, 1, 2, Qt::AlignLeft);
    }
    modulo_visible_ = !modulo_visible_;
    modulo_->setVisible(modulo_visible_);
    digitos_mod_->setVisible(modulo_visible_);
}
