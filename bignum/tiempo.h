// Elapsed time of a calculation, as the windows show it: "0 h: 0 m: 7 s: ".
//
// A reading is the hour, minute and second of the local time of day, with
// one-second resolution. Tests replace the clock of the calling thread with
// FijarReloj.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Reads the time of day.
void TomarHora(std::uint8_t& H, std::uint8_t& M, std::uint8_t& S);

// Reads the clock again and writes the time since the reading H:M:S as
// hours " h: " minutes " m: " seconds, then " s: " when the hour and minute
// are those of the start, " s:" otherwise. A run across midnight counts the
// time through midnight.
void TiempoTranscurrido(std::uint8_t H, std::uint8_t M, std::uint8_t S, std::string& Texto);

struct HoraDelDia {
    std::uint8_t hora, minuto, segundo;
};

// Replaces the calling thread's clock; an empty function restores the
// system clock.
void FijarReloj(std::function<HoraDelDia()> reloj);

// The clock FijarReloj set for the calling thread (empty for the system
// clock), so that a worker started from this thread can be given the same.
std::function<HoraDelDia()> RelojFijado();
