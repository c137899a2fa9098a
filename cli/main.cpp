// vantor-cli: the program's logic without windows, for scripts and batch work.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "TerminalLanguage.h"

int main(int argc, char** argv) {
    const vantor::Language language =
        vantor::cli::terminalLanguage(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
    return vantor::cli::runProgramIn(language, std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
