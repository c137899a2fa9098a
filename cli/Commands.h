#pragma once
// Sub-commands of vantor-cli. Each returns the process exit code and writes
// its messages to the given streams.
#include <ostream>
#include <string>
#include <vector>

namespace vantor::cli {

int convertCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int optionsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int exportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int measureCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int renderCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int animateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vantor::cli
