// Services of the main window for window tests: records every hint and help
// request and keeps a registry of runs of its own.
//
//   ServiciosGrabadores servicios;
//   OpBasicas ventana(servicios);
//   ...
//   QCOMPARE(servicios.estados.last(), QStringLiteral(" Preparado"));
#pragma once

#include <memory>
#include <vector>

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

#include "ui/shell/ejecucion.h"
#include "ui/shell/servicios.h"

class ServiciosGrabadores final : public ServiciosPrincipal {
public:
    QStringList estados;   // every status hint, in order
    QList<int> temas;      // help topics asked for, in order
    QStringList abiertas;  // keys of the tool windows asked for, in order
    std::vector<std::unique_ptr<QWidget>> hijas;  // windows shown through MostrarHija, in order
    int buscador = 0;      // times the topic finder was asked for
    int sobre_ayuda = 0;   // times the help on help was asked for
    RegistroEjecuciones ejecuciones;
    // Two plain pictures, told apart by QIcon::cacheKey().
    QIcon calcular_en{Lleno(Qt::green)};
    QIcon calcular_dis{Lleno(Qt::gray)};

    void EscribirEstado(const QString& texto) override { estados.append(texto); }
    RegistroEjecuciones& Ejecuciones() override { return ejecuciones; }
    void AbrirHerramienta(const QString& clave) override { abiertas.append(clave); }
    // Keeps the window and shows it on its own.
    void MostrarHija(QWidget* ventana) override {
        hijas.emplace_back(ventana);
        ventana->show();
    }
    QIcon CalcularEn() const override { return calcular_en; }
    QIcon CalcularDis() const override { return calcular_dis; }
    void MostrarTemaAyuda(int tema) override { temas.append(tema); }
    void MostrarBuscadorAyuda() override { ++buscador; }
    void MostrarAyudaSobreAyuda() override { ++sobre_ayuda; }

private:
    static QPixmap Lleno(const QColor& color) {
        QPixmap imagen(16, 16);
        imagen.fill(color);
        return imagen;
    }
};
