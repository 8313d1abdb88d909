// Laboratorio, "Laboratorio de costes": how the time of each method grows
// with the size of its numbers, measured on instances the program makes.
//
// The user chooses the problem (factorization or discrete logarithm), any
// of its three methods, a range of sizes in digits (from, to, step), the
// instances per size, a time limit per run, the seed of the instances
// (instancias.h: the same seed gives the same instances) and whether the
// methods run one after another or race side by side on each instance
// ("Carrera"). BtnIniciar starts the series:
//   - each instance is made on a worker, then each chosen method runs on it
//     on a worker (ejecucion.h), with a progress line of its own;
//   - a run still going at the time limit is stopped (Ejecucion::Detener)
//     and recorded "> límite", without the interruption warning; a method
//     that ended every instance of a size at the limit (or with error 13,
//     numbers too large for it) is not run on the larger sizes: its rows
//     say "no ejecutado";
//   - each answer is checked (the factors multiply back to n, or alfa^x mod
//     grupo = beta); a wrong one is shown as wrong;
//   - the chart (grafica_costes.h) and the readings of the fitted growth
//     (ajuste_costes.h) follow every result as it comes.
// Catalogue errors of a run are shown as everywhere else (and its row says
// "error N"). BtnDetener stops every run of the program; a stop, from here
// or from any other window's stop button, ends the whole series, with one
// warning. Closing the window abandons its runs at once.
//
// The results table can be selected and copied (Ctrl+C, BtnCopiar: text
// with tabs, as spreadsheets paste it) and exported as CSV (BtnCsv); the
// chart with its readings as a PNG picture (BtnPng). The file names come
// from Qt's save dialog, or from the function a test gives.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <vector>

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include "errors/puerto_interfaz.h"
#include "solvers/instancias.h"

class Ejecucion;
class GraficaCostes;
class QCheckBox;
class QCloseEvent;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class ServiciosPrincipal;

class Laboratorio final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kTemaAyuda = 51;
    static constexpr int kLimitePorDefecto = 10;  // seconds per run

    explicit Laboratorio(ServiciosPrincipal& servicios);
    ~Laboratorio() override;

    // Where an export goes: (dialog title, suggested file, filter) -> path,
    // empty to cancel. Qt's save dialog unless a test gives another.
    using PedirRuta = std::function<QString(const QString&, const QString&, const QString&)>;
    void PonerPedirRuta(PedirRuta pedir) { pedir_ruta_ = std::move(pedir); }

    bool SerieEnCurso() const { return serie_ != nullptr; }

    // The results table as the CSV file holds it (see the .cpp for the form).
    QString TextoCsv() const;

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    enum class Problema { Factorizacion, Logaritmo };
    enum class Estado { EnCurso, Correcto, Incorrecto, Limite, Detenido, Error, NoEjecutado };

    // One run of one method on one instance: a row of the table.
    struct Fila {
        int digitos = 0;
        int instancia = 0;  // from 1
        int metodo = 0;     // its place among the problem's three
        QStringList numeros;    // n, or alfa, beta and grupo
        QStringList respuesta;  // the two factors, or the logarithm
        std::uint64_t iteraciones = 0;
        double ms = 0;
        bool medido = false;  // ms holds the run's time
        Estado estado = Estado::EnCurso;
        int error = 0;        // the first catalogue error of the run
        double extra = 0;     // see PuntoCoste
    };

    struct Instancia {
        int digitos = 0;
        int indice = 0;
        InstanciaFactorizacion factorizacion;
        InstanciaLogaritmo logaritmo;
    };

    struct Serie;
    struct Corrida;
    class PuertoCorrida;

    // ---- building the window ----
    QWidget* NuevoPanelOpciones();
    void ElegirProblema(Problema problema);

    // ---- the series ----
    void Iniciar();
    void SiguienteInstancia();
    void Generar(int digitos, int indice);
    void Correr(const std::shared_ptr<const Instancia>& instancia);
    void Lanzar(const std::shared_ptr<const Instancia>& instancia, int metodo);
    void AlTerminar(Corrida* corrida);
    void Terminar(const QString& como);
    void AbandonarTodo();
    void MostrarAvance(const Corrida& corrida);

    // ---- results ----
    int NuevaFila(const Instancia& instancia, int metodo);
    void EscribirFila(int fila);
    QStringList Celdas(const Fila& fila) const;
    QStringList Encabezados() const;
    void Redibujar();
    void CopiarSeleccion();
    void ExportarCsv();
    void ExportarPng();

    ServiciosPrincipal& servicios_;
    PedirRuta pedir_ruta_;
    Problema problema_ = Problema::Factorizacion;

    QRadioButton* factorizacion_;
    QRadioButton* logaritmo_;
    std::array<QCheckBox*, 3> metodos_{};
    QSpinBox* desde_;
    QSpinBox* hasta_;
    QSpinBox* paso_;
    QSpinBox* instancias_;
    QDoubleSpinBox* limite_;
    QSpinBox* semilla_;
    QCheckBox* carrera_;
    QPushButton* btn_iniciar_;
    QPushButton* btn_detener_;
    QWidget* opciones_;
    GraficaCostes* grafica_;
    QWidget* panel_grafica_;
    QLabel* lecturas_;
    QLabel* estado_serie_;
    std::array<QLabel*, 3> avances_{};
    QTableWidget* tabla_;

    // The problem and methods of the rows in the table (the last series).
    Problema problema_filas_ = Problema::Factorizacion;
    std::vector<int> metodos_filas_;
    int desde_filas_ = 0, hasta_filas_ = 0;
    std::vector<Fila> filas_;

    std::unique_ptr<Serie> serie_;
    std::list<std::unique_ptr<Corrida>> corridas_;  // runs in progress
    QPointer<Ejecucion> generacion_;                 // the instance being made
};
