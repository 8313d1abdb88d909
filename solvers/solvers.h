// Number-theory solvers: the problems whose cost the program sets out to
// show. Include this header to use the module.
//
//   primalidad.h      Miller–Rabin test (EsPrimo) with the progress bar
//   tabla_primos.h    trial division by the prime table file Primos.txt
//   factorizacion.h   Pollard rho, Dixon, continued fractions
//   logaritmo.h       discrete logarithm: exhaustive search, baby-step
//                     giant-step
//   pohlig_hellman.h  discrete logarithm modulo a prime by Pohlig–Hellman
//   instancias.h      problems of a chosen size with a known answer, drawn
//                     from a seed (the cost laboratory)
//
// Everything is built on the arithmetic of bignum/ and reaches the user only
// through puerto::Actual() (errors/puerto_interfaz.h): catalogue errors, the
// interruption warning, the mouse pointer, letting pending events run, the
// stop flag, the primality progress bar and the progress of long methods.
// The solvers keep no state between calls and share nothing mutable, so each
// may run on its own thread with its own port installed by puerto::EnHilo.
//
// Long-running methods report their progress, let events run and read the
// stop flag once per outer step. When the flag is set they leave their
// outputs at zero, set the arrow pointer, show the warning once and return.
#pragma once

#include "solvers/factorizacion.h"
#include "solvers/instancias.h"
#include "solvers/logaritmo.h"
#include "solvers/pohlig_hellman.h"
#include "solvers/primalidad.h"
#include "solvers/tabla_primos.h"
