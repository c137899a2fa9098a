// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Standard output and error as the program writes them: straight to the
// descriptors, so that a failed or short write is seen and reported instead
// of lost in a stream's state.
#include <streambuf>
#include <string>
#include <vector>

namespace vantor::cli {

class DescriptorBuffer : public std::streambuf {
public:
    // `flushEachWrite`: every write goes out at once (standard error).
    DescriptorBuffer(int fd, bool flushEachWrite);
    ~DescriptorBuffer() override;
    DescriptorBuffer(const DescriptorBuffer&) = delete;
    DescriptorBuffer& operator=(const DescriptorBuffer&) = delete;

    // Writes what is buffered and closes the descriptor; the first error
    // number of any write or of the close, or 0.
    int finish();
    int error() const { return m_error; }
    // What `first` holds goes out before anything of this buffer's, so that
    // the two streams keep the program's order in a shared file or terminal.
    void writeAfter(DescriptorBuffer& first) { m_first = &first; }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* data, std::streamsize count) override;
    int sync() override;

private:
    void drain();
    int m_fd;
    bool m_flushEachWrite;
    int m_error = 0;
    bool m_finished = false;
    std::vector<char> m_buffer;
    DescriptorBuffer* m_first = nullptr;
};

// Runs the program over the standard descriptors. A write error on standard
// output gives "vantor-cli: standard output: <cause>" on standard error and
// exit status 1 when the command had succeeded.
int runOnStandardStreams(const std::vector<std::string>& args);

}  // namespace vantor::cli
