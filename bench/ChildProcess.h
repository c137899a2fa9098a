// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Peak memory is a property of a whole process: the memory benchmarks run
// each case in a child of its own, in a scratch folder they share.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace vantor::bench {

// The child's exit code; 2 when it did not exit normally.
template <typename Work>
int inChild(Work work) {
    const pid_t child = ::fork();
    if (child == 0) std::_Exit(work());
    int code = 0;
    ::waitpid(child, &code, 0);
    return WIFEXITED(code) ? WEXITSTATUS(code) : 2;
}

// A fresh folder under the system's temporary folder, removed with the object.
class ScratchFolder {
public:
    ScratchFolder() : m_path((std::filesystem::temp_directory_path() / "vantor-bench-XXXXXX").string()) {
        m_made = ::mkdtemp(m_path.data()) != nullptr;
    }
    ~ScratchFolder() {
        std::error_code ec;
        if (m_made) std::filesystem::remove_all(m_path, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    bool made() const { return m_made; }
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
    bool m_made = false;
};

}  // namespace vantor::bench
