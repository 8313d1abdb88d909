// The two ways into the help besides its contents: the keyword index (titles
// and keywords of the manifest, in Spanish alphabetical order) and the
// full-text search over the pages. Both compare text folded to lower case
// without accents, so "raiz" finds "Raíz".
#pragma once

#include <QList>
#include <QString>

struct ManifiestoAyuda;

struct EntradaIndice {
    QString texto;  // as listed; a keyword shared by several pages names the page too
    qsizetype pagina;
};

// Titles and keywords of every page, sorted.
QList<EntradaIndice> EntradasIndice(const ManifiestoAyuda& manifiesto);

// Lower case, accents and other combining marks removed.
QString Plegar(const QString& texto);

class BusquedaAyuda {
public:
    // Reads the text of every page of the manifest; pages that cannot be
    // read are left out of the search.
    explicit BusquedaAyuda(const ManifiestoAyuda& manifiesto);

    // Pages that contain every word of `consulta`, best first: words found
    // in the title count most, then how often the words occur.
    QList<qsizetype> Buscar(const QString& consulta) const;

private:
    struct Texto {
        qsizetype pagina;
        QString titulo;  // folded
        QString cuerpo;  // folded
    };
    QList<Texto> textos_;
};
