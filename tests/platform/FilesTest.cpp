// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files/IoError.h"
#include "platform/files/Files.h"
#include "platform/files/LineReader.h"
#include "support/TempDir.h"

using namespace vantor;
using vantor::test::TempDir;

TEST(Files, RelativeNamesResolveAgainstTheCurrentFolder) {
    TempDir dir;
    Files files(dir.path());
    dir.writeText("a.txt", "x");
    EXPECT_TRUE(files.fileExists("a.txt"));
    EXPECT_TRUE(files.fileExists(dir.file("a.txt")));
    EXPECT_FALSE(files.fileExists("b.txt"));
    EXPECT_TRUE(files.deleteFile("a.txt"));
    EXPECT_FALSE(files.fileExists("a.txt"));
    EXPECT_FALSE(files.deleteFile("a.txt"));
}

TEST(Files, WildcardSearchIsSortedAndMatchesWholeNames) {
    TempDir dir;
    for (const char* n : {"car002.bmp", "car001.bmp", "car001.vop", "xcar001.bmp", "car01.bmp"}) dir.writeText(n, "");
    Files files(dir.path());
    EXPECT_EQ(files.findFiles("car???.bmp"), (std::vector<std::string>{"car001.bmp", "car002.bmp"}));
    EXPECT_EQ(files.findFiles("*.vop"), (std::vector<std::string>{"car001.vop"}));
    EXPECT_TRUE(wildcardMatch("a*b*c", "aXXbYc"));
    EXPECT_FALSE(wildcardMatch("a*b", "aXXbc"));
}

TEST(Files, LinesSplitAtEveryLineBreakKind) {
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_TRUE(splitLines("").empty());
}

TEST(Files, AtomicWriteReplacesAndFailsWithoutDamage) {
    TempDir dir;
    Files files(dir.path());
    files.writeAtomic("t.csv", {'o', 'l', 'd'});
    files.writeLinesAtomic("t.csv", {"1", "2"});
    EXPECT_EQ(dir.read("t.csv"), (std::vector<std::uint8_t>{'1', '\r', '\n', '2', '\r', '\n'})) << "replaced";
    // A target inside a missing folder cannot be written: IoError, nothing left behind.
    EXPECT_THROW(files.writeAtomic("missing/t.bin", {1, 2}), IoError);
    std::size_t n = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path())) ++n;
    EXPECT_EQ(n, 1u);
    EXPECT_THROW(files.readAll("nothing.bin"), IoError);
}

TEST(Files, NamesOfPaths) {
    EXPECT_EQ(baseNameOf("/home/u/vase.va4"), "vase");
    EXPECT_EQ(baseNameOf("/home/u.d/vase"), "vase");
    EXPECT_EQ(baseNameOf("a.b.csv"), "a.b");
    EXPECT_EQ(folderOf("/home/u/vase.va4"), "/home/u/");
    EXPECT_EQ(folderOf("vase.va4"), "");
}

// The chunked reader splits exactly as the whole-text split does, also when
// a line or a CR LF pair straddles two chunks.
TEST(LineReader, SplitsLikeTheWholeTextAcrossChunkBoundaries) {
    TempDir dir;
    const std::size_t chunk = 64 * 1024;
    const std::vector<std::pair<const char*, std::string>> texts{
        {"CR LF across the boundary", std::string(chunk - 1, 'a') + "\r\nb"},
        {"CR at the end", std::string(chunk - 1, 'a') + "\r"},
        {"long line", std::string(3 * chunk + 5, 'x') + "\n\ny\r\rz"},
        {"empty", ""},
        {"breaks only", "\n\r\n\r"}};
    for (const auto& [name, text] : texts) {
        SCOPED_TRACE(name);
        dir.writeText("t.txt", text);
        LineReader reader(dir.file("t.txt"), "t.txt");
        std::vector<std::string> lines;
        for (std::string l; reader.next(l);) lines.push_back(l);
        EXPECT_EQ(lines, splitLines(text));
    }
    EXPECT_THROW(LineReader(dir.path(), "folder"), IoError);
}
