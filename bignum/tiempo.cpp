#include "bignum/tiempo.h"

#include <ctime>

namespace {

std::function<HoraDelDia()>& RelojDeEsteHilo() {
    thread_local std::function<HoraDelDia()> reloj;
    return reloj;
}

HoraDelDia Ahora() {
    if (const auto& reloj = RelojDeEsteHilo()) return reloj();
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return {static_cast<std::uint8_t>(local.tm_hour), static_cast<std::uint8_t>(local.tm_min),
            static_cast<std::uint8_t>(local.tm_sec)};
}

int Segundos(int h, int m, int s) { return 3600 * h + 60 * m + s; }

}  // namespace

void FijarReloj(std::function<HoraDelDia()> reloj) { RelojDeEsteHilo() = std::move(reloj); }

std::function<HoraDelDia()> RelojFijado() { return RelojDeEsteHilo(); }

void TomarHora(std::uint8_t& H, std::uint8_t& M, std::uint8_t& S) {
    const HoraDelDia ahora = Ahora();
    H = ahora.hora;
    M = ahora.minuto;
    S = ahora.segundo;
}

void TiempoTranscurrido(std::uint8_t H, std::uint8_t M, std::uint8_t S, std::string& Texto) {
    const HoraDelDia fin = Ahora();
    int e = Segundos(fin.hora, fin.minuto, fin.segundo) - Segundos(H, M, S);
    if (e < 0) e += 24 * 3600;  // the run went past midnight
    Texto = std::to_string(e / 3600) + " h: " + std::to_string(e % 3600 / 60) + " m: " +
            std::to_string(e % 60) + (fin.hora == H && fin.minuto == M ? " s: " : " s:");
}
