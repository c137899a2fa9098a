// SPDX-License-Identifier: GPL-3.0-or-later
// vantor-cli-docs man|bash: writes vantor-cli's manual page or its bash
// completion, made from the command table, to standard output.
#include <iostream>
#include <string>

#include "CommandLine.h"

int main(int argc, char** argv) {
    const std::string what = argc == 2 ? argv[1] : "";
    if (what == "man") std::cout << vantor::cli::manualPage();
    else if (what == "bash") std::cout << vantor::cli::bashCompletion();
    else {
        std::cerr << "usage: vantor-cli-docs man|bash\n";
        return 2;
    }
    return 0;
}
