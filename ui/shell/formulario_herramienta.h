// FormularioHerramienta: the form every tool window that takes numbers is
// built on (the calculators, the factorization and logarithm windows). A
// window derives from it through its family's run part (a synchronous
// calculation for the calculators, a run on a worker for the problem
// windows), describes its differences in a RasgosFormulario, and builds its
// own rows and buttons with the factories below.
//
// Shared controls, made here: Panel1 (the frame of the boxes, laid out as a
// grid of rows: caption, sign button, box, counter), the invalid-character
// marker FlechaErr and EtqErr, BtnBorrar, BtnCancelar, Cuenta and the clock
// picture beside it. The window places BtnBorrar, BtnCancelar and its own
// buttons along the foot with ColocarAlPie.
//
// Shared behaviour:
//   - a validated box is checked at every change of its text, whether typed,
//     pasted or written by the program: the first character that is not a
//     digit shows error 1, sets the box's invalid flag and calls
//     DesactivarCalculo, leaving its counter as it was; a valid text sets
//     the counter and, when no other box is invalid, calls ActivarCalculo;
//   - a result box's counter follows its text (TextoContadorSalida);
//   - a mouse press on a calculate button empties the results and resets
//     Cuenta (LimpiarResultado); the click runs the window's calculation;
//   - BtnBorrar empties every box (Borrar), by the window's Borrado trait;
//     BtnCancelar closes the window;
//   - the window's help topic, edit group and background hint.
#pragma once

#include <deque>
#include <functional>
#include <optional>

#include <QList>
#include <QString>
#include <QWidget>

#include "bignum/numero_grande.h"
#include "errors/puerto_interfaz.h"
#include "ui/shell/grupo_edicion.h"

class PistasEstado;
class QFrame;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class ServiciosPrincipal;

inline const QString kCuentaInicial = QStringLiteral("0 h: 0 m: 0 s");
inline const QString kPreparado = QStringLiteral(" Preparado");
inline const QString kErrorEnOperandos = QStringLiteral("carácter inválido en los operandos");
inline const QString kErrorEnNumero = QStringLiteral("carácter inválido en el número");
inline const QString kCerrarVentanaActiva = QStringLiteral(" Cerrar la ventana activa");
inline const QString kCierraVentanaActiva = QStringLiteral(" Cierra la ventana activa");
inline const QString kCerosDigitos = QStringLiteral("0  digitos");  // a counter written by its box
inline constexpr int kMaximoOperando = 300;                          // characters of an input box

// How BtnBorrar empties a box.
enum class Borrado {
    // Every box runs its change handlers, even one already empty, so every
    // counter reads "0  digitos" afterwards (the calculators).
    Siempre,
    // Only a box that held text changes; an empty one raises no change event
    // and its counter keeps its text (the problem windows).
    SoloSiCambia,
};

// What sets one tool window apart from the others in the shared parts.
struct RasgosFormulario {
    QString nombre;                      // objectName of the window
    QString titulo;                      // its caption
    QString icono;                       // picture of its frame (the toolbar's)
    int tema_ayuda = 0;                  // help topic of the window and its boxes
    QString texto_error;                 // caption of EtqErr
    QString pista_cancelar;              // hint of BtnCancelar
    std::optional<QString> pista_fondo;  // hint of the background; none writes nothing
    QString imagen_tiempo = QStringLiteral("Image1");  // name of the picture beside Cuenta
    QString cuenta_borrada = kCuentaInicial;           // Cuenta after BtnBorrar
    Borrado borrado = Borrado::Siempre;
    GrupoEdicion grupo_edicion = GrupoEdicion::Editable;
    puerto::Puntero puntero_ocupado = puerto::Puntero::Reloj;  // over the window while it calculates
};

// One row of numbers: its caption, its box and the box's digit counter.
struct FilaNumero {
    QString rotulo_nombre{};  // the caption label
    QString rotulo{};
    QString caja{};           // the box
    QString consejo{};        // its tooltip
    std::optional<QString> pista = std::nullopt;  // its status hint (none: the window sets its own)
    int maximo = kMaximoOperando;  // characters it takes (input boxes)
    QString contador{};       // the digit counter
    QString contador_inicial = kCerosDigitos;
};

class FormularioHerramienta : public QWidget {
    Q_OBJECT

protected:
    FormularioHerramienta(ServiciosPrincipal& servicios, const RasgosFormulario& rasgos);

    // ---- Controls -------------------------------------------------------

    // A 3-D frame around a group of controls; the window's background hint
    // shows where no control lies on it.
    QFrame* NuevoPanel(const QString& nombre);
    QLabel* NuevoRotulo(const QString& nombre, const QString& texto);
    // A digit counter showing `texto` until its box first changes.
    QLabel* NuevoContador(const QString& nombre, const QString& texto = kCerosDigitos);
    // An input box validated at every change, counted by `contador`.
    QLineEdit* NuevaCajaValidada(const QString& nombre, const QString& consejo, const QString& pista,
                                 QLabel* contador, int maximo = kMaximoOperando);
    // A result box, counted through TextoContadorSalida into `contador`.
    QLineEdit* NuevaSalida(const QString& nombre, const QString& consejo, const std::optional<QString>& pista,
                           QLabel* contador);
    // A row of Panel1 made of its caption, box and counter: validated input
    // or result box. `signo` (a sign button) goes between caption and box.
    QLineEdit* NuevaFilaValidada(const FilaNumero& fila, QWidget* signo = nullptr);
    QLineEdit* NuevaFilaSalida(const FilaNumero& fila);
    // A square picture button.
    QPushButton* NuevoBotonImagen(const QString& nombre, const QString& icono, const QString& consejo);
    // A picture button that starts a calculation: a mouse press calls
    // LimpiarResultado, the click `calcular`.
    QPushButton* NuevoBotonCalculo(const QString& nombre, const QString& consejo,
                                   const std::optional<QString>& pista, std::function<void()> calcular);
    // The window's one BtnCalcular, with the picture of valid input; the
    // default ActivarCalculo and DesactivarCalculo act on it.
    QPushButton* NuevoBtnCalcular(const QString& consejo, const std::optional<QString>& pista,
                                  std::function<void()> calcular);
    QPushButton* BtnCalcular() const { return btn_calcular_; }
    // A sign button: bold "+", tooltip "Signo"; each click toggles `signo`
    // between '+' and '-' and shows it.
    QPushButton* NuevoBotonSigno(const QString& nombre, char& signo);

    // ---- Layout ---------------------------------------------------------

    // Appends a row to Panel1: caption, sign button (if any), box, counter.
    void AgregarFila(QLabel* rotulo, QLineEdit* caja, QLabel* contador, QWidget* signo = nullptr);
    // Panel1's grid, for rows of another shape. Columns: 0 caption, 1 sign,
    // 2 box, 3 counter.
    QGridLayout* Rejilla() const { return rejilla_; }
    // The row that holds Panel1, for panels beside it.
    QHBoxLayout* Cuerpo() const { return cuerpo_; }
    // Places these widgets at the left of the foot, in this order, before
    // the clock and Cuenta.
    void ColocarAlPie(std::initializer_list<QWidget*> widgets);
    QPushButton* BtnBorrar() const { return btn_borrar_; }
    QPushButton* BtnCancelar() const { return btn_cancelar_; }

    // ---- Behaviour ------------------------------------------------------

    // Enable / disable calculating. By default: BtnCalcular enabled with the
    // picture of valid input and the marker hidden, or disabled with the
    // picture of invalid input and the marker shown.
    virtual void ActivarCalculo();
    virtual void DesactivarCalculo();
    void MostrarMarcador(bool visible);
    // Mouse press on a calculate button: the result boxes empty, Cuenta reset.
    virtual void LimpiarResultado();
    // BtnBorrar: every validated box and result box emptied, Cuenta reset.
    virtual void Borrar();
    // The counter text of a result box: its character count.
    virtual QString TextoContadorSalida(const QLineEdit* salida) const;

    // A box's number: zero first, then its text converted (empty gives 0).
    static NumeroGrande NumeroDe(const QLineEdit* caja);
    static NumeroGrande NumeroDe(const QLineEdit* caja, char signo);
    // A number as a box shows it.
    static QString TextoDe(const NumeroGrande& numero);

    // Empties a box as BtnBorrar does (see Borrado).
    void Vaciar(QLineEdit* caja) const;

    // Cuenta, the elapsed time of the last calculation.
    void PonerCuenta(const QString& texto);
    // The first result box (Salida in the calculators), or nullptr.
    QLineEdit* Salida() const;

    ServiciosPrincipal& Servicios() const { return servicios_; }
    const RasgosFormulario& Rasgos() const { return rasgos_; }
    PistasEstado* Pistas() const { return pistas_; }

private:
    struct CajaValidada {
        QLineEdit* caja;
        QLabel* contador;
        bool invalida = false;
    };
    struct CajaSalida {
        QLineEdit* caja;
        QLabel* contador;
    };
    void CajaCambiada(CajaValidada& caja);
    bool HayCajaInvalida() const;

    ServiciosPrincipal& servicios_;
    RasgosFormulario rasgos_;
    PistasEstado* pistas_;
    std::deque<CajaValidada> cajas_;  // deque: handlers keep references
    QList<CajaSalida> salidas_;
    QGridLayout* rejilla_;
    QHBoxLayout* cuerpo_;
    QHBoxLayout* pie_;
    int colocados_al_pie_ = 0;
    QPushButton* btn_calcular_ = nullptr;
    QPushButton* btn_borrar_;
    QPushButton* btn_cancelar_;
    QLabel* cuenta_;
    QLabel* flecha_err_;
    QLabel* etq_err_;
};
