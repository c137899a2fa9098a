// SPDX-License-Identifier: GPL-3.0-or-later
// The bounds of a scenario's export: pictures scaled down while they are
// read, repeats that cost a few bytes, and FIFOs written as the frames come.
// Memory is measured in a child process, whose peak resident size is its own.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <thread>

#include "export/animation/ScenarioExport.h"
#include "platform/files/Files.h"
#include "platform/files/IoError.h"
#include "platform/pixels/Bmp.h"
#include "support/ScenarioHarness.h"
#include "support/TempDir.h"

using namespace vantor;
using namespace vantor::test;

namespace {

// The address sanitizer's shadow memory makes a resident-size bound
// meaningless, so the memory tests run in the normal build only.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool MemoryIsMeasured = false;
#else
constexpr bool MemoryIsMeasured = true;
#endif

// Runs `work` in a child; its exit code is 0 when it returned true and the
// child's peak resident size stayed under `limitMb`.
template <typename Work>
::testing::AssertionResult inChildUnder(long limitMb, Work work) {
    const pid_t child = ::fork();
    if (child == 0) {
        bool ok = false;
        try {
            ok = work();
        } catch (...) {
        }
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::_Exit(!ok ? 2 : usage.ru_maxrss < limitMb * 1024 ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status)) return ::testing::AssertionFailure() << "child did not exit";
    if (WEXITSTATUS(status) == 2) return ::testing::AssertionFailure() << "work failed";
    if (WEXITSTATUS(status) == 1) return ::testing::AssertionFailure() << "peak resident size over " << limitMb << " MB";
    return ::testing::AssertionSuccess();
}

std::pair<int, int> placed(int w, int h) {
    const FrameSize s = placedSize(w, h);
    return {s.width, s.height};
}

// A BMP of width x height, 24 bits, whose pixel rows exist only as a hole
// in the file (black): the header is all that is written.
void sparseBmp(const std::string& path, int width, int height) {
    const std::uint64_t stride = (std::uint64_t(width) * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> h(54, 0);
    auto put = [&h](std::size_t at, std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i) h[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    h[0] = 'B', h[1] = 'M';
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, static_cast<std::uint32_t>(width), 4);
    put(22, static_cast<std::uint32_t>(height), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(h.data()), 54);
    ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(54 + stride * std::uint64_t(height))), 0);
}

// A picture whose every pixel differs from its neighbours, so that a wrong
// pick shows.
Bitmap pattern(int w, int h, PixelFormat format) {
    Bitmap b(w, h, format);
    if (format == PixelFormat::Indexed8) {
        std::vector<PaletteEntry> entries(256);
        for (int i = 0; i < 256; ++i) entries[static_cast<std::size_t>(i)] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), 7};
        b.attachPalette(std::make_shared<Palette>(std::move(entries)));
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (format == PixelFormat::Indexed8) b.indexRow(y)[x] = static_cast<std::uint8_t>(x * 7 + y * 13);
            else b.rgbRow(y)[x] = static_cast<std::uint32_t>(x) << 12 | static_cast<std::uint32_t>(y);
        }
    return b;
}

}  // namespace

// Reading a picture straight into the playback area gives the pixels that
// reading it whole and then placing it gives: at the area's size (kept), one
// past it either way (scaled), and far beyond.
TEST(FrameShrinkWhileRead, EqualsReadingWholeThenPlacing) {
    TempDir dir;
    struct Case {
        int width, height;
        PixelFormat format;
    };
    const Case cases[] = {{600, 400, PixelFormat::Rgb32}, {601, 400, PixelFormat::Rgb32}, {600, 401, PixelFormat::Indexed8},
                          {1999, 1203, PixelFormat::Rgb32}, {1203, 1999, PixelFormat::Indexed8}, {40, 30, PixelFormat::Rgb32}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        const std::string path = dir.file("p.bmp");
        writeBmpFile(path, pattern(c.width, c.height, c.format));
        Bitmap scratch;
        const Bitmap whole = readBmpFile(path);
        const Bitmap& want = placeFrame(whole, scratch);
        const Bitmap got = readBmpFileFitted(path, "p.bmp", placed);
        ASSERT_EQ(got.width(), want.width());
        ASSERT_EQ(got.height(), want.height());
        ASSERT_EQ(got.format(), want.format());
        for (int y = 0; y < got.height(); ++y)
            for (int x = 0; x < got.width(); ++x) ASSERT_EQ(got.pixelColor(x, y), want.pixelColor(x, y)) << x << "," << y;
    }
}

TEST(FrameShrinkWhileRead, TruncatedPictureIsRefusedAsWhenReadWhole) {
    TempDir dir;
    const std::string path = dir.file("t.bmp");
    writeBmpFile(path, pattern(1200, 800, PixelFormat::Rgb32));
    ASSERT_EQ(::truncate(path.c_str(), 54 + 1200 * 3 * 799), 0);
    EXPECT_THROW(readBmpFile(path), IoError);
    EXPECT_THROW(readBmpFileFitted(path, "t.bmp", placed), IoError);
}

TEST(FrameShrinkWhileRead, HugeFrameCostsTheAreaNotItsHeader) {
    if (!MemoryIsMeasured) GTEST_SKIP() << "the sanitizer build cannot measure memory";
    TempDir dir;
    sparseBmp(dir.file("huge.bmp"), 16384, 16384);
    EXPECT_TRUE(inChildUnder(64, [&] {
        const Bitmap b = readBmpFileFitted(dir.file("huge.bmp"), "huge.bmp", placed);
        return b.width() == 400 && b.height() == 400 && b.pixelColor(399, 399) == 0;
    }));
}

TEST(ScenarioExportBounds, RepeatedFrameGrowsTheFileByAFewBytesARepeat) {
    TempDir dir;
    writeBmpFile(dir.file("f001.bmp"), pattern(300, 200, PixelFormat::Rgb32));
    writeBmpFile(dir.file("f002.bmp"), pattern(300, 200, PixelFormat::Indexed8));
    for (AnimationFormat format : {AnimationFormat::Gif, AnimationFormat::Apng}) {
        SCOPED_TRACE(format == AnimationFormat::Gif ? "gif" : "apng");
        auto bytes = [&](int repeats) {
            std::vector<std::string> names{"f002"};
            names.insert(names.end(), static_cast<std::size_t>(repeats), "f001");
            const ScenarioExport e = exportScenario(Files(dir.path()), dir.path(), names, 100, format, "out.anim");
            EXPECT_EQ(e.frames, repeats + 1);
            return e.bytes;
        };
        const std::uint64_t one = bytes(1), many = bytes(1001);
        EXPECT_LE((many - one) / 1000, format == AnimationFormat::Gif ? 30u : 70u);
        const std::vector<std::uint8_t> file = dir.read("out.anim");
        const DecodedAnimation a = format == AnimationFormat::Gif ? decodeGif(file) : decodeApng(file);
        ASSERT_EQ(a.frames.size(), 1002u);
        EXPECT_EQ(a.frames[1001].pixels, a.frames[1].pixels);
    }
}

namespace {
// Drains a FIFO into `target` (or nowhere) on a thread of its own. The FIFO
// is opened here, so a writer finds its reader at once; the thread ends when
// the writer closes it.
struct FifoReader {
    int fd;
    std::thread thread;
    FifoReader(const std::string& path, std::vector<std::uint8_t>* target)
        : fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK)) {
        thread = std::thread([fd = fd, target] {
            std::vector<std::uint8_t> buf(1 << 16);
            for (;;) {
                pollfd p{fd, POLLIN, 0};
                if (::poll(&p, 1, 20000) <= 0) return;  // a writer that never comes
                const ssize_t n = ::read(fd, buf.data(), buf.size());
                if (n == 0) return;
                if (n > 0 && target) target->insert(target->end(), buf.begin(), buf.begin() + n);
            }
        });
    }
    ~FifoReader() {
        thread.join();
        ::close(fd);
    }
};
}  // namespace

TEST(ScenarioExportBounds, FifoGetsTheBytesOfTheFile) {
    TempDir dir;
    writeBmpFile(dir.file("a.bmp"), pattern(200, 100, PixelFormat::Rgb32));
    writeBmpFile(dir.file("b.bmp"), pattern(200, 100, PixelFormat::Indexed8));
    const std::vector<std::string> names{"a", "b", "b", "a"};
    for (AnimationFormat format : {AnimationFormat::Gif, AnimationFormat::Apng}) {
        SCOPED_TRACE(format == AnimationFormat::Gif ? "gif" : "apng");
        exportScenario(Files(dir.path()), dir.path(), names, 100, format, "file.anim");
        ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
        std::vector<std::uint8_t> streamed;
        {
            FifoReader reader(dir.file("fifo"), &streamed);
            exportScenario(Files(dir.path()), dir.path(), names, 100, format, "fifo");
        }
        EXPECT_EQ(streamed, dir.read("file.anim"));
        ::unlink(dir.file("fifo").c_str());
    }
}

TEST(ScenarioExportBounds, TwoThousandFramesIntoAFifoStayUnder64Megabytes) {
    if (!MemoryIsMeasured) GTEST_SKIP() << "the sanitizer build cannot measure memory";
    TempDir dir;
    // Two pictures with a patch of noise taking turns: each frame stores
    // 77 KB that do not compress, 150 MB in all, which the FIFO must take
    // as they come.
    for (const char* name : {"n1", "n2"}) {
        Bitmap noise(600, 400, PixelFormat::Rgb32);
        std::uint32_t seed = name[1];
        for (int y = 0; y < 160; ++y)
            for (int x = 0; x < 160; ++x) {
                seed = seed * 1664525u + 1013904223u;
                noise.setRawPixel(x, y, seed >> 8);
            }
        writeBmpFile(dir.file(std::string(name) + ".bmp"), noise);
    }
    std::vector<std::string> names;
    for (int i = 0; i < 2000; ++i) names.push_back(i % 2 ? "n2" : "n1");
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    EXPECT_TRUE(inChildUnder(64, [&] {
        FifoReader reader(dir.file("fifo"), nullptr);
        const ScenarioExport e = exportScenario(Files(dir.path()), dir.path(), names, 100, AnimationFormat::Apng, "fifo");
        return e.frames == 2000 && e.bytes > 128u << 20;
    }));
}
