// main() of the test programs that take --nucleos=portables (see
// nucleos_de_prueba.h).
#include <gtest/gtest.h>

#include <string>

#include "bignum/motor.h"
#include "nucleos_de_prueba.h"

namespace {
bool forzados = false;
}

bool prueba::NucleosPortablesForzados() { return forzados; }

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--nucleos=portables") forzados = true;
    }
    if (forzados) bignum_interno::motor::FijarNucleos(bignum_interno::motor::Portables());
    return RUN_ALL_TESTS();
}
