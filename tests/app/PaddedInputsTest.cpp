// SPDX-License-Identifier: GPL-3.0-or-later
// Every reader of the program given a file padded to a gigabyte: each must
// take what it can use (or refuse the file) with memory in proportion to
// that, not to the file. The readers run in a child process whose peak
// memory is measured.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <memory>

#include "model/scenario/Scenario.h"
#include "model/figures/FigureStore.h"
#include "model/formats/DataSetLoad.h"
#include "model/formats/FormatMessages.h"
#include "model/options/DisplayOptions.h"
#include "model/options/OptionFile.h"
#include "platform/files/IoError.h"
#include "platform/files/ByteReader.h"
#include "platform/pixels/Bmp.h"
#include "support/TempDir.h"

using namespace vantor;

namespace {

constexpr off_t Gigabyte = off_t(1) << 30;

void paddedFile(const std::string& path, const std::vector<std::uint8_t>& prefix, off_t size) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, prefix.data(), prefix.size()), static_cast<ssize_t>(prefix.size()));
    ASSERT_EQ(::ftruncate(fd, size), 0);
    ::close(fd);
}

long residentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

struct ChildResult {
    char failure[200] = {};  // empty when the reader did what the row expects
    long growthKilobytes = 0;  // peak memory above what the child started with
};

// Runs `read` in a child process; it returns "" when the reader behaved.
ChildResult inChild(const std::function<std::string()>& read) {
    int fds[2];
    EXPECT_EQ(::pipe(fds), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        ChildResult r;
        const long before = residentKilobytes();
        std::string failure;
        try {
            failure = read();
        } catch (const std::exception& e) {
            failure = std::string("unexpected exception: ") + e.what();
        }
        rusage usage{};
        ::getrusage(RUSAGE_SELF, &usage);
        r.growthKilobytes = usage.ru_maxrss - before;
        failure.copy(r.failure, sizeof r.failure - 1);
        [[maybe_unused]] const auto n = ::write(fds[1], &r, sizeof r);
        ::_exit(0);
    }
    ::close(fds[1]);
    ChildResult r;
    EXPECT_EQ(::read(fds[0], &r, sizeof r), static_cast<ssize_t>(sizeof r));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return r;
}

std::string thrown(const std::function<void()>& action) {
    try {
        action();
    } catch (const IoError& e) {
        return e.what();
    }
    return "";
}

std::vector<std::uint8_t> vertexRecord(float x, float y, std::int32_t figure) {
    ByteWriter w;
    w.f32(x), w.f32(y), w.u8(1), w.zeros(3), w.i32(figure);
    return w.bytes;
}

}  // namespace

// Regression: every reader read the whole file before looking at it (a
// padded .va4 took 1.05 GB, a padded option file 2 GB).
TEST(PaddedInputs, ReadOnlyWhatTheyUse) {
    test::TempDir dir;
    const Files files(dir.path());
    const DisplayOptions defaults;
    const auto load = [&](DataFormat format, const std::string& file, FigureStore& store) {
        return loadDataSet(store, files, format, file, baseNameOf(file), LoadMode::Replace, nullptr);
    };
    // Zero bytes are whole records of every binary format: the padding
    // reads as more vertices or figures than fit.
    paddedFile(dir.file("a.va4"), vertexRecord(1, 2, 1), Gigabyte);
    paddedFile(dir.file("b.va2"), {}, Gigabyte);
    paddedFile(dir.file("c.va4"), vertexRecord(1, 2, 1), 16);
    paddedFile(dir.file("c.zuk"), {}, Gigabyte);
    paddedFile(dir.file("d.csv"), {'1', ',', '2', '\r', '\n'}, Gigabyte);
    paddedFile(dir.file("e.van"), {'1', '\r', '\n'}, Gigabyte);
    DisplayOptions written;
    written.centerX = 123;
    paddedFile(dir.file("f.vop"), encodeOptions(written), Gigabyte);
    paddedFile(dir.file("g.snr"), {'g', '0', '0', '1'}, Gigabyte);
    Bitmap picture(600, 400, PixelFormat::Rgb32);
    paddedFile(dir.file("h.bmp"), encodeBmp(picture), 20 * Gigabyte);

    const std::vector<std::pair<const char*, std::function<std::string()>>> rows = {
        {".va4", [&] {
             auto store = std::make_unique<FigureStore>(defaults);
             const ReadResult r = load(DataFormat::Va4, "a.va4", *store);
             // Each zero record ends a figure: the figures overflow too.
             return r.problem.rfind(formatMessages::tooManyVertices(), 0) == 0 ? "" : r.problem;
         }},
        {".va2", [&] {
             auto store = std::make_unique<FigureStore>(defaults);
             // Each zero record ends a figure: the figures overflow too.
             const ReadResult r = load(DataFormat::Va2, "b.va2", *store);
             return r.problem.rfind(formatMessages::tooManyVertices(), 0) == 0 ? "" : r.problem;
         }},
        {".zuk", [&] {
             auto store = std::make_unique<FigureStore>(defaults);
             const ReadResult r = load(DataFormat::Va4, "c.va4", *store);
             return r.problem.find(formatMessages::tooManyFigures()) != std::string::npos ? "" : r.problem;
         }},
        {".csv refused", [&] {
             auto store = std::make_unique<FigureStore>(defaults);
             const std::string e = thrown([&] { load(DataFormat::Csv, "d.csv", *store); });
             return e.find("ファイルが大きすぎます") != std::string::npos ? "" : "not refused: " + e;
         }},
        {".van refused", [&] {
             auto store = std::make_unique<FigureStore>(defaults);
             const std::string e = thrown([&] { load(DataFormat::Van, "e.van", *store); });
             return e.find("ファイルが大きすぎます") != std::string::npos ? "" : "not refused: " + e;
         }},
        {".vop: one record", [&] {
             DisplayOptions o;
             readOptionFile(files, "f.vop", o);
             return o.centerX == 123 ? "" : "record not read";
         }},
        {".snr refused", [&] {
             const std::string e = thrown([&] { readScenarioFile(files, "g.snr"); });
             return e.find("シナリオファイルが大きすぎます") != std::string::npos ? "" : "not refused: " + e;
         }},
        {"frame picture padded to 20 GB", [&] {
             const Bitmap b = loadFramePicture(files, dir.path(), "h");
             return b.width() == 600 ? "" : "picture not read";
         }},
    };
    for (const auto& [name, read] : rows) {
        SCOPED_TRACE(name);
        const ChildResult r = inChild(read);
        EXPECT_STREQ(r.failure, "");
        // The largest use is the frame picture, 960 KB of pixels twice.
        EXPECT_LT(r.growthKilobytes, 64 * 1024);
    }
}
