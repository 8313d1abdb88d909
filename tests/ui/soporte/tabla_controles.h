// A table of a window's controls as the user first sees them, and the check
// of one row against the window: its text (or that it is a picture or a
// panel), tooltip, character limit, visibility and the status hint a mouse
// move over it writes.
#pragma once

#include <QAbstractButton>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QString>

#include "soporte/banco_ventanas.h"

inline const char* const kNada = "(nada)";       // a move over it writes no hint
inline const char* const kImagen = "(imagen)";   // a picture: no text, a pixmap
inline const char* const kPanel = "(panel)";     // a frame: its hint is the background's

// A row as the tables write it.
struct Control {
    const char* nombre;
    const char* texto;    // caption, a box's initial text, or one of the kinds above
    const char* consejo = "";  // tooltip
    const char* pista = nullptr;  // hint written by a mouse move over it; null: none
    int maximo = 0;       // a box's character limit; 0: none
    bool visible = true;
};

// A row of the table, as the check takes it.
struct FilaControl {
    QString nombre, texto, consejo, pista;
    int maximo = 0;
    bool visible = true;
};

// The text a control shows, by its kind.
inline QString TextoDe(const QWidget* w) {
    if (const auto* caja = qobject_cast<const QLineEdit*>(w)) return caja->text();
    if (const auto* etiqueta = qobject_cast<const QLabel*>(w)) return etiqueta->text();
    if (const auto* boton = qobject_cast<const QAbstractButton*>(w)) return boton->text();
    return QString();
}

// The rows of a control table, one per control of each window, for a Qt
// Test _data function: columns ventana, nombre, texto, consejo, pista
// (kNada when the table gives none), maximo, visible.
template <typename ControlesDe>
void FilasDeControles(const QStringList& ventanas, ControlesDe controles_de) {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("consejo");
    QTest::addColumn<QString>("pista");
    QTest::addColumn<int>("maximo");
    QTest::addColumn<bool>("visible");
    for (const QString& ventana : ventanas) {
        for (const Control& c : controles_de(ventana)) {
            QTest::addRow("%s.%s", qPrintable(ventana), c.nombre)
                << ventana << QString::fromUtf8(c.nombre) << QString::fromUtf8(c.texto) << QString::fromUtf8(c.consejo)
                << QString::fromUtf8(c.pista != nullptr ? c.pista : kNada) << c.maximo << c.visible;
        }
    }
}

// The row of FilasDeControles under test.
inline FilaControl FilaDeControl() {
    QFETCH(QString, nombre);
    QFETCH(QString, texto);
    QFETCH(QString, consejo);
    QFETCH(QString, pista);
    QFETCH(int, maximo);
    QFETCH(bool, visible);
    return {nombre, texto, consejo, pista, maximo, visible};
}

// Checks one row against the window, shown and exposed by `banco`.
inline void ComprobarControl(BancoVentanas& banco, QWidget& ventana, const FilaControl& fila) {
    QWidget* control = Hijo<QWidget>(ventana, fila.nombre);

    if (fila.texto == QLatin1String(kImagen)) {
        const auto* imagen = qobject_cast<const QLabel*>(control);
        QVERIFY(imagen != nullptr && !imagen->pixmap().isNull());
    } else if (fila.texto == QLatin1String(kPanel)) {
        QVERIFY(qobject_cast<const QFrame*>(control) != nullptr);
    } else {
        QCOMPARE(TextoDe(control), fila.texto);
    }
    QCOMPARE(control->toolTip(), fila.consejo);
    if (auto* caja = qobject_cast<QLineEdit*>(control)) {
        QCOMPARE(caja->maxLength(), fila.maximo > 0 ? fila.maximo : 32767);  // 32767: Qt's "no limit"
        QVERIFY2(caja->font().fixedPitch() || QFontInfo(caja->font()).fixedPitch(), "digits in a fixed-width font");
    }
    QCOMPARE(control->isVisible(), fila.visible);
    // A panel's hint is the background's, written where no control lies on it.
    if (fila.visible) {
        QCOMPARE(banco.PistaAl(control, fila.texto == QLatin1String(kPanel) ? QPoint(2, 2) : QPoint()), fila.pista);
    }
}

