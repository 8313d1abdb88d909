#include "ui/problems/ventana_problema.h"

#include <string>

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "bignum/tiempo.h"
#include "ui/problems/descripcion_avance.h"
#include "ui/shell/dialogo_comun.h"
#include "ui/shell/iconos.h"
#include "ui/shell/puerto_reenvio.h"
#include "ui/shell/puntero_ventana.h"
#include "ui/shell/servicios.h"

namespace {

const QString kEnCurso = QStringLiteral(" Ya hay un cálculo en curso en esta ventana: espere a que termine o deténgalo");

constexpr int kLadoBotonPequeno = 28;  // pixels of a small picture button (help, clear)
constexpr int kLadoImagenPequena = 18;

void Empequenecer(QPushButton* boton) {
    boton->setIconSize(QSize(kLadoImagenPequena, kLadoImagenPequena));
    boton->setFixedSize(kLadoBotonPequeno, kLadoBotonPequeno);
}

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

QPushButton* VentanaProblema::NuevoBtnEjemplos(const QString& icono, const QString& consejo, const QString& clave) {
    QPushButton* boton = NuevoBotonImagen(QStringLiteral("BtnEjemplos"), icono, consejo);
    connect(boton, &QPushButton::clicked, this, [this, clave] { Servicios().AbrirHerramienta(clave); });
    return boton;
}

QList<QRadioButton*> VentanaProblema::NuevoPanelMetodos(const QString& consejo,
                                                       std::initializer_list<OpcionMetodo> metodos) {
    QFrame* panel3 = NuevoPanel(QStringLiteral("SSPanel3"));
    if (!consejo.isEmpty()) panel3->setToolTip(consejo);
    QLabel* encabezado = NuevaEtiqueta(QStringLiteral("SSPanel5"), QStringLiteral("Algoritmos"), panel3);
    encabezado->setAlignment(Qt::AlignCenter);
    encabezado->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    QFont negrita = encabezado->font();
    negrita.setBold(true);
    encabezado->setFont(negrita);

    auto* rejilla = new QGridLayout;
    rejilla->setColumnStretch(1, 1);
    auto* grupo = new QButtonGroup(panel3);  // exclusive: at most one option on
    QList<QRadioButton*> opciones;
    for (const OpcionMetodo& m : metodos) {
        QPushButton* ayuda = NuevoBotonImagen(m.ayuda, QStringLiteral("ayuda"), QString());
        Empequenecer(ayuda);
        ayuda->setParent(panel3);
        const int tema = m.tema;
        connect(ayuda, &QPushButton::clicked, this, [this, tema] { Servicios().MostrarTemaAyuda(tema); });
        auto* opcion = new QRadioButton(m.texto, panel3);
        opcion->setObjectName(m.nombre);
        grupo->addButton(opcion);
        const int fila = rejilla->rowCount();
        rejilla->addWidget(ayuda, fila, 0);
        rejilla->addWidget(opcion, fila, 1);
        opciones.append(opcion);
    }

    auto* dentro = new QVBoxLayout(panel3);
    dentro->addWidget(encabezado);
    dentro->addLayout(rejilla);
    dentro->addStretch();
    Cuerpo()->addWidget(panel3);
    return opciones;
}

void VentanaProblema::ColocarBotones(QPushButton* calcular, QPushButton* detener, QPushButton* ejemplos) {
    Empequenecer(BtnBorrar());
    ColocarAlPie({calcular, detener, BtnCancelar(), ejemplos, BtnBorrar()});
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
    // After a stop the last report is old news: the run is only ending.
    if (!ejecucion_ || ejecucion_->Detenida() || !EsLaVentanaActiva()) return;
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
