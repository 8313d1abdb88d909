// The splash Entrada, the About window and the links window.
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "soporte/servicios_grabadores.h"
#include "ui/shell/acerca_de.h"
#include "ui/shell/ayuda_contextual.h"
#include "ui/shell/entrada.h"
#include "ui/shell/internet.h"

namespace {

// Indices of the About lines that are showing.
QList<int> LineasVisibles(const AcercaDe& a) {
    QList<int> visibles;
    for (int i = 0; i < AcercaDe::kLineas; ++i) {
        if (!a.Linea(i)->isHidden()) visibles.append(i);
    }
    return visibles;
}

QList<int> Primeras(int n) {
    QList<int> lineas;
    for (int i = 0; i < n; ++i) lineas.append(i);
    return lineas;
}

}  // namespace

class PruebaVentanasInformativas : public QObject {
    Q_OBJECT

private slots:
    void entradaYSusTeclas_data();
    void entradaYSusTeclas();
    void entradaConBotonOMarco();
    void animacionDeAcercaDe();
    void dosAcercaDeSonIndependientes();
    void acercaDeEscribeSuIndicacion();
    void internet();
};

void PruebaVentanasInformativas::entradaYSusTeclas_data() {
    QTest::addColumn<int>("tecla");
    QTest::addColumn<bool>("inicia");
    QTest::newRow("Enter") << int(Qt::Key_Return) << true;
    QTest::newRow("Enter del teclado numérico") << int(Qt::Key_Enter) << true;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << true;
    QTest::newRow("letra") << int(Qt::Key_A) << true;
    QTest::newRow("cifra") << int(Qt::Key_7) << true;
    QTest::newRow("espacio") << int(Qt::Key_Space) << true;
    QTest::newRow("F1") << int(Qt::Key_F1) << false;
    QTest::newRow("F10") << int(Qt::Key_F10) << false;
    QTest::newRow("flecha izquierda") << int(Qt::Key_Left) << false;
    QTest::newRow("flecha abajo") << int(Qt::Key_Down) << false;
    QTest::newRow("mayúsculas") << int(Qt::Key_Shift) << false;
}

void PruebaVentanasInformativas::entradaYSusTeclas() {
    QFETCH(int, tecla);
    QFETCH(bool, inicia);
    QPointer<Entrada> entrada = new Entrada;
    QSignalSpy iniciado(entrada.data(), &Entrada::Iniciado);
    entrada->show();
    QVERIFY(QTest::qWaitForWindowExposed(entrada.data()));
    QTest::keyClick(entrada.data(), static_cast<Qt::Key>(tecla));
    QCOMPARE(iniciado.count(), inicia ? 1 : 0);
    if (inicia) {
        QTRY_VERIFY(entrada.isNull());  // it unloads itself
    } else {
        QTest::qWait(0);
        QVERIFY(!entrada.isNull() && entrada->isVisible());
        delete entrada.data();
    }
}

void PruebaVentanasInformativas::entradaConBotonOMarco() {
    for (const bool por_boton : {true, false}) {
        QPointer<Entrada> entrada = new Entrada;
        QSignalSpy iniciado(entrada.data(), &Entrada::Iniciado);
        entrada->show();
        QVERIFY(QTest::qWaitForWindowExposed(entrada.data()));
        if (por_boton) {
            QTest::mouseClick(entrada->BtnIniciar(), Qt::LeftButton);
        } else {
            QTest::mouseClick(entrada->Frame1(), Qt::LeftButton, {}, QPoint(4, 4));
        }
        entrada->Iniciar();  // a second request changes nothing
        QCOMPARE(iniciado.count(), 1);
        QTRY_VERIFY(entrada.isNull());
    }
}

// Lines appear one a tick; the full paragraph stays ten seconds; the ninth
// tick leaves only the first line. The two pictures take turns every tick.
void PruebaVentanasInformativas::animacionDeAcercaDe() {
    ServiciosGrabadores servicios;
    AcercaDe acerca(servicios);
    QVERIFY(LineasVisibles(acerca).isEmpty());
    QVERIFY(!acerca.Abierto()->isHidden());
    QVERIFY(acerca.Cerrado()->isHidden());
    QVERIFY(acerca.Reloj2()->isActive());
    QCOMPARE(acerca.Reloj2()->interval(), 1000);

    for (int tic = 1; tic <= 8; ++tic) {
        acerca.Reloj2_Timer();
        QCOMPARE(LineasVisibles(acerca), Primeras(tic));
        const bool cerrado = tic % 2 == 1;  // the first tick shows Cerrado
        QCOMPARE(acerca.Cerrado()->isHidden(), !cerrado);
        QCOMPARE(acerca.Abierto()->isHidden(), cerrado);
        QCOMPARE(acerca.Reloj2()->interval(), tic < 8 ? 1000 : 10000);
    }
    acerca.Reloj2_Timer();  // ten seconds later
    QCOMPARE(LineasVisibles(acerca), QList<int>{0});
    QCOMPARE(acerca.Reloj2()->interval(), 1000);
    QVERIFY(!acerca.Cerrado()->isHidden());
    for (int tic = 2; tic <= 8; ++tic) acerca.Reloj2_Timer();
    QCOMPARE(LineasVisibles(acerca), Primeras(8));

    QCOMPARE(acerca.windowTitle(), QStringLiteral(" Acerca de ..."));
    QCOMPARE(TemaAyudaDe(acerca.Linea(3)), 31);
    QCOMPARE(acerca.Linea(0)->text(),
             QStringLiteral("Este programa está inmerso en un Proyecto de Desarrollo de Software de Prácticas"));
    QCOMPARE(acerca.Linea(4)->text(),
             QStringLiteral("Si desea recibir cualquier información adicional o hacer llegar sugerencias sobre esta"));
    QVERIFY(acerca.Linea(2)->text().endsWith(QStringLiteral("siendo su tutor")));
    QVERIFY(acerca.Linea(5)->text().startsWith(
        QStringLiteral("aplicación o el Proyecto antes mencionado, por favor dirigirse a ")));
    QVERIFY(acerca.Linea(6)->text().startsWith(QStringLiteral("o al servidor web del dpto. de ")));
    QVERIFY(acerca.Linea(6)->text().endsWith(u':'));
}

void PruebaVentanasInformativas::dosAcercaDeSonIndependientes() {
    ServiciosGrabadores servicios;
    QMdiArea area;
    auto* primera = new AcercaDe(servicios);
    auto* segunda = new AcercaDe(servicios);
    QMdiSubWindow* marco = area.addSubWindow(primera);
    area.addSubWindow(segunda);
    QVERIFY(primera->Reloj2() != segunda->Reloj2());
    for (int i = 0; i < 3; ++i) primera->Reloj2_Timer();
    segunda->Reloj2_Timer();
    QCOMPARE(LineasVisibles(*primera), Primeras(3));
    QCOMPARE(LineasVisibles(*segunda), Primeras(1));

    // Closing one stops its animation only.
    QPointer<QTimer> reloj = primera->Reloj2();
    marco->close();
    QVERIFY(reloj.isNull() || !reloj->isActive());
    QVERIFY(segunda->Reloj2()->isActive());
}

void PruebaVentanasInformativas::acercaDeEscribeSuIndicacion() {
    ServiciosGrabadores servicios;
    AcercaDe acerca(servicios);
    QMouseEvent movimiento(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                           Qt::NoModifier);
    QApplication::sendEvent(&acerca, &movimiento);
    QCOMPARE(servicios.estados, QStringList{QStringLiteral(" Información acerca de la aplicación")});
}

void PruebaVentanasInformativas::internet() {
    QMdiArea area;
    auto* ventana = new Internet;
    QPointer<QMdiSubWindow> marco = area.addSubWindow(ventana);
    area.show();
    marco->show();
    QVERIFY(ventana->windowTitle().isEmpty());
    for (int i = 1; i <= 3; ++i) {
        const auto* direccion = ventana->findChild<QLabel*>(QStringLiteral("Direccion%1").arg(i));
        QVERIFY(direccion != nullptr);
        QVERIFY(direccion->text().contains(QStringLiteral("example.org")));
        QCOMPARE(direccion->textFormat(), Qt::PlainText);  // not links
        QCOMPARE(direccion->textInteractionFlags(), Qt::NoTextInteraction);
        QVERIFY(ventana->findChild<QLabel*>(QStringLiteral("Imagen%1").arg(i)) != nullptr);
    }
    QTest::mouseClick(ventana->BtnAceptar(), Qt::LeftButton);
    QTRY_VERIFY(marco.isNull());
}

QTEST_MAIN(PruebaVentanasInformativas)
#include "test_ventanas_informativas.moc"
