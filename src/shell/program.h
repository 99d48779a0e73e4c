#pragma once
// The program from start to end: one running copy, the screens, the display
// check, the backdrop, the login and then the main menu's message loop.
#include <string>

namespace lumora {

struct ProgramArguments {
    std::string dataRoot; // --data DIR; empty: LUMORA_DATA or the executable's folder
    std::string scale;    // --scale F; empty: LUMORA_SCALE or the factor that fits the screen
    std::string users;    // --users DIR; empty: LUMORA_USERS, the system setting or the account's
    bool ok = true;
    bool help = false;    // --help: print the usage and the course folder, then end
    bool version = false; // --version: print the version and the course folder, then end
};

ProgramArguments ParseProgramArguments(int argc, char** argv);

// Runs the program; returns the process's exit status.
int RunProgram(int argc, char** argv);

} // namespace lumora
