// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/LineReader.h"

#include "platform/files/IoError.h"
#include "platform/files/BoundedRead.h"

namespace vantor {

namespace {
constexpr std::size_t ChunkBytes = 64 * 1024;
}

LineReader::LineReader(const std::string& path, const std::string& shownName, std::uint64_t maxBytes,
                       std::string tooLarge)
    : m_file(std::make_unique<InputFile>(path, shownName)), m_maxBytes(maxBytes), m_tooLarge(std::move(tooLarge)) {
    if (m_file->size() > m_maxBytes) throw IoError(m_tooLarge, shownName);
}

LineReader::~LineReader() = default;

bool LineReader::fill() {
    if (m_eof) return false;
    m_pos = 0;
    m_buffer = m_file->readAt(m_offset, ChunkBytes);
    m_end = m_buffer.size();
    m_offset += m_end;
    if (m_offset > m_maxBytes) throw IoError(m_tooLarge, m_file->shownName());
    if (m_end == 0) {
        m_eof = true;
        return false;
    }
    return true;
}

bool LineReader::next(std::string& line) {
    line.clear();
    bool any = false;
    for (;;) {
        if (m_pos == m_end && !fill()) return any;
        any = true;
        const char* start = reinterpret_cast<const char*>(m_buffer.data()) + m_pos;
        const std::size_t avail = m_end - m_pos;
        std::size_t i = 0;
        while (i < avail && start[i] != '\n' && start[i] != '\r') ++i;
        if (line.size() < MaxLineBytes) line.append(start, std::min(i, MaxLineBytes - line.size()));
        m_pos += i;
        if (i == avail) continue;  // the line goes on in the next chunk
        const char brk = m_buffer[m_pos++];
        if (brk == '\r') {
            if (m_pos == m_end) fill();
            if (m_pos < m_end && m_buffer[m_pos] == '\n') ++m_pos;
        }
        return true;
    }
}

LineSource linesOf(const std::vector<std::string>& lines) {
    return [&lines, i = std::size_t(0)](std::string& line) mutable {
        if (i >= lines.size()) return false;
        line = lines[i++];
        return true;
    };
}

}  // namespace vantor
