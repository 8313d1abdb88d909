#include "ui/comprobacion.h"

#include <cstdio>
#include <cstring>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include "bignum/numero_grande.h"
#include "solvers/tabla_primos.h"
#include "ui/shell/cuadro_dialogo.h"
#include "ui/shell/manifiesto_ayuda.h"

namespace {

constexpr char kOpcion[] = "--comprobar";
constexpr char kListaPrimos[] = "ListaPrimos.txt";

struct Resultado {
    bool encontrado = false;
    QString texto;  // what was found, or what is missing and where
};

void Escribir(const Resultado& r) {
    const QString linea = (r.encontrado ? QStringLiteral("correcto  ") : QStringLiteral("FALTA     ")) + r.texto;
    std::fputs(linea.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
}

// ListaPrimos.txt beside the executable: readable and holding at least one
// number (the prime list window shows it as it is, so nothing more is asked).
Resultado ComprobarListaPrimos() {
    const QString carpeta = QCoreApplication::applicationDirPath();
    const QString ruta = QDir(carpeta).filePath(QString::fromLatin1(kListaPrimos));
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly)) {
        return {false, QStringLiteral("%1: no se puede abrir %2").arg(QString::fromLatin1(kListaPrimos), ruta)};
    }
    const QString texto = QString::fromUtf8(fichero.readAll());
    static const QRegularExpression kNumero(QStringLiteral("\\d+"));
    QString ultimo;
    for (auto it = kNumero.globalMatch(texto); it.hasNext();) ultimo = it.next().captured();
    if (ultimo.isEmpty()) {
        return {false, QStringLiteral("%1: %2 no contiene ningún número").arg(QString::fromLatin1(kListaPrimos), ruta)};
    }
    return {true, QStringLiteral("%1: %2 líneas, hasta el %3, en %4")
                      .arg(QString::fromLatin1(kListaPrimos))
                      .arg(texto.count(u'\n'))
                      .arg(ultimo, carpeta)};
}

// The help folder the viewer opens: its list of topics, temas.tsv, and every
// page the list names.
Resultado ComprobarAyuda() {
    const QString carpeta = CarpetaAyudaInstalada();
    const ManifiestoAyuda manifiesto = LeerManifiestoAyuda(carpeta);
    if (!manifiesto.error.isEmpty()) {
        return {false, QStringLiteral("ayuda: %1").arg(manifiesto.error.simplified())};
    }
    if (manifiesto.paginas.isEmpty()) {
        return {false, QStringLiteral("ayuda: temas.tsv no nombra ninguna página (en %1)").arg(carpeta)};
    }
    QStringList faltan;
    for (const PaginaAyuda& pagina : manifiesto.paginas) {
        QFile fichero(QDir(carpeta).filePath(pagina.fichero));
        if (!fichero.open(QIODevice::ReadOnly)) faltan.append(pagina.fichero);
    }
    if (!faltan.isEmpty()) {
        return {false, QStringLiteral("ayuda: faltan %1 de las %2 páginas de temas.tsv en %3: %4")
                           .arg(faltan.size())
                           .arg(manifiesto.paginas.size())
                           .arg(carpeta, faltan.join(QStringLiteral(", ")))};
    }
    return {true, QStringLiteral("ayuda: temas.tsv y sus %1 páginas, en %2").arg(manifiesto.paginas.size()).arg(carpeta)};
}

// Primos.txt in the current directory, read by the same trial division the
// factoring and logarithm methods use: 143 = 11 × 13 needs the table's
// fifth entry, so an empty or truncated table fails too.
Resultado ComprobarTablaPrimos() {
    const QString carpeta = QDir::currentPath();
    NumeroGrande n, factor1, factor2;
    EnteroANumero(143, n);
    if (!DividirPorTabla(n, factor1, factor2)) {
        return {false, QStringLiteral("%1: los métodos con tabla no lo encuentran en el directorio actual, %2")
                           .arg(QString::fromLatin1(kFicheroPrimos), carpeta)};
    }
    const QString f1 = QString::fromStdString(NumeroACadena(factor1));
    const QString f2 = QString::fromStdString(NumeroACadena(factor2));
    if (f1 != u"11" || f2 != u"13") {
        return {false, QStringLiteral("%1: la tabla del directorio actual, %2, da 143 = %3 × %4")
                           .arg(QString::fromLatin1(kFicheroPrimos), carpeta, f1, f2)};
    }
    return {true, QStringLiteral("%1: 143 = 11 × 13 con la tabla del directorio actual, %2")
                      .arg(QString::fromLatin1(kFicheroPrimos), carpeta)};
}

}  // namespace

bool PideComprobacion(int argc, char* argv[]) { return argc == 2 && std::strcmp(argv[1], kOpcion) == 0; }

int ComprobarFicheros(int& argc, char* argv[]) {
    const QCoreApplication aplicacion(argc, argv);
    std::fputs("Tornavela de Cifrados: comprobación de los ficheros que lee el programa\n", stdout);
    bool todos = true;
    for (const Resultado& r : {ComprobarListaPrimos(), ComprobarAyuda(), ComprobarTablaPrimos()}) {
        Escribir(r);
        todos &= r.encontrado;
    }
    std::fflush(stdout);
    return todos ? 0 : 1;
}
