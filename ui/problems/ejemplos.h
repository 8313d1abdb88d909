// The example choosers and pages: worked examples the student copies into
// the factorization and discrete-logarithm windows. Each family has a
// chooser (EjemploFactorizacion, EjemploLogaritmo) whose buttons Btn1, Btn2
// and Btn3 open a new page of that size range (EjemploFactorizacion1..3,
// EjemploLogaritmo1..3) through the main window; the chooser stays open.
// A page shows the rows of its page in the core's table (solvers/ejemplos.h)
// in read-only boxes whose text can be selected and copied, under its
// heading panel SSPanel4 and the column headings, with each row's digit
// label on the left. Every chooser and page has BtnCerrar.
//
// The two families differ only by their data (DatosFamilia, in the .cpp),
// so one chooser class and one page class serve both.
#pragma once

#include <QWidget>

class QScrollArea;
class ServiciosPrincipal;

enum class FamiliaEjemplos { Factorizacion, Logaritmo };

class EleccionEjemplos final : public QWidget {
    Q_OBJECT

public:
    EleccionEjemplos(ServiciosPrincipal& servicios, FamiliaEjemplos familia);
};

class PaginaEjemplos final : public QWidget {
    Q_OBJECT

public:
    // `pagina` is 1, 2 or 3.
    PaginaEjemplos(FamiliaEjemplos familia, int pagina);

    // Wide enough for the whole table, up to a size that fits the main
    // window; the table scrolls beyond it.
    QSize sizeHint() const override;

private:
    QScrollArea* desplazable_;
};
