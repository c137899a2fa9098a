#include "platform/files/LineReader.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include "platform/IoError.h"

namespace vantor {

namespace {
constexpr std::size_t ChunkBytes = 64 * 1024;
}

LineReader::LineReader(const std::string& path, const std::string& shownName)
    : m_name(shownName), m_buffer(ChunkBytes) {
    m_file = std::fopen(path.c_str(), "rb");
    if (!m_file) throw IoError(std::strerror(errno), shownName);
    struct stat st {};
    if (::fstat(fileno(m_file), &st) == 0 && S_ISDIR(st.st_mode)) {
        std::fclose(m_file);
        m_file = nullptr;
        throw IoError(std::strerror(EISDIR), shownName);
    }
}

LineReader::~LineReader() {
    if (m_file) std::fclose(m_file);
}

bool LineReader::fill() {
    if (m_eof) return false;
    m_pos = 0;
    m_end = std::fread(m_buffer.data(), 1, m_buffer.size(), m_file);
    if (m_end == 0) {
        if (std::ferror(m_file)) throw IoError(std::strerror(errno ? errno : EIO), m_name);
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
        const char* start = m_buffer.data() + m_pos;
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
