// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "platform/files/IoError.h"
#include "platform/files/BoundedRead.h"
#include "platform/files/EscapedText.h"
#include "platform/files/LineReader.h"
#include "platform/pixels/Bmp.h"
#include "support/TempDir.h"

using namespace vantor;
using vantor::test::TempDir;

namespace {

// A file of `size` bytes that takes no disk space beyond `prefix`.
void sparseFile(const std::string& path, const std::vector<std::uint8_t>& prefix, off_t size) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, prefix.data(), prefix.size()), static_cast<ssize_t>(prefix.size()));
    ASSERT_EQ(::ftruncate(fd, size), 0);
    ::close(fd);
}

std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const IoError& e) {
        return e.what();
    }
    return "(accepted)";
}

}  // namespace

// Each reader opened a FIFO and waited in open() for a writer, and read
// /dev/zero until memory ran out.
TEST(BoundedRead, FifosAndDevicesAreRefusedWithoutWaiting) {
    TempDir dir;
    const std::string fifo = dir.file("x.snr");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string zeroLink = dir.file("zero.va4");
    std::filesystem::create_symlink("/dev/zero", zeroLink);
    for (const std::string& path : {fifo, std::string("/dev/zero"), zeroLink}) {
        SCOPED_TRACE(path);
        const std::vector<std::pair<const char*, std::function<void()>>> readers = {
            {"readBounded", [&] { readBounded(path, path, 1 << 20, Excess::Refused, "too large"); }},
            {"LineReader", [&] { LineReader reader(path, path); }},
            {"readBmpFile", [&] { readBmpFile(path); }},
        };
        for (const auto& [name, read] : readers) {
            SCOPED_TRACE(name);
            EXPECT_NE(errorOf(read).find(NotRegularFileMessage), std::string::npos);
        }
    }
}

TEST(BoundedRead, APaddedFileIsReadOnlyUpToTheLimit) {
    TempDir dir;
    const std::string path = dir.file("padded.bin");
    sparseFile(path, {1, 2, 3, 4, 5}, off_t(1) << 30);
    // Ignored: the first bytes, the gigabyte after them never read.
    EXPECT_EQ(readBounded(path, "padded.bin", 3, Excess::Ignored), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(readBounded(path, "padded.bin", 5000, Excess::Ignored).size(), 5000u);
    // Refused: by the size the system reports, before reading.
    EXPECT_EQ(errorOf([&] { readBounded(path, "padded.bin", 1 << 20, Excess::Refused, "too large"); }),
              "too large: padded.bin");
    EXPECT_EQ(errorOf([&] { LineReader reader(path, "padded.bin", 1 << 20, "too large"); }), "too large: padded.bin");
    // A file that fits is read whole, across chunks.
    sparseFile(path, {1, 2, 3}, 200000);
    EXPECT_EQ(readBounded(path, "padded.bin", 200000, Excess::Refused, "too large").size(), 200000u);
}

// /proc files report a size of 0: the limit must hold while reading too.
TEST(BoundedRead, AFileOfUnreportedSizeStopsAtTheLimit) {
    const std::string path = "/proc/self/maps";
    ASSERT_EQ(std::filesystem::file_size(path), 0u);
    EXPECT_EQ(readBounded(path, path, 10, Excess::Ignored).size(), 10u);
    EXPECT_EQ(errorOf([&] { readBounded(path, path, 10, Excess::Refused, "too large"); }), "too large: " + path);
    EXPECT_EQ(errorOf([&] {
                  LineReader reader(path, path, 10, "too large");
                  for (std::string line; reader.next(line);) {}
              }),
              "too large: " + path);
}

TEST(EscapedText, ControlCharactersAreShownNotObeyed) {
    const std::vector<std::tuple<const char*, std::string, std::string>> rows = {
        {"title and clear sequences", "ok\x1b]0;X\x07\x1b[2J", "ok\\x1b]0;X\\x07\\x1b[2J"},
        {"line breaks, tab, NUL", std::string("a\r\nb\tc\0d", 8), "a\\r\\nb\\tc\\0d"},
        {"backslash and DEL", "a\\b\x7f", "a\\\\b\\x7f"},
        {"Japanese kept", "コマ001", "コマ001"},
        {"C1 CSI as UTF-8", "a\xc2\x9b" "2J", "a\\u009b2J"},
        {"bidirectional override", "abc\xe2\x80\xae" "fdp.exe", "abc\\u202efdp.exe"},
        {"bytes that are not UTF-8", "\xff\xc3(\xe3\x81", "\\xff\\xc3(\\xe3\\x81"},
        {"overlong slash", "\xc0\xaf", "\\xc0\\xaf"},
    };
    for (const auto& [name, text, shown] : rows) {
        SCOPED_TRACE(name);
        EXPECT_EQ(escapedText(text), shown);
    }
}

TEST(EscapedText, LongTextIsCutAtACharacterBoundary) {
    EXPECT_EQ(escapedText("abcdef", 4), "abcd...");
    // "コ" takes three bytes: it does not fit in the fifth to seventh.
    EXPECT_EQ(escapedText("abcdコ", 6), "abcd...");
    EXPECT_EQ(escapedText("abcd", 4), "abcd");
}
