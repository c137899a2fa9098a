// vantor-cli: the program's logic without windows, for scripts and batch work.
#include <iostream>
#include <string>
#include <vector>

#include "CommandLine.h"

int main(int argc, char** argv) {
    return vantor::cli::runProgram(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
