// Lumora: the program's entry; everything else lives in the libraries.
#include "shell/program.h"

int main(int argc, char** argv) {
    return lumora::RunProgram(argc, argv);
}
