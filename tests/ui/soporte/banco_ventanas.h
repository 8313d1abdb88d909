// Test bench for tool windows: a recording port current for the test (every
// dialog and pointer change is recorded, none is shown), recording
// main-window services, a clock that moves 7 seconds between two readings,
// and helpers that reach controls by their names and drive them with real
// key and mouse events. Each family's bench (banco_calculadoras.h,
// banco_problemas.h) adds how its windows are made by name.
#pragma once

#include <memory>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "bignum/tiempo.h"
#include "errors/puerto_interfaz.h"
#include "soporte/puerto_grabador.h"
#include "soporte/servicios_grabadores.h"

struct BancoVentanas {
    puerto::PuertoGrabador ui;
    puerto::EnHilo activo{ui};
    ServiciosGrabadores servicios;

    // The clock reads 10:00:00, then 10:00:07, then 10:00:14...
    BancoVentanas() {
        FijarReloj([lecturas = 0]() mutable {
            const int s = 7 * lecturas++;
            return HoraDelDia{10, static_cast<std::uint8_t>(s / 60), static_cast<std::uint8_t>(s % 60)};
        });
    }
    ~BancoVentanas() { FijarReloj({}); }
    BancoVentanas(const BancoVentanas&) = delete;
    BancoVentanas& operator=(const BancoVentanas&) = delete;

    // A new window made by `fabrica`, shown and exposed, so the mouse can
    // move over it.
    template <typename Fabrica>
    std::unique_ptr<QWidget> AbrirCon(Fabrica&& fabrica, const QString& nombre) {
        std::unique_ptr<QWidget> ventana = fabrica(nombre, servicios);
        ventana->move(0, 0);
        ventana->show();
        if (!QTest::qWaitForWindowExposed(ventana.get())) qFatal("%s not exposed", qPrintable(nombre));
        return ventana;
    }

    // Dialogs and pointer changes so far, in order: "reloj", "error 4"...
    QStringList Registro() const {
        QStringList registro;
        for (const std::string& r : ui.registro) registro.append(QString::fromStdString(r));
        return registro;
    }

    // The hint written by a mouse move at `donde` of `control` (its centre by
    // default), or "(nada)" when the move writes nothing.
    QString PistaAl(QWidget* control, QPoint donde = {}) {
        servicios.estados.clear();
        // From outside the window first, so the move below is a real move.
        QTest::mouseMove(control->window(), QPoint(-20, -20));
        servicios.estados.clear();
        QTest::mouseMove(control, donde.isNull() ? control->rect().center() : donde);
        return servicios.estados.isEmpty() ? QStringLiteral("(nada)") : servicios.estados.last();
    }
};

template <typename T>
T* Hijo(const QWidget& ventana, const QString& nombre) {
    T* hijo = ventana.findChild<T*>(nombre);
    if (hijo == nullptr) qFatal("%s has no %s", qPrintable(ventana.objectName()), qPrintable(nombre));
    return hijo;
}
inline QLineEdit* Caja(const QWidget& v, const QString& nombre) { return Hijo<QLineEdit>(v, nombre); }
inline QLabel* Etiqueta(const QWidget& v, const QString& nombre) { return Hijo<QLabel>(v, nombre); }
inline QPushButton* Boton(const QWidget& v, const QString& nombre) { return Hijo<QPushButton>(v, nombre); }

// What a box or a label shows.
inline QString Texto(const QWidget& v, const QString& nombre) {
    const QWidget* w = Hijo<QWidget>(v, nombre);
    if (const auto* caja = qobject_cast<const QLineEdit*>(w)) return caja->text();
    return Hijo<QLabel>(v, nombre)->text();
}

// Types `texto` key by key into the box.
inline void Escribir(QLineEdit* caja, const QString& texto) { QTest::keyClicks(caja, texto); }

// Pastes `texto` into the box with Ctrl+V.
inline void Pegar(QLineEdit* caja, const QString& texto) {
    QApplication::clipboard()->setText(texto);
    QTest::keySequence(caja, QKeySequence::Paste);
}

inline void Pulsar(QPushButton* boton) { QTest::mouseClick(boton, Qt::LeftButton); }
