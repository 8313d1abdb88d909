// The progress mailbox between a run's worker and the window that shows it.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "errors/buzon_avance.h"

using puerto::Avance;
using puerto::BuzonAvance;
using puerto::Fase;
using puerto::Metodo;

// A Pohlig–Hellman digit stays readable while its baby-step search reports
// over it, and the factor text is a copy, not a view of the caller's.
TEST(BuzonAvance, GuardaElUltimoYElDelMetodoExterior) {
    BuzonAvance buzon;
    {
        std::string q = "5";
        Avance digito(Metodo::PohligHellman, Fase::Digitos, 7);
        digito.pasos = 2;
        digito.factor = q;
        digito.exponente = 3;
        digito.digito = 1;
        buzon.Guardar(digito);
        q[0] = '9';  // the caller's text changes after the report
    }
    Avance gigante(Metodo::GiganteEnano, Fase::PasosGigantes, 300);
    gigante.pasos = 120;
    buzon.Guardar(gigante);

    const BuzonAvance::Lectura l = buzon.Leer();
    EXPECT_EQ(l.informes, 2u);
    EXPECT_EQ(l.ultimo.metodo, Metodo::GiganteEnano);
    EXPECT_EQ(l.ultimo.pasos, 120u);
    EXPECT_EQ(l.ultimo.total, 300u);
    EXPECT_TRUE(l.ultimo.factor.empty());
    EXPECT_EQ(l.exterior.metodo, Metodo::PohligHellman);
    EXPECT_EQ(l.exterior.factor, "5");
    EXPECT_EQ(l.exterior.exponente, 3);
    EXPECT_EQ(l.exterior.digito, 1);
    EXPECT_EQ(l.exterior.pasos, 2u);
}

// One thread reports at every step while another reads: every reading is a
// whole report (its two counters written together agree), and the count
// only grows. Run under ThreadSanitizer in CI.
TEST(BuzonAvance, LecturasEnteroDesdeOtroHilo) {
    BuzonAvance buzon;
    std::atomic<bool> fin{false};
    std::thread trabajador([&] {
        Avance a(Metodo::Rho, Fase::Paseo);
        for (std::uint64_t i = 0; i < 200000; ++i) {
            a.pasos = i;
            a.cambios = i;
            buzon.Guardar(a);
        }
        fin = true;
    });
    std::uint64_t antes = 0;
    while (!fin.load()) {
        const BuzonAvance::Lectura l = buzon.Leer();
        EXPECT_EQ(l.ultimo.pasos, l.ultimo.cambios);
        EXPECT_GE(l.informes, antes);
        antes = l.informes;
    }
    trabajador.join();
    EXPECT_EQ(buzon.Leer().informes, 200000u);
}
