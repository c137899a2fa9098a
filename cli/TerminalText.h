#pragma once
// Texts for the terminal: the program's texts break lines with "\r" (as
// message boxes show them), a terminal wants "\n"; and one way for every
// command to report a failure.
#include <exception>
#include <ostream>
#include <string>

namespace vantor::cli {

inline std::string forTerminal(std::string text) {
    for (char& c : text)
        if (c == '\r') c = '\n';
    return text;
}

// Runs a command's work. A failure becomes the message
// "vantor-cli COMMAND: what went wrong", then `after`, and exit code 1.
template <typename Work>
int reportingFailure(const char* command, std::ostream& err, Work work, const char* after = "") {
    try {
        return work();
    } catch (const std::exception& e) {
        err << "vantor-cli " << command << ": " << forTerminal(e.what()) << '\n' << after;
    }
    return 1;
}

}  // namespace vantor::cli
