// Runs every factorization and discrete-logarithm method on each worked
// example the program offers its students (the table of solvers/ejemplos.h,
// which the example pages show), with a time limit per case, and prints how
// long each took:
//
//   tabla_ejemplos [segundos por caso, 10 si se omite]
//
// Run it where Primos.txt is (the build's bin folder). A case that reaches
// the limit is stopped through the stop flag, as the stop button would, and
// shows "> límite"; the baby steps and the table sort cannot be stopped, so
// such a case may overrun its limit by their time.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bignum/numeros_grandes.h"
#include "puerto_con_plazo.h"
#include "solvers/ejemplos.h"
#include "solvers/solvers.h"

namespace {

NumeroGrande Num(const char* texto) {
    NumeroGrande x;
    CadenaANumero(texto, x, '+');
    return x;
}

// Long examples are cut in the middle so that the table stays readable.
std::string Abreviar(const std::string& texto) {
    constexpr std::size_t kAncho = 34;
    if (texto.size() <= kAncho) return texto;
    return texto.substr(0, kAncho / 2 - 1) + ".." + texto.substr(texto.size() - (kAncho / 2 - 1));
}

// Pads to a width counted in characters, not bytes ("Método").
std::string Rellenar(std::string texto, std::size_t ancho) {
    std::size_t caracteres = 0;
    for (unsigned char c : texto) caracteres += (c & 0xC0) != 0x80;
    if (caracteres < ancho) texto.append(ancho - caracteres, ' ');
    return texto;
}

void Fila(const std::string& metodo, const std::string& ejemplo, const std::string& digitos,
          const std::string& tiempo, const std::string& resultado) {
    std::printf("%s %s %7s  %s %s\n", Rellenar(metodo, 14).c_str(), Rellenar(Abreviar(ejemplo), 36).c_str(),
                digitos.c_str(), Rellenar(tiempo, 10).c_str(), resultado.c_str());
    std::fflush(stdout);
}

// Runs one case under a fresh interface with the given limit and prints its
// row; describir turns the outputs into the last column.
template <typename Ejecutar, typename Describir>
void Caso(const char* metodo, const std::string& ejemplo, std::size_t digitos, std::chrono::seconds limite,
          Ejecutar ejecutar, Describir describir) {
    PuertoConPlazo ui(limite);
    puerto::EnHilo activa(ui);
    const auto inicio = PuertoConPlazo::Reloj::now();
    ejecutar();
    const std::chrono::duration<double> duracion = PuertoConPlazo::Reloj::now() - inicio;

    char tiempo[32];
    if (ui.advertencias > 0) {
        std::snprintf(tiempo, sizeof tiempo, "> %llds", static_cast<long long>(limite.count()));
    } else {
        std::snprintf(tiempo, sizeof tiempo, "%.3f s", duracion.count());
    }
    std::string resultado = ui.advertencias > 0 ? std::string("(detenido)") : describir();
    for (int numero : ui.errores) resultado += " error " + std::to_string(numero);
    Fila(metodo, ejemplo, std::to_string(digitos), tiempo, resultado);
}

}  // namespace

int main(int argc, char** argv) {
    const std::chrono::seconds limite(argc > 1 ? std::atoi(argv[1]) : 10);
    if (limite.count() <= 0) {
        std::fprintf(stderr, "uso: %s [segundos por caso]\n", argv[0]);
        return 2;
    }
    FijarSemillaAleatoria(1);  // the same random starts in every run of the table

    Fila("Método", "Ejemplo", "Dígitos", "Tiempo", "Resultado");
    for (const auto& [nombre, metodo] : {std::pair<const char*, MetodoFactorizacion>{"Pollard rho", FactorizarRho},
                                         {"Dixon", FactorizarDixon},
                                         {"Fracciones", FactorizarFracciones}}) {
        for (const CasoFactorizacion& e : CasosFactorizacion()) {
            const NumeroGrande n = Num(e.numero);
            NumeroGrande f1;
            NumeroGrande f2;
            Caso(nombre, e.numero, n.Longitud, limite, [&] { metodo(n, f1, f2); },
                 [&] { return NumeroACadena(f1) + " * " + NumeroACadena(f2); });
        }
    }
    for (const auto& [nombre, metodo] : {std::pair<const char*, MetodoLogaritmo>{"Búsqueda", LogaritmoBusqueda},
                                         {"Gigante-enano", LogaritmoGiganteEnanoSinBanderas},
                                         {"Pohlig-Hellman", LogaritmoPohligHellman}}) {
        for (const CasoLogaritmo& e : CasosLogaritmo()) {
            const NumeroGrande alfa = Num(e.alfa);
            const NumeroGrande beta = Num(e.beta);
            const NumeroGrande grupo = Num(e.grupo);
            NumeroGrande x;
            Caso(nombre, std::string(e.alfa) + "^x=" + e.beta + " mod " + e.grupo, beta.Longitud, limite,
                 [&] { metodo(alfa, beta, grupo, x); }, [&] { return "x = " + NumeroACadena(x); });
        }
    }
    return 0;
}
