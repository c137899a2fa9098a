#pragma once
// The program's texts break lines with "\r" (as message boxes show them);
// a terminal wants "\n".
#include <string>

namespace vantor::cli {

inline std::string forTerminal(std::string text) {
    for (char& c : text)
        if (c == '\r') c = '\n';
    return text;
}

}  // namespace vantor::cli
