// Cuadro_Dialogo: the main window's door to the help. It opens the one
// shared help viewer (created when first needed) at the topic finder, at the
// instructions on using help, or at a numbered topic, and brings it forward.
#pragma once

#include <memory>

#include <QString>

class VisorAyuda;

// The help folder installed with the program: "ayuda" beside the executable.
QString CarpetaAyudaInstalada();

class CuadroDialogo {
public:
    explicit CuadroDialogo(QString carpeta);
    ~CuadroDialogo();
    CuadroDialogo(const CuadroDialogo&) = delete;
    CuadroDialogo& operator=(const CuadroDialogo&) = delete;

    void MostrarBuscador();
    void MostrarAyudaSobreAyuda();
    void MostrarTema(int tema);

    // Closes the viewer if it is open (the program is ending).
    void Cerrar();
    // The viewer, or nullptr before help was first asked for.
    VisorAyuda* Visor() const { return visor_.get(); }

private:
    VisorAyuda& Abrir();

    QString carpeta_;
    std::unique_ptr<VisorAyuda> visor_;
};
