// Runs every factorization and discrete-logarithm method on each worked
// example the program offers its students, with a time limit per case, and
// prints how long each took:
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
#include <vector>

#include "bignum/numeros_grandes.h"
#include "puerto_con_plazo.h"
#include "solvers/solvers.h"

namespace {

struct EjemploFactorizacion {
    const char* numero;
};

struct EjemploLogaritmo {
    const char *alfa, *beta, *grupo;
};

const std::vector<EjemploFactorizacion> kFactorizaciones{
    {"7051"},
    {"4928496943"},
    {"1756440251"},
    {"116876281871"},
    {"57646813079357"},
    {"369666234149595839"},
    {"2334193307464986107072987"},
    {"2829577232652317876553477559"},
    {"42494945845951757948945394131227"},
    {"53428368272151631871241358175169879422369"},
    {"8928489621665159543769248686175644438731211609"},
    {"280756788401128449561538199139726310748974054711957137672"},
    {"64488289435547365990897355190922949394808319023796224667785249713574033391"},
    {"2217442762174816428458175091414966760754455147703914253911727199330728795959"},
    {"91958599505718936946892796271107991389869468857736593816511218925904429028747"},
};

const std::vector<EjemploLogaritmo> kLogaritmos{
    {"1381", "37", "7853"},
    {"2", "218", "1087"},
    {"119827", "144986", "184081"},
    {"117371", "1868877149", "2745098189"},
    {"3033169", "34594623591931", "140737471578113"},
    {"2349023", "9867094029734296", "20847858316750657"},
    {"72118729", "857139921840962881", "4710883168879506001"},
    {"10177", "13934555802752746913", "14808607715315782481"},
    {"290657", "2562914399176655576566571", "4036962584010807014809213"},
    {"4506937", "52113617080259341581130609583", "182331128681207781784391813611"},
    {"7487", "271580377410087498878437064199", "456376431053626339473533320957"},
    {"586477649", "1660418112589985963025263462497464", "4982397651178256151338302204762057"},
    {"9739278030221", "12906459465503103134458119335075117", "13775694692898492184744709216599873"},
    {"244716883381", "19634432957739927118271214593199306135", "56713727820156410577229101238628035243"},
    {"169373", "7706661282200505678772932164396114202426", "8103467492759792327149800361564410265219"},
};

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

using Factorizar = void (*)(const NumeroGrande&, NumeroGrande&, NumeroGrande&);
using Logaritmo = void (*)(const NumeroGrande&, const NumeroGrande&, const NumeroGrande&, NumeroGrande&);

void GiganteEnano(const NumeroGrande& alfa, const NumeroGrande& beta, const NumeroGrande& grupo,
                  NumeroGrande& resultado) {
    bool interrumpido = false;
    LogaritmoGiganteEnano(alfa, beta, grupo, resultado, interrumpido);
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
    for (const auto& [nombre, metodo] : {std::pair<const char*, Factorizar>{"Pollard rho", FactorizarRho},
                                         {"Dixon", FactorizarDixon},
                                         {"Fracciones", FactorizarFracciones}}) {
        for (const EjemploFactorizacion& e : kFactorizaciones) {
            const NumeroGrande n = Num(e.numero);
            NumeroGrande f1;
            NumeroGrande f2;
            Caso(nombre, e.numero, n.Longitud, limite, [&] { metodo(n, f1, f2); },
                 [&] { return NumeroACadena(f1) + " * " + NumeroACadena(f2); });
        }
    }
    for (const auto& [nombre, metodo] : {std::pair<const char*, Logaritmo>{"Búsqueda", LogaritmoBusqueda},
                                         {"Gigante-enano", GiganteEnano},
                                         {"Pohlig-Hellman", LogaritmoPohligHellman}}) {
        for (const EjemploLogaritmo& e : kLogaritmos) {
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
