// Who wrote the program and where to reach them, as the splash, About and
// links windows show it. The program is the work of a course team; every
// address is an example address.
#pragma once

namespace autoria {

inline constexpr char kPrograma[] = "Simulación de la Tornavela de Cifrados";
inline constexpr char kVersion[] = "Versión 1.1";
inline constexpr char kAsignatura[] = "Seguridad Informática";
inline constexpr char kAutor[] = "Equipo de Prácticas de Seguridad Informática";
inline constexpr char kTutor[] = "Coordinación de la asignatura de Seguridad Informática";
inline constexpr char kEscuela[] = "Escuela de Ingeniería Informática";
inline constexpr char kUniversidad[] = "Universidad de Ejemplo";
inline constexpr char kDepartamento[] = "Departamento de Sistemas Informáticos";
inline constexpr char kCorreo[] = "tornavela@example.org";
inline constexpr char kWebDepartamento[] = "https://www.example.org/dsi/";
inline constexpr char kWebPrograma[] = "https://www.example.org/dsi/tornavela/";
inline constexpr char kWebAsignatura[] = "https://www.example.org/dsi/seguridad/";

}  // namespace autoria
