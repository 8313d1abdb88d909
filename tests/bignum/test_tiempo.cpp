// The elapsed-time text, with the clock of the test thread set by hand.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "bignum/tiempo.h"

namespace {

class Tiempo : public ::testing::Test {
protected:
    void TearDown() override { FijarReloj({}); }

    static void Reloj(HoraDelDia hora) {
        FijarReloj([hora] { return hora; });
    }
};

TEST_F(Tiempo, TomarHoraLeeElReloj) {
    Reloj({13, 5, 9});
    std::uint8_t h = 0, m = 0, s = 0;
    TomarHora(h, m, s);
    EXPECT_EQ(h, 13);
    EXPECT_EQ(m, 5);
    EXPECT_EQ(s, 9);
}

TEST_F(Tiempo, TiempoTranscurrido) {
    const struct {
        HoraDelDia inicio, fin;
        const char* texto;
    } casos[] = {
        // " s: " with a blank only while hour and minute are those of the start.
        {{10, 10, 30}, {10, 10, 37}, "0 h: 0 m: 7 s: "},
        {{10, 10, 30}, {10, 10, 30}, "0 h: 0 m: 0 s: "},
        {{10, 10, 30}, {10, 30, 40}, "0 h: 20 m: 10 s:"},
        {{10, 10, 40}, {10, 30, 30}, "0 h: 19 m: 50 s:"},
        {{10, 50, 30}, {11, 10, 40}, "0 h: 20 m: 10 s:"},
        {{10, 10, 40}, {11, 10, 30}, "0 h: 59 m: 50 s:"},
        {{10, 10, 0}, {12, 20, 5}, "2 h: 10 m: 5 s:"},
        {{0, 0, 0}, {0, 1, 15}, "0 h: 1 m: 15 s:"},
        {{0, 0, 0}, {23, 59, 59}, "23 h: 59 m: 59 s:"},
        // Across midnight the time through midnight is counted.
        {{23, 59, 50}, {0, 0, 10}, "0 h: 0 m: 20 s:"},
        {{23, 0, 0}, {1, 30, 0}, "2 h: 30 m: 0 s:"},
        {{10, 10, 30}, {10, 10, 20}, "23 h: 59 m: 50 s: "},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.inicio.hora) + ":" + std::to_string(c.inicio.minuto) + ":" +
                     std::to_string(c.inicio.segundo) + " a " + std::to_string(c.fin.hora) + ":" +
                     std::to_string(c.fin.minuto) + ":" + std::to_string(c.fin.segundo));
        Reloj(c.fin);
        std::string texto = "texto anterior";
        TiempoTranscurrido(c.inicio.hora, c.inicio.minuto, c.inicio.segundo, texto);
        EXPECT_EQ(texto, c.texto);
    }
}

}  // namespace
