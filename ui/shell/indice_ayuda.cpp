#include "ui/shell/indice_ayuda.h"

#include <algorithm>

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include "ui/shell/manifiesto_ayuda.h"

namespace {

constexpr int kPesoTitulo = 1000;  // a word in the title outranks any count in the body

QStringList Palabras(const QString& consulta) {
    static const QRegularExpression separadores(QStringLiteral("[^\\w]+"),
                                                QRegularExpression::UseUnicodePropertiesOption);
    return Plegar(consulta).split(separadores, Qt::SkipEmptyParts);
}

}  // namespace

QString Plegar(const QString& texto) {
    const QString descompuesto = texto.normalized(QString::NormalizationForm_D);
    QString plegado;
    plegado.reserve(descompuesto.size());
    for (const QChar c : descompuesto) {
        if (c.category() != QChar::Mark_NonSpacing) plegado.append(c.toLower());
    }
    return plegado;
}

QList<EntradaIndice> EntradasIndice(const ManifiestoAyuda& manifiesto) {
    QList<EntradaIndice> entradas;
    QHash<QString, int> veces;  // folded text -> number of pages listing it
    for (qsizetype i = 0; i < manifiesto.paginas.size(); ++i) {
        const PaginaAyuda& p = manifiesto.paginas[i];
        QStringList textos{p.titulo};
        for (const QString& clave : p.claves) {
            if (!textos.contains(clave, Qt::CaseInsensitive)) textos.append(clave);
        }
        for (const QString& t : textos) {
            entradas.append({t, i});
            ++veces[Plegar(t)];
        }
    }
    for (EntradaIndice& e : entradas) {
        if (veces.value(Plegar(e.texto)) > 1) {
            e.texto += QStringLiteral(" (%1)").arg(manifiesto.paginas[e.pagina].titulo);
        }
    }
    QCollator orden{QLocale(QLocale::Spanish, QLocale::Spain)};
    orden.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(entradas.begin(), entradas.end(), [&orden](const EntradaIndice& a, const EntradaIndice& b) {
        return orden.compare(a.texto, b.texto) < 0;
    });
    return entradas;
}

BusquedaAyuda::BusquedaAyuda(const ManifiestoAyuda& manifiesto) {
    const QDir carpeta(manifiesto.carpeta);
    for (qsizetype i = 0; i < manifiesto.paginas.size(); ++i) {
        QFile fichero(carpeta.filePath(manifiesto.paginas[i].fichero));
        if (!fichero.open(QIODevice::ReadOnly)) continue;
        const QString html = QString::fromUtf8(fichero.readAll());
        textos_.append({i, Plegar(manifiesto.paginas[i].titulo),
                        Plegar(QTextDocumentFragment::fromHtml(html).toPlainText())});
    }
}

QList<qsizetype> BusquedaAyuda::Buscar(const QString& consulta) const {
    const QStringList palabras = Palabras(consulta);
    if (palabras.isEmpty()) return {};
    QList<std::pair<qsizetype, qsizetype>> halladas;  // (score, page)
    for (const Texto& t : textos_) {
        qsizetype puntos = 0;
        bool todas = true;
        for (const QString& palabra : palabras) {
            const qsizetype veces = t.cuerpo.count(palabra) + t.titulo.count(palabra);
            if (veces == 0) {
                todas = false;
                break;
            }
            puntos += veces + (t.titulo.contains(palabra) ? kPesoTitulo : 0);
        }
        if (todas) halladas.append({puntos, t.pagina});
    }
    std::stable_sort(halladas.begin(), halladas.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    QList<qsizetype> paginas;
    for (const auto& h : halladas) paginas.append(h.second);
    return paginas;
}
