// VentanaCalculadora: what the seven calculator windows share. Each window
// derives from it, describes its differences in a RasgosCalculadora, builds
// its own boxes and buttons with the factories below and gives the steps of
// its operation to Calcular.
//
// Shared controls, made here: Panel1 (the frame of the boxes, laid out as a
// grid of rows: caption, sign button, box, counter), the invalid-character
// marker FlechaErr and EtqErr, BtnBorrar, BtnCancelar, Cuenta and the clock
// picture beside it.
//
// Shared behaviour:
//   - a validated box is checked at every change of its text, whether typed,
//     pasted or written by the program: the first character that is not a
//     digit shows error 1, sets the box's invalid flag and calls
//     DesactivarCalculo, leaving its counter as it was; a valid text sets
//     the counter and, when no other box is invalid, calls ActivarCalculo;
//   - Salida's counter follows its text (ContarSalida);
//   - a mouse press on a calculate button empties the result and resets
//     Cuenta (LimpiarResultado); the click runs the calculation;
//   - Calcular: busy text, clock reading, busy pointer, the window's steps,
//     the pointer put back, elapsed time in Cuenta, " Preparado";
//   - BtnBorrar empties every box (Borrar); BtnCancelar closes the window.
#pragma once

#include <deque>
#include <functional>
#include <optional>

#include <QString>
#include <QWidget>

#include "bignum/numero_grande.h"
#include "errors/puerto_interfaz.h"

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

// What sets one calculator window apart from the others in the shared parts.
struct RasgosCalculadora {
    QString nombre;             // objectName of the window
    QString titulo;             // its caption
    QString icono;              // picture of its frame (the toolbar's)
    int tema_ayuda = 0;         // help topic of the window and its boxes
    QString texto_error;        // caption of EtqErr
    QString pista_cancelar;     // hint of BtnCancelar
    std::optional<QString> pista_fondo;  // hint of the background; none writes nothing
    QString imagen_tiempo = QStringLiteral("Image1");  // name of the picture beside Cuenta
    QString cuenta_borrada = kCuentaInicial;           // Cuenta after BtnBorrar
    puerto::Puntero puntero_ocupado = puerto::Puntero::Reloj;  // while calculating
};

class VentanaCalculadora : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMaximoOperando = 300;  // characters of an input box

protected:
    VentanaCalculadora(ServiciosPrincipal& servicios, const RasgosCalculadora& rasgos);

    // ---- Controls -------------------------------------------------------

    // A 3-D frame around a group of controls; the window's background hint
    // shows where no control lies on it.
    QFrame* NuevoPanel(const QString& nombre);
    // A caption label.
    QLabel* NuevoRotulo(const QString& nombre, const QString& texto);
    // A digit counter showing `texto` until its box first changes.
    QLabel* NuevoContador(const QString& nombre, const QString& texto = QStringLiteral("0  digitos"));
    // An input box validated at every change, counted by `contador`.
    QLineEdit* NuevaCajaValidada(const QString& nombre, const QString& consejo, const QString& pista,
                                 QLabel* contador, int maximo = kMaximoOperando);
    // The result box Salida, counted by ContarSalida into `contador`. With no
    // hint given, the window sets its own.
    QLineEdit* NuevaSalida(const QString& consejo, const std::optional<QString>& pista, QLabel* contador);
    // A picture button that starts a calculation: a mouse press calls
    // LimpiarResultado, the click `calcular`.
    QPushButton* NuevoBotonCalculo(const QString& nombre, const QString& consejo,
                                   const std::optional<QString>& pista, std::function<void()> calcular);
    // The window's one BtnCalcular, with the picture of a valid input.
    QPushButton* NuevoBtnCalcular(const QString& consejo, const std::optional<QString>& pista,
                                  std::function<void()> calcular);
    // A sign button: bold "+", tooltip "Signo"; each click toggles `signo`
    // between '+' and '-' and shows it.
    QPushButton* NuevoBotonSigno(const QString& nombre, char& signo);

    // ---- Layout ---------------------------------------------------------

    // Appends a row to Panel1: caption, sign button (if any), box, counter.
    void AgregarFila(QLabel* rotulo, QLineEdit* caja, QLabel* contador, QWidget* signo = nullptr);
    // Panel1's grid, for rows of another shape. Columns: 0 caption, 1 sign,
    // 2 box, 3 counter.
    QGridLayout* Rejilla() const { return rejilla_; }
    // Puts a calculate button (or a frame of them) at the left of the foot.
    void AgregarAlPie(QWidget* calculo);

    // ---- Behaviour ------------------------------------------------------

    // Enable / disable calculating. By default: BtnCalcular enabled with the
    // picture of valid input and the marker hidden, or disabled with the
    // picture of invalid input and the marker shown.
    virtual void ActivarCalculo();
    virtual void DesactivarCalculo();
    void MostrarMarcador(bool visible);
    // Mouse press on a calculate button: Salida empty, Cuenta reset.
    virtual void LimpiarResultado();
    // BtnBorrar: every validated box and Salida emptied, Cuenta reset.
    virtual void Borrar();
    // Salida changed: its character count into its counter.
    virtual void ContarSalida();

    // Runs one calculation around `pasos` (conversions, operation, result).
    void Calcular(const QString& texto_ocupado, const std::function<void()>& pasos);
    // A box's number: zero first, then its text converted (empty gives 0).
    static NumeroGrande NumeroDe(const QLineEdit* caja);
    static NumeroGrande NumeroDe(const QLineEdit* caja, char signo);
    // The result's text into Salida.
    void EscribirSalida(const NumeroGrande& resultado);

    // Empties a box and runs its change handlers even if it was empty, so its
    // counter and flag read as after any edit.
    static void Vaciar(QLineEdit* caja);

    PistasEstado* pistas_;
    QLineEdit* salida_ = nullptr;
    QLabel* contador_salida_ = nullptr;

private:
    struct CajaValidada {
        QLineEdit* caja;
        QLabel* contador;
        bool invalida = false;
    };
    void CajaCambiada(CajaValidada& caja);
    bool HayCajaInvalida() const;

    ServiciosPrincipal& servicios_;
    RasgosCalculadora rasgos_;
    std::deque<CajaValidada> cajas_;  // deque: handlers keep references
    QGridLayout* rejilla_;
    QHBoxLayout* pie_;
    QPushButton* btn_calcular_ = nullptr;
    QLabel* cuenta_;
    QLabel* flecha_err_;
    QLabel* etq_err_;
};
