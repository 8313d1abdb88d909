#include "ui/shell/visor_ayuda.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include "ui/shell/iconos.h"
#include "ui/shell/indice_ayuda.h"

// The page area. Besides the help files it shows the viewer's own notices
// (something missing), which take part in the history like any page.
class NavegadorAyuda final : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    void MostrarAviso(const QString& texto) {
        const QString direccion = QStringLiteral("%1:%2").arg(kEsquema).arg(avisos_.size() + 1);
        avisos_.insert(direccion, QStringLiteral("<html><body><h2>Ayuda no disponible</h2><p>%1</p></body></html>")
                                      .arg(texto.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>"))));
        setSource(QUrl(direccion), QTextDocument::HtmlResource);
    }

    QVariant loadResource(int tipo, const QUrl& direccion) override {
        if (direccion.scheme() == QLatin1String(kEsquema)) return avisos_.value(direccion.toString());
        return QTextBrowser::loadResource(tipo, direccion);
    }

private:
    static constexpr char kEsquema[] = "aviso";
    QHash<QString, QString> avisos_;
};

namespace {

constexpr int kRolPagina = Qt::UserRole;  // index of the page in the manifest

QListWidgetItem* NuevoElemento(const QString& texto, qsizetype pagina, QListWidget* lista) {
    auto* elemento = new QListWidgetItem(texto, lista);
    elemento->setData(kRolPagina, QVariant::fromValue(pagina));
    return elemento;
}

qsizetype PaginaDe(const QListWidgetItem* elemento) {
    return elemento != nullptr ? elemento->data(kRolPagina).value<qsizetype>() : -1;
}

}  // namespace

VisorAyuda::VisorAyuda(const QString& carpeta, QWidget* parent)
    : QWidget(parent, Qt::Window),
      manifiesto_(LeerManifiestoAyuda(carpeta)),
      busqueda_(std::make_unique<BusquedaAyuda>(manifiesto_)),
      pestanas_(new QTabWidget(this)),
      contenido_(new QTreeWidget(this)),
      filtro_indice_(new QLineEdit(this)),
      indice_(new QListWidget(this)),
      texto_buscar_(new QLineEdit(this)),
      resultados_(new QListWidget(this)),
      pagina_(new NavegadorAyuda(this)),
      btn_atras_(new QPushButton(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Atrás"), this)),
      btn_adelante_(
          new QPushButton(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("Adelante"), this)) {
    setObjectName(QStringLiteral("VisorAyuda"));
    setWindowTitle(QStringLiteral("Ayuda de Tornavela de Cifrados"));
    setWindowIcon(Icono(QStringLiteral("ayuda")));
    resize(940, 640);

    pestanas_->setObjectName(QStringLiteral("Pestanas"));
    contenido_->setObjectName(QStringLiteral("Contenido"));
    filtro_indice_->setObjectName(QStringLiteral("FiltroIndice"));
    indice_->setObjectName(QStringLiteral("Indice"));
    texto_buscar_->setObjectName(QStringLiteral("TextoBuscar"));
    resultados_->setObjectName(QStringLiteral("Resultados"));
    pagina_->setObjectName(QStringLiteral("Pagina"));
    btn_atras_->setObjectName(QStringLiteral("BtnAtras"));
    btn_adelante_->setObjectName(QStringLiteral("BtnAdelante"));
    auto* btn_inicio = new QPushButton(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("Inicio"), this);
    btn_inicio->setObjectName(QStringLiteral("BtnInicio"));

    CrearContenido();
    CrearIndice();

    // Search tab.
    auto* btn_buscar = new QPushButton(QStringLiteral("Buscar"), this);
    btn_buscar->setObjectName(QStringLiteral("BtnBuscar"));
    texto_buscar_->setPlaceholderText(QStringLiteral("Palabras que buscar"));
    auto* buscar = new QWidget(this);
    auto* caja_buscar = new QVBoxLayout(buscar);
    auto* fila_buscar = new QHBoxLayout;
    fila_buscar->addWidget(texto_buscar_, 1);
    fila_buscar->addWidget(btn_buscar);
    caja_buscar->addLayout(fila_buscar);
    caja_buscar->addWidget(resultados_, 1);
    pestanas_->addTab(buscar, QStringLiteral("Buscar"));
    connect(btn_buscar, &QPushButton::clicked, this, [this] { Buscar(texto_buscar_->text()); });
    connect(texto_buscar_, &QLineEdit::returnPressed, this, [this] { Buscar(texto_buscar_->text()); });
    connect(resultados_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* e) { MostrarPagina(PaginaDe(e)); });
    connect(resultados_, &QListWidget::itemClicked, this, [this](QListWidgetItem* e) { MostrarPagina(PaginaDe(e)); });

    // Page and its buttons.
    pagina_->setOpenLinks(false);
    pagina_->setSearchPaths({manifiesto_.carpeta});
    connect(pagina_, &QTextBrowser::anchorClicked, this, &VisorAyuda::SeguirEnlace);
    connect(pagina_, &QTextBrowser::sourceChanged, this, &VisorAyuda::MarcarEnContenido);
    btn_atras_->setEnabled(false);
    btn_adelante_->setEnabled(false);
    connect(pagina_, &QTextBrowser::backwardAvailable, btn_atras_, &QPushButton::setEnabled);
    connect(pagina_, &QTextBrowser::forwardAvailable, btn_adelante_, &QPushButton::setEnabled);
    connect(btn_atras_, &QPushButton::clicked, pagina_, &QTextBrowser::backward);
    connect(btn_adelante_, &QPushButton::clicked, pagina_, &QTextBrowser::forward);
    connect(btn_inicio, &QPushButton::clicked, this, [this] { MostrarFichero(QString::fromLatin1(kPaginaInicio)); });

    auto* derecha = new QWidget(this);
    auto* caja_derecha = new QVBoxLayout(derecha);
    caja_derecha->setContentsMargins(0, 0, 0, 0);
    auto* botones = new QHBoxLayout;
    botones->addWidget(btn_atras_);
    botones->addWidget(btn_adelante_);
    botones->addWidget(btn_inicio);
    botones->addStretch();
    caja_derecha->addLayout(botones);
    caja_derecha->addWidget(pagina_, 1);

    auto* divisor = new QSplitter(this);
    divisor->addWidget(pestanas_);
    divisor->addWidget(derecha);
    divisor->setStretchFactor(1, 1);
    divisor->setSizes({280, 660});
    auto* todo = new QVBoxLayout(this);
    todo->addWidget(divisor);
}

VisorAyuda::~VisorAyuda() = default;

void VisorAyuda::CrearContenido() {
    contenido_->setHeaderHidden(true);
    QHash<QString, QTreeWidgetItem*> grupos;
    for (qsizetype i = 0; i < manifiesto_.paginas.size(); ++i) {
        const PaginaAyuda& p = manifiesto_.paginas[i];
        QTreeWidgetItem* elemento = nullptr;
        if (p.grupo.isEmpty()) {
            elemento = new QTreeWidgetItem(contenido_);
        } else {
            QTreeWidgetItem*& grupo = grupos[p.grupo];
            if (grupo == nullptr) {
                grupo = new QTreeWidgetItem(contenido_, {p.grupo});
                grupo->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
                grupo->setData(0, kRolPagina, QVariant::fromValue(qsizetype{-1}));
            }
            elemento = new QTreeWidgetItem(grupo);
        }
        elemento->setText(0, p.titulo);
        elemento->setIcon(0, style()->standardIcon(QStyle::SP_FileIcon));
        elemento->setData(0, kRolPagina, QVariant::fromValue(i));
    }
    contenido_->expandAll();
    // Never narrower than its longest title (indentation and icon included)
    // with its frame and scroll bar, so that no title is cut short, whatever
    // the fonts.
    const QAbstractItemView& vista = *contenido_;  // where sizeHintForColumn is public
    contenido_->setMinimumWidth(vista.sizeHintForColumn(0) + 2 * contenido_->frameWidth() +
                                style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, contenido_));
    auto abrir = [this](QTreeWidgetItem* e) {
        if (const qsizetype p = e->data(0, kRolPagina).value<qsizetype>(); p >= 0) MostrarPagina(p);
    };
    connect(contenido_, &QTreeWidget::itemClicked, this, abrir);
    connect(contenido_, &QTreeWidget::itemActivated, this, abrir);
    pestanas_->addTab(contenido_, QStringLiteral("Contenido"));
}

void VisorAyuda::CrearIndice() {
    for (const EntradaIndice& e : EntradasIndice(manifiesto_)) NuevoElemento(e.texto, e.pagina, indice_);
    filtro_indice_->setPlaceholderText(QStringLiteral("Escriba la palabra que busca"));
    auto* pestana = new QWidget(this);
    auto* caja = new QVBoxLayout(pestana);
    caja->addWidget(filtro_indice_);
    caja->addWidget(indice_, 1);
    pestanas_->addTab(pestana, QStringLiteral("Índice"));
    connect(filtro_indice_, &QLineEdit::textChanged, this, &VisorAyuda::FiltrarIndice);
    connect(filtro_indice_, &QLineEdit::returnPressed, this,
            [this] { MostrarPagina(PaginaDe(indice_->currentItem())); });
    connect(indice_, &QListWidget::itemActivated, this, [this](QListWidgetItem* e) { MostrarPagina(PaginaDe(e)); });
    connect(indice_, &QListWidget::itemClicked, this, [this](QListWidgetItem* e) { MostrarPagina(PaginaDe(e)); });
}

void VisorAyuda::FiltrarIndice(const QString& filtro) {
    const QString buscado = Plegar(filtro.trimmed());
    QListWidgetItem* primero = nullptr;
    for (int i = 0; i < indice_->count(); ++i) {
        QListWidgetItem* e = indice_->item(i);
        const bool ve = Plegar(e->text()).contains(buscado);
        e->setHidden(!ve);
        if (ve && primero == nullptr) primero = e;
    }
    indice_->setCurrentItem(primero);
}

void VisorAyuda::Buscar(const QString& consulta) {
    pestanas_->setCurrentIndex(pestanas_->indexOf(resultados_->parentWidget()));
    if (texto_buscar_->text() != consulta) texto_buscar_->setText(consulta);
    resultados_->clear();
    const QList<qsizetype> paginas = busqueda_->Buscar(consulta);
    for (const qsizetype p : paginas) NuevoElemento(manifiesto_.paginas[p].titulo, p, resultados_);
    if (paginas.isEmpty() && !consulta.trimmed().isEmpty()) {
        QListWidgetItem* nada = NuevoElemento(QStringLiteral("No se ha encontrado ninguna página."), -1, resultados_);
        nada->setFlags(Qt::NoItemFlags);
    }
}

void VisorAyuda::MostrarInicio() {
    pestanas_->setCurrentWidget(contenido_);
    MostrarFichero(QString::fromLatin1(kPaginaInicio));
}

void VisorAyuda::MostrarUsoAyuda() { MostrarFichero(QString::fromLatin1(kPaginaUsoAyuda)); }

void VisorAyuda::MostrarTema(int tema) {
    if (!manifiesto_.error.isEmpty()) {
        MostrarAviso(manifiesto_.error);
        return;
    }
    const qsizetype pagina = manifiesto_.IndiceDeTema(tema);
    if (pagina < 0) {
        MostrarAviso(QStringLiteral("La ayuda no tiene ningún tema con el número %1.").arg(tema));
        return;
    }
    MostrarPagina(pagina);
}

void VisorAyuda::MostrarPagina(qsizetype pagina) {
    if (pagina >= 0 && pagina < manifiesto_.paginas.size()) MostrarFichero(manifiesto_.paginas[pagina].fichero);
}

void VisorAyuda::MostrarFichero(const QString& fichero) {
    if (!manifiesto_.error.isEmpty()) {
        MostrarAviso(manifiesto_.error);
        return;
    }
    const QString ruta = QDir(manifiesto_.carpeta).filePath(fichero);
    if (!QFileInfo(ruta).isFile()) {
        MostrarAviso(QStringLiteral("No se encuentra la página «%1» de la ayuda en la carpeta:\n%2")
                         .arg(fichero, QDir::toNativeSeparators(manifiesto_.carpeta)));
        return;
    }
    pagina_->setSource(QUrl::fromLocalFile(ruta), QTextDocument::HtmlResource);
}

void VisorAyuda::MostrarAviso(const QString& texto) { pagina_->MostrarAviso(texto); }

// Links lead only to other pages of the help folder (and to places inside
// them); anything else is not followed.
void VisorAyuda::SeguirEnlace(const QUrl& enlace) {
    const QUrl destino = pagina_->source().resolved(enlace);
    if (!destino.isLocalFile()) return;
    const QFileInfo fichero(destino.toLocalFile());
    if (fichero.absolutePath() != QFileInfo(manifiesto_.carpeta).absoluteFilePath()) return;
    if (!fichero.isFile()) {
        MostrarFichero(fichero.fileName());
        return;
    }
    pagina_->setSource(destino, QTextDocument::HtmlResource);
}

// Uses the address the signal carries: source() still names the page before.
void VisorAyuda::MarcarEnContenido(const QUrl& fuente) {
    const qsizetype pagina =
        fuente.isLocalFile() ? manifiesto_.IndiceDeFichero(QFileInfo(fuente.toLocalFile()).fileName()) : -1;
    QTreeWidgetItem* marcado = nullptr;
    for (QTreeWidgetItemIterator it(contenido_); *it != nullptr; ++it) {
        if (pagina >= 0 && (*it)->data(0, kRolPagina).value<qsizetype>() == pagina) {
            marcado = *it;
            break;
        }
    }
    const QSignalBlocker sin_senales(contenido_);
    contenido_->setCurrentItem(marcado);
}

QString VisorAyuda::FicheroActual() const {
    const QUrl fuente = pagina_->source();
    return fuente.isLocalFile() ? QFileInfo(fuente.toLocalFile()).fileName() : QString();
}

QString VisorAyuda::TextoActual() const { return pagina_->toPlainText(); }
