// Each calculator's own operation and the ways it departs from the others:
// signs, the modulus box and the result counter of OpBasicas, the sign of
// Modulo, the counters of Exponenciacion, the key filter of CalculoInverso,
// the answer and progress bar of Primalidad.
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalSpy>

#include "calculators/banco_calculadoras.h"

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

// Types each number into its box (nothing for an empty one) and presses the
// button.
void Calcular(const QWidget& v, const QStringList& cajas, const QStringList& numeros, const char* boton) {
    for (qsizetype i = 0; i < cajas.size(); ++i) Escribir(Caja(v, cajas[i]), numeros[i]);
    Pulsar(Boton(v, boton));
}

void Retroceso(QLineEdit* caja) { QTest::keyClick(caja, Qt::Key_Backspace); }

}  // namespace

class PruebaOperacionesCalculadoras : public QObject {
    Q_OBJECT

private slots:
    void opBasicas_data();
    void opBasicas();
    void opBasicasMostrarYOcultarModulo();
    void opBasicasPistaDeSalida_data();
    void opBasicasPistaDeSalida();
    void opBasicasBorrarConservaSignosYModulo();
    void unaCaja_data();
    void unaCaja();
    void moduloConservaSuSigno();
    void exponenciacionContadores();
    void calculoInversoFiltraTeclas();
    void primalidad_data();
    void primalidad();
    void primalidadAvanzaLaBarra();
    void primalidadContadorYRespuesta();
    void primalidadDetalle_data();
    void primalidadDetalle();
};

void PruebaOperacionesCalculadoras::opBasicas_data() {
    QTest::addColumn<QString>("operando1");
    QTest::addColumn<bool>("negativo1");
    QTest::addColumn<QString>("operando2");
    QTest::addColumn<bool>("negativo2");
    QTest::addColumn<QString>("modulo");  // null: the modulus box stays hidden
    QTest::addColumn<QString>("boton");
    QTest::addColumn<QString>("salida");
    QTest::addColumn<QString>("digitos");
    QTest::addColumn<QStringList>("registro");
    const QStringList sin_error{"reloj", "normal"};
    const QString oculto;
    QTest::newRow("-5 - 3") << "5" << true << "3" << false << oculto << "BtnResta" << "-8" << "1 digitos"
                            << sin_error;
    QTest::newRow("-5 + 3") << "5" << true << "3" << false << oculto << "BtnSuma" << "-2" << "1 digitos"
                            << sin_error;
    QTest::newRow("3 - 15") << "3" << false << "15" << false << oculto << "BtnResta" << "-12" << "2 digitos"
                            << sin_error;
    QTest::newRow("12 * -12") << "12" << false << "12" << true << oculto << "BtnProducto" << "-144"
                              << "3 digitos" << sin_error;
    QTest::newRow("vacío + 7") << "" << false << "7" << false << oculto << "BtnSuma" << "7" << "1 digitos"
                               << sin_error;
    QTest::newRow("7 div 2") << "7" << false << "2" << false << oculto << "BtnDivision" << "3" << "1 digitos"
                             << sin_error;
    QTest::newRow("-7 + vacío, mod 5") << "7" << true << "" << false << "5" << "BtnSuma" << "3" << "1 digitos"
                                       << sin_error;
    QTest::newRow("7 div 0") << "7" << false << "0" << false << oculto << "BtnDivision" << "0" << "1 digitos"
                             << QStringList{"reloj", "flecha", "error 2", "normal"};
    QTest::newRow("7 div -0") << "7" << false << "0" << true << oculto << "BtnDivision" << "0" << "1 digitos"
                              << QStringList{"reloj", "flecha", "error 2", "normal"};
    QTest::newRow("7 div 0, mod vacío")
        << "7" << false << "0" << false << "" << "BtnDivision" << "0" << "1 digitos"
        << QStringList{"reloj", "flecha", "error 2", "flecha", "error 4", "normal"};
    QTest::newRow("10 * 10, mod 0") << "10" << false << "10" << false << "0" << "BtnProducto" << "0"
                                    << "1 digitos" << QStringList{"reloj", "flecha", "error 4", "normal"};
}

// The signs come from the sign buttons; the boxes keep digits only.
void PruebaOperacionesCalculadoras::opBasicas() {
    QFETCH(QString, operando1);
    QFETCH(bool, negativo1);
    QFETCH(QString, operando2);
    QFETCH(bool, negativo2);
    QFETCH(QString, modulo);
    QFETCH(QString, boton);
    QFETCH(QString, salida);
    QFETCH(QString, digitos);
    QFETCH(QStringList, registro);

    Banco banco;
    const auto v = banco.Abrir("OpBasicas");
    if (negativo1) Pulsar(Boton(*v, "BtnMas1"));
    if (negativo2) Pulsar(Boton(*v, "BtnMas2"));
    QCOMPARE(Boton(*v, "BtnMas1")->text(), negativo1 ? QStringLiteral("-") : QStringLiteral("+"));
    if (!modulo.isNull()) {
        Pulsar(Boton(*v, "BtnModulo"));
        Escribir(Caja(*v, "Modulo"), modulo);
    }
    Calcular(*v, {"Operando1", "Operando2"}, {operando1, operando2}, qPrintable(boton));

    QCOMPARE(Caja(*v, "Salida")->text(), salida);
    QCOMPARE(Etiqueta(*v, "DigitosRes")->text(), digitos);
    QCOMPARE(banco.Registro(), registro);
    QCOMPARE(Caja(*v, "Operando1")->text(), operando1);
    QCOMPARE(Caja(*v, "Operando2")->text(), operando2);
}

// BtnModulo shows the box beside itself and hides it again, emptying it each
// time. The box takes only digits, like the operands.
void PruebaOperacionesCalculadoras::opBasicasMostrarYOcultarModulo() {
    Banco banco;
    const auto v = banco.Abrir("OpBasicas");
    QPushButton* btn_modulo = Boton(*v, "BtnModulo");
    QLineEdit* modulo = Caja(*v, "Modulo");
    const QPoint al_abrir = btn_modulo->pos();

    Pulsar(btn_modulo);
    QVERIFY(modulo->isVisible() && Etiqueta(*v, "DigitosMod")->isVisible());
    QTRY_VERIFY(btn_modulo->geometry().right() < modulo->geometry().left());
    QVERIFY(btn_modulo->x() < al_abrir.x());
    QCOMPARE(banco.PistaAl(modulo), QStringLiteral(" Modulo"));

    Escribir(modulo, "5x");
    QCOMPARE(banco.ui.errores, std::vector<int>{1});
    QCOMPARE(Etiqueta(*v, "DigitosMod")->text(), QStringLiteral("1  digitos"));
    QVERIFY(!Boton(*v, "BtnSuma")->isEnabled());
    QVERIFY(Etiqueta(*v, "EtqErr")->isVisible());

    // Hiding the box empties it, which mends it.
    Pulsar(btn_modulo);
    QVERIFY(!modulo->isVisible() && !Etiqueta(*v, "DigitosMod")->isVisible());
    QCOMPARE(modulo->text(), QString());
    QTRY_COMPARE(btn_modulo->pos(), al_abrir);
    for (const char* boton : {"BtnSuma", "BtnResta", "BtnProducto", "BtnDivision"}) {
        QVERIFY(Boton(*v, boton)->isEnabled());
    }
    QVERIFY(!Etiqueta(*v, "EtqErr")->isVisible());

    // Hidden, the modulus is not applied.
    Calcular(*v, {"Operando1", "Operando2"}, {"7", "8"}, "BtnSuma");
    QCOMPARE(Caja(*v, "Salida")->text(), QStringLiteral("15"));
}

void PruebaOperacionesCalculadoras::opBasicasPistaDeSalida_data() {
    QTest::addColumn<QString>("boton");
    QTest::addColumn<QString>("pista");
    QTest::newRow("ninguna") << "" << " Resultado de la operación escogida";
    QTest::newRow("suma") << "BtnSuma" << " Resultado de la suma";
    QTest::newRow("resta") << "BtnResta" << " Resultado de la resta";
    QTest::newRow("producto") << "BtnProducto" << " Resultado del producto";
    QTest::newRow("división") << "BtnDivision" << " Resultado de la división entera";
}

void PruebaOperacionesCalculadoras::opBasicasPistaDeSalida() {
    QFETCH(QString, boton);
    QFETCH(QString, pista);
    Banco banco;
    const auto v = banco.Abrir("OpBasicas");
    Escribir(Caja(*v, "Operando2"), "1");
    if (!boton.isEmpty()) Pulsar(Boton(*v, boton));
    QCOMPARE(banco.PistaAl(Caja(*v, "Salida")), pista);
}

// Signs, the last operation and the modulus box outlive a clear.
void PruebaOperacionesCalculadoras::opBasicasBorrarConservaSignosYModulo() {
    Banco banco;
    const auto v = banco.Abrir("OpBasicas");
    Pulsar(Boton(*v, "BtnMas1"));
    Pulsar(Boton(*v, "BtnMas2"));
    Pulsar(Boton(*v, "BtnModulo"));
    Calcular(*v, {"Operando1", "Operando2", "Modulo"}, {"9", "4", "7"}, "BtnResta");
    QCOMPARE(Caja(*v, "Salida")->text(), QStringLiteral("2"));  // -9 - -4 = -5, mod 7

    Pulsar(Boton(*v, "BtnBorrar"));
    QCOMPARE(Caja(*v, "Modulo")->text(), QString());
    QCOMPARE(Etiqueta(*v, "DigitosMod")->text(), QStringLiteral("0  digitos"));
    QVERIFY(Caja(*v, "Modulo")->isVisible());
    QCOMPARE(Boton(*v, "BtnMas1")->text(), QStringLiteral("-"));
    QCOMPARE(Boton(*v, "BtnMas2")->text(), QStringLiteral("-"));
    QCOMPARE(banco.PistaAl(Caja(*v, "Salida")), QStringLiteral(" Resultado de la resta"));

    Calcular(*v, {"Operando1", "Operando2", "Modulo"}, {"9", "", "5"}, "BtnSuma");
    QCOMPARE(Caja(*v, "Salida")->text(), QStringLiteral("1"));  // -9 mod 5
}

void PruebaOperacionesCalculadoras::unaCaja_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QStringList>("cajas");
    QTest::addColumn<QStringList>("numeros");
    QTest::addColumn<QString>("salida");
    QTest::addColumn<QString>("contador");
    QTest::addColumn<QString>("digitos");
    QTest::addColumn<std::vector<int>>("errores");
    const QStringList modulo{"Num1", "Num2"};
    const QStringList potencia{"Num1", "Num2", "Num3"};
    const QStringList pareja{"Numero1", "Numero2"};
    const QStringList raiz{"Numero"};
    QTest::newRow("17 mod 5") << "Modulo" << modulo << QStringList{"17", "5"} << "2" << "DigitosResto"
                              << "1  digitos" << std::vector<int>{};
    QTest::newRow("10 mod vacío") << "Modulo" << modulo << QStringList{"10", ""} << "0" << "DigitosResto"
                                  << "1  digitos" << std::vector<int>{4};
    QTest::newRow("10 mod 0") << "Modulo" << modulo << QStringList{"10", "0"} << "0" << "DigitosResto"
                              << "1  digitos" << std::vector<int>{4};
    QTest::newRow("2^10 mod 1000") << "Exponenciacion" << potencia << QStringList{"2", "10", "1000"} << "24"
                                   << "DigitosResto" << "2  digitos" << std::vector<int>{};
    QTest::newRow("3^200 mod 10^20") << "Exponenciacion" << potencia
                                     << QStringList{"3", "200", "100000000000000000000"} << "2182994384699044001"
                                     << "DigitosResto" << "19  digitos" << std::vector<int>{};
    QTest::newRow("mcd(12, 18)") << "CalculoMCD" << pareja << QStringList{"12", "18"} << "6" << "DigitosMCD"
                                 << "1  digitos" << std::vector<int>{};
    QTest::newRow("3^-1 mod 7") << "CalculoInverso" << pareja << QStringList{"3", "7"} << "5" << "DigitosInv"
                                << "1  digitos" << std::vector<int>{};
    QTest::newRow("4^-1 mod 8") << "CalculoInverso" << pareja << QStringList{"4", "8"} << "0" << "DigitosInv"
                                << "1  digitos" << std::vector<int>{3};
    QTest::newRow("raíz de 16") << "RaizCuadrada" << raiz << QStringList{"16"} << "4" << "DigitosRaiz"
                                << "1  digitos" << std::vector<int>{};
    QTest::newRow("raíz de 17") << "RaizCuadrada" << raiz << QStringList{"17"} << "4" << "DigitosRaiz"
                                << "1  digitos" << std::vector<int>{};
    QTest::newRow("raíz de 99") << "RaizCuadrada" << raiz << QStringList{"99"} << "9" << "DigitosRaiz"
                                << "1  digitos" << std::vector<int>{};
    QTest::newRow("raíz de 10^20") << "RaizCuadrada" << raiz << QStringList{"100000000000000000000"}
                                   << "10000000000" << "DigitosRaiz" << "11  digitos" << std::vector<int>{};
}

// The windows with one calculate button: their operation, result counter and
// the errors it shows.
void PruebaOperacionesCalculadoras::unaCaja() {
    QFETCH(QString, ventana);
    QFETCH(QStringList, cajas);
    QFETCH(QStringList, numeros);
    QFETCH(QString, salida);
    QFETCH(QString, contador);
    QFETCH(QString, digitos);
    QFETCH(std::vector<int>, errores);
    Banco banco;
    const auto v = banco.Abrir(ventana);
    Calcular(*v, cajas, numeros, "BtnCalcular");
    QCOMPARE(Caja(*v, "Salida")->text(), salida);
    QCOMPARE(Etiqueta(*v, contador)->text(), digitos);
    QCOMPARE(banco.ui.errores, errores);
}

// "-" makes -17 mod 5 = 3; the sign stays through a clear.
void PruebaOperacionesCalculadoras::moduloConservaSuSigno() {
    Banco banco;
    const auto v = banco.Abrir("Modulo");
    Pulsar(Boton(*v, "BtnMas"));
    QCOMPARE(Boton(*v, "BtnMas")->text(), QStringLiteral("-"));
    Calcular(*v, {"Num1", "Num2"}, {"17", "5"}, "BtnCalcular");
    QCOMPARE(Caja(*v, "Salida")->text(), QStringLiteral("3"));
    QCOMPARE(Caja(*v, "Num1")->text(), QStringLiteral("17"));

    Pulsar(Boton(*v, "BtnBorrar"));
    QCOMPARE(Boton(*v, "BtnMas")->text(), QStringLiteral("-"));
    Calcular(*v, {"Num1", "Num2"}, {"17", "5"}, "BtnCalcular");
    QCOMPARE(Caja(*v, "Salida")->text(), QStringLiteral("3"));

    Pulsar(Boton(*v, "BtnMas"));
    Pulsar(Boton(*v, "BtnCalcular"));
    QCOMPARE(Caja(*v, "Salida")->text(), QStringLiteral("2"));
}

// One blank at load; two once a box has changed, or after a clear even of a
// box that was never typed into.
void PruebaOperacionesCalculadoras::exponenciacionContadores() {
    Banco banco;
    const auto v = banco.Abrir("Exponenciacion");
    Escribir(Caja(*v, "Num1"), "7");
    Retroceso(Caja(*v, "Num1"));
    QCOMPARE(Etiqueta(*v, "DigitosBase")->text(), QStringLiteral("0  digitos"));
    QCOMPARE(Etiqueta(*v, "DigitosExp")->text(), QStringLiteral("0 digitos"));

    Pulsar(Boton(*v, "BtnBorrar"));
    for (const char* contador : {"DigitosBase", "DigitosExp", "DigitosMod", "DigitosResto"}) {
        QCOMPARE(Etiqueta(*v, contador)->text(), QStringLiteral("0  digitos"));
    }
    QCOMPARE(Etiqueta(*v, "Cuenta")->text(), QStringLiteral("0 h: 0m: 0 s"));
}

// Typed non-digits never reach the boxes (no dialog); pasted ones do and are
// checked; the clipboard keys and backspace still work.
void PruebaOperacionesCalculadoras::calculoInversoFiltraTeclas() {
    Banco banco;
    const auto v = banco.Abrir("CalculoInverso");
    Escribir(Caja(*v, "Numero1"), "3a -");
    Escribir(Caja(*v, "Numero2"), "7.");
    Escribir(Caja(*v, "Salida"), "x9");
    QCOMPARE(Caja(*v, "Numero1")->text(), QStringLiteral("3"));
    QCOMPARE(Caja(*v, "Numero2")->text(), QStringLiteral("7"));
    QCOMPARE(Caja(*v, "Salida")->text(), QStringLiteral("9"));
    QVERIFY(banco.ui.errores.empty());
    QVERIFY(!Etiqueta(*v, "EtqErr")->isVisible());

    Pegar(Caja(*v, "Numero2"), "b");
    QCOMPARE(Caja(*v, "Numero2")->text(), QStringLiteral("7b"));
    QCOMPARE(banco.ui.errores, std::vector<int>{1});
    QVERIFY(Etiqueta(*v, "EtqErr")->isVisible());
    QVERIFY(!Boton(*v, "BtnCalcular")->isEnabled());
    Retroceso(Caja(*v, "Numero2"));
    QVERIFY(Boton(*v, "BtnCalcular")->isEnabled());

    Pulsar(Boton(*v, "BtnCalcular"));
    QCOMPARE(Caja(*v, "Salida")->text(), QStringLiteral("5"));
}

void PruebaOperacionesCalculadoras::primalidad_data() {
    QTest::addColumn<QString>("numero");
    QTest::addColumn<QString>("respuesta");
    QTest::newRow("7") << "7" << "Sí";
    QTest::newRow("561") << "561" << "No";
    QTest::newRow("vacío") << "" << "No";
    QTest::newRow("1000003") << "1000003" << "Sí";
    QTest::newRow("2^89 - 1") << "618970019642690137449562111" << "Sí";
    QTest::newRow("(2^61 - 1)(2^31 - 1)") << "4951760154835678088235319297" << "No";
}

// "Sí" or "No", the bar at 100 after every test, the arrow with hourglass
// while it runs and the former pointer after it.
void PruebaOperacionesCalculadoras::primalidad() {
    QFETCH(QString, numero);
    QFETCH(QString, respuesta);
    Banco banco;
    const auto v = banco.Abrir("Primalidad");
    Calcular(*v, {"Numero"}, {numero}, "BtnCalcular");
    QCOMPARE(Etiqueta(*v, "Respuesta")->text(), respuesta);
    QCOMPARE(Hijo<QProgressBar>(*v, "Gauge")->value(), 100);
    QCOMPARE(banco.Registro(), (QStringList{"flecha-reloj", "normal"}));
    QVERIFY(banco.ui.errores.empty());
}

// The test's progress goes to Gauge, step by step, and nowhere else.
void PruebaOperacionesCalculadoras::primalidadAvanzaLaBarra() {
    Banco banco;
    const auto v = banco.Abrir("Primalidad");
    auto* gauge = Hijo<QProgressBar>(*v, "Gauge");
    Escribir(Caja(*v, "Numero"), "1000003");
    QSignalSpy valores(gauge, &QProgressBar::valueChanged);
    Pulsar(Boton(*v, "BtnCalcular"));

    // Five fixed-base passes; in each, 1000002 = 2 * 500001 makes a^500001
    // come out as 1 or -1 at once: one step of 4, another, then two more
    // together. Then the end at 100.
    QList<int> esperados;
    for (int pasada = 0; pasada < 5; ++pasada) esperados << 16 * pasada + 4 << 16 * pasada + 8 << 16 * pasada + 16;
    esperados << 100;
    QList<int> vistos;
    for (const QList<QVariant>& senal : valores) vistos.append(senal.at(0).toInt());
    QCOMPARE(vistos, esperados);
    QVERIFY(banco.ui.progresos.empty());
}

// The counter opens with one blank; the answer (in bold) stays until the next
// press of BtnCalcular, the bar until the next test or a clear.
void PruebaOperacionesCalculadoras::primalidadContadorYRespuesta() {
    Banco banco;
    const auto v = banco.Abrir("Primalidad");
    QLabel* respuesta = Etiqueta(*v, "Respuesta");
    QVERIFY(respuesta->font().bold());
    QCOMPARE(Etiqueta(*v, "DigitosNum")->text(), QStringLiteral("0 digitos"));
    Escribir(Caja(*v, "Numero"), "5");
    Retroceso(Caja(*v, "Numero"));
    QCOMPARE(Etiqueta(*v, "DigitosNum")->text(), QStringLiteral("0  digitos"));

    Calcular(*v, {"Numero"}, {"13"}, "BtnCalcular");
    QCOMPARE(respuesta->text(), QStringLiteral("Sí"));
    Escribir(Caja(*v, "Numero"), "0");
    QCOMPARE(respuesta->text(), QStringLiteral("Sí"));
    QCOMPARE(Hijo<QProgressBar>(*v, "Gauge")->value(), 100);
    Pulsar(Boton(*v, "BtnBorrar"));
    QCOMPARE(respuesta->text(), QString());
    QCOMPARE(Hijo<QProgressBar>(*v, "Gauge")->value(), 0);
}

void PruebaOperacionesCalculadoras::primalidadDetalle_data() {
    QTest::addColumn<QString>("numero");
    QTest::addColumn<QStringList>("lineas");  // lines the detail shows, in this order
    QTest::newRow("561, Carmichael") << "561"
                                     << QStringList{"n − 1 = 560 = 2^4 · 35   (s = 4, d = 35)",
                                                    "Base a = 2",
                                                    "  x = a^d mod n = 263",
                                                    "  a^(d·2^1) mod n = 166",
                                                    "  a^(d·2^2) mod n = 67",
                                                    "  a^(d·2^3) mod n = 1",
                                                    "  → compuesto: 2 es testigo",
                                                    "Respuesta: No (2 es testigo de que n es compuesto)."};
    QTest::newRow("13, primo") << "13"
                               << QStringList{"n − 1 = 12 = 2^2 · 3   (s = 2, d = 3)",
                                              "Base a = 2",
                                              "  x = a^d mod n = 8",
                                              "  a^(d·2^1) mod n = 12 = n − 1",
                                              "  → probable primo",
                                              "Base a = 3",
                                              "  x = a^d mod n = 1",
                                              "Base a = 11",
                                              "Respuesta: Sí (pasa las 5 bases, y con hasta 11 cifras eso prueba que es primo)."};
    QTest::newRow("9, comprobación directa")
        << "9"
        << QStringList{"n = 9 tiene una sola cifra: no es primo.",
                       "Lo decide la comprobación directa de los números pequeños y pares, sin ninguna pasada de "
                       "Miller-Rabin."};
}

// Off when the window opens; on, it shows what the last test did, and a
// new test replaces it; off again, it hides.
void PruebaOperacionesCalculadoras::primalidadDetalle() {
    QFETCH(QString, numero);
    QFETCH(QStringList, lineas);
    Banco banco;
    const auto v = banco.Abrir("Primalidad");
    QPushButton* detalle = Boton(*v, "BtnDetalle");
    auto* traza = Hijo<QPlainTextEdit>(*v, "Traza");
    QVERIFY(detalle->isCheckable() && !detalle->isChecked());
    QVERIFY(!traza->isVisible());

    Calcular(*v, {"Numero"}, {"1000003"}, "BtnCalcular");
    Pulsar(detalle);
    QVERIFY(traza->isVisible() && traza->isReadOnly());
    QVERIFY(traza->toPlainText().startsWith(QStringLiteral("n = 1000003\n")));
    Pulsar(Boton(*v, "BtnBorrar"));
    Calcular(*v, {"Numero"}, {numero}, "BtnCalcular");
    const QStringList vistas = traza->toPlainText().split(u'\n');
    qsizetype desde = 0;
    for (const QString& linea : lineas) {
        desde = vistas.indexOf(linea, desde);
        QVERIFY2(desde >= 0, qPrintable(linea + QStringLiteral("\n---\n") + vistas.join(u'\n')));
    }
    Pulsar(detalle);
    QVERIFY(!traza->isVisible());
}

QTEST_MAIN(PruebaOperacionesCalculadoras)
#include "test_operaciones_calculadoras.moc"
