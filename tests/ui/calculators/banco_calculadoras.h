// Test bench for the calculator windows (see banco_ventanas.h), with the
// seven windows made by name.
//
//   Banco banco;
//   auto ventana = banco.Abrir("CalculoMCD");
//   Escribir(Caja(*ventana, "Numero1"), "12");
//   QTest::mouseClick(Boton(*ventana, "BtnCalcular"), Qt::LeftButton);
#pragma once

#include "soporte/banco_ventanas.h"
#include "ui/calculators/calculo_inverso.h"
#include "ui/calculators/calculo_mcd.h"
#include "ui/calculators/exponenciacion.h"
#include "ui/calculators/modulo.h"
#include "ui/calculators/op_basicas.h"
#include "ui/calculators/primalidad.h"
#include "ui/calculators/raiz_cuadrada.h"

// The seven windows by their names.
inline const QStringList kCalculadoras{"OpBasicas",   "Modulo",       "Exponenciacion", "CalculoMCD",
                                       "CalculoInverso", "RaizCuadrada", "Primalidad"};

inline std::unique_ptr<QWidget> NuevaCalculadora(const QString& nombre, ServiciosPrincipal& s) {
    if (nombre == u"OpBasicas") return std::make_unique<OpBasicas>(s);
    if (nombre == u"Modulo") return std::make_unique<Modulo>(s);
    if (nombre == u"Exponenciacion") return std::make_unique<Exponenciacion>(s);
    if (nombre == u"CalculoMCD") return std::make_unique<CalculoMCD>(s);
    if (nombre == u"CalculoInverso") return std::make_unique<CalculoInverso>(s);
    if (nombre == u"RaizCuadrada") return std::make_unique<RaizCuadrada>(s);
    if (nombre == u"Primalidad") return std::make_unique<Primalidad>(s);
    qFatal("no calculator %s", qPrintable(nombre));
}

struct Banco : BancoVentanas {
    std::unique_ptr<QWidget> Abrir(const QString& nombre) { return AbrirCon(NuevaCalculadora, nombre); }
};
