// The tool windows the main window can open, registered by their toolbar key.
#pragma once

class Principal;

void RegistrarVentanas(Principal& principal);
