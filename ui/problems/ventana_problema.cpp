#include "ui/problems/ventana_problema.h"

#include <string>

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

#include "bignum/tiempo.h"
#include "ui/problems/descripcion_avance.h"
#include "ui/shell/puerto_reenvio.h"
#include "ui/shell/puntero_ventana.h"
#include "ui/shell/servicios.h"

namespace {

const QString kEnCurso = QStringLiteral(" Ya hay un cálculo en curso en esta ventana: espere a que termine o deténgalo");

}  // namespace

VentanaProblema::VentanaProblema(ServiciosPrincipal& servicios, const RasgosFormulario& rasgos,
                                 OrdenEjecucion orden)
    : FormularioHerramienta(servicios, rasgos), orden_(orden) {}

VentanaProblema::~VentanaProblema() {
    if (ejecucion_) ejecucion_->Abandonar();
}

QPushButton* VentanaProblema::NuevoBtnDetener() {
    QPushButton* boton =
        NuevoBotonImagen(QStringLiteral("BtnDetener"), QStringLiteral("detener"), QStringLiteral("Detener el proceso"));
    connect(boton, &QPushButton::clicked, this, [this] { Servicios().Ejecuciones().DetenerTodas(); });
    return boton;
}

bool VentanaProblema::RechazarSiEnCurso() {
    if (!ejecucion_) return false;
    Servicios().EscribirEstado(kEnCurso);
    return true;
}

void VentanaProblema::Ejecutar(Ejecucion::Trabajo trabajo, std::function<void()> mostrar) {
    puntero_previo_ = PunteroVentana(this);
    {
        PuertoVentana en_ventana(this);
        if (orden_.hora_antes_que_puntero) TomarHora(hora_, minuto_, segundo_);
        puerto::Actual().PonerPuntero(Rasgos().puntero_ocupado);
        if (!orden_.hora_antes_que_puntero) TomarHora(hora_, minuto_, segundo_);
    }
    ejecucion_ = Ejecucion::Iniciar(Servicios().Ejecuciones(), this, std::move(trabajo),
                                    [this, mostrar = std::move(mostrar)] { Terminar(mostrar); });
    connect(ejecucion_, &Ejecucion::Avanzo, this, &VentanaProblema::MostrarAvance);
}

void VentanaProblema::Terminar(const std::function<void()>& mostrar) {
    ejecucion_ = nullptr;
    mostrar();
    std::string tiempo;
    TiempoTranscurrido(hora_, minuto_, segundo_, tiempo);
    PonerCuenta(QString::fromStdString(tiempo));
    PuertoVentana en_ventana(this);
    if (orden_.puntero_antes_que_preparado) puerto::Actual().PonerPuntero(puntero_previo_);
    Servicios().EscribirEstado(kPreparado);
    if (!orden_.puntero_antes_que_preparado) puerto::Actual().PonerPuntero(puntero_previo_);
}

QString VentanaProblema::DescribirAvance(const puerto::BuzonAvance::Lectura& avance) const {
    return ::DescribirAvance(avance);
}

void VentanaProblema::MostrarAvance() {
    if (!ejecucion_ || !EsLaVentanaActiva()) return;
    const QString linea = DescribirAvance(ejecucion_->Avance());
    if (!linea.isEmpty()) Servicios().EscribirEstado(linea);
}

bool VentanaProblema::EsLaVentanaActiva() const {
    const auto* marco = qobject_cast<const QMdiSubWindow*>(parentWidget());
    if (marco == nullptr || marco->mdiArea() == nullptr) return true;  // a window on its own
    return marco->mdiArea()->activeSubWindow() == marco;
}

void VentanaProblema::closeEvent(QCloseEvent* evento) {
    // Nothing of the run may reach this window any more.
    if (ejecucion_) ejecucion_->Abandonar();
    ejecucion_ = nullptr;
    FormularioHerramienta::closeEvent(evento);
}
