#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>

#include "Commands.h"
#include "control/FigureStore.h"
#include "control/formats/DataSetFiles.h"
#include "display/DisplayOptions.h"
#include "platform/files/BoundedRead.h"
#include "platform/files/Files.h"
#include "platform/pixels/Bmp.h"
#include "anime/AnimeHarness.h"
#include "support/TempDir.h"

using namespace vantor;

namespace {

struct Animate : ::testing::Test {
    test::TempDir dir;
    std::ostringstream out, err;
    void frame(const std::string& name, std::uint32_t rgb, int w = 60, int h = 40) {
        Bitmap b(w, h, PixelFormat::Rgb32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) b.setRawPixel(x, y, rgb + static_cast<std::uint32_t>(x));
        dir.write(name + ".bmp", encodeBmp(b));
    }
    int run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        return cli::animateCommand(args, out, err);
    }
};

}  // namespace

TEST_F(Animate, WritesAGifThatADecoderReadsWithFramesSizeAndDelays) {
    frame("car001", 0x200000);
    frame("car002", 0x002000);
    dir.writeText("car.snr", "car001\r\ncar002\r\ncar002\r\n");
    ASSERT_EQ(run({dir.file("car.snr"), "-o", dir.file("car.gif"), "--delay", "150"}), 0) << err.str();
    const test::DecodedAnimation g = test::decodeGif(dir.read("car.gif"));
    EXPECT_EQ(g.width, 60);
    EXPECT_EQ(g.height, 40);
    EXPECT_TRUE(g.loopsForever);
    ASSERT_EQ(g.frames.size(), 3u);
    for (const auto& f : g.frames) EXPECT_EQ(f.delay, 15);
    EXPECT_NE(out.str().find("3 frames"), std::string::npos);
}

TEST_F(Animate, MissingFramesAreSkippedWithANote) {
    frame("car001", 0x200000);
    dir.writeText("car.snr", "car001\r\ncar002\r\n../car001\r\n");
    ASSERT_EQ(run({dir.file("car.snr"), "-o", dir.file("car.gif")}), 0);
    const test::DecodedAnimation g = test::decodeGif(dir.read("car.gif"));
    ASSERT_EQ(g.frames.size(), 1u);
    EXPECT_EQ(g.frames[0].delay, 10);
    EXPECT_NE(err.str().find("car002"), std::string::npos);
    EXPECT_NE(err.str().find("../car001"), std::string::npos);
}

TEST_F(Animate, FailuresWriteNothing) {
    struct Row {
        const char* name;
        std::string scenario;
        std::vector<std::string> extra;
        int code;
    };
    frame("ok001", 0x200000);
    dir.writeText("broken001.bmp", "BM garbage");
    const Row rows[] = {
        {"empty scenario", "-- empty --\r\n", {}, 1},
        {"no picture at all", "gone001\r\n", {}, 1},
        {"a broken picture", "ok001\r\nbroken001\r\n", {}, 1},
        {"bad delay", "ok001\r\n", {"--delay", "0"}, 2},
        {"bad delay text", "ok001\r\n", {"--delay", "12ms"}, 2},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        dir.writeText("s.snr", r.scenario);
        dir.writeText("out.gif", "previous");
        std::vector<std::string> args{dir.file("s.snr"), "-o", dir.file("out.gif")};
        args.insert(args.end(), r.extra.begin(), r.extra.end());
        EXPECT_EQ(run(args), r.code);
        const auto kept = dir.read("out.gif");
        EXPECT_EQ(std::string(kept.begin(), kept.end()), "previous");
        EXPECT_FALSE(err.str().empty());
    }
    EXPECT_EQ(run({dir.file("nothere.snr"), "-o", dir.file("x.gif")}), 1);
    EXPECT_EQ(run({dir.file("s.snr"), "-o", dir.file("x.jpg")}), 2);
}

// One turn of the rotation simulation, tick by tick, on both colour paths.
TEST_F(Animate, SimulationTurnIsOneFramePerTick) {
    DisplayOptions options;
    options.setFactoryValues();
    FigureStore store(options);
    store.clearVertices();
    store.resetFigureTable();
    test::setVertices(store, 12);
    DataSetFiles(store, Files(dir.path())).save(DataFormat::Va4, dir.file("cup.va4"), dir.file("cup.zuk"));
    for (const char* depth : {"32", "8"}) {
        SCOPED_TRACE(depth);
        ASSERT_EQ(run({dir.file("cup.va4"), "--simulation", "--color-depth", depth, "--set", "simuUnitAngle=30", "-o",
                       dir.file("turn.gif")}),
                  0)
            << err.str();
        const test::DecodedAnimation g = test::decodeGif(dir.read("turn.gif"));
        ASSERT_EQ(g.frames.size(), 12u) << "360 / 30 ticks, or 180 / 15 palette steps";
        EXPECT_EQ(g.width, 600);
        EXPECT_EQ(g.frames[0].delay, 2) << "the simulation's own interval, no shorter than GIF plays";
        for (std::size_t i = 1; i < g.frames.size(); ++i) EXPECT_NE(g.frames[i].pixels, g.frames[i - 1].pixels) << i;
    }
    EXPECT_EQ(run({dir.file("x.snr"), "--simulation", "-o", dir.file("x.gif")}), 2) << "a scenario does not turn";
    EXPECT_EQ(run({dir.file("cup.va4"), "--set", "simuUnitAngle=7", "-o", dir.file("x.gif")}), 2);
}

// Regression: rejected lines were printed raw, so a scenario could set the
// terminal's title and clear its screen.
TEST_F(Animate, RejectedLinesAreQuotedWithTheirControlCharactersEscaped) {
    frame("ok001", 0x200000);
    dir.writeText("e.snr", "ok001\r\n\x1b]0;X\x07\x1b[2J\r\n");
    ASSERT_EQ(run({dir.file("e.snr"), "-o", dir.file("e.gif")}), 0) << err.str();
    EXPECT_NE(err.str().find("'\\x1b]0;X\\x07\\x1b[2J'"), std::string::npos) << err.str();
    for (char c : err.str()) EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= 0x20) << int(c);
}

TEST_F(Animate, AFifoNamedAsScenarioIsRefusedWithoutWaiting) {
    ASSERT_EQ(::mkfifo(dir.file("x.snr").c_str(), 0600), 0);
    EXPECT_EQ(run({dir.file("x.snr"), "-o", dir.file("x.gif")}), 1);
    EXPECT_NE(err.str().find(NotRegularFileMessage), std::string::npos) << err.str();
}
