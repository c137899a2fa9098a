// SPDX-License-Identifier: GPL-3.0-or-later
#include "StandardStreams.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <unistd.h>

#include "TerminalLanguage.h"

namespace vantor::cli {

namespace {
constexpr std::size_t BufferBytes = 1 << 16;
}

DescriptorBuffer::DescriptorBuffer(int fd, bool flushEachWrite) : m_fd(fd), m_flushEachWrite(flushEachWrite) {
    m_buffer.reserve(BufferBytes);
}

DescriptorBuffer::~DescriptorBuffer() { drain(); }

void DescriptorBuffer::drain() {
    if (m_first && !m_buffer.empty()) m_first->drain();
    std::size_t done = 0;
    while (done < m_buffer.size() && m_error == 0) {
        const ssize_t n = ::write(m_fd, m_buffer.data() + done, m_buffer.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) m_error = errno;
        else if (n == 0) m_error = EIO;
        else done += static_cast<std::size_t>(n);
    }
    // After an error nothing more is written: the output is already broken.
    m_buffer.clear();
}

DescriptorBuffer::int_type DescriptorBuffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char ch = traits_type::to_char_type(c);
    xsputn(&ch, 1);
    return c;
}

std::streamsize DescriptorBuffer::xsputn(const char* data, std::streamsize count) {
    m_buffer.insert(m_buffer.end(), data, data + count);
    if (m_flushEachWrite || m_buffer.size() >= BufferBytes) drain();
    return count;
}

int DescriptorBuffer::sync() {
    drain();
    return m_error == 0 ? 0 : -1;
}

int DescriptorBuffer::finish() {
    if (m_finished) return m_error;
    m_finished = true;
    drain();
    // Some file systems report a failed write only at the close.
    if (::close(m_fd) != 0 && m_error == 0 && errno != EINTR) m_error = errno;
    return m_error;
}

int runOnStandardStreams(const std::vector<std::string>& args) {
    const Language language = terminalLanguage(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
    DescriptorBuffer outBuffer(STDOUT_FILENO, false), errBuffer(STDERR_FILENO, true);
    errBuffer.writeAfter(outBuffer);
    std::ostream out(&outBuffer), err(&errBuffer);
    int status = runProgramIn(language, args, out, err);
    if (const int failed = outBuffer.finish(); failed != 0) {
        {
            SpokenBuffer spoken(err, language);
            std::ostream spokenErr(&spoken);
            spokenErr << "vantor-cli: standard output: " << std::strerror(failed) << '\n';
        }
        if (status == 0) status = 1;
    }
    errBuffer.finish();
    return status;
}

}  // namespace vantor::cli
