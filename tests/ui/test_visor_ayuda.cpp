// The help viewer over a small folder of test pages: the manifest, contents,
// index, search, topics and links, and its own notices when something is
// missing. Last, the program's real help folder against every topic number
// the program opens.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "ui/shell/indice_ayuda.h"
#include "ui/shell/manifiesto_ayuda.h"
#include "ui/shell/visor_ayuda.h"

namespace {

const QString kCarpeta = QStringLiteral(CARPETA_AYUDA_PRUEBA);

template <typename T>
T* Parte(const VisorAyuda& visor, const char* nombre) {
    T* parte = visor.findChild<T*>(QString::fromLatin1(nombre));
    if (parte == nullptr) qFatal("no %s in the viewer", nombre);
    return parte;
}

QStringList Visibles(const QListWidget& lista) {
    QStringList textos;
    for (int i = 0; i < lista.count(); ++i) {
        if (!lista.item(i)->isHidden()) textos.append(lista.item(i)->text());
    }
    return textos;
}

}  // namespace

class PruebaVisorAyuda : public QObject {
    Q_OBJECT

private slots:
    void manifiesto();
    void contenidoEnGruposYOrden();
    void indiceConFiltro();
    void busquedaDeTextoCompleto();
    void temasEnlacesEHistoria();
    void faltasDanUnAvisoPropio_data();
    void faltasDanUnAvisoPropio();
    void ayudaDelProgramaTieneCadaTema();
    void titulosDelContenidoEnteros();
};

void PruebaVisorAyuda::manifiesto() {
    const ManifiestoAyuda m = LeerManifiestoAyuda(kCarpeta);
    QVERIFY2(m.error.isEmpty(), qPrintable(m.error));
    QStringList ficheros;
    for (const PaginaAyuda& p : m.paginas) ficheros.append(p.fichero);
    // "x9" is no number and "../fuera.html" is outside the folder: both left out.
    QCOMPARE(ficheros, (QStringList{"bienvenida.html", "uso-de-la-ayuda.html", "operaciones.html",
                                    "raiz-cuadrada.html", "pollard.html"}));
    QCOMPARE(m.paginas[0].tema, 0);
    QCOMPARE(m.paginas[2].tema, 8);
    QCOMPARE(m.paginas[2].claves, (QStringList{"suma", "resta", "signo"}));
    QCOMPARE(m.IndiceDeTema(23), 4);
    QCOMPARE(m.IndiceDeTema(9), -1);
    QCOMPARE(m.Grupos(), (QStringList{"Introducción", "Calculadoras", "Métodos de factorización"}));
}

void PruebaVisorAyuda::contenidoEnGruposYOrden() {
    VisorAyuda visor(kCarpeta);
    QCOMPARE(visor.windowTitle(), QStringLiteral("Ayuda de Tornavela de Cifrados"));
    auto* arbol = Parte<QTreeWidget>(visor, "Contenido");
    QStringList vista;
    for (int g = 0; g < arbol->topLevelItemCount(); ++g) {
        const QTreeWidgetItem* grupo = arbol->topLevelItem(g);
        vista.append(grupo->text(0));
        for (int i = 0; i < grupo->childCount(); ++i) vista.append(QStringLiteral("  ") + grupo->child(i)->text(0));
    }
    QCOMPARE(vista, (QStringList{"Introducción", "  Bienvenida", "  Uso de la ayuda", "Calculadoras",
                                 "  Operaciones Básicas", "  Raíz Cuadrada", "Métodos de factorización",
                                 "  Pollard Rho"}));
    // Choosing a page in the tree shows it.
    emit arbol->itemClicked(arbol->topLevelItem(2)->child(0), 0);
    QCOMPARE(visor.FicheroActual(), QStringLiteral("pollard.html"));
    // A page reached any other way is marked in the tree.
    visor.MostrarTema(8);
    QVERIFY(arbol->currentItem() != nullptr);
    QCOMPARE(arbol->currentItem()->text(0), QStringLiteral("Operaciones Básicas"));
    QVERIFY(arbol->currentItem()->isSelected());
}

void PruebaVisorAyuda::indiceConFiltro() {
    VisorAyuda visor(kCarpeta);
    auto* indice = Parte<QListWidget>(visor, "Indice");
    // Titles and keywords in alphabetical order, accents and case aside; a
    // keyword of two pages names each page.
    QCOMPARE(Visibles(*indice),
             (QStringList{"ayuda", "Bienvenida", "ciclo", "cuadrado perfecto", "F1", "inicio", "Operaciones Básicas",
                          "Pollard Rho", "presentación", "raíz", "Raíz Cuadrada", "resta",
                          "signo (Operaciones Básicas)", "signo (Pollard Rho)", "suma", "Uso de la ayuda"}));
    auto* filtro = Parte<QLineEdit>(visor, "FiltroIndice");
    filtro->setText(QStringLiteral("RAIZ"));
    QCOMPARE(Visibles(*indice), (QStringList{"raíz", "Raíz Cuadrada"}));
    QCOMPARE(indice->currentItem()->text(), QStringLiteral("raíz"));
    filtro->setText(QStringLiteral("signo (p"));
    QTest::keyClick(filtro, Qt::Key_Return);
    QCOMPARE(visor.FicheroActual(), QStringLiteral("pollard.html"));
}

void PruebaVisorAyuda::busquedaDeTextoCompleto() {
    VisorAyuda visor(kCarpeta);
    auto* resultados = Parte<QListWidget>(visor, "Resultados");
    auto resultado = [&](const QString& consulta) {
        visor.Buscar(consulta);
        return Visibles(*resultados);
    };
    QCOMPARE(resultado(QStringLiteral("CUMPLEANOS")), QStringList{"Pollard Rho"});
    // Every word must be on the page; words in the title rank first.
    QCOMPARE(resultado(QStringLiteral("operaciones")), (QStringList{"Operaciones Básicas", "Bienvenida", "Pollard Rho"}));
    QCOMPARE(resultado(QStringLiteral("rho suma")), QStringList{"Operaciones Básicas"});
    QCOMPARE(resultado(QStringLiteral("cumpleaños cociente")), QStringList{"No se ha encontrado ninguna página."});
    QCOMPARE(resultados->item(0)->flags(), Qt::NoItemFlags);
    QVERIFY(resultado(QStringLiteral("  ")).isEmpty());

    // From the box and its button, as the user does it.
    Parte<QLineEdit>(visor, "TextoBuscar")->setText(QStringLiteral("paradoja"));
    Parte<QPushButton>(visor, "BtnBuscar")->click();
    QCOMPARE(Visibles(*resultados), QStringList{"Pollard Rho"});
    emit resultados->itemClicked(resultados->item(0));
    QCOMPARE(visor.FicheroActual(), QStringLiteral("pollard.html"));
}

void PruebaVisorAyuda::temasEnlacesEHistoria() {
    VisorAyuda visor(kCarpeta);
    auto* pagina = Parte<QTextBrowser>(visor, "Pagina");
    auto* atras = Parte<QPushButton>(visor, "BtnAtras");
    auto* adelante = Parte<QPushButton>(visor, "BtnAdelante");

    visor.MostrarTema(8);
    QCOMPARE(visor.FicheroActual(), QStringLiteral("operaciones.html"));
    QVERIFY(visor.TextoActual().contains(QStringLiteral("Suma, resta, producto")));
    QVERIFY(!atras->isEnabled());

    emit pagina->anchorClicked(QUrl(QStringLiteral("pollard.html")));
    QCOMPARE(visor.FicheroActual(), QStringLiteral("pollard.html"));
    emit pagina->anchorClicked(QUrl(QStringLiteral("https://www.example.org/")));  // not followed
    QCOMPARE(visor.FicheroActual(), QStringLiteral("pollard.html"));

    QVERIFY(atras->isEnabled());
    atras->click();
    QCOMPARE(visor.FicheroActual(), QStringLiteral("operaciones.html"));
    QVERIFY(adelante->isEnabled());
    adelante->click();
    QCOMPARE(visor.FicheroActual(), QStringLiteral("pollard.html"));
    Parte<QPushButton>(visor, "BtnInicio")->click();
    QCOMPARE(visor.FicheroActual(), QStringLiteral("bienvenida.html"));
    visor.MostrarUsoAyuda();
    QCOMPARE(visor.FicheroActual(), QStringLiteral("uso-de-la-ayuda.html"));
}

void PruebaVisorAyuda::faltasDanUnAvisoPropio_data() {
    QTest::addColumn<QString>("carpeta");
    QTest::addColumn<int>("tema");  // 0: the start page
    QTest::addColumn<QString>("aviso");
    QTest::newRow("sin carpeta") << kCarpeta + QStringLiteral("/no-existe") << 8
                                 << QStringLiteral("No se encuentra la carpeta de la ayuda");
    QTest::newRow("sin lista de temas") << QString() << 0 << QStringLiteral("No se puede leer la lista de temas");
    QTest::newRow("página que falta") << kCarpeta << 13
                                      << QStringLiteral("No se encuentra la página «raiz-cuadrada.html»");
    QTest::newRow("tema que no existe") << kCarpeta << 99
                                        << QStringLiteral("La ayuda no tiene ningún tema con el número 99.");
}

void PruebaVisorAyuda::faltasDanUnAvisoPropio() {
    QFETCH(QString, carpeta);
    QFETCH(int, tema);
    QFETCH(QString, aviso);
    QTemporaryDir vacia;  // a folder with no list of topics
    VisorAyuda visor(carpeta.isEmpty() ? vacia.path() : carpeta);
    if (tema > 0) {
        visor.MostrarTema(tema);
    } else {
        visor.MostrarInicio();
    }
    QVERIFY(visor.FicheroActual().isEmpty());
    QVERIFY2(visor.TextoActual().contains(aviso), qPrintable(visor.TextoActual()));
    // Whatever else is asked still gets an answer.
    visor.MostrarUsoAyuda();
    visor.Buscar(QStringLiteral("suma"));
    if (carpeta == kCarpeta) {
        QCOMPARE(visor.FicheroActual(), QStringLiteral("uso-de-la-ayuda.html"));
        Parte<QPushButton>(visor, "BtnAtras")->click();
        QVERIFY(visor.TextoActual().contains(aviso));
    }
}

// Every topic the program opens (menus, windows and the method help buttons)
// has its page in the help installed with the program.
void PruebaVisorAyuda::ayudaDelProgramaTieneCadaTema() {
    const QString carpeta = QStringLiteral(CARPETA_AYUDA_PROGRAMA);
    const ManifiestoAyuda m = LeerManifiestoAyuda(carpeta);
    QVERIFY2(m.error.isEmpty(), qPrintable(m.error));
    for (const char* fichero : {kPaginaInicio, kPaginaUsoAyuda}) {
        QVERIFY2(m.IndiceDeFichero(QString::fromLatin1(fichero)) >= 0, fichero);
    }
    const int kTemas[] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 18, 19,
                          20, 21, 23, 25, 26, 27, 28, 29, 31, 35, 48, 49, 50, 51};
    for (const int tema : kTemas) {
        const qsizetype pagina = m.IndiceDeTema(tema);
        QVERIFY2(pagina >= 0, qPrintable(QStringLiteral("tema %1").arg(tema)));
        QVERIFY2(QFile::exists(QDir(carpeta).filePath(m.paginas[pagina].fichero)), qPrintable(m.paginas[pagina].fichero));
    }
    for (const PaginaAyuda& p : m.paginas) {
        QVERIFY2(QFile::exists(QDir(carpeta).filePath(p.fichero)), qPrintable(p.fichero));
    }
}

// At the size the viewer opens with, the contents show every title of the
// program's help whole: none runs past the edge of its panel (where it
// would be cut short with an ellipsis).
void PruebaVisorAyuda::titulosDelContenidoEnteros() {
    VisorAyuda visor(QStringLiteral(CARPETA_AYUDA_PROGRAMA));
    visor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&visor));
    auto* arbol = Parte<QTreeWidget>(visor, "Contenido");
    for (QTreeWidgetItemIterator it(arbol); *it != nullptr; ++it) {
        // Where the item starts after its indentation, and the room its icon
        // and title take.
        const int fin = arbol->visualItemRect(*it).left() + arbol->sizeHintForIndex(arbol->indexFromItem(*it)).width();
        QVERIFY2(fin <= arbol->viewport()->width(), qPrintable((*it)->text(0)));
    }
}

QTEST_MAIN(PruebaVisorAyuda)
#include "test_visor_ayuda.moc"
