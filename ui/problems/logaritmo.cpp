#include "ui/problems/logaritmo.h"

#include <memory>

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "bignum/numeros_grandes.h"
#include "errors/errores.h"
#include "solvers/logaritmo.h"
#include "solvers/pohlig_hellman.h"
#include "ui/problems/encabezado_logaritmo.h"
#include "ui/shell/contador_digitos.h"
#include "ui/shell/pistas_estado.h"
#include "ui/shell/puerto_reenvio.h"
#include "ui/shell/servicios.h"

namespace {

const RasgosFormulario kRasgos{
    .nombre = QStringLiteral("Logaritmo"),
    .titulo = QStringLiteral("Logaritmo Discreto"),
    .icono = QStringLiteral("logaritmo"),
    .tema_ayuda = 16,
    .texto_error = kErrorEnOperandos,
    .pista_cancelar = kCerrarVentanaActiva,
    .pista_fondo = std::nullopt,
    .borrado = Borrado::SoloSiCambia,
    .puntero_ocupado = puerto::Puntero::FlechaReloj,
};

// The busy pointer is set before the clock is read; " Preparado" is written
// before the pointer comes back.
constexpr OrdenEjecucion kOrden{.hora_antes_que_puntero = false, .puntero_antes_que_preparado = false};

// What a run hands its worker and gets back.
struct Datos {
    MetodoLogaritmo metodo;
    NumeroGrande alfa;
    NumeroGrande beta;
    NumeroGrande grupo;
    NumeroGrande resultado;
};

}  // namespace

Logaritmo::Logaritmo(ServiciosPrincipal& servicios) : VentanaProblema(servicios, kRasgos, kOrden) {
    Rejilla()->addWidget(new EncabezadoLogaritmo(this), Rejilla()->rowCount(), 0, 1, 4);

    const QString kAlAbrir = TextoDigitos(0, Blancos::Uno);
    const auto fila = [&](const char* rotulo, const char* texto, const char* caja, const char* pista,
                          const char* contador) {
        return NuevaFilaValidada({.rotulo_nombre = QString::fromLatin1(rotulo),
                                  .rotulo = QString::fromLatin1(texto),
                                  .caja = QString::fromLatin1(caja),
                                  .pista = QString::fromUtf8(pista),
                                  .maximo = kMaximoNumero,
                                  .contador = QString::fromLatin1(contador),
                                  .contador_inicial = kAlAbrir});
    };
    num1_ = fila("Label1", "Alfa", "Num1", " Base del logaritmo", "DigitosNum1");
    num2_ = fila("Label6", "Beta", "Num2", " Número del que se calculará el logaritmo", "DigitosNum2");
    num3_ = fila("Label5", "Grupo", "Num3", " Grupo de trabajo", "DigitosNum3");
    salida_ = NuevaFilaSalida({.rotulo_nombre = QStringLiteral("Label2"),
                               .rotulo = QStringLiteral("Logaritmo"),
                               .caja = QStringLiteral("Salida"),
                               .pista = QStringLiteral(" Logaritmo"),
                               .contador = QStringLiteral("DigitosSalida"),
                               .contador_inicial = kAlAbrir});

    const QList<QRadioButton*> metodos = NuevoPanelMetodos(
        QString(), {{QStringLiteral("Busqueda"), QStringLiteral("Busqueda Exhaustiva"), QStringLiteral("BtnAyuda1"), 18},
                    {QStringLiteral("GiganteEnano"), QStringLiteral("Paso Gigante-Paso Enano"),
                     QStringLiteral("BtnAyuda2"), 19},
                    {QStringLiteral("PohligHellman"), QStringLiteral("Pohlig-Hellman"), QStringLiteral("BtnAyuda3"), 20}});
    busqueda_ = metodos[0];
    gigante_enano_ = metodos[1];
    pohlig_hellman_ = metodos[2];

    QPushButton* calcular = NuevoBtnCalcular(QString(), QStringLiteral(" Calcular el logaritmo especificado"),
                                             [this] { Calcular(); });
    Pistas()->Poner(BtnBorrar(), QStringLiteral(" Borra los números actuales"));
    ColocarBotones(calcular, NuevoBtnDetener(),
                   NuevoBtnEjemplos(QStringLiteral("ejemplos_log"), QStringLiteral("Calcular la factorización"),
                                    QStringLiteral("EjemplosLog")));
    BtnCancelar()->setToolTip(QString());
}

void Logaritmo::Calcular() {
    if (RechazarSiEnCurso()) return;
    Servicios().EscribirEstado(QStringLiteral(" Calculando el logaritmo discreto ..."));
    {
        // The method is looked at first, even with the boxes empty.
        PuertoVentana en_ventana(this);
        if (ComprobarMetodoLogaritmo(busqueda_->isChecked(), gigante_enano_->isChecked(),
                                     pohlig_hellman_->isChecked())) {
            return;
        }
        if (ComprobarDatos(num1_->text().toStdString(), num2_->text().toStdString(), num3_->text().toStdString())) {
            return;
        }
    }

    auto datos = std::make_shared<Datos>();
    datos->metodo = busqueda_->isChecked()        ? LogaritmoBusqueda
                    : gigante_enano_->isChecked() ? LogaritmoGiganteEnanoSinBanderas
                                                  : LogaritmoPohligHellman;
    datos->alfa = NumeroDe(num1_);
    datos->beta = NumeroDe(num2_);
    datos->grupo = NumeroDe(num3_);
    Ejecutar([datos] { datos->metodo(datos->alfa, datos->beta, datos->grupo, datos->resultado); },
             [this, datos] { salida_->setText(TextoDe(datos->resultado)); });
}
