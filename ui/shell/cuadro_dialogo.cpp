#include "ui/shell/cuadro_dialogo.h"

#include <QCoreApplication>
#include <QDir>

#include "ui/shell/visor_ayuda.h"

QString CarpetaAyudaInstalada() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("ayuda"));
}

CuadroDialogo::CuadroDialogo(QString carpeta) : carpeta_(std::move(carpeta)) {}

CuadroDialogo::~CuadroDialogo() = default;

void CuadroDialogo::MostrarBuscador() { Abrir().MostrarInicio(); }

void CuadroDialogo::MostrarAyudaSobreAyuda() { Abrir().MostrarUsoAyuda(); }

void CuadroDialogo::MostrarTema(int tema) { Abrir().MostrarTema(tema); }

void CuadroDialogo::Cerrar() {
    if (visor_) visor_->close();
}

VisorAyuda& CuadroDialogo::Abrir() {
    if (!visor_) visor_ = std::make_unique<VisorAyuda>(carpeta_);
    visor_->show();
    visor_->raise();
    visor_->activateWindow();
    return *visor_;
}
