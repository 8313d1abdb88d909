#include "ui/calculators/ventana_calculadora.h"

#include <cstdint>
#include <string>

#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "bignum/tiempo.h"
#include "errors/errores.h"
#include "ui/calculators/contador_digitos.h"
#include "ui/calculators/pistas_estado.h"
#include "ui/shell/ayuda_contextual.h"
#include "ui/shell/dialogo_comun.h"
#include "ui/shell/iconos.h"
#include "ui/shell/puntero_pantalla.h"
#include "ui/shell/servicios.h"
#include "ui/shell/ventana_hija.h"

// The calculators' own pictures share the shell's resource folder, so Icono()
// finds them by name once they are registered. (Not in an unnamed namespace:
// the macro declares the registering function in the enclosing one.)
static void RegistrarIconosCalculadoras() { Q_INIT_RESOURCE(calculadoras); }

namespace {

constexpr int kLadoImagenBoton = 32;  // pixels of a button's picture
constexpr int kLadoBoton = 46;        // pixels of a picture button, frame included
constexpr int kLadoMarcador = 22;     // pixels of the FlechaErr arrow
constexpr int kLadoReloj = 24;        // pixels of the clock beside Cuenta
constexpr int kCifrasVisibles = 42;   // digits a number box shows without scrolling

QPushButton* NuevoBotonImagen(const QString& nombre, const QIcon& imagen, const QString& consejo, QWidget* padre) {
    auto* boton = new QPushButton(imagen, QString(), padre);
    boton->setObjectName(nombre);
    boton->setToolTip(consejo);
    boton->setIconSize(QSize(kLadoImagenBoton, kLadoImagenBoton));
    boton->setFixedSize(kLadoBoton, kLadoBoton);
    return boton;
}

// A box for a number: digits in a fixed-width font, the window's help topic.
QLineEdit* NuevaCajaNumero(const QString& nombre, const QString& consejo, int tema, QWidget* padre) {
    auto* caja = new QLineEdit(padre);
    caja->setObjectName(nombre);
    caja->setToolTip(consejo);
    caja->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    caja->setMinimumWidth(caja->fontMetrics().horizontalAdvance(QString(kCifrasVisibles, u'0')));
    PonerTemaAyuda(caja, tema);
    return caja;
}

// Keeps its place in the layout while hidden, so showing it moves nothing.
void ReservarSitio(QWidget* widget) {
    QSizePolicy politica = widget->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(politica);
}

}  // namespace

VentanaCalculadora::VentanaCalculadora(ServiciosPrincipal& servicios, const RasgosCalculadora& rasgos)
    : pistas_(new PistasEstado(servicios, this)), servicios_(servicios), rasgos_(rasgos) {
    static const bool registrados = (RegistrarIconosCalculadoras(), true);
    (void)registrados;

    setObjectName(rasgos_.nombre);
    setWindowTitle(rasgos_.titulo);
    setWindowIcon(Icono(rasgos_.icono));
    PonerTemaAyuda(this, rasgos_.tema_ayuda);

    QFrame* panel1 = NuevoPanel(QStringLiteral("Panel1"));
    rejilla_ = new QGridLayout;
    rejilla_->setHorizontalSpacing(8);
    rejilla_->setColumnStretch(2, 1);

    flecha_err_ = NuevaImagen(QStringLiteral("FlechaErr"), QStringLiteral("flecha_err"), kLadoMarcador, panel1);
    etq_err_ = NuevaEtiqueta(QStringLiteral("EtqErr"), rasgos_.texto_error, panel1);
    QPalette rojo = etq_err_->palette();
    rojo.setColor(QPalette::WindowText, QColor(0xa9, 0x32, 0x26));
    etq_err_->setPalette(rojo);
    QFont negrita = etq_err_->font();
    negrita.setBold(true);
    etq_err_->setFont(negrita);
    ReservarSitio(flecha_err_);
    ReservarSitio(etq_err_);
    MostrarMarcador(false);

    auto* marcador = new QHBoxLayout;
    marcador->addWidget(flecha_err_);
    marcador->addWidget(etq_err_);
    marcador->addStretch();

    auto* dentro = new QVBoxLayout(panel1);
    dentro->addLayout(rejilla_);
    dentro->addLayout(marcador);

    auto* btn_borrar = NuevoBotonImagen(QStringLiteral("BtnBorrar"), Icono(QStringLiteral("borrar")),
                                        QStringLiteral("Borrar los números actuales"), this);
    connect(btn_borrar, &QPushButton::clicked, this, [this] { Borrar(); });
    auto* btn_cancelar = NuevoBotonImagen(QStringLiteral("BtnCancelar"), Icono(QStringLiteral("cerrar")),
                                          QStringLiteral("Cerrar la ventana"), this);
    pistas_->Poner(btn_cancelar, rasgos_.pista_cancelar);
    connect(btn_cancelar, &QPushButton::clicked, this, [this] { CerrarVentanaHija(this); });

    QLabel* reloj = NuevaImagen(rasgos_.imagen_tiempo, QStringLiteral("hora"), kLadoReloj, this);
    reloj->setToolTip(QStringLiteral("Tiempo de ejecución"));
    cuenta_ = NuevaEtiqueta(QStringLiteral("Cuenta"), kCuentaInicial, this);
    // Wide enough for any elapsed time, so the foot does not jump.
    cuenta_->setMinimumWidth(cuenta_->fontMetrics().horizontalAdvance(QStringLiteral("00 h: 00 m: 00 s: ")));

    pie_ = new QHBoxLayout;
    pie_->addWidget(btn_borrar);
    pie_->addWidget(btn_cancelar);
    pie_->addStretch();
    pie_->addWidget(reloj);
    pie_->addWidget(cuenta_);

    auto* todo = new QVBoxLayout(this);
    todo->setContentsMargins(10, 10, 10, 8);
    todo->addWidget(panel1);
    todo->addLayout(pie_);

    if (rasgos_.pista_fondo) pistas_->PonerFondo(this, *rasgos_.pista_fondo);
}

// ---- Controls ---------------------------------------------------------------

QFrame* VentanaCalculadora::NuevoPanel(const QString& nombre) {
    auto* panel = new QFrame(this);
    panel->setObjectName(nombre);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    if (rasgos_.pista_fondo) pistas_->PonerFondo(panel, *rasgos_.pista_fondo);
    return panel;
}

QLabel* VentanaCalculadora::NuevoRotulo(const QString& nombre, const QString& texto) {
    return NuevaEtiqueta(nombre, texto, this);
}

QLabel* VentanaCalculadora::NuevoContador(const QString& nombre, const QString& texto) {
    QLabel* contador = NuevaEtiqueta(nombre, texto, this);
    contador->setMinimumWidth(contador->fontMetrics().horizontalAdvance(TextoDigitos(kMaximoOperando)));
    return contador;
}

QLineEdit* VentanaCalculadora::NuevaCajaValidada(const QString& nombre, const QString& consejo, const QString& pista,
                                                 QLabel* contador, int maximo) {
    QLineEdit* caja = NuevaCajaNumero(nombre, consejo, rasgos_.tema_ayuda, this);
    caja->setMaxLength(maximo);
    pistas_->Poner(caja, pista);
    cajas_.push_back({caja, contador});
    CajaValidada& registrada = cajas_.back();
    connect(caja, &QLineEdit::textChanged, this, [this, &registrada] { CajaCambiada(registrada); });
    return caja;
}

QLineEdit* VentanaCalculadora::NuevaSalida(const QString& consejo, const std::optional<QString>& pista,
                                           QLabel* contador) {
    salida_ = NuevaCajaNumero(QStringLiteral("Salida"), consejo, rasgos_.tema_ayuda, this);
    contador_salida_ = contador;
    if (pista) pistas_->Poner(salida_, *pista);
    connect(salida_, &QLineEdit::textChanged, this, [this] { ContarSalida(); });
    return salida_;
}

QPushButton* VentanaCalculadora::NuevoBotonCalculo(const QString& nombre, const QString& consejo,
                                                   const std::optional<QString>& pista,
                                                   std::function<void()> calcular) {
    auto* boton = NuevoBotonImagen(nombre, QIcon(), consejo, this);
    if (pista) pistas_->Poner(boton, *pista);
    // The press and the click are separate: a press released outside the
    // button has emptied the result and calculates nothing.
    connect(boton, &QPushButton::pressed, this, [this] { LimpiarResultado(); });
    connect(boton, &QPushButton::clicked, this, std::move(calcular));
    return boton;
}

QPushButton* VentanaCalculadora::NuevoBtnCalcular(const QString& consejo, const std::optional<QString>& pista,
                                                  std::function<void()> calcular) {
    btn_calcular_ = NuevoBotonCalculo(QStringLiteral("BtnCalcular"), consejo, pista, std::move(calcular));
    btn_calcular_->setIcon(servicios_.CalcularEn());
    return btn_calcular_;
}

QPushButton* VentanaCalculadora::NuevoBotonSigno(const QString& nombre, char& signo) {
    auto* boton = new QPushButton(QString(QChar::fromLatin1(signo)), this);
    boton->setObjectName(nombre);
    boton->setToolTip(QStringLiteral("Signo"));
    QFont negrita = boton->font();
    negrita.setBold(true);
    boton->setFont(negrita);
    boton->setFixedWidth(boton->fontMetrics().horizontalAdvance(QStringLiteral("+")) + 24);
    connect(boton, &QPushButton::clicked, this, [boton, &signo] {
        signo = signo == '+' ? '-' : '+';
        boton->setText(QString(QChar::fromLatin1(signo)));
    });
    return boton;
}

// ---- Layout -----------------------------------------------------------------

void VentanaCalculadora::AgregarFila(QLabel* rotulo, QLineEdit* caja, QLabel* contador, QWidget* signo) {
    const int fila = rejilla_->rowCount();
    rejilla_->addWidget(rotulo, fila, 0);
    if (signo != nullptr) rejilla_->addWidget(signo, fila, 1);
    rejilla_->addWidget(caja, fila, 2);
    rejilla_->addWidget(contador, fila, 3);
}

void VentanaCalculadora::AgregarAlPie(QWidget* calculo) { pie_->insertWidget(0, calculo); }

// ---- Behaviour --------------------------------------------------------------

void VentanaCalculadora::ActivarCalculo() {
    btn_calcular_->setEnabled(true);
    btn_calcular_->setIcon(servicios_.CalcularEn());
    MostrarMarcador(false);
}

void VentanaCalculadora::DesactivarCalculo() {
    btn_calcular_->setEnabled(false);
    btn_calcular_->setIcon(servicios_.CalcularDis());
    MostrarMarcador(true);
}

void VentanaCalculadora::MostrarMarcador(bool visible) {
    flecha_err_->setVisible(visible);
    etq_err_->setVisible(visible);
}

void VentanaCalculadora::LimpiarResultado() {
    if (salida_ != nullptr) salida_->clear();
    cuenta_->setText(kCuentaInicial);
}

void VentanaCalculadora::Borrar() {
    for (const CajaValidada& c : cajas_) Vaciar(c.caja);
    if (salida_ != nullptr) Vaciar(salida_);
    cuenta_->setText(rasgos_.cuenta_borrada);
}

void VentanaCalculadora::ContarSalida() { contador_salida_->setText(TextoDigitos(salida_->text().size())); }

void VentanaCalculadora::CajaCambiada(CajaValidada& c) {
    // The check shows error 1 itself, at the first character that is not a digit.
    c.invalida = HayDigitoInvalido(c.caja->text().toStdString());
    if (c.invalida) {
        DesactivarCalculo();
        return;
    }
    c.contador->setText(TextoDigitos(c.caja->text().size()));
    if (!HayCajaInvalida()) ActivarCalculo();
}

bool VentanaCalculadora::HayCajaInvalida() const {
    for (const CajaValidada& c : cajas_) {
        if (c.invalida) return true;
    }
    return false;
}

void VentanaCalculadora::Calcular(const QString& texto_ocupado, const std::function<void()>& pasos) {
    servicios_.EscribirEstado(texto_ocupado);
    std::uint8_t hora = 0, minuto = 0, segundo = 0;
    TomarHora(hora, minuto, segundo);
    // An error shown by the operation sets the arrow; the pointer in force
    // before the calculation comes back at its end all the same.
    const puerto::Puntero antes = PunteroPantalla();
    puerto::Actual().PonerPuntero(rasgos_.puntero_ocupado);
    pasos();
    puerto::Actual().PonerPuntero(antes);
    std::string tiempo;
    TiempoTranscurrido(hora, minuto, segundo, tiempo);
    cuenta_->setText(QString::fromStdString(tiempo));
    servicios_.EscribirEstado(kPreparado);
}

NumeroGrande VentanaCalculadora::NumeroDe(const QLineEdit* caja) {
    NumeroGrande numero;
    PonerACero(numero);
    CadenaANumero(caja->text().toStdString(), numero);
    return numero;
}

NumeroGrande VentanaCalculadora::NumeroDe(const QLineEdit* caja, char signo) {
    NumeroGrande numero;
    PonerACero(numero);
    CadenaANumero(caja->text().toStdString(), numero, signo);
    return numero;
}

void VentanaCalculadora::EscribirSalida(const NumeroGrande& resultado) {
    salida_->setText(QString::fromStdString(NumeroACadena(resultado)));
}

void VentanaCalculadora::Vaciar(QLineEdit* caja) {
    if (caja->text().isEmpty()) {
        emit caja->textChanged(QString());
    } else {
        caja->clear();
    }
}
