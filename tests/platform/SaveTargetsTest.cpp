// SPDX-License-Identifier: GPL-3.0-or-later
// What a save finds at its destination: FIFOs and devices stay what they
// are, derived names never lead a save through a link.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "platform/files/IoError.h"
#include "platform/files/Files.h"
#include "support/TempDir.h"

using namespace vantor;
using vantor::test::TempDir;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

std::string errorOf(const std::function<void()>& save) {
    try {
        save();
    } catch (const IoError& e) {
        return e.what();
    }
    return "";
}

fs::file_type typeOf(const std::string& path) { return fs::symlink_status(path).type(); }

std::string textOf(const TempDir& dir, const std::string& name) {
    const Bytes b = dir.read(name);
    return std::string(b.begin(), b.end());
}

// A character device made in the test's folder; empty when this process
// may not make or open one (not root, or a file system mounted nodev).
std::string privateDevice(const TempDir& dir, const char* name, unsigned minor) {
    const std::string path = dir.file(name);
    if (::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, minor)) != 0) return {};
    const int fd = ::open(path.c_str(), O_WRONLY);
    if (fd < 0) return {};
    ::close(fd);
    return path;
}

}  // namespace

// Regression: a FIFO or a device named as the output was replaced by a
// plain file, and the save reported success.
TEST(SaveTargets, FifoNamedByTheUserIsWrittenIntoAndStays) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("p.png").c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] {
        const int fd = ::open(dir.file("p.png").c_str(), O_RDONLY);
        char buf[64];
        for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0;) received.append(buf, static_cast<std::size_t>(n));
        ::close(fd);
    });
    // The writer's open waits for the reader; retry while it has not opened yet.
    std::string error;
    for (int i = 0; i < 500; ++i) {
        error = errorOf([&] { Files(dir.path()).writeAtomic("p.png", {'h', 'i'}); });
        if (error.empty()) break;
        ::usleep(2000);
    }
    reader.join();
    EXPECT_EQ(error, "");
    EXPECT_EQ(received, "hi");
    EXPECT_EQ(typeOf(dir.file("p.png")), fs::file_type::fifo);
}

TEST(SaveTargets, DestinationsThatAreNotRegularFiles) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo.va4").c_str(), 0600), 0);
    fs::create_directory(dir.file("folder.va4"));
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const std::string sockPath = dir.file("sock.va4");
    ASSERT_LT(sockPath.size(), sizeof addr.sun_path);
    std::strcpy(addr.sun_path, sockPath.c_str());
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ::close(sock);
    Files files(dir.path());

    struct Row {
        const char* name;
        std::function<void()> save;
        std::string expected;  // in the error text
        const char* stays;
        fs::file_type type;
    };
    const Row rows[] = {
        {"FIFO without a reader", [&] { files.writeAtomic("fifo.va4", {1}); }, NoReaderText, "fifo.va4",
         fs::file_type::fifo},
        {"FIFO as a derived name", [&] { files.writeAtomic("fifo.va4", {1}, NameOrigin::Derived); },
         NotRegularFileText, "fifo.va4", fs::file_type::fifo},
        {"FIFO in a set", [&] { files.writeSetAtomic({{"vase.va4", {1}}, {"fifo.va4", {2}, NameOrigin::Chosen}}); },
         NotRegularFileText, "fifo.va4", fs::file_type::fifo},
        {"folder", [&] { files.writeAtomic("folder.va4", {1}); }, std::strerror(EISDIR), "folder.va4",
         fs::file_type::directory},
        {"socket", [&] { files.writeAtomic("sock.va4", {1}); }, NotRegularFileText, "sock.va4",
         fs::file_type::socket},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string error = errorOf(row.save);
        EXPECT_NE(error.find(row.expected), std::string::npos) << error;
        EXPECT_NE(error.find(row.stays), std::string::npos) << "names the file: " << error;
        EXPECT_EQ(typeOf(dir.file(row.stays)), row.type);
    }
    EXPECT_FALSE(fs::exists(dir.file("vase.va4"))) << "a refused set writes none of its files";
}

TEST(SaveTargets, PrivateDeviceStaysADevice) {
    TempDir dir;
    const std::string null = privateDevice(dir, "null", 3);
    const std::string full = privateDevice(dir, "full", 7);
    if (null.empty() || full.empty()) GTEST_SKIP() << "cannot make device nodes here";
    Files files(dir.path());
    EXPECT_EQ(errorOf([&] { files.writeAtomic("null", Bytes(1000, 7)); }), "");
    EXPECT_NE(errorOf([&] { files.writeAtomic("full", {1}); }).find(std::strerror(ENOSPC)), std::string::npos);
    EXPECT_EQ(typeOf(null), fs::file_type::character);
    EXPECT_EQ(typeOf(full), fs::file_type::character);
}

// Regression: the files beside a data set followed links planted in a
// shared folder and overwrote what they pointed at.
TEST(SaveTargets, DerivedNamesReplaceTheirLinksAndNothingOutside) {
    TempDir dir;
    fs::create_directory(dir.file("shared"));
    dir.writeText("victim", "keep");
    dir.writeText("rc", "keep");
    fs::create_symlink(dir.file("victim"), dir.file("shared/vase.zuk"));
    fs::create_symlink("../rc", dir.file("shared/vase.vop"));
    fs::create_symlink("../made.txt", dir.file("shared/vase.va2"));  // dangling
    Files files(dir.file("shared"));
    files.writeSetAtomic({{"vase.va4", {1}, NameOrigin::Chosen}, {"vase.zuk", {2}}, {"vase.vop", {3}}});
    files.writeAtomic("vase.va2", {4}, NameOrigin::Derived);
    EXPECT_EQ(textOf(dir, "victim"), "keep");
    EXPECT_EQ(textOf(dir, "rc"), "keep");
    EXPECT_FALSE(fs::exists(dir.file("made.txt")));
    for (const char* n : {"shared/vase.zuk", "shared/vase.vop", "shared/vase.va2"}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(typeOf(dir.file(n)), fs::file_type::regular);
    }
    EXPECT_EQ(dir.read("shared/vase.zuk"), Bytes({2}));
}

// The name the user chose, a link, is written through also within a set,
// while the derived files beside it stay beside the link.
TEST(SaveTargets, ChosenLinkInASetIsWrittenThrough) {
    TempDir dir;
    fs::create_directory(dir.file("real"));
    dir.writeText("real/data.va4", "old");
    fs::create_symlink("real/data.va4", dir.file("vase.va4"));
    Files files(dir.path());
    files.writeSetAtomic({{"vase.va4", {1}, NameOrigin::Chosen}, {"vase.zuk", {2}}});
    EXPECT_EQ(typeOf(dir.file("vase.va4")), fs::file_type::symlink);
    EXPECT_EQ(dir.read("real/data.va4"), Bytes({1}));
    EXPECT_EQ(dir.read("vase.zuk"), Bytes({2}));
    EXPECT_FALSE(fs::exists(dir.file("real/data.zuk")));
}

// Regression guard: the journal's name must fit the name limit of a set
// whose first name already uses all of it.
TEST(SaveTargets, LongestLegalNameSavesAsASet) {
    TempDir dir;
    const std::string stem(251, 'n');
    Files files(dir.path());
    files.writeSetAtomic({{stem + ".va4", {1}, NameOrigin::Chosen}, {stem + ".zuk", {2}}});
    EXPECT_EQ(dir.read(stem + ".zuk"), Bytes({2}));
}

// Regression: in a shared sticky folder the system refuses the rename over
// another user's link, and the set was found out only after its first file
// had been renamed: a half-new set.
TEST(SaveTargets, SetOverAnotherUsersLinkInAStickyFolderIsRefusedWhole) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs to save as another user";
    TempDir dir;
    ASSERT_EQ(::chmod(dir.path().c_str(), 01777), 0);
    fs::create_symlink(dir.file("victim"), dir.file("vase.zuk"));  // root's link
    const pid_t child = ::fork();
    if (child == 0) {
        // The save of an ordinary user, who owns nothing in the folder.
        if (::setresgid(65534, 65534, 65534) != 0 || ::setresuid(65534, 65534, 65534) != 0) ::_exit(2);
        const std::string error = errorOf([&] {
            Files(dir.path()).writeSetAtomic({{"vase.va4", {1}, NameOrigin::Chosen}, {"vase.zuk", {2}}});
        });
        ::_exit(error.find(std::strerror(EPERM)) != std::string::npos && error.find("vase.zuk") != std::string::npos ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the save must fail naming the link";
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.path())) names.push_back(e.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"vase.zuk"}) << "nothing of the set was written";
}
