// Fuzz target of the core, for clang's libFuzzer with AddressSanitizer and
// UndefinedBehaviorSanitizer: every arithmetic operation, the conversions,
// the primality test, the prime table reader, the factoring of a group
// order, Pollard rho and Pohlig–Hellman, on records of any shape the record
// allows (high zeros, either sign, stale storage above Longitud, outputs
// that are inputs), each result checked against GMP and every dialog
// counted. A failed check prints what was run and aborts, which libFuzzer
// reports as a crash and keeps as an input.
//
// An input, byte by byte:
//   byte 0    the operation, (byte - 'a') modulo their number: 'a' is the
//             first of kOperaciones below, 'b' the second, ...
//   byte 1    options, (byte - '0') as bits: 0-2 pick which input, if any,
//             also receives the output; 3 leaves stale storage above
//             Longitud in every operand; 4 runs the operation twice on the
//             thread, so that the second run finds the working storage the
//             first one left; 5-7, a number k: for the solvers, the stop
//             check at which the port asks for a stop (1000 for k = 0,
//             else 1, 2, 3, 5, 10, 30 or 100); for everything else that
//             does not read the prime table, k > 0 runs the operation on
//             two threads at once, each with its own port
//   the rest  operands separated by ','. An operand is an optional '-' (its
//             sign), then its digits from the top, a byte '0'..'9' as that
//             digit and any other byte modulo 10; high zeros are kept as
//             written, and an empty operand is a single 0. Operations that
//             read a prime table take every byte after their numbers as
//             the contents of Primos.txt; the text operation takes the
//             whole rest as the text to convert.
//
// Operands are cut to a length per operation, so that every run is short:
// the arithmetic has no stop checks of its own. The solvers run with the
// recording port set to ask for a stop (at its 1000th check unless the
// options say otherwise), so a walk that never ends (rho on a prime) ends by
// that stop, with one warning.
#include <fcntl.h>
#include <gmpxx.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "bignum/numeros_grandes.h"
#include "soporte/puerto_grabador.h"
#include "solvers/factorizacion.h"
#include "solvers/pohlig_hellman.h"
#include "solvers/primalidad.h"
#include "solvers/tabla_primos.h"

namespace {

// ---- Records and their values ----------------------------------------------

// The record as written: sign character, then every digit in use.
std::string Ver(const NumeroGrande& x) {
    std::string texto(1, x.Signo);
    if (x.Longitud < 1 || x.Digitos.size() < static_cast<std::size_t>(x.Longitud)) return texto + "<roto>";
    for (int i = x.Longitud - 1; i >= 0; --i) {
        const int d = x.Digitos[i];
        texto += d <= 9 ? static_cast<char>('0' + d) : '?';
    }
    return texto;
}

// A record the operations accept: Longitud within its storage, digits 0..9
// and the sign '+' or '-'.
bool Valido(const NumeroGrande& x) {
    if (x.Longitud < 1 || x.Digitos.size() < static_cast<std::size_t>(x.Longitud)) return false;
    if (x.Signo != '+' && x.Signo != '-') return false;
    for (int i = 0; i < x.Longitud; ++i) {
        if (x.Digitos[i] > 9) return false;
    }
    return true;
}

// Valid, and without high zeros.
bool Normal(const NumeroGrande& x) {
    return Valido(x) && (x.Longitud == 1 || x.Digitos[x.Longitud - 1] != 0);
}

mpz_class Magnitud(const NumeroGrande& x) {
    std::string cifras;
    for (int i = x.Longitud - 1; i >= 0; --i) cifras += static_cast<char>('0' + x.Digitos[i]);
    return mpz_class(cifras, 10);
}

mpz_class Valor(const NumeroGrande& x) {
    const mpz_class m = Magnitud(x);
    return x.Signo == '-' ? mpz_class(-m) : m;
}

// What Ver shows for the normalised record of this value; a zero shows the
// sign it is expected to carry.
std::string Esperado(const mpz_class& valor, char signo_del_cero = '+') {
    if (valor == 0) return std::string(1, signo_del_cero) + "0";
    return valor < 0 ? valor.get_str() : "+" + valor.get_str();
}

NumeroGrande DeMpz(const mpz_class& valor) {
    NumeroGrande x;
    CadenaANumero(mpz_class(abs(valor)).get_str(), x, valor < 0 ? '-' : '+');
    return x;
}

// The record normalised, its sign kept.
NumeroGrande Normalizar(const NumeroGrande& x) {
    NumeroGrande y;
    CopiarNumero(y, x);
    QuitarCerosIzquierda(y);
    return y;
}

// ---- Failures ---------------------------------------------------------------

thread_local std::string contexto;  // the operation and its operands, for the report

[[noreturn]] void Fallo(const std::string& que) {
    std::fprintf(stderr, "\nFALLO en %s\n  %s\n", contexto.c_str(), que.c_str());
    std::fflush(stderr);
    std::abort();
}

void Comprobar(bool condicion, const std::string& que) {
    if (!condicion) Fallo(que);
}

// A result that must be normalised and show `esperado`.
void Resultado(const NumeroGrande& r, const std::string& esperado, const char* que) {
    if (!Normal(r)) Fallo(std::string(que) + ": registro no normalizado " + Ver(r));
    if (Ver(r) != esperado) Fallo(std::string(que) + ": " + Ver(r) + ", se esperaba " + esperado);
}

void Informes(const puerto::PuertoGrabador& ui, const std::vector<int>& esperados) {
    if (ui.errores == esperados) return;
    std::string visto, esperado;
    for (int e : ui.errores) visto += std::to_string(e) + " ";
    for (int e : esperados) esperado += std::to_string(e) + " ";
    Fallo("errores mostrados [" + visto + "], se esperaban [" + esperado + "]");
}

// ---- The input --------------------------------------------------------------

struct Opciones {
    unsigned salida = 0;  // 0: a record apart; k: the k-th input receives the output
    bool relleno = false;
    bool dos_veces = false;
    unsigned k = 0;  // bits 5-7
    long consultas_maximas = 1000;  // stop checks a solver makes before the port asks it to stop
};

// Stale storage above Longitud, which every operation must ignore.
void Rellenar(NumeroGrande& x) {
    x.Digitos.resize(x.Longitud);
    x.Digitos.insert(x.Digitos.end(), {7, 0xEE, 9, 0});
}

NumeroGrande Operando(std::string_view texto, std::size_t max_cifras, bool relleno) {
    NumeroGrande x;
    x.Signo = '+';
    if (!texto.empty() && texto.front() == '-') {
        x.Signo = '-';
        texto.remove_prefix(1);
    }
    if (texto.size() > max_cifras) texto = texto.substr(0, max_cifras);
    x.Digitos.clear();
    for (auto it = texto.rbegin(); it != texto.rend(); ++it) {
        const auto c = static_cast<unsigned char>(*it);
        x.Digitos.push_back(static_cast<std::uint8_t>(c >= '0' && c <= '9' ? c - '0' : c % 10));
    }
    if (x.Digitos.empty()) x.Digitos.push_back(0);
    x.Longitud = static_cast<std::int16_t>(x.Digitos.size());
    if (relleno) Rellenar(x);
    return x;
}

// The first `cuantos` operands of `resto` (missing ones are 0), and in
// `cola` whatever follows the comma after the last of them.
std::vector<NumeroGrande> Operandos(std::string_view resto, int cuantos, std::size_t max_cifras, bool relleno,
                                    std::string_view* cola = nullptr) {
    std::vector<NumeroGrande> operandos;
    for (int i = 0; i < cuantos; ++i) {
        const std::size_t coma = resto.find(',');
        operandos.push_back(Operando(resto.substr(0, coma), max_cifras, relleno));
        resto = coma == std::string_view::npos ? std::string_view() : resto.substr(coma + 1);
    }
    if (cola != nullptr) *cola = resto;
    return operandos;
}

void Describir(const char* nombre, const std::vector<NumeroGrande>& operandos) {
    contexto = nombre;
    for (const NumeroGrande& x : operandos) contexto += " [" + Ver(x) + "]";
}

// The output record: a separate one holding stale storage and a '-', or
// the input that the options name.
template <std::size_t N>
NumeroGrande& Salida(NumeroGrande (&entradas)[N], NumeroGrande& aparte, unsigned salida) {
    const unsigned k = salida % (N + 1);
    return k == 0 ? aparte : entradas[k - 1];
}

NumeroGrande Aparte() {
    NumeroGrande x;
    CadenaANumero("987654321987654321", x, '-');
    Rellenar(x);
    return x;
}

// ---- The prime table -----------------------------------------------------

// A folder of this process's own for Primos.txt, made on first use and
// removed at exit (its name is never destroyed, so that it outlives the
// exit handler).
const std::string& CarpetaPrivada() {
    static const std::string* const carpeta = [] {
        auto* plantilla = new std::string((std::filesystem::temp_directory_path() / "tornavela-fuzz-XXXXXX").string());
        if (mkdtemp(plantilla->data()) == nullptr) {
            std::perror("tornavela-fuzz");
            std::abort();
        }
        std::atexit([] {
            std::error_code error;
            std::filesystem::remove_all(CarpetaPrivada(), error);
        });
        return plantilla;
    }();
    return *carpeta;
}

// While it lives the current directory is the private folder, holding a
// Primos.txt with the given contents, which the solvers read by that bare
// name; then it is the fuzzer's own again (where it keeps its corpus and
// what it finds).
class ConTabla {
public:
    explicit ConTabla(std::string_view contenido) : anterior_(open(".", O_RDONLY | O_DIRECTORY)) {
        if (anterior_ < 0 || chdir(CarpetaPrivada().c_str()) != 0) Fallo("no se puede entrar en la carpeta privada");
        std::ofstream(kFicheroPrimos, std::ios::binary | std::ios::trunc)
            .write(contenido.data(), static_cast<std::streamsize>(contenido.size()));
    }
    ~ConTabla() {
        if (fchdir(anterior_) != 0) Fallo("no se puede volver a la carpeta del fuzzer");
        close(anterior_);
    }
    ConTabla(const ConTabla&) = delete;
    ConTabla& operator=(const ConTabla&) = delete;

private:
    int anterior_;
};


// ---- The operations -----------------------------------------------------------

using Operacion = void (*)(std::string_view resto, const Opciones& o);

void OpSumar(std::string_view resto, const Opciones& o) {
    const auto e = Operandos(resto, 2, 400, o.relleno);
    Describir("Sumar", e);
    const mpz_class v = Valor(e[0]) + Valor(e[1]);
    const std::string esperado = Esperado(v, e[0].Signo == '-' && e[1].Signo == '-' ? '-' : '+');
    NumeroGrande entradas[2] = {e[0], e[1]};
    NumeroGrande aparte = Aparte();
    NumeroGrande& r = Salida(entradas, aparte, o.salida);
    puerto::PuertoGrabador ui;
    puerto::EnHilo activa(ui);
    Sumar(entradas[0], entradas[1], r);
    Resultado(r, esperado, "suma");
    Informes(ui, {});
}

void OpRestar(std::string_view resto, const Opciones& o) {
    const auto e = Operandos(resto, 2, 400, o.relleno);
    Describir("Restar", e);
    const mpz_class v = Valor(e[0]) - Valor(e[1]);
    const std::string esperado = Esperado(v, e[0].Signo == '-' && e[1].Signo == '+' ? '-' : '+');
    NumeroGrande entradas[2] = {e[0], e[1]};
    NumeroGrande aparte = Aparte();
    NumeroGrande& r = Salida(entradas, aparte, o.salida);
    puerto::PuertoGrabador ui;
    puerto::EnHilo activa(ui);
    Restar(entradas[0], entradas[1], r);
    Resultado(r, esperado, "diferencia");
    Informes(ui, {});
}

void OpMultiplicar(std::string_view resto, const Opciones& o) {
    const auto e = Operandos(resto, 2, 400, o.relleno);
    Describir("Multiplicar", e);
    const std::string esperado = Esperado(Valor(e[0]) * Valor(e[1]));
    NumeroGrande entradas[2] = {e[0], e[1]};
    NumeroGrande aparte = Aparte();
    NumeroGrande& r = Salida(entradas, aparte, o.salida);
    puerto::PuertoGrabador ui;
    puerto::EnHilo activa(ui);
    Multiplicar(entradas[0], entradas[1], r);
    Resultado(r, esperado, "producto");
    Informes(ui, {});
}

void OpDividir(std::string_view resto, const Opciones& o) {
    const auto dividendo = Operandos(resto, 1, 800, o.relleno, &resto);
    const auto divisor = Operandos(resto, 1, 400, o.relleno);
    const std::vector<NumeroGrande> e{dividendo[0], divisor[0]};
    Describir("Dividir", e);
    NumeroGrande n = e[0], d = e[1];
    NumeroGrande q = Aparte(), r = Aparte();
    // Which records receive the quotient and the remainder.
    NumeroGrande* cociente = &q;
    NumeroGrande* resto_salida = &r;
    switch (o.salida % 5) {
        case 1: resto_salida = &n; break;
        case 2: cociente = &n; break;
        case 3: cociente = &d; break;
        case 4: resto_salida = &d; break;
        default: break;
    }
    const NumeroGrande q_antes = *cociente, r_antes = *resto_salida;
    puerto::PuertoGrabador ui;
    puerto::EnHilo activa(ui);
    Dividir(n, d, *cociente, *resto_salida);
    const mpz_class mn = Magnitud(e[0]), md = Magnitud(e[1]);
    if (md == 0) {
        Informes(ui, {2});
        Comprobar(cociente->Digitos == q_antes.Digitos && Ver(*cociente) == Ver(q_antes), "cociente tocado");
        Comprobar(resto_salida->Digitos == r_antes.Digitos && Ver(*resto_salida) == Ver(r_antes), "resto tocado");
        return;
    }
    Informes(ui, {});
    const char signo = e[0].Signo == e[1].Signo ? '+' : '-';
    const mpz_class mq = mn / md;
    Resultado(*cociente, std::string(1, signo) + mq.get_str(), "cociente");
    const std::string resto_esperado = md > mn ? Ver(Normalizar(e[0])) : "+" + mpz_class(mn % md).get_str();
    Resultado(*resto_salida, resto_esperado, "resto");
}

void OpReducir(std::string_view resto, const Opciones& o) {
    const auto a = Operandos(resto, 1, 800, o.relleno, &resto);
    const auto m = Operandos(resto, 1, 400, o.relleno);
    const std::vector<NumeroGrande> e{a[0], m[0]};
    Describir("Reducir", e);
    NumeroGrande entradas[2] = {e[0], e[1]};
    NumeroGrande aparte = Aparte();
    NumeroGrande& r = Salida(entradas, aparte, o.salida);
    puerto::PuertoGrabador ui;
    puerto::EnHilo activa(ui);
    Reducir(entradas[0], entradas[1], r);
    const mpz_class modulo = Magnitud(e[1]);
    if (modulo == 0) {
        Informes(ui, {4});
        Resultado(r, "+0", "reducción módulo 0");
        return;
    }
    Informes(ui, {});
    mpz_class v;
    mpz_fdiv_r(v.get_mpz_t(), Valor(e[0]).get_mpz_t(), modulo.get_mpz_t());
    if (v == 0) {
        Comprobar(Normal(r) && EsCero(r), "reducción: " + Ver(r) + ", se esperaba 0");
    } else {
        Resultado(r, Esperado(v), "reducción");
    }
}

void OpPotencia(std::string_view resto, const Opciones& o) {
    const auto base = Operandos(resto, 1, 60, o.relleno, &resto);
    const auto exponente = Operandos(resto, 1, 20, o.relleno, &resto);
    const auto modulo = Operandos(resto, 1, 60, o.relleno);
    const std::vector<NumeroGrande> e{base[0], exponente[0], modulo[0]};
    Describir("PotenciaModular", e);
    NumeroGrande entradas[3] = {e[0], e[1], e[2]};
    NumeroGrande aparte = Aparte();
    NumeroGrande& r = Salida(entradas, aparte, o.salida);
    puerto::PuertoGrabador ui;
    puerto::EnHilo activa(ui);
    PotenciaModular(entradas[0], entradas[1], entradas[2], r);
    const mpz_class me = Magnitud(e[1]), m = Magnitud(e[2]);
    if (m == 0) {
        Informes(ui, {4});
        Resultado(r, me == 0 ? "+1" : "+0", "potencia módulo 0");
        return;
    }
    Informes(ui, {});
    if (me == 0) {
        Resultado(r, "+1", "potencia de exponente 0");
        return;
    }
    mpz_class v;
    mpz_powm(v.get_mpz_t(), Valor(e[0]).get_mpz_t(), me.get_mpz_t(), m.get_mpz_t());
    if (v == 0) {
        Comprobar(Normal(r) && EsCero(r), "potencia: " + Ver(r) + ", se esperaba 0");
    } else {
        Resultado(r, Esperado(v), "potencia");
    }
}

void OpMaximoComunDivisor(std::string_view resto, const Opciones& o) {
    const auto e = Operandos(resto, 2, 300, o.relleno);
    Describir("MaximoComunDivisor", e);
    // The larger magnitude (the first on a tie) is divided by the other;
    // when that one is zero or divides it, it is the result, sign included.
    const NumeroGrande a = Normalizar(e[0]), b = Normalizar(e[1]);
    const bool a_mayor = mpz_cmpabs(Valor(a).get_mpz_t(), Valor(b).get_mpz_t()) >= 0;
    const NumeroGrande& g = a_mayor ? a : b;
    const NumeroGrande& s = a_mayor ? b : a;
    std::string esperado;
    if (EsCero(s)) {
        esperado = Ver(g);
    } else if (Magnitud(g) % Magnitud(s) == 0) {
        esperado = Ver(s);
    } else {
        esperado = "+" + mpz_class(gcd(Magnitud(a), Magnitud(b))).get_str();
    }
    NumeroGrande entradas[2] = {e[0], e[1]};
    NumeroGrande aparte = Aparte();
    NumeroGrande& r = Salida(entradas, aparte, o.salida);
    puerto::PuertoGrabador ui;
    puerto::EnHilo activa(ui);
    MaximoComunDivisor(entradas[0], entradas[1], r);
    Resultado(r, esperado, "mcd");
    Informes(ui, {});
}

void OpInverso(std::string_view resto, const Opciones& o) {
    const auto e = Operandos(resto, 2, 300, o.relleno);
    Describir("InversoModular", e);
    const mpz_class m = Magnitud(e[1]);
    mpz_class a = Valor(e[0]);
    if (m != 0) mpz_fdiv_r(a.get_mpz_t(), a.get_mpz_t(), m.get_mpz_t());
    puerto::PuertoGrabador ui;
    puerto::EnHilo activa(ui);
    const NumeroGrande x = InversoModular(e[0], e[1]);
    if (gcd(a, m) != 1) {
        Informes(ui, {3});
        Resultado(x, "+0", "inverso sin primos relativos");
        return;
    }
    Informes(ui, {});
    if (m == 1 || abs(a) == 1) {
        Resultado(x, "+1", "inverso");
        return;
    }
    mpz_class inverso;
    mpz_invert(inverso.get_mpz_t(), a.get_mpz_t(), m.get_mpz_t());
    Resultado(x, Esperado(inverso), "inverso");
}

void OpRaiz(std::string_view resto, const Opciones& o) {
    const auto e = Operandos(resto, 1, 600, o.relleno);
    Describir("RaizEntera", e);
    NumeroGrande entradas[1] = {e[0]};
    NumeroGrande aparte = Aparte();
    NumeroGrande& r = Salida(entradas, aparte, o.salida);
    puerto::PuertoGrabador ui;
    puerto::EnHilo activa(ui);
    RaizEntera(entradas[0], r);
    Resultado(r, "+" + mpz_class(sqrt(Magnitud(e[0]))).get_str(), "raíz");
    Informes(ui, {});
}

void OpDividirEntreDos(std::string_view resto, const Opciones& o) {
    const auto e = Operandos(resto, 1, 800, o.relleno);
    Describir("DividirEntreDos", e);
    NumeroGrande entradas[1] = {e[0]};
    NumeroGrande aparte = Aparte();
    NumeroGrande& mitad = Salida(entradas, aparte, o.salida);
    const char signo = mitad.Signo;  // the half's sign is not written
    std::uint8_t bit = 7;
    puerto::PuertoGrabador ui;
    puerto::EnHilo activa(ui);
    DividirEntreDos(entradas[0], mitad, &bit);
    const mpz_class m = Magnitud(e[0]);
    Resultado(mitad, std::string(1, signo) + mpz_class(m / 2).get_str(), "mitad");
    Comprobar(bit == mpz_tstbit(m.get_mpz_t(), 0), "resto de la mitad " + std::to_string(bit));
    Informes(ui, {});
}

void OpBits(std::string_view resto, const Opciones& o) {
    const auto e = Operandos(resto, 2, 400, o.relleno);
    Describir("ABinario y SepararPotenciaDeDos", e);
    puerto::PuertoGrabador ui;
    puerto::EnHilo activa(ui);
    const mpz_class m = Magnitud(e[0]);

    const NumeroGrande bits = ABinario(e[0]);
    std::string esperados = m.get_str(2);  // from the top
    if (m < 2) esperados.insert(0, 1, '0');
    Comprobar(Valido(bits), "bits: registro roto");
    std::string vistos;
    for (int i = bits.Longitud - 1; i >= 0; --i) vistos += static_cast<char>('0' + bits.Digitos[i]);
    Comprobar(vistos == esperados, "bits " + vistos + ", se esperaban " + esperados);

    NumeroGrande impar = e[1];
    const std::int16_t s = SepararPotenciaDeDos(e[0], impar);
    const long s_esperado = m == 0 ? 1 : static_cast<long>(mpz_scan1(m.get_mpz_t(), 0));
    Comprobar(s == s_esperado, "potencia de dos " + std::to_string(s));
    Comprobar(Normal(impar) && Magnitud(impar) == (m == 0 ? mpz_class(0) : mpz_class(m >> s_esperado)),
              "parte impar " + Ver(impar));
    Informes(ui, {});
}

void OpComparar(std::string_view resto, const Opciones& o) {
    const auto e = Operandos(resto, 2, 400, o.relleno);
    Describir("comparaciones", e);
    puerto::PuertoGrabador ui;
    puerto::EnHilo activa(ui);
    const int orden = mpz_cmpabs(Valor(e[0]).get_mpz_t(), Valor(e[1]).get_mpz_t());
    Comprobar(SonIguales(e[0], e[1]) == (orden == 0), "SonIguales");
    Comprobar(EsMayor(e[0], e[1]) == (orden > 0), "EsMayor");
    Comprobar(EsMenor(e[0], e[1]) == (orden < 0), "EsMenor");
    const int longitudes = e[0].Longitud == e[1].Longitud ? 0 : e[0].Longitud > e[1].Longitud ? 1 : 2;
    Comprobar(CompararLongitudes(e[0], e[1]) == longitudes, "CompararLongitudes");
    Comprobar(EsCero(e[0]) == (Valor(e[0]) == 0), "EsCero");
    Comprobar(EsUno(e[0]) == (Magnitud(e[0]) == 1), "EsUno");
    Comprobar(EsPar(e[0]) == mpz_even_p(Magnitud(e[0]).get_mpz_t()), "EsPar");
    Comprobar(LongitudDelValor(e[0]) == static_cast<int>(Magnitud(e[0]).get_str().size()), "LongitudDelValor");

    NumeroGrande a = e[0], b = e[1];
    IgualarLongitudes(a, b);
    Comprobar(Valido(a) && Valido(b) && a.Longitud == b.Longitud &&
                  a.Longitud == std::max(e[0].Longitud, e[1].Longitud),
              "IgualarLongitudes: " + Ver(a) + " " + Ver(b));
    Comprobar(Valor(a) == Valor(e[0]) && Valor(b) == Valor(e[1]), "IgualarLongitudes cambió un valor");
    Informes(ui, {});
}

void OpPorCifra(std::string_view resto, const Opciones& o) {
    const auto e = Operandos(resto, 2, 400, o.relleno);
    Describir("MultiplicarPorDigito", e);
    const auto d = static_cast<std::uint8_t>(mpz_class(Magnitud(e[1]) % 256).get_ui());
    contexto += " cifra " + std::to_string(d);
    puerto::PuertoGrabador ui;
    puerto::EnHilo activa(ui);
    const NumeroGrande r = MultiplicarPorDigito(e[0], d);
    if (d == 0) {
        // As many zeros as the value of A has digits.
        Comprobar(Valido(r) && r.Signo == '+' && r.Longitud == LongitudDelValor(e[0]) && EsCero(r),
                  "por 0: " + Ver(r));
    } else {
        Resultado(r, Esperado(Magnitud(e[0]) * d), "por cifra");
    }
    Informes(ui, {});
}

void OpDesplazar(std::string_view resto, const Opciones& o) {
    const auto e = Operandos(resto, 2, 100, o.relleno);
    Describir("DesplazarDigitos", e);
    std::int16_t n = 0;
    NumeroGrande desplazamiento = e[1];
    if (o.salida % 2 == 1) desplazamiento.Signo = '-';
    NumeroAEntero(desplazamiento, n);
    contexto += " por " + std::to_string(n);
    NumeroGrande x = e[0];
    puerto::PuertoGrabador ui;
    puerto::EnHilo activa(ui);
    DesplazarDigitos(x, n);
    if (n <= 0) {
        Comprobar(Ver(x) == Ver(e[0]), "desplazado por " + std::to_string(n) + ": " + Ver(x));
        Informes(ui, {});
    } else if (e[0].Longitud + n > kMaxDigitos) {
        Informes(ui, {13});
        Resultado(x, "+0", "desplazamiento demasiado largo");
    } else {
        Comprobar(Valido(x) && Ver(x) == Ver(e[0]) + std::string(n, '0'), "desplazado: " + Ver(x));
        Informes(ui, {});
    }
}

void OpConcatenar(std::string_view resto, const Opciones& o) {
    const auto e = Operandos(resto, 2, 400, o.relleno);
    Describir("Concatenar", e);
    puerto::PuertoGrabador ui;
    puerto::EnHilo activa(ui);
    const NumeroGrande r = Concatenar(e[0], e[1]);
    const std::string esperado = "+" + Magnitud(e[0]).get_str() + Ver(e[1]).substr(1);
    Comprobar(Valido(r) && Ver(r) == esperado, "concatenación " + Ver(r) + ", se esperaba " + esperado);
    Informes(ui, {});
}

// Text of any bytes to a number and back, and the machine integers.
void OpTexto(std::string_view resto, const Opciones& o) {
    contexto = "CadenaANumero \"" + std::string(resto.substr(0, 60)) + "\"";
    NumeroGrande x;
    CadenaANumero("5", x, '-');  // a record whose sign is kept without Signo
    if (o.relleno) Rellenar(x);
    puerto::PuertoGrabador ui;
    puerto::EnHilo activa(ui);
    const unsigned modo = o.salida % 3;
    if (modo == 0) {
        CadenaANumero(resto, x);
    } else {
        CadenaANumero(resto, x, modo == 1 ? '+' : '-');
    }
    bool numero = !resto.empty() && resto.size() <= static_cast<std::size_t>(kMaxDigitos);
    for (char c : resto) numero = numero && c >= '0' && c <= '9';
    if (!numero) {
        Resultado(x, "+0", "texto que no es un número");
    } else {
        const char signo = modo == 0 ? '-' : modo == 1 ? '+' : '-';
        const mpz_class m(std::string(resto), 10);
        Resultado(x, m == 0 ? std::string(1, signo) + "0" : std::string(1, signo) + m.get_str(), "número");
    }
    const mpz_class v = Valor(x);
    const std::string texto = NumeroACadena(x);
    Comprobar(texto == v.get_str(), "NumeroACadena " + texto);

    std::int32_t largo = 12345;
    const bool cabe = NumeroALargo(x, largo);
    Comprobar(cabe == (v >= INT32_MIN && v <= INT32_MAX), "NumeroALargo");
    Comprobar(!cabe || largo == v.get_si(), "NumeroALargo da " + std::to_string(largo));
    std::int16_t corto = 0;
    NumeroAEntero(x, corto);
    const long acotado = v < -32768 ? -32768 : v > 32767 ? 32767 : v.get_si();
    Comprobar(corto == acotado, "NumeroAEntero da " + std::to_string(corto));

    // The same digits as a raw record with its high zeros: the
    // conversions read the value.
    if (numero && resto.size() <= 400) {
        const NumeroGrande crudo = Operando(resto, 400, o.relleno);
        Comprobar(NumeroACadena(crudo) == Magnitud(crudo).get_str(), "NumeroACadena de un registro con ceros");
        std::int32_t valor = 0;
        Comprobar(NumeroALargo(crudo, valor) == (Magnitud(crudo) <= INT32_MAX), "NumeroALargo con ceros");
    }
    Informes(ui, {});
}

void OpPrimo(std::string_view resto, const Opciones& o) {
    const auto e = Operandos(resto, 1, 40, o.relleno);
    Describir("EsPrimo", e);
    FijarSemillaAleatoria(1);
    puerto::PuertoGrabador ui;
    puerto::EnHilo activa(ui);
    const bool primo = EsPrimo(e[0]);
    const mpz_class m = Magnitud(e[0]);
    const int gmp = mpz_probab_prime_p(m.get_mpz_t(), 30);
    // The fixed bases are exact below 2152302898747; random bases never
    // call a prime composite.
    if (m < mpz_class("2152302898747") || gmp != 0) {
        Comprobar(primo == (gmp != 0), primo ? "dice primo a un compuesto" : "dice compuesto a un primo");
    }
    for (double p : ui.progresos) Comprobar(p >= 0 && p <= 100, "progreso " + std::to_string(p));
    Comprobar(ui.registro.empty() && ui.consultas_detener == 0, "EsPrimo mostró algo o leyó la detención");
}

// The solvers take what the windows give them: non-negative numbers as
// CadenaANumero makes them, without high zeros.
NumeroGrande ComoLoDaLaVentana(const NumeroGrande& x) {
    NumeroGrande y = Normalizar(x);
    y.Signo = '+';
    return y;
}

// A dialog at most, a warning only after a stop.
void UnDialogoComoMucho(const puerto::PuertoGrabador& ui) {
    Comprobar(ui.errores.size() + static_cast<std::size_t>(ui.advertencias) <= 1,
              "más de un diálogo: " + std::to_string(ui.errores.size()) + " errores, " +
                  std::to_string(ui.advertencias) + " advertencias");
}

void OpTabla(std::string_view resto, const Opciones& o) {
    std::string_view tabla;
    auto e = Operandos(resto, 1, 30, o.relleno, &tabla);
    e[0] = ComoLoDaLaVentana(e[0]);
    Describir("DividirPorTabla y BuscarFactor", e);
    const ConTabla con_tabla(tabla);
    const mpz_class n = Magnitud(e[0]);
    FijarSemillaAleatoria(1);
    puerto::PuertoGrabador ui;
    ui.detener_en_consulta = o.consultas_maximas;
    puerto::EnHilo activa(ui);

    NumeroGrande f1 = Aparte(), f2 = Aparte();
    if (DividirPorTabla(e[0], f1, f2)) {
        Comprobar(Normal(f1) && Normal(f2), "factores no normalizados");
        const mpz_class p = Valor(f1);
        Comprobar(p >= 2 && p <= 32767 && p * Valor(f2) == n, "DividirPorTabla: " + Ver(f1) + " * " + Ver(f2));
    } else {
        Comprobar(Ver(f1) == Ver(Aparte()) && Ver(f2) == Ver(Aparte()), "DividirPorTabla tocó los factores");
    }
    Comprobar(ui.registro.empty(), "DividirPorTabla mostró algo");

    NumeroGrande factor = Aparte();
    bool interrumpido = false;
    BuscarFactor(e[0], factor, &interrumpido);
    const mpz_class f = Valor(factor);
    Comprobar(Normal(factor), "BuscarFactor: registro no normalizado");
    if (f == 0) {
        Comprobar(interrumpido || n == 1 || ui.errores == std::vector<int>{8}, "BuscarFactor dio 0 sin motivo");
    } else {
        Comprobar(f >= 2 && n % f == 0 && !interrumpido, "BuscarFactor dio " + Ver(factor));
    }
    Comprobar(ui.advertencias == 0, "BuscarFactor mostró la advertencia");
    UnDialogoComoMucho(ui);
}

void OpOrden(std::string_view resto, const Opciones& o) {
    std::string_view tabla;
    auto e = Operandos(resto, 1, 25, o.relleno, &tabla);
    e[0] = ComoLoDaLaVentana(e[0]);
    Describir("FactorizarOrden", e);
    const ConTabla con_tabla(tabla);
    FijarSemillaAleatoria(1);
    puerto::PuertoGrabador ui;
    ui.detener_en_consulta = o.consultas_maximas;
    puerto::EnHilo activa(ui);
    std::vector<ParNumeros> factores;
    bool interrumpido = false;
    const bool completa = FactorizarOrden(e[0], factores, interrumpido);
    UnDialogoComoMucho(ui);
    if (!completa) {
        Comprobar(factores.empty(), "lista no vacía sin factorización");
        return;
    }
    Comprobar(ui.registro.empty(), "una factorización completa mostró algo");
    mpz_class producto = 1;
    std::vector<mpz_class> primos;
    for (const ParNumeros& p : factores) {
        const mpz_class q = Valor(p.Primero), exponente = Valor(p.Segundo);
        Comprobar(mpz_probab_prime_p(q.get_mpz_t(), 30) != 0, "factor compuesto " + q.get_str());
        Comprobar(exponente >= 1, "exponente " + exponente.get_str());
        for (const mpz_class& r : primos) Comprobar(r != q, "factor repetido " + q.get_str());
        primos.push_back(q);
        mpz_class potencia;
        mpz_pow_ui(potencia.get_mpz_t(), q.get_mpz_t(), exponente.get_ui());
        producto *= potencia;
    }
    Comprobar(producto == Magnitud(e[0]), "el producto de los factores es " + producto.get_str());
}

void OpRho(std::string_view resto, const Opciones& o) {
    auto e = Operandos(resto, 1, 25, o.relleno);
    e[0] = ComoLoDaLaVentana(e[0]);
    Describir("FactorizarRho", e);
    FijarSemillaAleatoria(1);
    puerto::PuertoGrabador ui;
    ui.detener_en_consulta = o.consultas_maximas;
    puerto::EnHilo activa(ui);
    NumeroGrande f1, f2;
    FactorizarRho(e[0], f1, f2);
    UnDialogoComoMucho(ui);
    const mpz_class n = Magnitud(e[0]), a = Valor(f1), b = Valor(f2);
    if (a == 0) {
        Comprobar(b == 0 && ui.errores.empty() && (n == 0 || ui.advertencias == 1), "rho: 0 sin detención");
    } else {
        Comprobar(Normal(f1) && Normal(f2) && a > 1 && a < n && a * b == n, "rho: " + Ver(f1) + " * " + Ver(f2));
        Comprobar(ui.registro.empty(), "rho con factor mostró algo");
    }
}

// Pohlig–Hellman modulo a prime below 10^4 (the next prime from the operand)
// with the prime table from the input, whatever it lacks or holds.
void OpPohligHellman(std::string_view resto, const Opciones& o) {
    std::string_view tabla;
    auto e = Operandos(resto, 3, 4, o.relleno, &tabla);
    mpz_class p;
    mpz_nextprime(p.get_mpz_t(), Magnitud(e[2]).get_mpz_t());
    if (p >= 10000) p = 9973;
    const mpz_class alfa = Magnitud(e[0]) % p, beta = Magnitud(e[1]) % p;
    if (alfa == 0) return;  // no inverse: its dialogs are those of a bad input
    const NumeroGrande a = DeMpz(alfa), b = DeMpz(beta), g = DeMpz(p);
    Describir("LogaritmoPohligHellman", {a, b, g});
    const ConTabla con_tabla(tabla);
    puerto::PuertoGrabador ui;
    ui.detener_en_consulta = o.consultas_maximas;
    puerto::EnHilo activa(ui);
    NumeroGrande x;
    LogaritmoPohligHellman(a, b, g, x);
    UnDialogoComoMucho(ui);
    for (int error : ui.errores) Comprobar(error == 5 || error == 8, "error " + std::to_string(error));
    const mpz_class vx = Valor(x);
    if (ui.registro.empty() && p > 2) {
        mpz_class potencia;
        mpz_powm(potencia.get_mpz_t(), alfa.get_mpz_t(), vx.get_mpz_t(), p.get_mpz_t());
        Comprobar(potencia == beta, "alfa^" + vx.get_str() + " no es beta");
    } else {
        Comprobar(vx == 0, "resultado " + vx.get_str() + " tras un diálogo");
    }
}

struct Entrada {
    Operacion operacion;
    bool lee_la_tabla;  // works in the private folder: one thread only
};

constexpr Entrada kOperaciones[] = {
    {OpSumar, false},                // a
    {OpRestar, false},               // b
    {OpMultiplicar, false},          // c
    {OpDividir, false},              // d
    {OpReducir, false},              // e
    {OpPotencia, false},             // f
    {OpMaximoComunDivisor, false},   // g
    {OpInverso, false},              // h
    {OpRaiz, false},                 // i
    {OpDividirEntreDos, false},      // j
    {OpBits, false},                 // k
    {OpComparar, false},             // l
    {OpPorCifra, false},             // m
    {OpDesplazar, false},            // n
    {OpConcatenar, false},           // o
    {OpTexto, false},                // p
    {OpPrimo, false},                // q
    {OpTabla, true},                 // r
    {OpOrden, true},                 // s
    {OpRho, false},                  // t
    {OpPohligHellman, true},         // u
};
constexpr std::size_t kNumOperaciones = sizeof(kOperaciones) / sizeof(kOperaciones[0]);

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    if (tamano == 0) return 0;
    const std::string_view entrada(reinterpret_cast<const char*>(datos), tamano);
    const Entrada& elegida = kOperaciones[static_cast<std::uint8_t>(entrada[0] - 'a') % kNumOperaciones];
    Opciones opciones;
    std::string_view resto;
    if (tamano >= 2) {
        static constexpr long kConsultas[8] = {1000, 1, 2, 3, 5, 10, 30, 100};
        const auto bits = static_cast<std::uint8_t>(entrada[1] - '0');
        opciones.salida = bits & 7u;
        opciones.relleno = (bits & 8u) != 0;
        opciones.dos_veces = (bits & 16u) != 0;
        opciones.k = bits >> 5;
        opciones.consultas_maximas = kConsultas[opciones.k];
        resto = entrada.substr(2);
    }
    const auto ejecutar = [&] {
        elegida.operacion(resto, opciones);
        if (opciones.dos_veces) elegida.operacion(resto, opciones);
    };
    if (opciones.k != 0 && !elegida.lee_la_tabla) {
        std::thread otro(ejecutar);
        ejecutar();
        otro.join();
    } else {
        ejecutar();
    }
    return 0;
}
