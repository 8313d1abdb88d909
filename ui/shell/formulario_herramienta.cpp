#include "ui/shell/formulario_herramienta.h"

#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "errors/errores.h"
#include "ui/shell/ayuda_contextual.h"
#include "ui/shell/contador_digitos.h"
#include "ui/shell/dialogo_comun.h"
#include "ui/shell/iconos.h"
#include "ui/shell/pistas_estado.h"
#include "ui/shell/servicios.h"
#include "ui/shell/ventana_hija.h"

namespace {

constexpr int kLadoMarcador = 22;     // pixels of the FlechaErr arrow
constexpr int kLadoReloj = 24;        // pixels of the clock beside Cuenta
constexpr int kCifrasVisibles = 42;   // digits a number box shows without scrolling

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

FormularioHerramienta::FormularioHerramienta(ServiciosPrincipal& servicios, const RasgosFormulario& rasgos)
    : servicios_(servicios), rasgos_(rasgos), pistas_(new PistasEstado(servicios, this)) {
    setObjectName(rasgos_.nombre);
    setWindowTitle(rasgos_.titulo);
    setWindowIcon(Icono(rasgos_.icono));
    PonerTemaAyuda(this, rasgos_.tema_ayuda);
    PonerGrupoEdicion(this, rasgos_.grupo_edicion);

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

    btn_borrar_ = NuevoBotonImagen(QStringLiteral("BtnBorrar"), QStringLiteral("borrar"),
                                   QStringLiteral("Borrar los números actuales"));
    connect(btn_borrar_, &QPushButton::clicked, this, [this] { Borrar(); });
    btn_cancelar_ = NuevoBotonImagen(QStringLiteral("BtnCancelar"), QStringLiteral("cerrar"),
                                     QStringLiteral("Cerrar la ventana"));
    pistas_->Poner(btn_cancelar_, rasgos_.pista_cancelar);
    connect(btn_cancelar_, &QPushButton::clicked, this, [this] { CerrarVentanaHija(this); });

    QLabel* reloj = NuevaImagen(rasgos_.imagen_tiempo, QStringLiteral("hora"), kLadoReloj, this);
    reloj->setToolTip(QStringLiteral("Tiempo de ejecución"));
    cuenta_ = NuevaEtiqueta(QStringLiteral("Cuenta"), kCuentaInicial, this);
    // Wide enough for any elapsed time, so the foot does not jump.
    cuenta_->setMinimumWidth(cuenta_->fontMetrics().horizontalAdvance(QStringLiteral("00 h: 00 m: 00 s: ")));

    pie_ = new QHBoxLayout;
    pie_->addStretch();
    pie_->addWidget(reloj);
    pie_->addWidget(cuenta_);

    cuerpo_ = new QHBoxLayout;
    cuerpo_->addWidget(panel1, 1);

    auto* todo = new QVBoxLayout(this);
    todo->setContentsMargins(10, 10, 10, 8);
    todo->addLayout(cuerpo_);
    todo->addLayout(pie_);

    if (rasgos_.pista_fondo) pistas_->PonerFondo(this, *rasgos_.pista_fondo);
}

// ---- Controls ---------------------------------------------------------------

QFrame* FormularioHerramienta::NuevoPanel(const QString& nombre) {
    auto* panel = new QFrame(this);
    panel->setObjectName(nombre);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    if (rasgos_.pista_fondo) pistas_->PonerFondo(panel, *rasgos_.pista_fondo);
    return panel;
}

QLabel* FormularioHerramienta::NuevoRotulo(const QString& nombre, const QString& texto) {
    return NuevaEtiqueta(nombre, texto, this);
}

QLabel* FormularioHerramienta::NuevoContador(const QString& nombre, const QString& texto) {
    QLabel* contador = NuevaEtiqueta(nombre, texto, this);
    contador->setMinimumWidth(contador->fontMetrics().horizontalAdvance(TextoDigitos(kMaximoOperando)));
    return contador;
}

QLineEdit* FormularioHerramienta::NuevaCajaValidada(const QString& nombre, const QString& consejo,
                                                    const QString& pista, QLabel* contador, int maximo) {
    QLineEdit* caja = NuevaCajaNumero(nombre, consejo, rasgos_.tema_ayuda, this);
    caja->setMaxLength(maximo);
    pistas_->Poner(caja, pista);
    cajas_.push_back({caja, contador});
    CajaValidada& registrada = cajas_.back();
    connect(caja, &QLineEdit::textChanged, this, [this, &registrada] { CajaCambiada(registrada); });
    return caja;
}

QLineEdit* FormularioHerramienta::NuevaSalida(const QString& nombre, const QString& consejo,
                                              const std::optional<QString>& pista, QLabel* contador) {
    QLineEdit* caja = NuevaCajaNumero(nombre, consejo, rasgos_.tema_ayuda, this);
    if (pista) pistas_->Poner(caja, *pista);
    salidas_.append({caja, contador});
    connect(caja, &QLineEdit::textChanged, this,
            [this, caja, contador] { contador->setText(TextoContadorSalida(caja)); });
    return caja;
}

QLineEdit* FormularioHerramienta::NuevaFilaValidada(const FilaNumero& fila, QWidget* signo) {
    QLabel* contador = NuevoContador(fila.contador, fila.contador_inicial);
    QLineEdit* caja = NuevaCajaValidada(fila.caja, fila.consejo, fila.pista.value_or(QString()), contador, fila.maximo);
    AgregarFila(NuevoRotulo(fila.rotulo_nombre, fila.rotulo), caja, contador, signo);
    return caja;
}

QLineEdit* FormularioHerramienta::NuevaFilaSalida(const FilaNumero& fila) {
    QLabel* contador = NuevoContador(fila.contador, fila.contador_inicial);
    QLineEdit* caja = NuevaSalida(fila.caja, fila.consejo, fila.pista, contador);
    AgregarFila(NuevoRotulo(fila.rotulo_nombre, fila.rotulo), caja, contador);
    return caja;
}

QPushButton* FormularioHerramienta::NuevoBotonImagen(const QString& nombre, const QString& icono,
                                                     const QString& consejo) {
    return ::NuevoBotonImagen(nombre, icono, consejo, this);
}

QPushButton* FormularioHerramienta::NuevoBotonCalculo(const QString& nombre, const QString& consejo,
                                                      const std::optional<QString>& pista,
                                                      std::function<void()> calcular) {
    QPushButton* boton = NuevoBotonImagen(nombre, QString(), consejo);
    if (pista) pistas_->Poner(boton, *pista);
    // The press and the click are separate: a press released outside the
    // button has emptied the result and calculates nothing.
    connect(boton, &QPushButton::pressed, this, [this] { LimpiarResultado(); });
    connect(boton, &QPushButton::clicked, this, std::move(calcular));
    return boton;
}

QPushButton* FormularioHerramienta::NuevoBtnCalcular(const QString& consejo, const std::optional<QString>& pista,
                                                     std::function<void()> calcular) {
    btn_calcular_ = NuevoBotonCalculo(QStringLiteral("BtnCalcular"), consejo, pista, std::move(calcular));
    btn_calcular_->setIcon(servicios_.CalcularEn());
    return btn_calcular_;
}

QPushButton* FormularioHerramienta::NuevoBotonSigno(const QString& nombre, char& signo) {
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

void FormularioHerramienta::AgregarFila(QLabel* rotulo, QLineEdit* caja, QLabel* contador, QWidget* signo) {
    const int fila = rejilla_->rowCount();
    rejilla_->addWidget(rotulo, fila, 0);
    if (signo != nullptr) rejilla_->addWidget(signo, fila, 1);
    rejilla_->addWidget(caja, fila, 2);
    rejilla_->addWidget(contador, fila, 3);
}

void FormularioHerramienta::ColocarAlPie(std::initializer_list<QWidget*> widgets) {
    for (QWidget* w : widgets) pie_->insertWidget(colocados_al_pie_++, w);
}

// ---- Behaviour --------------------------------------------------------------

void FormularioHerramienta::ActivarCalculo() {
    btn_calcular_->setEnabled(true);
    btn_calcular_->setIcon(servicios_.CalcularEn());
    MostrarMarcador(false);
}

void FormularioHerramienta::DesactivarCalculo() {
    btn_calcular_->setEnabled(false);
    btn_calcular_->setIcon(servicios_.CalcularDis());
    MostrarMarcador(true);
}

void FormularioHerramienta::MostrarMarcador(bool visible) {
    flecha_err_->setVisible(visible);
    etq_err_->setVisible(visible);
}

void FormularioHerramienta::LimpiarResultado() {
    for (const CajaSalida& s : salidas_) s.caja->clear();
    cuenta_->setText(kCuentaInicial);
}

void FormularioHerramienta::Borrar() {
    for (const CajaValidada& c : cajas_) Vaciar(c.caja);
    for (const CajaSalida& s : salidas_) Vaciar(s.caja);
    cuenta_->setText(rasgos_.cuenta_borrada);
}

QString FormularioHerramienta::TextoContadorSalida(const QLineEdit* salida) const {
    return TextoDigitos(salida->text().size());
}

NumeroGrande FormularioHerramienta::NumeroDe(const QLineEdit* caja) {
    NumeroGrande numero;
    PonerACero(numero);
    CadenaANumero(caja->text().toStdString(), numero);
    return numero;
}

NumeroGrande FormularioHerramienta::NumeroDe(const QLineEdit* caja, char signo) {
    NumeroGrande numero;
    PonerACero(numero);
    CadenaANumero(caja->text().toStdString(), numero, signo);
    return numero;
}

QString FormularioHerramienta::TextoDe(const NumeroGrande& numero) {
    return QString::fromStdString(NumeroACadena(numero));
}

void FormularioHerramienta::PonerCuenta(const QString& texto) { cuenta_->setText(texto); }

QLineEdit* FormularioHerramienta::Salida() const { return salidas_.isEmpty() ? nullptr : salidas_.first().caja; }

void FormularioHerramienta::CajaCambiada(CajaValidada& c) {
    // The check shows error 1 itself, at the first character that is not a digit.
    c.invalida = HayDigitoInvalido(c.caja->text().toStdString());
    if (c.invalida) {
        DesactivarCalculo();
        return;
    }
    c.contador->setText(TextoDigitos(c.caja->text().size()));
    if (!HayCajaInvalida()) ActivarCalculo();
}

bool FormularioHerramienta::HayCajaInvalida() const {
    for (const CajaValidada& c : cajas_) {
        if (c.invalida) return true;
    }
    return false;
}

void FormularioHerramienta::Vaciar(QLineEdit* caja) const {
    if (!caja->text().isEmpty()) {
        caja->clear();
    } else if (rasgos_.borrado == Borrado::Siempre) {
        emit caja->textChanged(QString());
    }
}
