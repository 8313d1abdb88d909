// The Edit menu's cut, copy, paste and clear on the tool windows of a real
// main window, with the real clipboard: which of the four are offered by
// window group, focused control, selection and clipboard; paste always at
// the end; the change event that follows; copy from the example pages and
// the prime list; stale items and the boxes' own keys and menus, which must
// not get past the rules.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>

#include "soporte/banco_ventanas.h"
#include "ui/problems/ejemplos.h"
#include "ui/problems/primos_titanicos.h"
#include "ui/shell/principal.h"
#include "ui/ventanas_registradas.h"

namespace {

const char* const kItems[] = {"OpcCortar", "OpcCopiar", "OpcPegar", "OpcBorrar"};

// A shown main window with every tool window registered, and the bench's
// recording port (the error dialogs of the windows go there).
struct Marco {
    BancoVentanas banco;
    Principal p{QStringLiteral(CARPETA_AYUDA_PRUEBA)};

    Marco() {
        RegistrarVentanas(p);
        p.show();
        p.activateWindow();
        if (!QTest::qWaitForWindowActive(&p)) qFatal("main window not active");
    }

    // A new window by name: a toolbar key, or a window other windows open.
    QWidget* Abrir(const QString& nombre) {
        if (nombre == u"EjemploFactorizacion3") {
            p.MostrarHija(new PaginaEjemplos(FamiliaEjemplos::Factorizacion, 3));
        } else if (nombre == u"PrimosTitanicos") {
            p.MostrarHija(new PrimosTitanicos);
        } else if (nombre == u"Internet") {
            p.NuevoInternet();
        } else if (p.AbrirVentana(nombre) == nullptr) {
            qFatal("no window %s", qPrintable(nombre));
        }
        return p.Area()->activeSubWindow()->widget();
    }

    QAction* Item(const char* nombre) const { return p.findChild<QAction*>(QString::fromLatin1(nombre)); }

    // Opens the Edit menu and closes it again: the four items as it showed
    // them, "XCVB" for all enabled, "-" for each disabled.
    QString Ofertas() {
        auto* menu = p.findChild<QMenu*>(QStringLiteral("MenuEdicion"));
        menu->popup(p.mapToGlobal(QPoint(20, 20)));
        menu->hide();
        QString estados;
        for (int i = 0; i < 4; ++i) estados += Item(kItems[i])->isEnabled() ? QStringLiteral("XCVB")[i] : u'-';
        return estados;
    }
};

void Portapapeles(const QString& texto) {
    if (texto.isEmpty()) {
        QApplication::clipboard()->clear();
    } else {
        QApplication::clipboard()->setText(texto);
    }
}
QString Portapapeles() { return QApplication::clipboard()->text(); }

void Enfocar(QWidget* control) {
    control->setFocus(Qt::OtherFocusReason);
    if (QApplication::focusWidget() != control) qFatal("%s takes no focus", qPrintable(control->objectName()));
}

// Selects the first occurrence of `parte` in the control: a box, the prime
// list's table or a cell of a table.
void Seleccionar(QWidget* control, const QString& parte) {
    if (auto* caja = qobject_cast<QLineEdit*>(control)) {
        caja->setSelection(static_cast<int>(caja->text().indexOf(parte)), static_cast<int>(parte.size()));
    } else if (auto* texto = qobject_cast<QTextEdit*>(control)) {
        QVERIFY(texto->find(parte));
    } else if (auto* tabla = qobject_cast<QTableWidget*>(control)) {
        tabla->setCurrentCell(0, 0);
    }
}

}  // namespace

class PruebaEdicion : public QObject {
    Q_OBJECT

private slots:
    void ofertasSegunVentanaFocoSeleccionYPortapapeles_data();
    void ofertasSegunVentanaFocoSeleccionYPortapapeles();
    void pegarSiempreAlFinal_data();
    void pegarSiempreAlFinal();
    void pegarUnaLetraEnUnaCalculadora();
    void copiarDeUnaPaginaYPegarEnFactorizacion();
    void copiarDeLaListaDePrimos();
    void copiarDelDetalleDePrimalidad();
    void cortarYBorrar_data();
    void cortarYBorrar();
    void ordenesCaducadasNoHacenNada();
    void primosTitanicosCopiaSuCeldaSinElMenu();
    void menuContextualDeUnaCaja();
};

void PruebaEdicion::ofertasSegunVentanaFocoSeleccionYPortapapeles_data() {
    QTest::addColumn<QString>("ventana");  // "" none open
    QTest::addColumn<QString>("control");  // the focused control
    QTest::addColumn<QString>("texto");    // typed into it first
    QTest::addColumn<QString>("seleccion");
    QTest::addColumn<QString>("portapapeles");
    QTest::addColumn<QString>("ofertas");
    QTest::newRow("no window") << "" << "" << "" << "" << "123" << "----";
    QTest::newRow("calculator, box, clipboard") << "Op_Basicas" << "Operando1" << "" << "" << "123" << "--V-";
    QTest::newRow("calculator, box, no clipboard") << "Op_Basicas" << "Operando1" << "45" << "" << "" << "----";
    QTest::newRow("calculator, selection, clipboard") << "Op_Basicas" << "Operando1" << "45" << "4" << "123" << "XCVB";
    QTest::newRow("calculator, selection, no clipboard") << "Op_Basicas" << "Operando2" << "45" << "45" << "" << "XC-B";
    QTest::newRow("calculator, a button") << "Op_Basicas" << "BtnBorrar" << "" << "" << "123" << "----";
    QTest::newRow("factorization, result selected") << "Factorizacion" << "Factor1" << "17" << "7" << "" << "XC-B";
    QTest::newRow("page, selection") << "EjemploFactorizacion3" << "Numero_1" << "" << "2807" << "123" << "-C--";
    QTest::newRow("page, no selection") << "EjemploFactorizacion3" << "Factor2_2" << "" << "" << "123" << "----";
    QTest::newRow("prime list, selection") << "Tabla" << "Tabla" << "" << "99991" << "123" << "-C--";
    QTest::newRow("prime list, no selection") << "Tabla" << "Tabla" << "" << "" << "123" << "----";
    QTest::newRow("prime list, a button") << "Tabla" << "BtnTitanicos" << "" << "" << "123" << "----";
    QTest::newRow("titanic primes, a cell") << "PrimosTitanicos" << "TablaMersenne" << "" << "*" << "123" << "----";
    QTest::newRow("chooser") << "EjemplosLog" << "Btn1" << "" << "" << "123" << "----";
    QTest::newRow("links") << "Internet" << "BtnAceptar" << "" << "" << "123" << "----";
}

void PruebaEdicion::ofertasSegunVentanaFocoSeleccionYPortapapeles() {
    QFETCH(QString, ventana);
    QFETCH(QString, control);
    QFETCH(QString, texto);
    QFETCH(QString, seleccion);
    QFETCH(QString, portapapeles);
    QFETCH(QString, ofertas);
    Marco m;
    if (!ventana.isEmpty()) {
        QWidget* v = m.Abrir(ventana);
        QWidget* c = Hijo<QWidget>(*v, control);
        Enfocar(c);
        if (!texto.isEmpty()) Escribir(qobject_cast<QLineEdit*>(c), texto);
        if (!seleccion.isEmpty()) Seleccionar(c, seleccion);
    }
    Portapapeles(portapapeles);
    QCOMPARE(m.Ofertas(), ofertas);
}

void PruebaEdicion::pegarSiempreAlFinal_data() {
    QTest::addColumn<QString>("como");
    QTest::addColumn<bool>("seleccionar4");  // else the caret at the start
    QTest::addColumn<QString>("antes");      // in the box (300 characters at most)
    QTest::addColumn<QString>("queda");
    for (const char* como : {"Ctrl+V", "Shift+Ins", "menu"}) {
        QTest::addRow("%s, caret at the start", como) << como << false << "45" << "45123";
        QTest::addRow("%s, the 4 selected", como) << como << true << "45" << "45123";
    }
    // The box takes 300 characters: of 123, only the 12 that fit.
    const QString casi_lleno = QStringLiteral("45") + QString(296, u'0');
    QTest::newRow("Ctrl+V, at the box's limit")
        << "Ctrl+V" << false << casi_lleno << casi_lleno + QStringLiteral("12");
}

// 123 pasted after what the box holds, whatever the caret or the selection,
// and by any of the paste keys (so the box's own paste, at the caret, never
// runs); the paste stops at the box's limit. The counter follows.
void PruebaEdicion::pegarSiempreAlFinal() {
    QFETCH(QString, como);
    QFETCH(bool, seleccionar4);
    QFETCH(QString, antes);
    QFETCH(QString, queda);
    Marco m;
    QWidget* v = m.Abrir(QStringLiteral("Op_Basicas"));
    QLineEdit* caja = Caja(*v, QStringLiteral("Operando1"));
    Enfocar(caja);
    Escribir(caja, antes);
    if (seleccionar4) {
        caja->setSelection(0, 1);
    } else {
        caja->setCursorPosition(0);
    }
    Portapapeles(QStringLiteral("123"));
    if (como == u"menu") {
        QCOMPARE(m.Ofertas()[2], u'V');
        m.Item("OpcPegar")->trigger();
    } else {
        QTest::keySequence(caja, QKeySequence(como));
    }
    QCOMPARE(caja->text(), queda);
    QCOMPARE(Texto(*v, QStringLiteral("DigitosOp1")), QStringLiteral("%1  digitos").arg(queda.size()));
    QCOMPARE(Portapapeles(), QStringLiteral("123"));
}

// The pasted text is checked as typed text: error 1, Calculate disabled,
// the marker shown.
void PruebaEdicion::pegarUnaLetraEnUnaCalculadora() {
    Marco m;
    QWidget* v = m.Abrir(QStringLiteral("Modulo"));
    QLineEdit* caja = Caja(*v, QStringLiteral("Num1"));
    Enfocar(caja);
    Portapapeles(QStringLiteral("12a"));
    QTest::keySequence(caja, QKeySequence::Paste);
    QCOMPARE(caja->text(), QStringLiteral("12a"));
    QCOMPARE(m.banco.ui.errores, std::vector<int>{1});
    QVERIFY(!Boton(*v, QStringLiteral("BtnCalcular"))->isEnabled());
    QVERIFY(Etiqueta(*v, QStringLiteral("EtqErr"))->isVisible());
}

// The 77-digit number of the third page, copied and pasted into the
// factorization window's empty box: whole, and counted.
void PruebaEdicion::copiarDeUnaPaginaYPegarEnFactorizacion() {
    Marco m;
    QWidget* pagina = m.Abrir(QStringLiteral("EjemploFactorizacion3"));
    QLineEdit* numero = Caja(*pagina, QStringLiteral("Numero_4"));
    QCOMPARE(numero->text().size(), 77);
    Enfocar(numero);
    numero->selectAll();
    Portapapeles(QStringLiteral("viejo"));
    QTest::keySequence(numero, QKeySequence::Copy);
    QCOMPARE(Portapapeles(), numero->text());
    // Nothing gets into a page's box, by any key.
    QTest::keySequence(numero, QKeySequence::Paste);
    QTest::keySequence(numero, QKeySequence::Cut);
    QTest::keyClick(numero, Qt::Key_Delete);
    QCOMPARE(numero->text().size(), 77);

    QWidget* fac = m.Abrir(QStringLiteral("Factorizacion"));
    QLineEdit* caja = Caja(*fac, QStringLiteral("Numero"));
    Enfocar(caja);
    QTest::keySequence(caja, QKeySequence::Paste);
    QCOMPARE(caja->text(), numero->text());
    QCOMPARE(Texto(*fac, QStringLiteral("DigitosNum")), QStringLiteral("77  digitos"));
    QVERIFY(m.banco.Registro().isEmpty());
}

// A line of the prime list, selected and copied, lands on the clipboard as
// it reads; the list itself cannot change.
void PruebaEdicion::copiarDeLaListaDePrimos() {
    Marco m;
    QWidget* v = m.Abrir(QStringLiteral("Tabla"));
    auto* tabla = Hijo<QTextEdit>(*v, QStringLiteral("Tabla"));
    const QString linea = tabla->toPlainText().section(u'\n', 3, 3);
    QVERIFY(linea.endsWith(u"113"));
    Enfocar(tabla);
    QVERIFY(tabla->find(linea));
    QTest::keySequence(tabla, QKeySequence::Copy);
    QCOMPARE(Portapapeles(), linea);
    const QString antes = tabla->toPlainText();
    QTest::keySequence(tabla, QKeySequence::Paste);
    QTest::keySequence(tabla, QKeySequence::Cut);
    QCOMPARE(tabla->toPlainText(), antes);
}

// The primality window's trace is a read-only box of several lines: its
// selection is offered for copying, and nothing can change it.
void PruebaEdicion::copiarDelDetalleDePrimalidad() {
    Marco m;
    QWidget* v = m.Abrir(QStringLiteral("Primalidad"));
    Escribir(Caja(*v, QStringLiteral("Numero")), QStringLiteral("561"));
    Pulsar(Boton(*v, QStringLiteral("BtnCalcular")));
    Pulsar(Boton(*v, QStringLiteral("BtnDetalle")));
    auto* traza = Hijo<QPlainTextEdit>(*v, QStringLiteral("Traza"));
    Enfocar(traza);
    QVERIFY(traza->find(QStringLiteral("testigo")));
    Portapapeles(QStringLiteral("123"));
    QCOMPARE(m.Ofertas(), QStringLiteral("-C--"));
    QTest::keySequence(traza, QKeySequence::Copy);
    QCOMPARE(Portapapeles(), QStringLiteral("testigo"));
    const QString antes = traza->toPlainText();
    QTest::keySequence(traza, QKeySequence::Paste);
    QTest::keySequence(traza, QKeySequence::Cut);
    QCOMPARE(traza->toPlainText(), antes);
}

void PruebaEdicion::cortarYBorrar_data() {
    QTest::addColumn<QString>("orden");
    QTest::addColumn<int>("desde");
    QTest::addColumn<int>("largo");  // of the selection; 0: the caret at `desde`
    QTest::addColumn<QString>("queda");
    QTest::addColumn<QString>("portapapeles");
    QTest::newRow("Ctrl+X") << "Ctrl+X" << 1 << 2 << "145" << "23";
    QTest::newRow("Shift+Del") << "Shift+Del" << 1 << 2 << "145" << "23";
    QTest::newRow("Cortar") << "OpcCortar" << 3 << 2 << "123" << "45";
    QTest::newRow("Del") << "Del" << 1 << 2 << "145" << "x";
    QTest::newRow("Borrar") << "OpcBorrar" << 0 << 5 << "" << "x";
    QTest::newRow("Del, nothing selected: the next digit") << "Del" << 1 << 0 << "1345" << "x";
    QTest::newRow("Ctrl+X, nothing selected") << "Ctrl+X" << 1 << 0 << "12345" << "x";
}

// Cut and clear take the selection away (cut onto the clipboard) and the
// counter follows; with nothing selected, Del still deletes the digit after
// the caret, as in any box.
void PruebaEdicion::cortarYBorrar() {
    QFETCH(QString, orden);
    QFETCH(int, desde);
    QFETCH(int, largo);
    QFETCH(QString, queda);
    QFETCH(QString, portapapeles);
    Marco m;
    QWidget* v = m.Abrir(QStringLiteral("Modulo"));
    QLineEdit* caja = Caja(*v, QStringLiteral("Num1"));
    Enfocar(caja);
    Escribir(caja, QStringLiteral("12345"));
    if (largo > 0) {
        caja->setSelection(desde, largo);
    } else {
        caja->setCursorPosition(desde);
    }
    Portapapeles(QStringLiteral("x"));
    if (orden.startsWith(u"Opc")) {
        m.Ofertas();
        m.Item(qPrintable(orden))->trigger();
    } else {
        QTest::keySequence(caja, QKeySequence(orden));
    }
    QCOMPARE(caja->text(), queda);
    QCOMPARE(Portapapeles(), portapapeles);
    QCOMPARE(Texto(*v, QStringLiteral("DigitosNum")), QStringLiteral("%1  digitos").arg(queda.size()));
}

// Items left enabled by an earlier opening of the menu: once the focus has
// moved on, each command finds it no longer applies and changes nothing,
// neither the boxes nor the clipboard.
void PruebaEdicion::ordenesCaducadasNoHacenNada() {
    Marco m;
    QWidget* v = m.Abrir(QStringLiteral("Op_Basicas"));
    QLineEdit* caja = Caja(*v, QStringLiteral("Operando1"));
    Enfocar(caja);
    Escribir(caja, QStringLiteral("45"));
    caja->setSelection(0, 1);
    Portapapeles(QStringLiteral("9"));
    QCOMPARE(m.Ofertas(), QStringLiteral("XCVB"));

    caja->deselect();  // the selection gone: only paste would still apply
    m.Item("OpcCortar")->trigger();
    m.Item("OpcCopiar")->trigger();
    m.Item("OpcBorrar")->trigger();
    QCOMPARE(caja->text(), QStringLiteral("45"));
    QCOMPARE(Portapapeles(), QStringLiteral("9"));

    caja->setSelection(0, 1);
    m.Abrir(QStringLiteral("PrimosTitanicos"));  // now the active window
    for (const char* item : kItems) {
        QVERIFY(m.Item(item)->isEnabled());  // as the menu left them
        m.Item(item)->trigger();
    }
    QCOMPARE(caja->text(), QStringLiteral("45"));
    QCOMPARE(Portapapeles(), QStringLiteral("9"));
}

// The titanic primes offer no command, even with the Edit items left
// enabled by another window; Ctrl+C there is the table's own: it copies
// the marked cell.
void PruebaEdicion::primosTitanicosCopiaSuCeldaSinElMenu() {
    Marco m;
    QWidget* calculadora = m.Abrir(QStringLiteral("Op_Basicas"));
    QLineEdit* caja = Caja(*calculadora, QStringLiteral("Operando1"));
    Enfocar(caja);
    Escribir(caja, QStringLiteral("45"));
    caja->selectAll();
    Portapapeles(QStringLiteral("9"));
    QCOMPARE(m.Ofertas(), QStringLiteral("XCVB"));

    QWidget* v = m.Abrir(QStringLiteral("PrimosTitanicos"));
    auto* tabla = Hijo<QTableWidget>(*v, QStringLiteral("TablaMersenne"));
    Enfocar(tabla);
    tabla->setCurrentCell(2, 0);
    QTest::keySequence(tabla, QKeySequence::Copy);
    QCOMPARE(Portapapeles(), QStringLiteral("2^1398269 - 1"));
    QCOMPARE(m.Ofertas(), QStringLiteral("----"));
    QCOMPARE(caja->text(), QStringLiteral("45"));
}

// A right click on a box shows the four commands of the Edit menu, in the
// states of its rules, instead of the box's own menu.
void PruebaEdicion::menuContextualDeUnaCaja() {
    Marco m;
    QWidget* v = m.Abrir(QStringLiteral("Op_Basicas"));
    QLineEdit* caja = Caja(*v, QStringLiteral("Operando1"));
    Enfocar(caja);
    Escribir(caja, QStringLiteral("45"));
    caja->setSelection(1, 1);
    Portapapeles(QString());
    QStringList vistas;
    QTimer::singleShot(0, [&vistas] {
        QWidget* menu = QApplication::activePopupWidget();
        if (menu == nullptr) return;
        for (const QAction* a : menu->actions()) {
            vistas.append(a->isSeparator() ? QStringLiteral("|")
                                           : a->objectName() + QLatin1Char(a->isEnabled() ? '+' : '-'));
        }
        menu->close();
    });
    QContextMenuEvent clic(QContextMenuEvent::Mouse, caja->rect().center(), caja->mapToGlobal(caja->rect().center()));
    QApplication::sendEvent(caja, &clic);
    QCOMPARE(vistas, (QStringList{"OpcCortar+", "OpcCopiar+", "OpcPegar-", "|", "OpcBorrar+"}));
    QCOMPARE(caja->text(), QStringLiteral("45"));
}

QTEST_MAIN(PruebaEdicion)
#include "test_edicion.moc"
