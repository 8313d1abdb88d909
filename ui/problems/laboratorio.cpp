#include "ui/problems/laboratorio.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "bignum/numeros_grandes.h"
#include "solvers/factorizacion.h"
#include "solvers/logaritmo.h"
#include "solvers/pohlig_hellman.h"
#include "ui/problems/ajuste_costes.h"
#include "ui/problems/descripcion_avance.h"
#include "ui/problems/grafica_costes.h"
#include "ui/shell/ayuda_contextual.h"
#include "ui/shell/ejecucion.h"
#include "ui/shell/grupo_edicion.h"
#include "ui/shell/iconos.h"
#include "ui/shell/pistas_estado.h"
#include "ui/shell/puerto_reenvio.h"
#include "ui/shell/servicios.h"
#include "ui/shell/ventana_hija.h"

namespace {

const QString kPreparadoLab = QStringLiteral(" Preparado");

// One method of a problem: its key (object names), name, the method its
// progress reports carry and its colour on the chart.
struct DatosMetodo {
    const char* clave;
    const char* nombre;
    puerto::Metodo metodo;
};

constexpr std::array<DatosMetodo, 3> kMetodosFactorizacion{{
    {"PollardRho", "Pollard Rho", puerto::Metodo::Rho},
    {"Dixon", "Dixon", puerto::Metodo::Dixon},
    {"Fracciones", "Fracciones Continuas", puerto::Metodo::Fracciones},
}};
constexpr std::array<DatosMetodo, 3> kMetodosLogaritmo{{
    {"Busqueda", "Búsqueda exhaustiva", puerto::Metodo::Busqueda},
    {"GiganteEnano", "Paso Gigante-Paso Enano", puerto::Metodo::GiganteEnano},
    {"PohligHellman", "Pohlig-Hellman", puerto::Metodo::PohligHellman},
}};

// Told apart when projected and when printed in grey.
const std::array<QColor, 3> kColores{QColor(0x1f, 0x61, 0x8d), QColor(0xd3, 0x54, 0x00), QColor(0x1e, 0x84, 0x49)};

constexpr std::array<MetodoFactorizacion, 3> kFactorizar{FactorizarRho, FactorizarDixon, FactorizarFracciones};
constexpr std::array<MetodoLogaritmo, 3> kLogaritmo{LogaritmoBusqueda, LogaritmoGiganteEnanoSinBanderas,
                                                   LogaritmoPohligHellman};

// The error a method gives for numbers too large for it.
constexpr int kErrorDemasiadoGrande = 13;

// What a run's worker writes: the outputs of the method and its time.
struct Salida {
    NumeroGrande r1;
    NumeroGrande r2;
    double ms = 0;
};

// Shared by a series and the ports of its runs.
struct AvisoSerie {
    bool advertida = false;  // the interruption warning of a user stop was shown
};

// Numbers as the table and the readings write them: decimal comma, no
// thousands point.
QLocale Locale() {
    QLocale locale(QLocale::Spanish, QLocale::Spain);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString TextoMs(double ms) { return Locale().toString(ms, 'f', 3); }

// A factor per digit in the readings: "1,8", "12".
QString TextoFactor(double f, int decimales) { return Locale().toString(f, 'f', f >= 10 ? 0 : decimales); }

QString Texto(const NumeroGrande& x) { return QString::fromStdString(NumeroACadena(x)); }

// The results table: Ctrl+C copies the whole selection, not only the
// current cell as a plain item view does.
class TablaResultados final : public QTableWidget {
public:
    explicit TablaResultados(std::function<void()> copiar, QWidget* padre)
        : QTableWidget(padre), copiar_(std::move(copiar)) {}

protected:
    void keyPressEvent(QKeyEvent* evento) override {
        if (evento->matches(QKeySequence::Copy)) {
            copiar_();
            evento->accept();
            return;
        }
        QTableWidget::keyPressEvent(evento);
    }

private:
    std::function<void()> copiar_;
};

// The CSV form. RFC 4180: every field in double quotes, a quote inside it
// doubled, lines ended by CR LF, a header row with the table's column
// titles; the file is UTF-8 with a byte-order mark, so spreadsheets read the
// accents. A field that is a number (digits, a sign, a decimal comma) is
// written as the formula ="digits", which spreadsheets show as that very
// text: a 40-digit n keeps its 40 digits instead of becoming 1,2E+39, an
// exponent keeps its leading digits, and a time keeps its decimal comma in
// a spreadsheet of any language. In the file that field reads
// "=""12345""" (the quotes of the formula doubled).
QString CampoCsv(const QString& texto) {
    static const QRegularExpression kNumero(QStringLiteral("^-?[0-9]+(,[0-9]+)?$"));
    const QString valor = kNumero.match(texto).hasMatch() ? QStringLiteral("=\"") + texto + u'"' : texto;
    return u'"' + QString(valor).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString LineaCsv(const QStringList& campos) {
    QStringList escritos;
    for (const QString& c : campos) escritos.append(CampoCsv(c));
    return escritos.join(u',') + QStringLiteral("\r\n");
}

}  // namespace

// ---- The series and its runs ---------------------------------------------------

struct Laboratorio::Serie {
    Problema problema = Problema::Factorizacion;
    std::vector<int> metodos;  // the methods chosen, by their place
    std::vector<int> tamanos;  // the sizes, in order
    int instancias = 1;
    int limite_ms = kLimitePorDefecto * 1000;
    bool carrera = false;
    std::uint64_t semilla = 0;

    std::size_t tamano = 0;  // the size being run, in tamanos
    int indice = -1;         // the instance of that size
    // For each method: the size of which it ended every instance at the
    // limit (or too large), after which it no longer runs; 0 while it runs.
    std::array<int, 3> agotado_en{};
    std::array<int, 3> corridas{};  // runs of the current size
    std::array<int, 3> topes{};     // of them, ended at the limit or too large
    std::shared_ptr<AvisoSerie> aviso = std::make_shared<AvisoSerie>();
    bool detenida = false;  // stopped by the user: no new run starts

    std::shared_ptr<const Instancia> actual;
    std::vector<int> pendientes;  // methods still to run on it, one after another
};

// The port a lab run is started under: its dialogs are shown through the
// port current where it was started, except the interruption warning of a
// run stopped at the time limit (its row says "> límite") and, after a user
// stop, every warning but the first of the series (the runs of a race all
// stop at once). Its first catalogue error is kept for the row. It lives as
// long as the run object, its parent.
class Laboratorio::PuertoCorrida final : public QObject, public PuertoReenvio {
public:
    PuertoCorrida(puerto::PuertoInterfaz& destino, std::shared_ptr<AvisoSerie> aviso)
        : PuertoReenvio(destino), aviso_(std::move(aviso)) {}

    void MostrarError(int numero) override {
        if (error == 0) error = numero;
        PuertoReenvio::MostrarError(numero);
    }
    void MostrarAdvertencia() override {
        if (por_limite || aviso_->advertida) return;
        aviso_->advertida = true;
        PuertoReenvio::MostrarAdvertencia();
    }

    bool por_limite = false;  // the time limit stopped the run
    int error = 0;

private:
    std::shared_ptr<AvisoSerie> aviso_;
};

struct Laboratorio::Corrida {
    int fila = 0;
    int metodo = 0;
    QPointer<Ejecucion> ejecucion;
    PuertoCorrida* puerto = nullptr;  // a child of the run object
    QTimer limite;                    // stops the run at the time limit
    QElapsedTimer reloj;              // for the progress line
    std::shared_ptr<Salida> salida = std::make_shared<Salida>();
};

// ---- The window --------------------------------------------------------------------

Laboratorio::Laboratorio(ServiciosPrincipal& servicios)
    : servicios_(servicios),
      pedir_ruta_([this](const QString& titulo, const QString& sugerida, const QString& filtro) {
          return QFileDialog::getSaveFileName(this, titulo, QDir::home().filePath(sugerida), filtro);
      }) {
    setObjectName(QStringLiteral("Laboratorio"));
    setWindowTitle(QStringLiteral("Laboratorio de costes"));
    setWindowIcon(Icono(QStringLiteral("laboratorio")));
    PonerTemaAyuda(this, kTemaAyuda);
    PonerGrupoEdicion(this, GrupoEdicion::Ninguno);

    opciones_ = NuevoPanelOpciones();

    grafica_ = new GraficaCostes(this);
    panel_grafica_ = new QWidget(this);
    panel_grafica_->setObjectName(QStringLiteral("PanelGrafica"));
    // White like the chart, so that the exported picture has one background.
    QPalette blanco = panel_grafica_->palette();
    blanco.setColor(QPalette::Window, Qt::white);
    panel_grafica_->setPalette(blanco);
    panel_grafica_->setAutoFillBackground(true);
    auto* con_lecturas = new QVBoxLayout(panel_grafica_);
    con_lecturas->setContentsMargins(0, 0, 0, 6);
    con_lecturas->setSpacing(3);
    con_lecturas->addWidget(grafica_, 1);
    lecturas_ = new QLabel(panel_grafica_);
    lecturas_->setObjectName(QStringLiteral("Lecturas"));
    lecturas_->setText(QStringLiteral("Círculo: una ejecución; línea: mediana de cada tamaño; discontinua: "
                                      "crecimiento esperado; triángulo: detenida en el límite."));
    lecturas_->setWordWrap(true);
    lecturas_->setContentsMargins(8, 0, 8, 0);
    con_lecturas->addWidget(lecturas_);
    QFont negrita = lecturas_->font();
    negrita.setBold(true);
    for (int m = 0; m < 3; ++m) {
        auto* lectura = new QLabel(panel_grafica_);
        lectura->setObjectName(QStringLiteral("Lectura%1").arg(m + 1));
        lectura->setFont(negrita);
        QPalette color = lectura->palette();
        color.setColor(QPalette::WindowText, kColores[m]);
        lectura->setPalette(color);
        lectura->setWordWrap(true);
        lectura->setContentsMargins(20, 0, 8, 0);
        con_lecturas->addWidget(lectura);
    }

    tabla_ = new TablaResultados([this] { CopiarSeleccion(); }, this);
    tabla_->setObjectName(QStringLiteral("Resultados"));
    tabla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabla_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tabla_->setWordWrap(false);
    tabla_->verticalHeader()->setVisible(false);
    tabla_->verticalHeader()->setDefaultSectionSize(tabla_->fontMetrics().height() + 6);
    tabla_->horizontalHeader()->setStretchLastSection(true);
    tabla_->setToolTip(QStringLiteral("Resultados de la serie: selecciónelos y cópielos con Ctrl+C"));

    // Below the chart: a progress line per method, then the table.
    auto* abajo = new QWidget(this);
    auto* lineas = new QVBoxLayout(abajo);
    lineas->setContentsMargins(0, 4, 0, 0);
    lineas->setSpacing(2);
    for (int m = 0; m < 3; ++m) {
        avances_[m] = new QLabel(abajo);
        avances_[m]->setObjectName(QStringLiteral("Avance%1").arg(m + 1));
        avances_[m]->setTextFormat(Qt::PlainText);
        QPalette color = avances_[m]->palette();
        color.setColor(QPalette::WindowText, kColores[m].darker(115));
        avances_[m]->setPalette(color);
        avances_[m]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);  // a long line is cut, not the window widened
        lineas->addWidget(avances_[m]);
    }
    tabla_->setParent(abajo);
    lineas->addWidget(tabla_, 1);

    auto* divisor = new QSplitter(Qt::Vertical, this);
    divisor->addWidget(panel_grafica_);
    divisor->addWidget(abajo);
    divisor->setStretchFactor(0, 4);
    divisor->setStretchFactor(1, 1);
    divisor->setChildrenCollapsible(false);

    auto* todo = new QHBoxLayout(this);
    todo->setContentsMargins(8, 8, 8, 8);
    todo->addWidget(opciones_);
    todo->addWidget(divisor, 1);

    ElegirProblema(Problema::Factorizacion);
    tabla_->setColumnCount(static_cast<int>(Encabezados().size()));
    tabla_->setHorizontalHeaderLabels(Encabezados());
    Redibujar();
    resize(1150, 650);  // fits the child area of the main window on a 1280 x 800 screen
}

Laboratorio::~Laboratorio() { AbandonarTodo(); }

QWidget* Laboratorio::NuevoPanelOpciones() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Opciones"));
    panel->setFixedWidth(320);
    auto* columna = new QVBoxLayout(panel);
    columna->setContentsMargins(0, 0, 0, 0);
    auto* pistas = new PistasEstado(servicios_, this);

    auto* problema = new QGroupBox(QStringLiteral("Problema"), panel);
    auto* en_problema = new QHBoxLayout(problema);
    factorizacion_ = new QRadioButton(QStringLiteral("Factorización"), problema);
    factorizacion_->setObjectName(QStringLiteral("ProblemaFactorizacion"));
    logaritmo_ = new QRadioButton(QStringLiteral("Logaritmo discreto"), problema);
    logaritmo_->setObjectName(QStringLiteral("ProblemaLogaritmo"));
    factorizacion_->setChecked(true);
    en_problema->addWidget(factorizacion_);
    en_problema->addWidget(logaritmo_);
    connect(factorizacion_, &QRadioButton::toggled, this, [this](bool si) {
        ElegirProblema(si ? Problema::Factorizacion : Problema::Logaritmo);
    });
    columna->addWidget(problema);

    auto* metodos = new QGroupBox(QStringLiteral("Métodos"), panel);
    auto* en_metodos = new QVBoxLayout(metodos);
    for (int m = 0; m < 3; ++m) {
        metodos_[m] = new QCheckBox(metodos);
        metodos_[m]->setObjectName(QStringLiteral("Metodo%1").arg(m + 1));
        metodos_[m]->setChecked(true);
        en_metodos->addWidget(metodos_[m]);
    }
    columna->addWidget(metodos);

    const auto nuevo_numero = [&](const char* nombre, int minimo, int maximo, const QString& consejo) {
        auto* caja = new QSpinBox(panel);
        caja->setObjectName(QString::fromLatin1(nombre));
        caja->setRange(minimo, maximo);
        caja->setToolTip(consejo);
        return caja;
    };
    auto* tamanos = new QGroupBox(QStringLiteral("Tamaños, en dígitos"), panel);
    auto* en_tamanos = new QGridLayout(tamanos);
    desde_ = nuevo_numero("Desde", 2, 60, QStringLiteral("Dígitos de las instancias más pequeñas"));
    hasta_ = nuevo_numero("Hasta", 2, 60, QStringLiteral("Dígitos de las instancias más grandes"));
    paso_ = nuevo_numero("Paso", 1, 20, QStringLiteral("Dígitos de más de un tamaño al siguiente"));
    instancias_ = nuevo_numero("Instancias", 1, 20, QStringLiteral("Instancias de cada tamaño"));
    instancias_->setValue(2);
    const auto rotulo = [&](const char* texto, QWidget* caja, int fila, int columna) {
        auto* etiqueta = new QLabel(QString::fromUtf8(texto), tamanos);
        etiqueta->setBuddy(caja);
        en_tamanos->addWidget(etiqueta, fila, columna);
        en_tamanos->addWidget(caja, fila, columna + 1);
    };
    rotulo("Desde", desde_, 0, 0);
    rotulo("hasta", hasta_, 0, 2);
    rotulo("Paso", paso_, 1, 0);
    rotulo("Instancias", instancias_, 1, 2);
    en_tamanos->setColumnStretch(1, 1);
    en_tamanos->setColumnStretch(3, 1);
    // The range never runs backwards.
    connect(desde_, &QSpinBox::valueChanged, this, [this](int v) {
        if (hasta_->value() < v) hasta_->setValue(v);
    });
    connect(hasta_, &QSpinBox::valueChanged, this, [this](int v) {
        if (desde_->value() > v) desde_->setValue(v);
    });
    columna->addWidget(tamanos);

    auto* ejecucion = new QGroupBox(QStringLiteral("Ejecución"), panel);
    auto* en_ejecucion = new QFormLayout(ejecucion);
    limite_ = new QDoubleSpinBox(ejecucion);
    limite_->setObjectName(QStringLiteral("Limite"));
    limite_->setLocale(Locale());
    limite_->setDecimals(1);
    limite_->setRange(0.1, 3600);
    limite_->setValue(kLimitePorDefecto);
    limite_->setSuffix(QStringLiteral(" s"));
    limite_->setToolTip(QStringLiteral("Una ejecución que dura más se detiene y se anota «> límite»"));
    en_ejecucion->addRow(QStringLiteral("Límite por ejecución"), limite_);
    semilla_ = nuevo_numero("Semilla", 0, 2147483647,
                            QStringLiteral("La misma semilla genera las mismas instancias"));
    semilla_->setValue(static_cast<int>(QRandomGenerator::global()->bounded(1, 100000)));
    auto* nueva_semilla = new QPushButton(QStringLiteral("Otra"), ejecucion);
    nueva_semilla->setObjectName(QStringLiteral("BtnSemilla"));
    nueva_semilla->setToolTip(QStringLiteral("Una semilla al azar"));
    connect(nueva_semilla, &QPushButton::clicked, this,
            [this] { semilla_->setValue(static_cast<int>(QRandomGenerator::global()->bounded(1, 100000))); });
    auto* con_semilla = new QHBoxLayout;
    con_semilla->addWidget(semilla_, 1);
    con_semilla->addWidget(nueva_semilla);
    en_ejecucion->addRow(QStringLiteral("Semilla"), con_semilla);
    carrera_ = new QCheckBox(QStringLiteral("Carrera: los métodos a la vez"), ejecucion);
    carrera_->setObjectName(QStringLiteral("Carrera"));
    carrera_->setToolTip(QStringLiteral("Los métodos elegidos corren a la vez sobre cada instancia"));
    en_ejecucion->addRow(carrera_);
    columna->addWidget(ejecucion);

    const auto nuevo_boton = [&](const char* nombre, const QString& texto, const char* icono, const QString& pista) {
        auto* boton = new QPushButton(texto, panel);
        boton->setObjectName(QString::fromLatin1(nombre));
        if (icono != nullptr) {
            boton->setIcon(Icono(QString::fromLatin1(icono)));
            boton->setIconSize(QSize(22, 22));
        }
        pistas->Poner(boton, pista);
        return boton;
    };
    btn_iniciar_ = nuevo_boton("BtnIniciar", QStringLiteral("Iniciar"), "iniciar",
                               QStringLiteral(" Genera las instancias y mide cada método"));
    btn_detener_ = nuevo_boton("BtnDetener", QStringLiteral("Detener"), "detener",
                               QStringLiteral(" Detiene todos los cálculos en curso"));
    btn_detener_->setToolTip(QStringLiteral("Detener el proceso"));
    connect(btn_iniciar_, &QPushButton::clicked, this, &Laboratorio::Iniciar);
    connect(btn_detener_, &QPushButton::clicked, this, [this] { servicios_.Ejecuciones().DetenerTodas(); });
    auto* marcha = new QHBoxLayout;
    marcha->addWidget(btn_iniciar_);
    marcha->addWidget(btn_detener_);
    columna->addLayout(marcha);

    QPushButton* copiar = nuevo_boton("BtnCopiar", QStringLiteral("Copiar"), nullptr,
                                      QStringLiteral(" Copia las filas elegidas de la tabla"));
    QPushButton* csv = nuevo_boton("BtnCsv", QStringLiteral("CSV…"), nullptr,
                                   QStringLiteral(" Guarda la tabla en un fichero CSV"));
    QPushButton* png = nuevo_boton("BtnPng", QStringLiteral("PNG…"), nullptr,
                                   QStringLiteral(" Guarda la gráfica como imagen PNG"));
    connect(copiar, &QPushButton::clicked, this, &Laboratorio::CopiarSeleccion);
    connect(csv, &QPushButton::clicked, this, &Laboratorio::ExportarCsv);
    connect(png, &QPushButton::clicked, this, &Laboratorio::ExportarPng);
    QPushButton* ayuda = nuevo_boton("BtnAyuda", QString(), "ayuda",
                                     QStringLiteral(" Cómo se usa el laboratorio y cómo se lee la gráfica"));
    ayuda->setToolTip(QStringLiteral("Ayuda"));
    QPushButton* cerrar = nuevo_boton("BtnCancelar", QString(), "cerrar", QStringLiteral(" Cierra la ventana activa"));
    cerrar->setToolTip(QStringLiteral("Cerrar la ventana"));
    connect(ayuda, &QPushButton::clicked, this, [this] { servicios_.MostrarTemaAyuda(kTemaAyuda); });
    connect(cerrar, &QPushButton::clicked, this, [this] { CerrarVentanaHija(this); });
    auto* exportar = new QHBoxLayout;
    exportar->addWidget(copiar);
    exportar->addWidget(csv);
    exportar->addWidget(png);
    exportar->addWidget(ayuda);
    exportar->addWidget(cerrar);
    columna->addLayout(exportar);

    auto* serie = new QGroupBox(QStringLiteral("Serie"), panel);
    serie->setObjectName(QStringLiteral("PanelSerie"));
    auto* en_serie = new QVBoxLayout(serie);
    estado_serie_ = new QLabel(QStringLiteral("Elija el problema, los métodos y los tamaños, y pulse «Iniciar»."), serie);
    estado_serie_->setObjectName(QStringLiteral("EstadoSerie"));
    estado_serie_->setWordWrap(true);
    en_serie->addWidget(estado_serie_);
    en_serie->addStretch();

    columna->addWidget(serie, 1);
    return panel;
}

void Laboratorio::ElegirProblema(Problema problema) {
    problema_ = problema;
    const bool fac = problema == Problema::Factorizacion;
    const auto& datos = fac ? kMetodosFactorizacion : kMetodosLogaritmo;
    for (int m = 0; m < 3; ++m) metodos_[m]->setText(QString::fromUtf8(datos[m].nombre));
    const int minimo = fac ? kDigitosMinimosFactorizacion : kDigitosMinimosLogaritmo;
    const int maximo = fac ? kDigitosMaximosFactorizacion : kDigitosMaximosLogaritmo;
    for (QSpinBox* caja : {desde_, hasta_}) caja->setRange(minimo, maximo);
    desde_->setValue(fac ? 4 : 2);
    hasta_->setValue(fac ? 20 : 10);
    paso_->setValue(fac ? 2 : 1);
}

// ---- The series ----------------------------------------------------------------

void Laboratorio::Iniciar() {
    if (serie_) return;
    auto serie = std::make_unique<Serie>();
    serie->problema = problema_;
    for (int m = 0; m < 3; ++m) {
        if (metodos_[m]->isChecked()) serie->metodos.push_back(m);
    }
    if (serie->metodos.empty()) {
        estado_serie_->setText(QStringLiteral("Elija al menos un método."));
        servicios_.EscribirEstado(QStringLiteral(" Elija al menos un método"));
        return;
    }
    for (int d = desde_->value(); d <= hasta_->value(); d += paso_->value()) serie->tamanos.push_back(d);
    serie->instancias = instancias_->value();
    serie->limite_ms = static_cast<int>(std::lround(limite_->value() * 1000));
    serie->carrera = carrera_->isChecked();
    serie->semilla = static_cast<std::uint64_t>(semilla_->value());
    serie_ = std::move(serie);

    problema_filas_ = serie_->problema;
    metodos_filas_ = serie_->metodos;
    desde_filas_ = serie_->tamanos.front();
    hasta_filas_ = serie_->tamanos.back();
    filas_.clear();
    tabla_->setRowCount(0);
    tabla_->setColumnCount(static_cast<int>(Encabezados().size()));
    tabla_->setHorizontalHeaderLabels(Encabezados());
    const auto& datos = problema_filas_ == Problema::Factorizacion ? kMetodosFactorizacion : kMetodosLogaritmo;
    for (int m = 0; m < 3; ++m) {
        const bool elegido = std::find(metodos_filas_.begin(), metodos_filas_.end(), m) != metodos_filas_.end();
        avances_[m]->setText(elegido ? QString::fromUtf8(datos[m].nombre) + QStringLiteral(": en espera") : QString());
    }
    for (QGroupBox* w : opciones_->findChildren<QGroupBox*>()) w->setEnabled(w->objectName() == u"PanelSerie");
    btn_iniciar_->setEnabled(false);
    servicios_.EscribirEstado(QStringLiteral(" Calculando la serie del laboratorio de costes ..."));
    Redibujar();
    SiguienteInstancia();
}

void Laboratorio::SiguienteInstancia() {
    Serie& s = *serie_;
    if (s.detenida) return Terminar(QStringLiteral("Serie detenida."));
    if (++s.indice >= s.instancias) {
        // The size is done: a method that ran out of time (or of room) on
        // every one of its instances is not run on the larger ones.
        for (int m : s.metodos) {
            if (s.agotado_en[m] == 0 && s.corridas[m] > 0 && s.topes[m] == s.corridas[m]) {
                s.agotado_en[m] = s.tamanos[s.tamano];
            }
        }
        s.corridas = {};
        s.topes = {};
        s.indice = 0;
        ++s.tamano;
    }
    if (s.tamano >= s.tamanos.size()) return Terminar(QStringLiteral("Serie terminada."));
    if (std::all_of(s.metodos.begin(), s.metodos.end(), [&](int m) { return s.agotado_en[m] > 0; })) {
        return Terminar(QStringLiteral("Serie terminada: con %1 dígitos ningún método ha podido acabar "
                                           "(límite de tiempo o números demasiado grandes).")
                            .arg(s.tamanos[s.tamano - 1]));
    }
    Generar(s.tamanos[s.tamano], s.indice);
}

void Laboratorio::Generar(int digitos, int indice) {
    Serie& s = *serie_;
    estado_serie_->setText(QStringLiteral("Preparando la instancia %1 de %2 con %3 dígitos…")
                               .arg(indice + 1)
                               .arg(s.instancias)
                               .arg(digitos));
    auto instancia = std::make_shared<Instancia>();
    instancia->digitos = digitos;
    instancia->indice = indice;
    const bool fac = s.problema == Problema::Factorizacion;
    const std::uint64_t semilla = s.semilla;
    // Finding primes of a few tens of digits takes a while: on a worker too.
    generacion_ = Ejecucion::Iniciar(
        servicios_.Ejecuciones(), this,
        [instancia, fac, semilla] {
            if (fac) {
                instancia->factorizacion = InstanciaDeFactorizacion(semilla, instancia->digitos, instancia->indice);
            } else {
                instancia->logaritmo = InstanciaDeLogaritmo(semilla, instancia->digitos, instancia->indice);
            }
        },
        [this, instancia] {
            const bool detenida = generacion_ && generacion_->Detenida();
            generacion_ = nullptr;
            if (detenida) {
                serie_->detenida = true;
                return Terminar(QStringLiteral("Serie detenida."));
            }
            Correr(instancia);
        });
}

void Laboratorio::Correr(const std::shared_ptr<const Instancia>& instancia) {
    Serie& s = *serie_;
    s.actual = instancia;
    s.pendientes.clear();
    for (int m : s.metodos) {
        if (s.agotado_en[m] > 0) {
            const int fila = NuevaFila(*instancia, m);
            filas_[fila].estado = Estado::NoEjecutado;
            EscribirFila(fila);
        } else {
            s.pendientes.push_back(m);
        }
    }
    estado_serie_->setText(QStringLiteral("Instancia %1 de %2 con %3 dígitos%4")
                               .arg(instancia->indice + 1)
                               .arg(s.instancias)
                               .arg(instancia->digitos)
                               .arg(s.carrera ? QStringLiteral(", en carrera") : QString()));
    if (s.carrera) {
        const std::vector<int> todos = std::exchange(s.pendientes, {});
        for (int m : todos) Lanzar(instancia, m);
    } else {
        const int m = s.pendientes.front();
        s.pendientes.erase(s.pendientes.begin());
        Lanzar(instancia, m);
    }
}

void Laboratorio::Lanzar(const std::shared_ptr<const Instancia>& instancia, int metodo) {
    Serie& s = *serie_;
    auto corrida = std::make_unique<Corrida>();
    Corrida* c = corrida.get();
    c->fila = NuevaFila(*instancia, metodo);
    c->metodo = metodo;

    // The worker gets the instance and the run's outputs, nothing of the
    // window; the time is taken there, around the method alone.
    Ejecucion::Trabajo trabajo;
    const std::shared_ptr<Salida> salida = c->salida;
    if (s.problema == Problema::Factorizacion) {
        trabajo = [f = kFactorizar[metodo], instancia, salida] {
            QElapsedTimer reloj;
            reloj.start();
            f(instancia->factorizacion.n, salida->r1, salida->r2);
            salida->ms = static_cast<double>(reloj.nsecsElapsed()) / 1e6;
        };
    } else {
        trabajo = [f = kLogaritmo[metodo], instancia, salida] {
            const InstanciaLogaritmo& l = instancia->logaritmo;
            QElapsedTimer reloj;
            reloj.start();
            f(l.alfa, l.beta, l.grupo, salida->r1);
            salida->ms = static_cast<double>(reloj.nsecsElapsed()) / 1e6;
        };
    }

    // The run's dialogs go to the port current where it starts: this one,
    // in front of the one current now.
    c->puerto = new PuertoCorrida(puerto::Actual(), s.aviso);
    {
        const puerto::EnHilo activo(*c->puerto);
        c->ejecucion = Ejecucion::Iniciar(servicios_.Ejecuciones(), this, std::move(trabajo), [this, c] { AlTerminar(c); });
    }
    c->puerto->setParent(c->ejecucion);
    connect(c->ejecucion, &Ejecucion::Avanzo, this, [this, c] { MostrarAvance(*c); });
    c->limite.setSingleShot(true);
    c->limite.setTimerType(Qt::PreciseTimer);  // a coarse timer may fire 5 % early
    c->limite.setInterval(s.limite_ms);
    connect(&c->limite, &QTimer::timeout, this, [c] {
        c->puerto->por_limite = true;
        if (c->ejecucion) c->ejecucion->Detener();
    });
    c->limite.start();
    c->reloj.start();
    corridas_.push_back(std::move(corrida));
    MostrarAvance(*c);
}

void Laboratorio::AlTerminar(Corrida* c) {
    Serie& s = *serie_;
    Fila& f = filas_[static_cast<std::size_t>(c->fila)];
    const Instancia& instancia = *s.actual;
    const bool detenida = c->ejecucion && c->ejecucion->Detenida();
    const bool por_limite = c->puerto->por_limite;
    f.iteraciones = c->ejecucion ? c->ejecucion->Avance().informes : 0;
    f.ms = c->salida->ms;
    f.medido = true;
    f.error = c->puerto->error;
    bool correcta = false;
    if (s.problema == Problema::Factorizacion) {
        f.respuesta = {Texto(c->salida->r1), Texto(c->salida->r2)};
        correcta = FactoresCorrectos(instancia.factorizacion.n, c->salida->r1, c->salida->r2);
    } else {
        f.respuesta = {Texto(c->salida->r1)};
        correcta = LogaritmoCorrecto(instancia.logaritmo, c->salida->r1);
    }
    // A right answer counts even when a stop came too late to matter.
    if (correcta) {
        f.estado = Estado::Correcto;
    } else if (detenida) {
        f.estado = por_limite ? Estado::Limite : Estado::Detenido;
    } else {
        f.estado = f.error != 0 ? Estado::Error : Estado::Incorrecto;
    }
    ++s.corridas[c->metodo];
    if (f.estado == Estado::Limite || f.error == kErrorDemasiadoGrande) ++s.topes[c->metodo];
    if (detenida && !por_limite) s.detenida = true;  // a stop button: here or in any window

    const auto& datos = s.problema == Problema::Factorizacion ? kMetodosFactorizacion : kMetodosLogaritmo;
    avances_[c->metodo]->setText(QStringLiteral("%1: %2 en %3 ms (%4 dígitos)")
                                     .arg(QString::fromUtf8(datos[c->metodo].nombre), Celdas(f).back(), TextoMs(f.ms))
                                     .arg(f.digitos));
    const int fila = c->fila;
    corridas_.remove_if([c](const std::unique_ptr<Corrida>& r) { return r.get() == c; });
    EscribirFila(fila);
    Redibujar();

    if (!corridas_.empty()) return;  // the rest of the race is still running
    if (s.detenida) return Terminar(QStringLiteral("Serie detenida."));
    if (!s.pendientes.empty()) {
        const int m = s.pendientes.front();
        s.pendientes.erase(s.pendientes.begin());
        return Lanzar(s.actual, m);
    }
    SiguienteInstancia();
}

void Laboratorio::Terminar(const QString& como) {
    serie_.reset();
    estado_serie_->setText(como);
    for (QGroupBox* w : opciones_->findChildren<QGroupBox*>()) w->setEnabled(true);
    btn_iniciar_->setEnabled(true);
    servicios_.EscribirEstado(kPreparadoLab);
}

void Laboratorio::AbandonarTodo() {
    for (const std::unique_ptr<Corrida>& c : corridas_) {
        if (!c->ejecucion) continue;
        disconnect(c->ejecucion, nullptr, this, nullptr);
        c->ejecucion->Abandonar();
    }
    corridas_.clear();
    if (generacion_) generacion_->Abandonar();
    generacion_ = nullptr;
}

void Laboratorio::closeEvent(QCloseEvent* evento) {
    // Nothing of the runs may reach this window any more.
    AbandonarTodo();
    serie_.reset();
    QWidget::closeEvent(evento);
}

void Laboratorio::MostrarAvance(const Corrida& c) {
    if (!serie_) return;
    const Fila& f = filas_[static_cast<std::size_t>(c.fila)];
    const auto& datos = serie_->problema == Problema::Factorizacion ? kMetodosFactorizacion : kMetodosLogaritmo;
    QString linea = c.ejecucion ? DescribirAvance(c.ejecucion->Avance()).trimmed() : QString();
    if (linea.isEmpty()) linea = QString::fromUtf8(datos[c.metodo].nombre) + QStringLiteral(": empezando");
    avances_[c.metodo]->setText(QStringLiteral("%1 (%2 dígitos, %3 s)")
                                    .arg(linea)
                                    .arg(f.digitos)
                                    .arg(Locale().toString(static_cast<double>(c.reloj.elapsed()) / 1000, 'f', 1)));
}

// ---- Results -------------------------------------------------------------------------

QStringList Laboratorio::Encabezados() const {
    QStringList columnas{QStringLiteral("Dígitos"), QStringLiteral("Instancia"), QStringLiteral("Método")};
    if (problema_filas_ == Problema::Factorizacion) {
        columnas << QStringLiteral("N") << QStringLiteral("Factor 1") << QStringLiteral("Factor 2");
    } else {
        columnas << QStringLiteral("Alfa") << QStringLiteral("Beta") << QStringLiteral("Grupo")
                 << QStringLiteral("Logaritmo");
    }
    columnas << QStringLiteral("Iteraciones") << QStringLiteral("Tiempo (ms)") << QStringLiteral("Comprobado");
    return columnas;
}

QStringList Laboratorio::Celdas(const Fila& f) const {
    const auto& datos = problema_filas_ == Problema::Factorizacion ? kMetodosFactorizacion : kMetodosLogaritmo;
    QStringList celdas{QString::number(f.digitos), QString::number(f.instancia),
                       QString::fromUtf8(datos[f.metodo].nombre)};
    celdas << f.numeros;
    // An answer only from a run that ended by itself.
    const bool con_respuesta = f.estado == Estado::Correcto || f.estado == Estado::Incorrecto || f.estado == Estado::Error;
    const int respuestas = problema_filas_ == Problema::Factorizacion ? 2 : 1;
    for (int i = 0; i < respuestas; ++i) celdas << (con_respuesta && i < f.respuesta.size() ? f.respuesta[i] : QString());
    celdas << (f.medido ? QString::number(f.iteraciones) : QString()) << (f.medido ? TextoMs(f.ms) : QString());
    switch (f.estado) {
    case Estado::EnCurso: celdas << QStringLiteral("en curso"); break;
    case Estado::Correcto:
        celdas << (f.error != 0 ? QStringLiteral("sí (error %1)").arg(f.error) : QStringLiteral("sí"));
        break;
    case Estado::Incorrecto: celdas << QStringLiteral("NO"); break;
    case Estado::Limite: celdas << QStringLiteral("> límite"); break;
    case Estado::Detenido: celdas << QStringLiteral("detenido"); break;
    case Estado::Error: celdas << QStringLiteral("error %1").arg(f.error); break;
    case Estado::NoEjecutado: celdas << QStringLiteral("no ejecutado"); break;
    }
    return celdas;
}

int Laboratorio::NuevaFila(const Instancia& instancia, int metodo) {
    Fila f;
    f.digitos = instancia.digitos;
    f.instancia = instancia.indice + 1;
    f.metodo = metodo;
    if (problema_filas_ == Problema::Factorizacion) {
        f.numeros = {Texto(instancia.factorizacion.n)};
    } else {
        const InstanciaLogaritmo& l = instancia.logaritmo;
        f.numeros = {Texto(l.alfa), Texto(l.beta), Texto(l.grupo)};
        if (kMetodosLogaritmo[metodo].metodo == puerto::Metodo::PohligHellman) f.extra = std::log10(l.cifras_orden);
    }
    filas_.push_back(f);
    const int fila = static_cast<int>(filas_.size()) - 1;
    tabla_->insertRow(fila);
    EscribirFila(fila);
    return fila;
}

void Laboratorio::EscribirFila(int fila) {
    const Fila& f = filas_[static_cast<std::size_t>(fila)];
    const QStringList celdas = Celdas(f);
    QColor fondo;  // none: the table's own
    if (f.estado == Estado::Incorrecto || f.estado == Estado::Error) fondo = QColor(0xf5, 0xb7, 0xb1);
    if (f.estado == Estado::Limite) fondo = QColor(0xfc, 0xf3, 0xcf);
    for (int col = 0; col < celdas.size(); ++col) {
        auto* item = new QTableWidgetItem(celdas[col]);
        if (col != 2 && col + 1 != celdas.size()) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (fondo.isValid()) item->setBackground(fondo);
        if (f.estado == Estado::NoEjecutado) item->setForeground(Qt::gray);
        tabla_->setItem(fila, col, item);
    }
    tabla_->resizeColumnsToContents();
    tabla_->scrollToItem(tabla_->item(fila, 0));
}

void Laboratorio::Redibujar() {
    const bool fac = problema_filas_ == Problema::Factorizacion;
    const auto& datos = fac ? kMetodosFactorizacion : kMetodosLogaritmo;
    std::vector<GraficaCostes::Metodo> series;
    for (int m = 0; m < 3; ++m) {
        QLabel* lectura = findChild<QLabel*>(QStringLiteral("Lectura%1").arg(m + 1));
        const bool elegido = std::find(metodos_filas_.begin(), metodos_filas_.end(), m) != metodos_filas_.end();
        if (!elegido) {
            lectura->clear();
            continue;
        }
        GraficaCostes::Metodo serie;
        serie.clave = QString::fromLatin1(datos[m].clave);
        serie.nombre = QString::fromUtf8(datos[m].nombre);
        serie.color = kColores[m];
        serie.pendiente_esperada = PendienteEsperada(datos[m].metodo);
        int al_limite = 0, incorrectas = 0, con_error = 0;
        for (const Fila& f : filas_) {
            if (f.metodo != m) continue;
            if (f.estado == Estado::Correcto || f.estado == Estado::Limite) {
                serie.puntos.push_back({f.digitos, f.ms, f.estado == Estado::Limite, f.extra});
            }
            al_limite += f.estado == Estado::Limite;
            incorrectas += f.estado == Estado::Incorrecto;
            con_error += f.estado == Estado::Error;  // refused (error 13...): no answer, not a wrong one
        }

        // "Pollard Rho: el tiempo se multiplica por ≈ 1,8 por cada dígito
        // más (esperado ≈ 1,78)".
        QString texto = serie.nombre + QStringLiteral(": ");
        if (const std::optional<RectaCoste> recta = AjustarCrecimiento(serie.puntos)) {
            texto += QStringLiteral("el tiempo se multiplica por ≈ %1 por cada dígito más")
                         .arg(TextoFactor(FactorPorDigito(recta->pendiente), 1));
        } else {
            texto += QStringLiteral("faltan tiempos de dos tamaños para el ajuste");
        }
        texto += QStringLiteral(" (esperado ≈ %1").arg(TextoFactor(FactorPorDigito(serie.pendiente_esperada), 2));
        if (datos[m].metodo == puerto::Metodo::PohligHellman) texto += QStringLiteral(", por las cifras de Grupo − 1");
        texto += u')';
        QStringList fuera;
        if (al_limite > 0) fuera << QStringLiteral("%1 > límite").arg(al_limite);
        if (incorrectas > 0) {
            fuera << QStringLiteral("%1 %2").arg(incorrectas).arg(incorrectas == 1 ? QStringLiteral("incorrecta")
                                                                               : QStringLiteral("incorrectas"));
        }
        if (con_error > 0) fuera << QStringLiteral("%1 con error").arg(con_error);
        if (!fuera.isEmpty()) texto += QStringLiteral(" — fuera del ajuste: ") + fuera.join(QStringLiteral(", "));
        lectura->setText(texto);
        series.push_back(std::move(serie));
    }
    const QString titulo = fac ? QStringLiteral("Factorización: el tiempo de cada método según el tamaño de n")
                               : QStringLiteral("Logaritmo discreto: el tiempo de cada método según el tamaño de Grupo");
    const int desde = desde_filas_ > 0 ? desde_filas_ : desde_->value();
    const int hasta = hasta_filas_ > 0 ? hasta_filas_ : hasta_->value();
    grafica_->Dibujar(titulo, fac ? QStringLiteral("Dígitos de n (p · q)") : QStringLiteral("Dígitos de Grupo"), series,
                      desde, hasta);
}

void Laboratorio::CopiarSeleccion() {
    QList<int> filas, columnas;
    for (const QTableWidgetSelectionRange& r : tabla_->selectedRanges()) {
        for (int f = r.topRow(); f <= r.bottomRow(); ++f) filas.append(f);
        for (int c = r.leftColumn(); c <= r.rightColumn(); ++c) columnas.append(c);
    }
    if (filas.isEmpty()) return;
    std::sort(filas.begin(), filas.end());
    filas.erase(std::unique(filas.begin(), filas.end()), filas.end());
    std::sort(columnas.begin(), columnas.end());
    columnas.erase(std::unique(columnas.begin(), columnas.end()), columnas.end());

    // The titles of the columns first, then the rows, tab-separated.
    const QStringList encabezados = Encabezados();
    QStringList lineas;
    QStringList titulos;
    for (int c : columnas) titulos.append(encabezados.value(c));
    lineas.append(titulos.join(u'\t'));
    for (int f : filas) {
        QStringList celdas;
        for (int c : columnas) {
            const QTableWidgetItem* item = tabla_->item(f, c);
            celdas.append(item != nullptr && item->isSelected() ? item->text() : QString());
        }
        lineas.append(celdas.join(u'\t'));
    }
    QApplication::clipboard()->setText(lineas.join(u'\n') + u'\n');
}

QString Laboratorio::TextoCsv() const {
    QString texto = LineaCsv(Encabezados());
    for (const Fila& f : filas_) texto += LineaCsv(Celdas(f));
    return texto;
}

void Laboratorio::ExportarCsv() {
    const QString ruta = pedir_ruta_(QStringLiteral("Guardar la tabla en CSV"), QStringLiteral("laboratorio-costes.csv"),
                                     QStringLiteral("Valores separados por comas (*.csv)"));
    if (ruta.isEmpty()) return;
    QFile fichero(ruta);
    const QByteArray bytes = QByteArray("\xEF\xBB\xBF") + TextoCsv().toUtf8();  // byte-order mark first
    if (!fichero.open(QIODevice::WriteOnly | QIODevice::Truncate) || fichero.write(bytes) != bytes.size()) {
        servicios_.EscribirEstado(QStringLiteral(" No se pudo escribir %1").arg(QDir::toNativeSeparators(ruta)));
        return;
    }
    servicios_.EscribirEstado(QStringLiteral(" Tabla guardada en %1").arg(QDir::toNativeSeparators(ruta)));
}

void Laboratorio::ExportarPng() {
    const QString ruta = pedir_ruta_(QStringLiteral("Guardar la gráfica como imagen"),
                                     QStringLiteral("laboratorio-costes.png"), QStringLiteral("Imagen PNG (*.png)"));
    if (ruta.isEmpty()) return;
    // The chart with its readings, as the window shows them.
    if (!panel_grafica_->grab().save(ruta, "PNG")) {
        servicios_.EscribirEstado(QStringLiteral(" No se pudo escribir %1").arg(QDir::toNativeSeparators(ruta)));
        return;
    }
    servicios_.EscribirEstado(QStringLiteral(" Gráfica guardada en %1").arg(QDir::toNativeSeparators(ruta)));
}
