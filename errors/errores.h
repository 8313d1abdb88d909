// Reporting procedures and checks of the error catalogue.
//
// A reporting procedure shows its catalogue entry modally through the current
// user interface and returns once the user has closed it. A check tests one
// condition; when it holds, it (where marked) sets the arrow pointer so that
// the dialog does not appear under a busy pointer, reports its error and
// returns true. Otherwise it shows nothing and returns false. The pointer is
// not set back: the calculation that called the check restores its own.
// None of them can fail. The three checks of a number (divisor, modulus,
// gcd) belong to the arithmetic: bignum/comprobaciones.h.
#pragma once

#include <string_view>

// Reporting procedures, one per catalogue entry.
void ErrorDigitoInvalido();       // 1
void ErrorDivisionPorCero();      // 2
void ErrorPrimosRelativos();      // 3
void ErrorModuloInvalido();       // 4
void ErrorMetodoLogaritmo();      // 5
void ErrorMetodoFactorizacion();  // 6
void ErrorFaltaNumero();          // 7
void ErrorFicheroPrimos();        // 8
void ErrorMetodoCalculo();        // 9
void ErrorFaltanDatos();          // 10
void ErrorNoExisteLogaritmo();    // 11
void ErrorPilaInsuficiente();     // 13

// Sets the arrow pointer, then reports error `numero`; returns true. For the
// checks here and those of the arithmetic.
bool InformarConFlecha(void (*informar)());

// Error 1 at the first character that is not 0..9; the rest is not looked
// at. An empty text is valid. No pointer change.
bool HayDigitoInvalido(std::string_view texto);
// Error 6 when none of the three factorization methods is chosen. Arrow first.
bool ComprobarMetodoFactorizacion(bool rho, bool dixon, bool fracciones);
// Error 7 when the number box is empty. Arrow first.
bool ComprobarNumero(std::string_view texto);
// Error 9 when none of the three logarithm methods is chosen. Arrow first.
bool ComprobarMetodoLogaritmo(bool busqueda, bool gigante_enano, bool pohlig_hellman);
// Error 10 when at least one of the three boxes is empty. Arrow first.
bool ComprobarDatos(std::string_view alfa, std::string_view beta, std::string_view grupo);
// Error 11 when the sign is '-'. Arrow first.
bool ComprobarSigno(char signo);
// Error 5 when the method could not give the logarithm. No pointer change.
bool ComprobarMetodoValido(bool valido);
