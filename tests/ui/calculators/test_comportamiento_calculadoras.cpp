// What every calculator window does alike: the digit check of its boxes with
// the invalid marker, the calculation sequence, the mouse press on a
// calculate button, and the clear. Each test runs over the seven windows.
#include <QProgressBar>

#include "calculators/banco_calculadoras.h"

namespace {

struct Calculadora {
    const char* nombre;
    // The validated boxes shown at load with their counters, in order.
    std::vector<std::pair<const char*, const char*>> cajas;
    const char* calcular;            // the calculate button the tests press
    const char* resultado;           // where the result shows
    const char* contador_resultado;  // its counter; null: none
    bool cambia_imagen;              // BtnCalcular swaps its picture
    bool filtra_teclas;              // typed non-digits never reach the boxes
};

const Calculadora kDatos[] = {
    {"OpBasicas", {{"Operando1", "DigitosOp1"}, {"Operando2", "DigitosOp2"}}, "BtnSuma", "Salida", "DigitosRes",
     false, false},
    {"Modulo", {{"Num1", "DigitosNum"}, {"Num2", "DigitosMod"}}, "BtnCalcular", "Salida", "DigitosResto", true,
     false},
    {"Exponenciacion",
     {{"Num1", "DigitosBase"}, {"Num2", "DigitosExp"}, {"Num3", "DigitosMod"}},
     "BtnCalcular",
     "Salida",
     "DigitosResto",
     true,
     false},
    {"CalculoMCD", {{"Numero1", "DigitosNum1"}, {"Numero2", "DigitosNum2"}}, "BtnCalcular", "Salida", "DigitosMCD",
     true, false},
    {"CalculoInverso", {{"Numero1", "DigitosNum"}, {"Numero2", "DigitosMod"}}, "BtnCalcular", "Salida",
     "DigitosInv", true, true},
    {"RaizCuadrada", {{"Numero", "DigitosNum"}}, "BtnCalcular", "Salida", "DigitosRaiz", true, false},
    {"Primalidad", {{"Numero", "DigitosNum"}}, "BtnCalcular", "Respuesta", nullptr, true, false},
};

const Calculadora& Datos(const QString& nombre) {
    for (const Calculadora& c : kDatos) {
        if (nombre == QLatin1String(c.nombre)) return c;
    }
    qFatal("no calculator %s", qPrintable(nombre));
}

void PorVentana() {
    QTest::addColumn<QString>("ventana");
    for (const Calculadora& c : kDatos) QTest::newRow(c.nombre) << QString::fromLatin1(c.nombre);
}

// Puts a non-digit at the end of the box: typed, or pasted where typing one
// is not possible.
void PonerNoCifra(const Calculadora& c, QLineEdit* caja, const QString& caracter = QStringLiteral("a")) {
    caja->end(false);
    if (c.filtra_teclas) {
        Pegar(caja, caracter);
    } else {
        Escribir(caja, caracter);
    }
}

void Retroceso(QLineEdit* caja) { QTest::keyClick(caja, Qt::Key_Backspace); }

// Calculating enabled or not, as every sign of it shows: the buttons, the
// marker and the picture.
void ComprobarCalculo(const Banco& banco, const QWidget& v, const Calculadora& c, bool activo) {
    QCOMPARE(Boton(v, c.calcular)->isEnabled(), activo);
    QCOMPARE(Etiqueta(v, "FlechaErr")->isVisible(), !activo);
    QCOMPARE(Etiqueta(v, "EtqErr")->isVisible(), !activo);
    if (c.cambia_imagen) {
        const QIcon& imagen = activo ? banco.servicios.calcular_en : banco.servicios.calcular_dis;
        QCOMPARE(Boton(v, "BtnCalcular")->icon().cacheKey(), imagen.cacheKey());
    }
}

QString ContadorResultadoVacio(const Calculadora& c) {
    // OpBasicas writes its result counter with one blank.
    return QString::fromLatin1(c.nombre) == u"OpBasicas" ? QStringLiteral("0 digitos") : QStringLiteral("0  digitos");
}

}  // namespace

class PruebaComportamientoCalculadoras : public QObject {
    Q_OBJECT

private slots:
    void digitoInvalido_data() { PorVentana(); }
    void digitoInvalido();
    void dosCajasInvalidas_data();
    void dosCajasInvalidas();
    void pegarDosLetrasMuestraUnDialogo_data() { PorVentana(); }
    void pegarDosLetrasMuestraUnDialogo();
    void cuentaCaracteresNoValor();
    void calcularConCajasVacias_data();
    void calcularConCajasVacias();
    void pulsarYSoltarFuera_data() { PorVentana(); }
    void pulsarYSoltarFuera();
    void borrar_data() { PorVentana(); }
    void borrar();
};

// 1, 2, then a letter: one dialog, at the letter; the count stays at 2; the
// marker shows and calculating stops until the letter goes.
void PruebaComportamientoCalculadoras::digitoInvalido() {
    QFETCH(QString, ventana);
    const Calculadora& c = Datos(ventana);
    Banco banco;
    const auto v = banco.Abrir(ventana);
    QLineEdit* caja = Caja(*v, c.cajas[0].first);
    QLabel* contador = Etiqueta(*v, c.cajas[0].second);

    Escribir(caja, "12");
    QVERIFY(banco.ui.errores.empty());
    PonerNoCifra(c, caja);
    QCOMPARE(caja->text(), QStringLiteral("12a"));
    QCOMPARE(banco.ui.errores, std::vector<int>{1});
    QCOMPARE(contador->text(), QStringLiteral("2  digitos"));
    ComprobarCalculo(banco, *v, c, false);

    Retroceso(caja);
    QCOMPARE(banco.ui.errores, std::vector<int>{1});
    QCOMPARE(contador->text(), QStringLiteral("2  digitos"));
    ComprobarCalculo(banco, *v, c, true);

    // A blank is not a digit either.
    PonerNoCifra(c, caja, QStringLiteral(" "));
    QCOMPARE(banco.ui.errores, (std::vector<int>{1, 1}));
    ComprobarCalculo(banco, *v, c, false);
}

void PruebaComportamientoCalculadoras::dosCajasInvalidas_data() {
    QTest::addColumn<QString>("ventana");
    for (const Calculadora& c : kDatos) {
        if (c.cajas.size() > 1) QTest::newRow(c.nombre) << QString::fromLatin1(c.nombre);
    }
}

// With two boxes wrong, mending one is not enough.
void PruebaComportamientoCalculadoras::dosCajasInvalidas() {
    QFETCH(QString, ventana);
    const Calculadora& c = Datos(ventana);
    Banco banco;
    const auto v = banco.Abrir(ventana);
    QLineEdit* primera = Caja(*v, c.cajas.front().first);
    QLineEdit* ultima = Caja(*v, c.cajas.back().first);

    PonerNoCifra(c, primera);
    PonerNoCifra(c, ultima);
    QCOMPARE(banco.ui.errores, (std::vector<int>{1, 1}));
    Retroceso(primera);
    ComprobarCalculo(banco, *v, c, false);
    Retroceso(ultima);
    ComprobarCalculo(banco, *v, c, true);
    QCOMPARE(banco.ui.errores.size(), std::size_t{2});
}

// Four characters with two letters: one dialog, for the first letter.
void PruebaComportamientoCalculadoras::pegarDosLetrasMuestraUnDialogo() {
    QFETCH(QString, ventana);
    const Calculadora& c = Datos(ventana);
    Banco banco;
    const auto v = banco.Abrir(ventana);
    const QString antes = Etiqueta(*v, c.cajas[0].second)->text();

    Pegar(Caja(*v, c.cajas[0].first), "1a2b");
    QCOMPARE(Caja(*v, c.cajas[0].first)->text(), QStringLiteral("1a2b"));
    QCOMPARE(banco.ui.errores, std::vector<int>{1});
    QCOMPARE(Etiqueta(*v, c.cajas[0].second)->text(), antes);
    ComprobarCalculo(banco, *v, c, false);
}

// The counter counts characters: leading zeros count, and the operation
// still sees the value.
void PruebaComportamientoCalculadoras::cuentaCaracteresNoValor() {
    Banco banco;
    const auto v = banco.Abrir("CalculoMCD");
    Escribir(Caja(*v, "Numero1"), "007");
    Escribir(Caja(*v, "Numero2"), "21");
    QCOMPARE(Etiqueta(*v, "DigitosNum1")->text(), QStringLiteral("3  digitos"));
    Pulsar(Boton(*v, "BtnCalcular"));
    QCOMPARE(Caja(*v, "Salida")->text(), QStringLiteral("7"));
    QCOMPARE(Etiqueta(*v, "DigitosMCD")->text(), QStringLiteral("1  digitos"));
}

void PruebaComportamientoCalculadoras::calcularConCajasVacias_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QString>("ocupado");
    QTest::addColumn<QString>("resultado");
    QTest::addColumn<QString>("contador");
    QTest::addColumn<QStringList>("registro");  // dialogs and pointer changes, in order
    const QStringList sin_error{"reloj", "normal"};
    QTest::newRow("OpBasicas: 0 + 0") << "OpBasicas" << " Calculando la suma ..." << "0" << "1 digitos" << sin_error;
    QTest::newRow("Modulo: 0 mod 0") << "Modulo" << " Calculando el modulo ..." << "0" << "1  digitos"
                                     << QStringList{"reloj", "flecha", "error 4", "normal"};
    QTest::newRow("Exponenciacion: 0^0 mod 0")
        << "Exponenciacion" << " Calculando la exponenciación ..." << "1" << "1  digitos"
        << QStringList{"reloj", "flecha", "error 4", "normal"};
    QTest::newRow("CalculoMCD: mcd(0, 0)") << "CalculoMCD" << " Calculando el máximo común divisor  ..." << "0"
                                           << "1  digitos" << sin_error;
    QTest::newRow("CalculoInverso: 0^-1 mod 0")
        << "CalculoInverso" << " Calculando el inverso ..." << "0" << "1  digitos"
        << QStringList{"reloj", "flecha", "error 3", "normal"};
    QTest::newRow("RaizCuadrada: raíz de 0") << "RaizCuadrada" << " Calculando la Raíz Cuadrada ..." << "0"
                                             << "1  digitos" << sin_error;
    QTest::newRow("Primalidad: 0") << "Primalidad" << " Realizando el Test de Primalidad ..." << "No" << ""
                                   << QStringList{"flecha-reloj", "normal"};
}

// Empty boxes count as 0. The calculation writes its busy text, sets the
// busy pointer, shows any error of the operation under the arrow, writes the
// result, puts the pointer back, shows the time between its two clock
// readings and " Preparado".
void PruebaComportamientoCalculadoras::calcularConCajasVacias() {
    QFETCH(QString, ventana);
    QFETCH(QString, ocupado);
    QFETCH(QString, resultado);
    QFETCH(QString, contador);
    QFETCH(QStringList, registro);
    const Calculadora& c = Datos(ventana);
    Banco banco;
    const auto v = banco.Abrir(ventana);

    banco.servicios.estados.clear();
    Pulsar(Boton(*v, c.calcular));
    QCOMPARE(banco.servicios.estados, (QStringList{ocupado, " Preparado"}));
    QCOMPARE(banco.Registro(), registro);
    QCOMPARE(Texto(*v, c.resultado), resultado);
    if (c.contador_resultado != nullptr) QCOMPARE(Etiqueta(*v, c.contador_resultado)->text(), contador);
    QCOMPARE(Etiqueta(*v, "Cuenta")->text(), QStringLiteral("0 h: 0 m: 7 s: "));
}

// The press empties the result and resets the time; released outside the
// button, it calculates nothing.
void PruebaComportamientoCalculadoras::pulsarYSoltarFuera() {
    QFETCH(QString, ventana);
    const Calculadora& c = Datos(ventana);
    Banco banco;
    const auto v = banco.Abrir(ventana);
    Escribir(Caja(*v, c.cajas[0].first), "9");
    if (c.cajas.size() > 1) Escribir(Caja(*v, c.cajas[1].first), "7");
    Pulsar(Boton(*v, c.calcular));
    QVERIFY(!Texto(*v, c.resultado).isEmpty());
    QCOMPARE(Etiqueta(*v, "Cuenta")->text(), QStringLiteral("0 h: 0 m: 7 s: "));

    banco.servicios.estados.clear();
    banco.ui.registro.clear();
    QPushButton* boton = Boton(*v, c.calcular);
    QTest::mousePress(boton, Qt::LeftButton);
    QCOMPARE(Texto(*v, c.resultado), QString());
    QCOMPARE(Etiqueta(*v, "Cuenta")->text(), QStringLiteral("0 h: 0 m: 0 s"));
    QTest::mouseRelease(boton, Qt::LeftButton, {}, QPoint(boton->width() + 20, boton->height() / 2));
    QCOMPARE(Texto(*v, c.resultado), QString());
    QCOMPARE(Etiqueta(*v, "Cuenta")->text(), QStringLiteral("0 h: 0 m: 0 s"));
    if (c.contador_resultado != nullptr) {
        QCOMPARE(Etiqueta(*v, c.contador_resultado)->text(), ContadorResultadoVacio(c));
    }
    QVERIFY(banco.servicios.estados.isEmpty());
    QVERIFY(banco.ui.registro.empty());
}

// After a calculation and a bad character, the clear leaves every box empty,
// every counter at 0 with two blanks, no marker, calculating enabled.
void PruebaComportamientoCalculadoras::borrar() {
    QFETCH(QString, ventana);
    const Calculadora& c = Datos(ventana);
    Banco banco;
    const auto v = banco.Abrir(ventana);
    for (const auto& [caja, contador] : c.cajas) Escribir(Caja(*v, caja), "5");
    Pulsar(Boton(*v, c.calcular));
    PonerNoCifra(c, Caja(*v, c.cajas[0].first));
    ComprobarCalculo(banco, *v, c, false);

    Pulsar(Boton(*v, "BtnBorrar"));
    for (const auto& [caja, contador] : c.cajas) {
        QCOMPARE(Caja(*v, caja)->text(), QString());
        QCOMPARE(Etiqueta(*v, contador)->text(), QStringLiteral("0  digitos"));
    }
    QCOMPARE(Texto(*v, c.resultado), QString());
    if (c.contador_resultado != nullptr) {
        QCOMPARE(Etiqueta(*v, c.contador_resultado)->text(), ContadorResultadoVacio(c));
    }
    QCOMPARE(Etiqueta(*v, "Cuenta")->text(),
             ventana == u"Exponenciacion" ? QStringLiteral("0 h: 0m: 0 s") : QStringLiteral("0 h: 0 m: 0 s"));
    ComprobarCalculo(banco, *v, c, true);
    if (ventana == u"Primalidad") QCOMPARE(Hijo<QProgressBar>(*v, "Gauge")->value(), 0);
}

QTEST_MAIN(PruebaComportamientoCalculadoras)
#include "test_comportamiento_calculadoras.moc"
