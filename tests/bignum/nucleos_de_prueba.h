// Test programs of the arithmetic that can run on either set of digit loops:
// given --nucleos=portables they make the baseline x86-64 set the one in use
// before any test runs, as on a processor without AVX2 (ctest runs them both
// ways).
#pragma once

namespace prueba {

// True when the program was started with --nucleos=portables.
bool NucleosPortablesForzados();

}  // namespace prueba
