#include "ui/shell/manifiesto_ayuda.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

constexpr char kManifiesto[] = "temas.tsv";
constexpr char kCabecera[] = "tema\tgrupo\tfichero\ttitulo\tclaves";

// A bare file name: nothing that could reach outside the help folder.
bool NombreSencillo(const QString& fichero) {
    return !fichero.isEmpty() && !fichero.contains(u'/') && !fichero.contains(u'\\') && fichero != u".." &&
           fichero != u".";
}

bool LeerLinea(const QString& linea, PaginaAyuda& pagina) {
    const QStringList campos = linea.split(u'\t');
    if (campos.size() < 4) return false;
    const QString tema = campos[0].trimmed();
    if (!tema.isEmpty()) {
        bool ok = false;
        pagina.tema = tema.toInt(&ok);
        if (!ok || pagina.tema <= 0) return false;
    }
    pagina.grupo = campos[1].trimmed();
    pagina.fichero = campos[2].trimmed();
    pagina.titulo = campos[3].trimmed();
    if (!NombreSencillo(pagina.fichero) || pagina.titulo.isEmpty()) return false;
    if (campos.size() > 4) {
        for (const QString& clave : campos[4].split(u';')) {
            if (!clave.trimmed().isEmpty()) pagina.claves.append(clave.trimmed());
        }
    }
    return true;
}

}  // namespace

qsizetype ManifiestoAyuda::IndiceDeTema(int tema) const {
    for (qsizetype i = 0; i < paginas.size(); ++i) {
        if (tema > 0 && paginas[i].tema == tema) return i;
    }
    return -1;
}

qsizetype ManifiestoAyuda::IndiceDeFichero(const QString& fichero) const {
    for (qsizetype i = 0; i < paginas.size(); ++i) {
        if (paginas[i].fichero == fichero) return i;
    }
    return -1;
}

QStringList ManifiestoAyuda::Grupos() const {
    QStringList grupos;
    for (const PaginaAyuda& p : paginas) {
        if (!p.grupo.isEmpty() && !grupos.contains(p.grupo)) grupos.append(p.grupo);
    }
    return grupos;
}

ManifiestoAyuda LeerManifiestoAyuda(const QString& carpeta) {
    ManifiestoAyuda m;
    m.carpeta = carpeta;
    if (!QFileInfo(carpeta).isDir()) {
        m.error = QStringLiteral("No se encuentra la carpeta de la ayuda:\n%1\n\n"
                                 "La ayuda se instala con el programa, en la carpeta «ayuda» "
                                 "junto al ejecutable.")
                      .arg(QDir::toNativeSeparators(carpeta));
        return m;
    }
    QFile fichero(QDir(carpeta).filePath(QString::fromLatin1(kManifiesto)));
    if (!fichero.open(QIODevice::ReadOnly | QIODevice::Text)) {
        m.error = QStringLiteral("No se puede leer la lista de temas de la ayuda:\n%1")
                      .arg(QDir::toNativeSeparators(fichero.fileName()));
        return m;
    }
    QTextStream entrada(&fichero);
    entrada.setEncoding(QStringConverter::Utf8);
    if (entrada.readLine().trimmed() != QString::fromLatin1(kCabecera)) {
        m.error = QStringLiteral("La lista de temas de la ayuda no tiene el formato esperado:\n%1")
                      .arg(QDir::toNativeSeparators(fichero.fileName()));
        return m;
    }
    while (!entrada.atEnd()) {
        const QString linea = entrada.readLine();
        PaginaAyuda pagina;
        if (!linea.trimmed().isEmpty() && LeerLinea(linea, pagina)) m.paginas.append(pagina);
    }
    if (m.paginas.isEmpty()) {
        m.error = QStringLiteral("La lista de temas de la ayuda está vacía:\n%1")
                      .arg(QDir::toNativeSeparators(fichero.fileName()));
    }
    return m;
}
