#include "ui/shell/acerca_de.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/shell/autoria.h"
#include "ui/shell/ayuda_contextual.h"
#include "ui/shell/dialogo_comun.h"
#include "ui/shell/iconos.h"
#include "ui/shell/servicios.h"

namespace {

QString TextoLinea(int indice) {
    using namespace autoria;
    switch (indice) {
    case 0: return QStringLiteral("Este programa está inmerso en un Proyecto de Desarrollo de Software de Prácticas");
    case 1:
        return QStringLiteral("de la asignatura %1, que desarrolla el software de sus propias prácticas,")
            .arg(QString::fromUtf8(kAsignatura));
    case 2:
        return QStringLiteral("y es el proyecto fin de carrera de un alumno del %1, siendo su tutor")
            .arg(QString::fromUtf8(kAutor));
    case 3: return QString::fromUtf8(kTutor);
    case 4: return QStringLiteral("Si desea recibir cualquier información adicional o hacer llegar sugerencias sobre esta");
    case 5:
        return QStringLiteral("aplicación o el Proyecto antes mencionado, por favor dirigirse a ") +
               QString::fromUtf8(kCorreo);
    case 6: return QStringLiteral("o al servidor web del dpto. de %1:").arg(QString::fromUtf8(kDepartamento));
    default: return QString::fromUtf8(kWebDepartamento);
    }
}

}  // namespace

AcercaDe::AcercaDe(ServiciosPrincipal& servicios, QWidget* parent)
    : QWidget(parent),
      servicios_(servicios),
      abierto_(NuevaImagen(QStringLiteral("Abierto"), QStringLiteral("candado_abierto"), 48, this)),
      cerrado_(NuevaImagen(QStringLiteral("Cerrado"), QStringLiteral("candado_cerrado"), 48, this)),
      reloj2_(new QTimer(this)) {
    setObjectName(QStringLiteral("AcercaDe"));
    setWindowTitle(QStringLiteral(" Acerca de ..."));
    setWindowIcon(Icono(QStringLiteral("acercade")));
    setMouseTracking(true);
    PonerTemaAyuda(this, 31);

    QLabel* label1 = NuevaEtiqueta(QStringLiteral("Label1"), QString::fromUtf8(autoria::kPrograma), this);
    QFont titulo = label1->font();
    titulo.setPointSize(titulo.pointSize() + 6);
    titulo.setBold(true);
    label1->setFont(titulo);
    QLabel* label3 = NuevaEtiqueta(QStringLiteral("Label3"), QString::fromUtf8(autoria::kDepartamento), this);

    // Both pictures share one place; only one of them shows at a time.
    auto* candado = new QGridLayout;
    candado->addWidget(abierto_, 0, 0);
    candado->addWidget(cerrado_, 0, 0);
    cerrado_->hide();

    auto* cabecera = new QHBoxLayout;
    cabecera->addWidget(NuevaImagen(QStringLiteral("Image1"), QStringLiteral("logo"), 56, this));
    cabecera->addSpacing(10);
    auto* titulos = new QVBoxLayout;
    titulos->addWidget(label1);
    titulos->addWidget(label3);
    cabecera->addLayout(titulos, 1);
    cabecera->addLayout(candado);

    auto* parrafo = new QVBoxLayout;
    parrafo->setSpacing(2);
    for (int i = 0; i < kLineas; ++i) {
        QLabel* linea = NuevaEtiqueta(QStringLiteral("Linea%1").arg(i), TextoLinea(i), this);
        // A hidden line keeps its place, so the paragraph does not jump.
        QSizePolicy politica = linea->sizePolicy();
        politica.setRetainSizeWhenHidden(true);
        linea->setSizePolicy(politica);
        linea->hide();
        lineas_[static_cast<std::size_t>(i)] = linea;
        parrafo->addWidget(linea);
    }

    auto* pie = new QHBoxLayout;
    pie->addStretch();
    pie->addWidget(NuevaImagen(QStringLiteral("Image2"), QStringLiteral("llave"), 40, this));

    auto* todo = new QVBoxLayout(this);
    todo->setContentsMargins(16, 14, 16, 12);
    todo->addLayout(cabecera);
    todo->addSpacing(12);
    todo->addLayout(parrafo);
    todo->addLayout(pie);

    reloj2_->setObjectName(QStringLiteral("Reloj2"));
    reloj2_->setInterval(kIntervaloLinea);
    connect(reloj2_, &QTimer::timeout, this, &AcercaDe::Reloj2_Timer);
    reloj2_->start();
}

void AcercaDe::Reloj2_Timer() {
    if (estado_ == 1) {
        abierto_->show();
        cerrado_->hide();
        estado_ = 0;
    } else {
        abierto_->hide();
        cerrado_->show();
        estado_ = 1;
    }
    if (contador_ == kLineas) {
        for (QLabel* linea : lineas_) linea->hide();
        contador_ = 0;
        reloj2_->setInterval(kIntervaloLinea);
    }
    lineas_[static_cast<std::size_t>(contador_)]->show();
    ++contador_;
    if (contador_ == kLineas) reloj2_->setInterval(kIntervaloParrafo);
}

void AcercaDe::mouseMoveEvent(QMouseEvent* evento) {
    servicios_.EscribirEstado(QStringLiteral(" Información acerca de la aplicación"));
    QWidget::mouseMoveEvent(evento);
}

void AcercaDe::closeEvent(QCloseEvent* evento) {
    reloj2_->stop();
    QWidget::closeEvent(evento);
}
