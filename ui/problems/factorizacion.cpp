#include "ui/problems/factorizacion.h"

#include <memory>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "bignum/numeros_grandes.h"
#include "errors/errores.h"
#include "solvers/factorizacion.h"
#include "ui/shell/contador_digitos.h"
#include "ui/shell/puerto_reenvio.h"
#include "ui/shell/servicios.h"

namespace {

const RasgosFormulario kRasgos{
    .nombre = QStringLiteral("Factorizacion"),
    .titulo = QStringLiteral("Factorización"),
    .icono = QStringLiteral("factorizacion"),
    .tema_ayuda = 21,
    .texto_error = kErrorEnOperandos,
    .pista_cancelar = kCierraVentanaActiva,
    .pista_fondo = kPreparado,
    .borrado = Borrado::SoloSiCambia,
    .puntero_ocupado = puerto::Puntero::FlechaReloj,
};

// The clock is read before the busy pointer is set; the pointer comes back
// before " Preparado".
constexpr OrdenEjecucion kOrden{.hora_antes_que_puntero = true, .puntero_antes_que_preparado = true};

// What a run hands its worker and gets back.
struct Factores {
    MetodoFactorizacion metodo;
    NumeroGrande n;
    NumeroGrande factor1;
    NumeroGrande factor2;
};

}  // namespace

Factorizacion::Factorizacion(ServiciosPrincipal& servicios) : VentanaProblema(servicios, kRasgos, kOrden) {
    const QString kAlAbrir = TextoDigitos(0, Blancos::Uno);
    numero_ = NuevaFilaValidada({.rotulo_nombre = QStringLiteral("Label1"),
                                 .rotulo = QStringLiteral("Número"),
                                 .caja = QStringLiteral("Numero"),
                                 .consejo = QStringLiteral("Número a factorizar"),
                                 .pista = QStringLiteral(" Número a factorizar"),
                                 .maximo = kMaximoNumero,
                                 .contador = QStringLiteral("DigitosNum"),
                                 .contador_inicial = kAlAbrir});
    const auto fila_factor = [&](const char* rotulo, const char* texto, const char* caja, const char* contador) {
        return NuevaFilaSalida({.rotulo_nombre = QString::fromLatin1(rotulo),
                                .rotulo = QString::fromLatin1(texto),
                                .caja = QString::fromLatin1(caja),
                                .consejo = QStringLiteral("Factor primo del número"),
                                .pista = QStringLiteral(" Factor del número especificado"),
                                .contador = QString::fromLatin1(contador),
                                .contador_inicial = kAlAbrir});
    };
    factor1_ = fila_factor("Label2", "Factor 1", "Factor1", "DigitosFac1");
    factor2_ = fila_factor("Label3", "Factor 2", "Factor2", "DigitosFac2");

    const QList<QRadioButton*> metodos = NuevoPanelMetodos(
        QStringLiteral("Algoritmos de Factorización"),
        {{QStringLiteral("PollardRho"), QStringLiteral("Pollard Rho"), QStringLiteral("BtnAyuda1"), 23},
         {QStringLiteral("Dixon"), QStringLiteral("Dixon"), QStringLiteral("BtnAyuda3"), 25},
         {QStringLiteral("Fracciones"), QStringLiteral("Fracciones Continuas"), QStringLiteral("BtnAyuda4"), 48}});
    pollard_rho_ = metodos[0];
    dixon_ = metodos[1];
    fracciones_ = metodos[2];

    ColocarBotones(NuevoBtnCalcular(QStringLiteral("Calcular la factorización"),
                                    QStringLiteral(" Factoriza el número especificado"), [this] { Calcular(); }),
                   NuevoBtnDetener(),
                   NuevoBtnEjemplos(QStringLiteral("ejemplos_fac"), QStringLiteral("Calcular la factorización"),
                                    QStringLiteral("EjemplosFac")));
}

void Factorizacion::Calcular() {
    if (RechazarSiEnCurso()) return;
    Servicios().EscribirEstado(QStringLiteral(" Calculando la factorización ..."));
    {
        // The method is looked at first, even with the box empty.
        PuertoVentana en_ventana(this);
        if (ComprobarMetodoFactorizacion(pollard_rho_->isChecked(), dixon_->isChecked(), fracciones_->isChecked())) {
            return;
        }
        if (ComprobarNumero(numero_->text().toStdString())) return;
    }

    auto datos = std::make_shared<Factores>();
    datos->metodo = pollard_rho_->isChecked() ? FactorizarRho
                    : dixon_->isChecked()     ? FactorizarDixon
                                              : FactorizarFracciones;
    datos->n = NumeroDe(numero_);
    Ejecutar([datos] { datos->metodo(datos->n, datos->factor1, datos->factor2); },
             [this, datos] {
                 factor1_->setText(TextoDe(datos->factor1));
                 factor2_->setText(TextoDe(datos->factor2));
             });
}
