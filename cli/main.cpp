// SPDX-License-Identifier: GPL-3.0-or-later
// vantor-cli: the program's logic without windows, for scripts and batch work.
#include <string>
#include <vector>

#include "StandardStreams.h"
#include "platform/files/CleanupOnSignal.h"

int main(int argc, char** argv) {
    // An interrupt removes the temporaries of the save under way.
    vantor::cleanup::installSignalCleanup();
    return vantor::cli::runOnStandardStreams(std::vector<std::string>(argv + 1, argv + argc));
}
