// The worked examples of the example pages (solvers/ejemplos.h), checked
// with GMP: every Numero is the product of its two factors, Alfa raised to
// Logaritmo modulo Grupo gives Beta, every digit label counts the right
// number, and each row sits on the page of its size.
#include <gtest/gtest.h>

#include <gmpxx.h>

#include <cstring>
#include <string>

#include "solvers/ejemplos.h"

namespace {

// A decimal numeral with no sign and no leading zero.
bool EsNumeral(const char* texto) {
    const std::string t(texto);
    return !t.empty() && t.find_first_not_of("0123456789") == std::string::npos && (t == "0" || t[0] != '0');
}

// The digit range of each page, as its chooser button describes it.
struct Rango {
    int desde, hasta;
};
constexpr Rango kPaginasFactorizacion[] = {{1, 20}, {20, 50}, {50, 80}};
constexpr Rango kPaginasLogaritmo[] = {{1, 15}, {15, 30}, {30, 45}};

void EnSuPagina(int pagina, int digitos, const Rango (&rangos)[3]) {
    ASSERT_GE(pagina, 1);
    ASSERT_LE(pagina, 3);
    const Rango& r = rangos[pagina - 1];
    EXPECT_GE(digitos, r.desde);
    EXPECT_LE(digitos, r.hasta);
}

}  // namespace

TEST(EjemplosPaginas, CadaNumeroEsElProductoDeSusFactores) {
    int pagina_anterior = 1;
    for (const CasoFactorizacion& c : CasosFactorizacion()) {
        SCOPED_TRACE(c.numero);
        ASSERT_TRUE(EsNumeral(c.numero) && EsNumeral(c.factor1) && EsNumeral(c.factor2));
        EXPECT_EQ(mpz_class(c.factor1) * mpz_class(c.factor2), mpz_class(c.numero));
        EXPECT_EQ(static_cast<std::size_t>(c.digitos), std::strlen(c.numero));
        EXPECT_GT(mpz_class(c.factor1), 1);
        EXPECT_GT(mpz_class(c.factor2), 1);
        EnSuPagina(c.pagina, c.digitos, kPaginasFactorizacion);
        EXPECT_GE(c.pagina, pagina_anterior) << "rows in page order";
        pagina_anterior = c.pagina;
    }
}

TEST(EjemplosPaginas, AlfaElevadoAlLogaritmoDaBeta) {
    int pagina_anterior = 1;
    for (const CasoLogaritmo& c : CasosLogaritmo()) {
        SCOPED_TRACE(std::string(c.alfa) + "^" + c.logaritmo + " mod " + c.grupo);
        ASSERT_TRUE(EsNumeral(c.alfa) && EsNumeral(c.beta) && EsNumeral(c.grupo) && EsNumeral(c.logaritmo));
        const mpz_class grupo(c.grupo);
        mpz_class potencia;
        mpz_powm(potencia.get_mpz_t(), mpz_class(c.alfa).get_mpz_t(), mpz_class(c.logaritmo).get_mpz_t(),
                 grupo.get_mpz_t());
        EXPECT_EQ(potencia, mpz_class(c.beta));
        EXPECT_LT(mpz_class(c.beta), grupo);
        EXPECT_EQ(static_cast<std::size_t>(c.digitos), std::strlen(c.beta));
        EnSuPagina(c.pagina, c.digitos, kPaginasLogaritmo);
        EXPECT_GE(c.pagina, pagina_anterior) << "rows in page order";
        pagina_anterior = c.pagina;
    }
}
