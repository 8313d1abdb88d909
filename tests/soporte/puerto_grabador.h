// A port for tests: records everything the core asks of the user interface
// and answers at once, so no test ever waits on a dialog.
//
//   puerto::PuertoGrabador ui;
//   puerto::EnHilo activo(ui);   // current for this thread
//   ... run the code ...
//   EXPECT_EQ(ui.errores, (std::vector<int>{2, 4}));
//
// Not thread-safe: use it from one thread at a time.
#pragma once

#include <string>
#include <vector>

#include "errors/puerto_interfaz.h"

namespace puerto {

class PuertoGrabador final : public PuertoInterfaz {
public:
    std::vector<int> errores;          // catalogue numbers, in the order shown
    int advertencias = 0;              // "PROCESO INTERRUMPIDO" warnings shown
    std::vector<Puntero> punteros;     // every pointer change, in order
    long eventos = 0;                  // calls that let pending events run
    long consultas_detener = 0;        // reads of the stop flag
    std::vector<double> progresos;     // every value written to the progress bar
    // Progress reports of long methods, in order, with the factor's digits
    // kept as text.
    struct AvanceGrabado {
        Metodo metodo;
        Fase fase;
        std::uint64_t pasos, total, cambios;
        std::string factor;
        int exponente, digito;
    };
    std::vector<AvanceGrabado> avances;
    // Dialogs and pointer changes together, in order: "error 2", "advertencia",
    // "flecha", "reloj", ... (events, stop reads and progress are left out).
    std::vector<std::string> registro;

    // The stop flag reads true from this read on (1 = the first read);
    // 0 never asks to stop.
    long detener_en_consulta = 0;

    void MostrarError(int numero) override {
        errores.push_back(numero);
        registro.push_back("error " + std::to_string(numero));
    }
    void MostrarAdvertencia() override {
        ++advertencias;
        registro.push_back("advertencia");
    }
    void PonerPuntero(Puntero forma) override {
        punteros.push_back(forma);
        static const char* const kNombres[] = {"normal", "flecha", "reloj", "flecha-reloj"};
        registro.push_back(kNombres[static_cast<int>(forma)]);
    }
    void ProcesarEventos() override { ++eventos; }
    bool DetenerSolicitado() override {
        ++consultas_detener;
        return detener_en_consulta > 0 && consultas_detener >= detener_en_consulta;
    }
    void PonerProgreso(double valor) override { progresos.push_back(valor); }
    void InformarAvance(const Avance& a) override {
        avances.push_back({a.metodo, a.fase, a.pasos, a.total, a.cambios, std::string(a.factor), a.exponente,
                           a.digito});
    }
};

}  // namespace puerto
