// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text read one line at a time, in bounded chunks, so that reading a file
// costs memory for what the caller keeps, not for the file's size. Lines
// split at CR LF, LF or CR; a final line break does not add an empty line.
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace vantor {

// The next line into `line`; false at the end. Parsers take their text
// through this, from a file or from lines in memory.
using LineSource = std::function<bool(std::string& line)>;

// Lines longer than this keep only their first MaxLineBytes bytes (no text
// line of a data file comes near it).
constexpr std::size_t MaxLineBytes = 1 << 20;

class InputFile;

class LineReader {
public:
    // Opens the file; IoError naming `shownName` when it cannot be opened or
    // is not a regular file (see InputFile). A file of more than `maxBytes`
    // bytes throws IoError(tooLarge): at once when its size says so,
    // otherwise when reading reaches the limit.
    LineReader(const std::string& path, const std::string& shownName,
               std::uint64_t maxBytes = std::numeric_limits<std::uint64_t>::max(), std::string tooLarge = "");
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // IoError when the file cannot be read or grows past the limit.
    bool next(std::string& line);
    LineSource source() {
        return [this](std::string& line) { return next(line); };
    }

private:
    bool fill();
    std::unique_ptr<InputFile> m_file;
    std::uint64_t m_offset = 0;  // of the next chunk in the file
    std::uint64_t m_maxBytes;
    std::string m_tooLarge;
    std::vector<std::uint8_t> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    bool m_eof = false;
};

// A source over lines already in memory.
LineSource linesOf(const std::vector<std::string>& lines);

}  // namespace vantor
