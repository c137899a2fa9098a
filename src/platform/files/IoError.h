// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Failure of a file operation. Commands let it escape; the event dispatch
// reports it in the application's error box and the command ends there.
#include <stdexcept>
#include <string>

namespace vantor {

// Appended: the system's text, then ": " and the file name. InMessage: the
// message is a whole sentence that already names the file.
enum class NamePlacement { Appended, InMessage };

class IoError : public std::runtime_error {
public:
    IoError(const std::string& message, const std::string& fileName, NamePlacement placement = NamePlacement::Appended)
        : std::runtime_error(fileName.empty() || placement == NamePlacement::InMessage ? message : message + ": " + fileName),
          m_fileName(fileName) {}
    const std::string& fileName() const { return m_fileName; }

private:
    std::string m_fileName;
};

}  // namespace vantor
