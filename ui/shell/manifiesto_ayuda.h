// The help file's manifest, temas.tsv in the help folder: UTF-8, tab
// separated, the header line "tema grupo fichero titulo claves", then one
// line per page:
//   tema     topic number, empty for a page without one
//   grupo    heading of the contents tree the page is listed under
//   fichero  the page's file name in the same folder
//   titulo   its title
//   claves   index keywords separated by ';'
// Lines that do not fit (too few fields, a number that is not one, a file
// name with a path in it) are left out; the rest of the file still counts.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

inline constexpr char kPaginaInicio[] = "bienvenida.html";
inline constexpr char kPaginaUsoAyuda[] = "uso-de-la-ayuda.html";

struct PaginaAyuda {
    int tema = 0;  // 0: the page has no number
    QString grupo;
    QString fichero;
    QString titulo;
    QStringList claves;
};

struct ManifiestoAyuda {
    QString carpeta;
    QList<PaginaAyuda> paginas;  // in file order
    QString error;               // why there is no usable manifest; empty if there is

    // The page of a topic number, or -1.
    qsizetype IndiceDeTema(int tema) const;
    // The page with this file name, or -1.
    qsizetype IndiceDeFichero(const QString& fichero) const;
    // Contents headings in order of first appearance.
    QStringList Grupos() const;
};

ManifiestoAyuda LeerManifiestoAyuda(const QString& carpeta);
