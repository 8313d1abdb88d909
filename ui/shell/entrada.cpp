#include "ui/shell/entrada.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/shell/autoria.h"
#include "ui/shell/dialogo_comun.h"
#include "ui/shell/iconos.h"

namespace {

QLabel* Texto(const char* nombre, const QString& texto, int aumento, bool negrita, QWidget* padre) {
    QLabel* etiqueta = NuevaEtiqueta(QString::fromLatin1(nombre), texto, padre);
    QFont letra = etiqueta->font();
    letra.setPointSize(letra.pointSize() + aumento);
    letra.setBold(negrita);
    etiqueta->setFont(letra);
    etiqueta->setAlignment(Qt::AlignCenter);
    return etiqueta;
}

}  // namespace

Entrada::Entrada(QWidget* parent)
    : QFrame(parent, Qt::Window | Qt::FramelessWindowHint),
      frame1_(new QFrame(this)),
      btn_iniciar_(new QPushButton(Icono(QStringLiteral("iniciar")), QStringLiteral("Iniciar"), this)) {
    setObjectName(QStringLiteral("Entrada"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setWindowIcon(Icono(QStringLiteral("logo")));
    // Keys go to the splash itself, not to its button, so every key is seen.
    setFocusPolicy(Qt::StrongFocus);
    btn_iniciar_->setFocusPolicy(Qt::NoFocus);
    btn_iniciar_->setObjectName(QStringLiteral("BtnIniciar"));
    btn_iniciar_->setMinimumWidth(120);

    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame1_->installEventFilter(this);

    auto* ss_panel1 = new QFrame(frame1_);
    ss_panel1->setObjectName(QStringLiteral("SSPanel1"));
    ss_panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* textos = new QVBoxLayout(ss_panel1);
    textos->setContentsMargins(18, 14, 18, 14);
    textos->addWidget(Texto("Label3", QString::fromUtf8(autoria::kPrograma), 8, true, ss_panel1));
    textos->addWidget(Texto("Label4", QString::fromUtf8(autoria::kVersion), 2, false, ss_panel1));
    textos->addSpacing(18);
    textos->addWidget(Texto("lblProductName", QString::fromUtf8(autoria::kAutor), 1, true, ss_panel1));
    textos->addWidget(Texto("Label1", QStringLiteral("Tutor : ") + QString::fromUtf8(autoria::kTutor), 0, false,
                            ss_panel1));
    textos->addSpacing(10);
    textos->addWidget(Texto("Label2", QString::fromUtf8(autoria::kEscuela), 0, false, ss_panel1));
    textos->addWidget(Texto("lblPlatform", QString::fromUtf8(autoria::kUniversidad), 0, false, ss_panel1));

    auto* marco = new QHBoxLayout(frame1_);
    marco->setContentsMargins(16, 16, 16, 16);
    marco->setSpacing(16);
    marco->addWidget(NuevaImagen(QStringLiteral("imgLogo"), QStringLiteral("logo"), 112, frame1_), 0,
                     Qt::AlignVCenter);
    marco->addWidget(ss_panel1, 1);
    marco->addWidget(NuevaImagen(QStringLiteral("Image1"), QStringLiteral("candado_cerrado"), 72, frame1_), 0,
                     Qt::AlignVCenter);

    auto* pie = new QHBoxLayout;
    pie->addStretch();
    pie->addWidget(btn_iniciar_);

    auto* todo = new QVBoxLayout(this);
    todo->setContentsMargins(12, 12, 12, 12);
    todo->addWidget(frame1_);
    todo->addLayout(pie);

    connect(btn_iniciar_, &QPushButton::clicked, this, &Entrada::Iniciar);
}

void Entrada::Iniciar() {
    if (iniciado_) return;
    iniciado_ = true;
    emit Iniciado();
    close();
}

void Entrada::keyPressEvent(QKeyEvent* evento) {
    // A key that types a character; function, arrow and modifier keys type none.
    if (!evento->text().isEmpty()) {
        Iniciar();
        return;
    }
    QFrame::keyPressEvent(evento);
}

bool Entrada::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == frame1_ && evento->type() == QEvent::MouseButtonRelease) {
        Iniciar();
        return true;
    }
    return QFrame::eventFilter(objeto, evento);
}

void Entrada::showEvent(QShowEvent* evento) {
    QFrame::showEvent(evento);
    if (const QScreen* pantalla = screen()) {
        move(pantalla->availableGeometry().center() - rect().center());
    }
    activateWindow();
    setFocus();
}
