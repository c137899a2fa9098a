// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/files/IoError.h"
#include "platform/files/Files.h"
#include "support/TempDir.h"

using namespace vantor;
using vantor::test::TempDir;

namespace {

using Bytes = std::vector<std::uint8_t>;

std::vector<std::string> entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

mode_t modeOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

}  // namespace

// Regression: the temporary had the predictable name NAME.tmp<pid> and was
// opened without O_EXCL / O_NOFOLLOW, so a link planted there made a save
// overwrite the file it pointed at.
TEST(AtomicReplace, PlantedLinkAtTheOldTemporaryNameIsNotFollowed) {
    TempDir dir;
    dir.writeText("victim.txt", "keep me");
    std::filesystem::create_symlink(dir.file("victim.txt"), dir.file("vase.va4.tmp" + std::to_string(::getpid())));
    Files(dir.path()).writeAtomic("vase.va4", {1, 2, 3});
    EXPECT_EQ(dir.read("victim.txt"), Bytes({'k', 'e', 'e', 'p', ' ', 'm', 'e'}));
    EXPECT_EQ(dir.read("vase.va4"), Bytes({1, 2, 3}));
}

// Regression: the temporary's suffix pushed legal names of 247 to 255 bytes
// past the name limit ("File name too long").
TEST(AtomicReplace, LongestLegalNameCanBeSaved) {
    TempDir dir;
    const std::string name(251, 'n');
    Files(dir.path()).writeAtomic(name + ".va4", {7});
    EXPECT_EQ(dir.read(name + ".va4"), Bytes({7}));
}

// Regression: a replaced file came back with the default permissions.
TEST(AtomicReplace, ReplacedFileKeepsItsPermissions) {
    TempDir dir;
    for (mode_t mode : {mode_t(0600), mode_t(0640), mode_t(0755)}) {
        SCOPED_TRACE(mode);
        dir.writeText("secret.vop", "old");
        ASSERT_EQ(::chmod(dir.file("secret.vop").c_str(), mode), 0);
        Files(dir.path()).writeAtomic("secret.vop", {1});
        EXPECT_EQ(modeOf(dir.file("secret.vop")), mode);
    }
}

// Regression: a destination that is a symbolic link was replaced by a plain
// file; the link must stay and its target take the new content.
TEST(AtomicReplace, LinkedDestinationIsWrittenThroughToItsTarget) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("real"));
    dir.writeText("real/vase.va4", "old");
    std::filesystem::create_symlink("real/vase.va4", dir.file("vase.va4"));
    std::filesystem::create_symlink(dir.file("nowhere.va4"), dir.file("dangling.va4"));
    Files files(dir.path());
    files.writeAtomic("vase.va4", {9});
    files.writeAtomic("dangling.va4", {8});
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("vase.va4")));
    EXPECT_EQ(dir.read("real/vase.va4"), Bytes({9}));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("dangling.va4")));
    EXPECT_EQ(dir.read("nowhere.va4"), Bytes({8}));
    EXPECT_EQ(entries(dir.file("real")), std::vector<std::string>{"vase.va4"});
}

TEST(AtomicReplace, FailedWriteLeavesTheOldFileAndNoTemporary) {
    TempDir dir;
    dir.writeText("vase.va4", "old");
    Files files(dir.path());
    files.setWriteFault([](const std::string&) { return ENOSPC; });
    try {
        files.writeAtomic("vase.va4", Bytes(100, 1));
        ADD_FAILURE() << "no error";
    } catch (const IoError& e) {
        EXPECT_EQ(e.fileName(), "vase.va4");
        EXPECT_NE(std::string(e.what()).find(std::strerror(ENOSPC)), std::string::npos);
    }
    EXPECT_EQ(dir.read("vase.va4"), Bytes({'o', 'l', 'd'}));
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"vase.va4"});
}

TEST(AtomicReplace, SetIsWrittenWholeOrNotAtAll) {
    TempDir dir;
    for (const char* n : {"vase.va4", "vase.zuk", "vase.vop"}) dir.writeText(n, "old");
    Files files(dir.path());
    for (const char* failing : {"vase.va4", "vase.zuk", "vase.vop"}) {
        SCOPED_TRACE(failing);
        files.setWriteFault([&](const std::string& path) { return path == dir.file(failing) ? ENOSPC : 0; });
        EXPECT_THROW(files.writeSetAtomic({{"vase.va4", {1}}, {"vase.zuk", {2}}, {"vase.vop", {3}}}), IoError);
        for (const char* n : {"vase.va4", "vase.zuk", "vase.vop"}) EXPECT_EQ(dir.read(n), Bytes({'o', 'l', 'd'})) << n;
        EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"vase.va4", "vase.vop", "vase.zuk"}));
    }
    files.setWriteFault({});
    files.writeSetAtomic({{"vase.va4", {1}}, {"vase.zuk", {2}}, {"vase.vop", {3}}});
    EXPECT_EQ(dir.read("vase.zuk"), Bytes({2}));
}
