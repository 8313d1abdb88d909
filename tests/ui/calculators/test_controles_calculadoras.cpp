// The calculator windows as the user first sees them: every control with its
// name, caption, tooltip, status hint, limit and visibility; the windows'
// captions and help topics; and how the main window opens them.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QProgressBar>
#include <QRegularExpression>
#include <QToolBar>

#include "calculators/banco_calculadoras.h"
#include "soporte/tabla_controles.h"
#include "ui/shell/contador_digitos.h"
#include "ui/shell/ayuda_contextual.h"
#include "ui/shell/principal.h"
#include "ui/ventanas_registradas.h"

namespace {

// The controls every calculator has, with the window's own texts.
std::vector<Control> Comunes(const char* pista_cancelar, const char* imagen, const char* error, const char* fondo) {
    return {
        {"BtnBorrar", "", "Borrar los números actuales", kNada},
        {"BtnCancelar", "", "Cerrar la ventana", pista_cancelar},
        {"Cuenta", "0 h: 0 m: 0 s", "", kNada},
        {imagen, kImagen, "Tiempo de ejecución", kNada},
        {"FlechaErr", kImagen, "", kNada, 0, false},
        {"EtqErr", error, "", kNada, 0, false},
        {"Panel1", kPanel, "", fondo},
    };
}

const char* const kOperandos = "carácter inválido en los operandos";
const char* const kNumero = "carácter inválido en el número";
const char* const kCierra = " Cierra la ventana activa";
const char* const kCerrar = " Cerrar la ventana activa";

std::vector<Control> ControlesDe(const QString& ventana) {
    std::vector<Control> propios, comunes;
    if (ventana == u"OpBasicas") {
        propios = {
            {"Operando1", "", "Primer operando", " Primer operando", 300},
            {"EtqOperando1", "Operando 1", "", kNada},
            {"DigitosOp1", "0  digitos", "", kNada},
            {"BtnMas1", "+", "Signo", kNada},
            {"Operando2", "", "Segundo operando", " Segundo operando", 300},
            {"EtqOperando2", "Operando 2", "", kNada},
            {"DigitosOp2", "0  digitos", "", kNada},
            {"BtnMas2", "+", "Signo", kNada},
            {"Modulo", "", "Modulo", " Modulo", 300, false},
            {"DigitosMod", "0  digitos", "", kNada, 0, false},
            {"BtnModulo", "Aplicar Modulo", "Modulo", kNada},
            {"Salida", "", "Resultado de la operación", " Resultado de la operación escogida"},
            {"EtqResultado", "Resultado", "", kNada},
            {"DigitosRes", "0  digitos", "", kNada},
            {"BtnSuma", "", "Sumar los operandos", " Realiza la suma y visualiza el resultado"},
            {"BtnResta", "", "Restar los operandos", " Realiza la resta y visualiza el resultado"},
            {"BtnProducto", "", "Multiplicar los operandos", " Realiza el producto y visualiza el resultado"},
            {"BtnDivision", "", "Dividir los operandos", " Realiza la división entera y visualiza el resultado"},
            {"Panel2", kPanel, "", " Preparado "},
        };
        comunes = Comunes(kCierra, "Image1", kOperandos, " Preparado ");
    } else if (ventana == u"Modulo") {
        propios = {
            {"Num1", "", "Número", " Número del que se calcula el resto modular", 300},
            {"EtqNumero", "Número", "", kNada},
            {"DigitosNum", "0  digitos", "", kNada},
            {"BtnMas", "+", "Signo", kNada},
            {"Num2", "", "Modulo", " Modulo en el cual se calcula el resto modular", 300},
            {"EtqModulo", "Modulo", "", kNada},
            {"DigitosMod", "0  digitos", "", kNada},
            {"Salida", "", "Resto Modular", " Resto modular del número y módulo especificados"},
            {"EtqResto", " Resto Modular", "", kNada},
            {"DigitosResto", "0  digitos", "", kNada},
            {"BtnCalcular", "", "Calcular el Resto Modular", " Calcular el resto modular y visualizar el resultado"},
        };
        comunes = Comunes(kCerrar, "Image2", kOperandos, " Preparado");
    } else if (ventana == u"Exponenciacion") {
        propios = {
            {"Num1", "", "Base", " Base de la exponenciación modular", 300},
            {"EtqBase", "Base", "", kNada},
            {"DigitosBase", "0 digitos", "", kNada},
            {"Num2", "", "Exponente", " Exponente al cual se elevará la base", 150},
            {"EtqExponente", "Exponente", "", kNada},
            {"DigitosExp", "0 digitos", "", kNada},
            {"Num3", "", "Modulo", " Modulo al que se reducirá el resultado", 300},
            {"EtqModulo", "Modulo", "", kNada},
            {"DigitosMod", "0 digitos", "", kNada},
            {"Salida", "", "Resultado", " Resultado de la exponenciación modular"},
            {"EtqResto", "Resto Modular", "", kNada},
            {"DigitosResto", "0 digitos", "", kNada},
            {"BtnCalcular", "", "Calcular la operación", kNada},
        };
        comunes = Comunes(kCerrar, "Image1", kOperandos, kNada);
    } else if (ventana == u"CalculoMCD") {
        propios = {
            {"Numero1", "", "Primer número", " Primer número de los dos con los que se calculará el MCD", 300},
            {"EtqNum1", "Numero 1", "", kNada},
            {"DigitosNum1", "0  digitos", "", kNada},
            {"Numero2", "", "Segundo número", " Segundo número de los dos con los que se calculará el MCD", 300},
            {"EtqNum2", "Numero 2", "", kNada},
            {"DigitosNum2", "0  digitos", "", kNada},
            {"Salida", "", "Máximo común divisor", " Máximo Común Divisor de los números especificados"},
            {"EtiquetaMCD", "MCD", "", kNada},
            {"DigitosMCD", "0  digitos", "", kNada},
            {"BtnCalcular", "", "Calcular el máximo común divisor",
             " Calcular el máximo común divisor y visualizar el resultado"},
        };
        comunes = Comunes(kCerrar, "Image1", kOperandos, " Preparado ");
    } else if (ventana == u"CalculoInverso") {
        propios = {
            {"Numero1", "", "Número", " Número del cual se calcula el inverso", 300},
            {"EtqNumero", "Número", "", kNada},
            {"DigitosNum", "0  digitos", "", kNada},
            {"Numero2", "", "Modulo", " Modulo en el cual se calcula el inverso del número especificado", 300},
            {"EtqModulo", "Módulo", "", kNada},
            {"DigitosMod", "0  digitos", "", kNada},
            {"Salida", "", "Inverso", " Inverso del número dentro del módulo especificado"},
            {"EtqInverso", "Inverso", "", kNada},
            {"DigitosInv", "0  digitos", "", kNada},
            {"BtnCalcular", "", "Calcular el inverso",
             " Calcular el inverso del número en el modulo dado y visualizar el resultado"},
        };
        comunes = Comunes(kCerrar, "Image1", kOperandos, " Preparado");
    } else if (ventana == u"RaizCuadrada") {
        propios = {
            {"Numero", "", "Número", " Número del que se calculará la Raíz Cuadrada", 300},
            {"EtqNum1", "Numero", "", kNada},
            {"DigitosNum", "0  digitos", "", kNada},
            {"Salida", "", "Raíz Cuadrada", " Parte entera de la Raiz Cuadrada del número especificado"},
            {"EtiquetaRaiz", "Raíz Cuadrada", "", kNada},
            {"DigitosRaiz", "0  digitos", "", kNada},
            {"BtnCalcular", "", "Calcular la raíz cuadrada", " Calcula la parte entera de la Raiz Cuadrada"},
        };
        comunes = Comunes(kCierra, "Image1", kNumero, " Preparado");
    } else if (ventana == u"Primalidad") {
        propios = {
            {"Numero", "", "Número", " Número al que se aplicará el Test de Primalidad", 300},
            {"EtqNum1", "Número", "", kNada},
            {"DigitosNum", "0 digitos", "", kNada},
            {"Gauge", "", "", kNada},
            {"Label1", "¿Es Primo?", "", kNada},
            {"Respuesta", "", "", kNada},
            {"BtnCalcular", "", "Aplicar el test de primalidad", " Aplica el Test de Primalidad al número especificado"},
            {"BtnDetalle", "Detalle", "Pasos del test de Miller-Rabin", " Muestra los pasos de la última prueba"},
            {"Traza", "", "", kNada, 0, false},
        };
        comunes = Comunes(kCierra, "Image1", kNumero, " Preparado");
    }
    propios.insert(propios.end(), comunes.begin(), comunes.end());
    return propios;
}

}  // namespace

class PruebaControlesCalculadoras : public QObject {
    Q_OBJECT

private slots:
    void controles_data();
    void controles();
    void ventanas_data();
    void ventanas();
    void limiteDeCaracteres_data();
    void limiteDeCaracteres();
    void seAbrenDesdeMenuYBarra_data();
    void seAbrenDesdeMenuYBarra();
    void variasDeUnaClaseSonIndependientes();
};

void PruebaControlesCalculadoras::controles_data() { FilasDeControles(kCalculadoras, ControlesDe); }

void PruebaControlesCalculadoras::controles() {
    QFETCH(QString, ventana);
    Banco banco;
    const auto v = banco.Abrir(ventana);
    ComprobarControl(banco, *v, FilaDeControl());
}

void PruebaControlesCalculadoras::ventanas_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<int>("tema");
    QTest::addColumn<QString>("fondo");
    QTest::newRow("OpBasicas") << "OpBasicas" << "Operaciones Básicas" << 8 << " Preparado ";
    QTest::newRow("Modulo") << "Modulo" << "Resto Modular" << 9 << " Preparado";
    QTest::newRow("CalculoMCD") << "CalculoMCD" << "Cálculo del MCD" << 10 << " Preparado ";
    QTest::newRow("CalculoInverso") << "CalculoInverso" << "Cálculo del Inverso" << 11 << " Preparado";
    QTest::newRow("Exponenciacion") << "Exponenciacion" << "Exponenciación Modular" << 12 << kNada;
    QTest::newRow("RaizCuadrada") << "RaizCuadrada" << "Raiz Cuadrada" << 13 << " Preparado";
    QTest::newRow("Primalidad") << "Primalidad" << "Test de Primalidad" << 14 << " Preparado";
}

void PruebaControlesCalculadoras::ventanas() {
    QFETCH(QString, ventana);
    QFETCH(QString, titulo);
    QFETCH(int, tema);
    QFETCH(QString, fondo);

    Banco banco;
    const auto v = banco.Abrir(ventana);
    QCOMPARE(v->objectName(), ventana);
    QCOMPARE(v->windowTitle(), titulo);
    QVERIFY(!v->windowIcon().isNull());
    QCOMPARE(TemaAyudaDe(v.get()), tema);
    // The boxes carry the topic themselves too.
    for (const QLineEdit* caja : v->findChildren<QLineEdit*>()) {
        QCOMPARE(caja->property(kPropiedadTemaAyuda).toInt(), tema);
    }
    QCOMPARE(banco.PistaAl(v.get(), QPoint(2, 2)), fondo);

    // Calculating is possible at load, with the picture of valid input.
    for (const QPushButton* boton : v->findChildren<QPushButton*>(QRegularExpression("^Btn(Calcular|Suma|Resta|Producto|Division)$"))) {
        QVERIFY2(boton->isEnabled(), qPrintable(boton->objectName()));
    }
    if (ventana != u"OpBasicas") {
        QCOMPARE(Boton(*v, "BtnCalcular")->icon().cacheKey(), banco.servicios.calcular_en.cacheKey());
    }
}

void PruebaControlesCalculadoras::limiteDeCaracteres_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QString>("caja");
    QTest::addColumn<QString>("contador");
    QTest::addColumn<int>("maximo");
    QTest::newRow("OpBasicas.Operando1") << "OpBasicas" << "Operando1" << "DigitosOp1" << 300;
    QTest::newRow("OpBasicas.Operando2") << "OpBasicas" << "Operando2" << "DigitosOp2" << 300;
    QTest::newRow("Modulo.Num2") << "Modulo" << "Num2" << "DigitosMod" << 300;
    QTest::newRow("Exponenciacion.Num1") << "Exponenciacion" << "Num1" << "DigitosBase" << 300;
    QTest::newRow("Exponenciacion.Num2") << "Exponenciacion" << "Num2" << "DigitosExp" << 150;
    QTest::newRow("Exponenciacion.Num3") << "Exponenciacion" << "Num3" << "DigitosMod" << 300;
    QTest::newRow("CalculoMCD.Numero1") << "CalculoMCD" << "Numero1" << "DigitosNum1" << 300;
    QTest::newRow("CalculoInverso.Numero2") << "CalculoInverso" << "Numero2" << "DigitosMod" << 300;
    QTest::newRow("RaizCuadrada.Numero") << "RaizCuadrada" << "Numero" << "DigitosNum" << 300;
    QTest::newRow("Primalidad.Numero") << "Primalidad" << "Numero" << "DigitosNum" << 300;
}

// One character more than the limit is typed; the box keeps the first ones.
void PruebaControlesCalculadoras::limiteDeCaracteres() {
    QFETCH(QString, ventana);
    QFETCH(QString, caja);
    QFETCH(QString, contador);
    QFETCH(int, maximo);

    Banco banco;
    const auto v = banco.Abrir(ventana);
    QString cifras;
    for (int i = 0; i <= maximo; ++i) cifras += QChar(u'1' + i % 9);
    Escribir(Caja(*v, caja), cifras);
    QCOMPARE(Caja(*v, caja)->text(), cifras.left(maximo));
    QCOMPARE(Etiqueta(*v, contador)->text(), TextoDigitos(maximo));
    QVERIFY(banco.ui.errores.empty());
}

void PruebaControlesCalculadoras::seAbrenDesdeMenuYBarra_data() {
    QTest::addColumn<QString>("clave");
    QTest::addColumn<QString>("opcion");
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QString>("titulo");
    QTest::newRow("Op_Basicas") << "Op_Basicas" << "OpcOperaciones" << "OpBasicas" << "Operaciones Básicas";
    QTest::newRow("Modulo") << "Modulo" << "OpcModulo" << "Modulo" << "Resto Modular";
    QTest::newRow("Mcd") << "Mcd" << "OpcMCD" << "CalculoMCD" << "Cálculo del MCD";
    QTest::newRow("Inverso") << "Inverso" << "OpcInverso" << "CalculoInverso" << "Cálculo del Inverso";
    QTest::newRow("Potencia") << "Potencia" << "OpcExponenciacion" << "Exponenciacion" << "Exponenciación Modular";
    QTest::newRow("Raiz") << "Raiz" << "OpcRaiz" << "RaizCuadrada" << "Raiz Cuadrada";
    QTest::newRow("Primalidad") << "Primalidad" << "OpcPrimalidad" << "Primalidad" << "Test de Primalidad";
}

// The menu item and the toolbar button are enabled and each opens a new
// window, listed in the Ventana menu; the window's close button closes it.
void PruebaControlesCalculadoras::seAbrenDesdeMenuYBarra() {
    QFETCH(QString, clave);
    QFETCH(QString, opcion);
    QFETCH(QString, ventana);
    QFETCH(QString, titulo);

    puerto::PuertoGrabador ui;
    puerto::EnHilo activa(ui);
    Principal principal;
    RegistrarVentanas(principal);
    principal.show();
    QAction* menu = principal.findChild<QAction*>(opcion);
    QAction* boton = principal.Herramientas()->findChild<QAction*>(clave);
    QVERIFY(menu != nullptr && boton != nullptr);
    QVERIFY(menu->isEnabled() && boton->isEnabled());

    menu->trigger();
    boton->trigger();
    const QList<QMdiSubWindow*> hijas = principal.Area()->subWindowList(QMdiArea::CreationOrder);
    QCOMPARE(hijas.size(), 2);
    QVERIFY(hijas[0]->widget() != hijas[1]->widget());
    for (const QMdiSubWindow* hija : hijas) {
        QCOMPARE(hija->widget()->objectName(), ventana);
        QCOMPARE(hija->windowTitle(), titulo);
    }

    principal.ActualizarMenuVentana();
    const QMenu* menu_ventana = principal.findChild<QMenu*>(QStringLiteral("MenuVentana"));
    int listadas = 0;
    for (const QAction* a : menu_ventana->actions()) listadas += a->text().endsWith(titulo) ? 1 : 0;
    QCOMPARE(listadas, 2);

    QPointer<QMdiSubWindow> primera = hijas[0];
    Pulsar(Boton(*primera->widget(), "BtnCancelar"));
    QTRY_VERIFY(primera.isNull());
    QCOMPARE(principal.Area()->subWindowList().size(), 1);
}

// Two windows of one kind keep their own numbers, flags and signs.
void PruebaControlesCalculadoras::variasDeUnaClaseSonIndependientes() {
    Banco banco;
    const auto a = banco.Abrir("OpBasicas");
    const auto b = banco.Abrir("OpBasicas");
    Pulsar(Boton(*a, "BtnMas1"));
    Escribir(Caja(*a, "Operando1"), "5x");
    Escribir(Caja(*b, "Operando1"), "5");
    Escribir(Caja(*b, "Operando2"), "3");
    QCOMPARE(Boton(*a, "BtnMas1")->text(), QStringLiteral("-"));
    QCOMPARE(Boton(*b, "BtnMas1")->text(), QStringLiteral("+"));
    QVERIFY(!Boton(*a, "BtnSuma")->isEnabled());
    QVERIFY(Boton(*b, "BtnSuma")->isEnabled());
    Pulsar(Boton(*b, "BtnSuma"));
    QCOMPARE(Caja(*b, "Salida")->text(), QStringLiteral("8"));
    QCOMPARE(Caja(*a, "Salida")->text(), QString());
    QCOMPARE(Etiqueta(*a, "DigitosOp1")->text(), QStringLiteral("1  digitos"));
}

QTEST_MAIN(PruebaControlesCalculadoras)
#include "test_controles_calculadoras.moc"
