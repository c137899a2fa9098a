// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes.
#include <cstdint>
#include <string>
#include <vector>

namespace vantor::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }
    void write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;
    void writeText(const std::string& name, const std::string& text) const;
    std::vector<std::uint8_t> read(const std::string& name) const;

private:
    std::string m_path;
};

}  // namespace vantor::test
