// PrimosTitanicos: "Lista de Primos Titanicos", a child of the main window
// opened from the prime list. Three columns of very large known primes (twin
// primes, Mersenne primes, Sophie Germain primes), each with its heading
// panel, a panel describing the form of its primes, and a table of eight
// rows with the columns "Primo" and "Dígitos"; BtnCerrar closes the window.
// The tables are real tables: their cells can be selected. Nothing is
// computed, and the Edit menu offers nothing here.
#pragma once

#include <QWidget>

class PrimosTitanicos final : public QWidget {
    Q_OBJECT

public:
    explicit PrimosTitanicos(QWidget* padre = nullptr);
};
