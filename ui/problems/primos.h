// Primos: the prime list, captioned "Lista de números primos", a child of
// the main window. Its rich-text box Tabla shows ListaPrimos.txt, read from
// the program's own folder (the folder of its real executable, not the
// current directory) each time a window opens, unchanged: a missing or
// unreadable file leaves Tabla empty and shows no message. The text can be
// selected and copied (the Edit menu offers copy), never changed.
// BtnTitanicos opens a new PrimosTitanicos window; BtnCerrar closes this one.
#pragma once

#include <QCoreApplication>
#include <QWidget>

class ServiciosPrincipal;

class Primos final : public QWidget {
    Q_OBJECT

public:
    // `carpeta` holds ListaPrimos.txt: the program's folder unless a test
    // gives another.
    explicit Primos(ServiciosPrincipal& servicios, const QString& carpeta = QCoreApplication::applicationDirPath());

    // The prime list's file in `carpeta`.
    static QString Fichero(const QString& carpeta);
};
