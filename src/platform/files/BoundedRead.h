// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading input files at a cost bounded by what the reader can use. Inputs
// are opened without blocking and must be regular files: a FIFO or a device
// named like a data file would otherwise hang the program in open() or feed
// it without end. Reads go in bounded chunks, so a file whose size the
// system does not report (a file of /proc) stops at the limit too.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vantor {

// Message of the refusal of anything but a regular file.
inline constexpr const char* NotRegularFileMessage = "通常のファイルではないため読み込めません（パイプや装置は使えません）";

// "The file is too large (N MB at most)", N rounded up to whole megabytes.
std::string tooLargeMessage(std::uint64_t maxBytes);

// An input file open for reading: a regular file, never a folder, FIFO or
// device (IoError naming `shownName` otherwise). Closed on destruction.
class InputFile {
public:
    InputFile(const std::string& path, const std::string& shownName);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // The size the system reports when the file was opened.
    std::uint64_t size() const { return m_size; }
    const std::string& shownName() const { return m_name; }
    // Up to `count` bytes from `offset`, fewer at the end of the file;
    // IoError when reading fails.
    std::vector<std::uint8_t> readAt(std::uint64_t offset, std::size_t count) const;

private:
    int m_fd = -1;
    std::uint64_t m_size = 0;
    std::string m_name;
};

// What to do with a file longer than a reader's limit.
enum class Excess {
    Ignored,  // bytes after the limit are not read
    Refused,  // IoError `tooLarge` naming the file
};

// The first `maxBytes` bytes of a regular file (all of a shorter one).
// With Excess::Refused a longer file throws IoError(tooLarge) before
// anything is kept; with Excess::Ignored the rest is never read.
std::vector<std::uint8_t> readBounded(const std::string& path, const std::string& shownName, std::size_t maxBytes,
                                      Excess excess, const std::string& tooLarge = "");

}  // namespace vantor
