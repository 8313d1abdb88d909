// The check of the files the program reads, run by `tornavela --comprobar`
// without opening any window (it needs no display): the prime list
// ListaPrimos.txt and the help folder beside the real executable, and the
// prime table Primos.txt in the current directory, read the way the
// table-driven methods read it. It prints one Spanish line per file and
// tells by its exit status whether every file was found, so that an
// installation can be checked from a script.
#pragma once

// True when the command line is `--comprobar`.
bool PideComprobacion(int argc, char* argv[]);

// Runs the check under a QCoreApplication of its own (there must be no other
// application object). Returns the exit status: 0 when every file was found
// and read, 1 when any is missing or unreadable.
int ComprobarFicheros(int& argc, char* argv[]);
