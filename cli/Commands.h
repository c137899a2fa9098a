// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sub-commands of vantor-cli. Each runs on the arguments the command table
// has already sorted, returns the process exit code and writes its messages
// to the given streams.
#include <ostream>
#include <string>
#include <vector>

#include "CommandLine.h"

namespace vantor::cli {

int runConvert(const Arguments& args, std::ostream& out, std::ostream& err);
int runOptions(const Arguments& args, std::ostream& out, std::ostream& err);
int runExport(const Arguments& args, std::ostream& out, std::ostream& err);
int runMeasure(const Arguments& args, std::ostream& out, std::ostream& err);
int runCheck(const Arguments& args, std::ostream& out, std::ostream& err);
int runProfile(const Arguments& args, std::ostream& out, std::ostream& err);
int runRender(const Arguments& args, std::ostream& out, std::ostream& err);
int runAnimate(const Arguments& args, std::ostream& out, std::ostream& err);

// A command by name with the words after it, as the program runs it.
int commandNamed(const char* name, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
inline int convertCommand(const std::vector<std::string>& a, std::ostream& o, std::ostream& e) {
    return commandNamed("convert", a, o, e);
}
inline int optionsCommand(const std::vector<std::string>& a, std::ostream& o, std::ostream& e) {
    return commandNamed("options", a, o, e);
}
inline int exportCommand(const std::vector<std::string>& a, std::ostream& o, std::ostream& e) {
    return commandNamed("export", a, o, e);
}
inline int measureCommand(const std::vector<std::string>& a, std::ostream& o, std::ostream& e) {
    return commandNamed("measure", a, o, e);
}
inline int checkCommand(const std::vector<std::string>& a, std::ostream& o, std::ostream& e) {
    return commandNamed("check", a, o, e);
}
inline int profileCommand(const std::vector<std::string>& a, std::ostream& o, std::ostream& e) {
    return commandNamed("profile", a, o, e);
}
inline int renderCommand(const std::vector<std::string>& a, std::ostream& o, std::ostream& e) {
    return commandNamed("render", a, o, e);
}
inline int animateCommand(const std::vector<std::string>& a, std::ostream& o, std::ostream& e) {
    return commandNamed("animate", a, o, e);
}

}  // namespace vantor::cli
