// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a vantor-cli sub-command in the test process and keeps what it said.
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace vantor::test {

struct CommandRun {
    int code;
    std::string out, err;
};

using Command = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

inline CommandRun runCommand(Command command, const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = command(args, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace vantor::test
