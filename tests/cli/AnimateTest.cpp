#include <gtest/gtest.h>
#include <gif_lib.h>

#include <sstream>

#include "Commands.h"
#include "platform/pixels/Bmp.h"
#include "support/TempDir.h"

using namespace vantor;

namespace {

struct Gif {
    int width = 0, height = 0, frames = 0;
    std::vector<int> delays;
};

// Read back with giflib's own decoder.
Gif readGif(const std::string& path) {
    Gif g;
    int err = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &err);
    if (!gif) {
        ADD_FAILURE() << "cannot open " << path;
        return g;
    }
    EXPECT_EQ(DGifSlurp(gif), GIF_OK);
    g.width = gif->SWidth;
    g.height = gif->SHeight;
    g.frames = gif->ImageCount;
    for (int i = 0; i < gif->ImageCount; ++i) {
        GraphicsControlBlock gcb{};
        DGifSavedExtensionToGCB(gif, i, &gcb);
        g.delays.push_back(gcb.DelayTime);
    }
    DGifCloseFile(gif, &err);
    return g;
}

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
    const Gif g = readGif(dir.file("car.gif"));
    EXPECT_EQ(g.width, 60);
    EXPECT_EQ(g.height, 40);
    EXPECT_EQ(g.frames, 3);
    EXPECT_EQ(g.delays, (std::vector<int>{15, 15, 15}));
    EXPECT_NE(out.str().find("3 frames"), std::string::npos);
}

TEST_F(Animate, MissingFramesAreSkippedWithANote) {
    frame("car001", 0x200000);
    dir.writeText("car.snr", "car001\r\ncar002\r\n../car001\r\n");
    ASSERT_EQ(run({dir.file("car.snr"), "-o", dir.file("car.gif")}), 0);
    EXPECT_EQ(readGif(dir.file("car.gif")).frames, 1);
    EXPECT_EQ(readGif(dir.file("car.gif")).delays, std::vector<int>{10});
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

TEST_F(Animate, PngOutputIsAnAnimatedPng) {
    frame("a", 0x200000);
    frame("b", 0x002000);
    dir.writeText("s.snr", "a\r\nb\r\n");
    ASSERT_EQ(run({dir.file("s.snr"), "-o", dir.file("s.png"), "--delay", "80"}), 0);
    const auto bytes = dir.read("s.png");
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(text.substr(1, 3), "PNG");
    EXPECT_NE(text.find("acTL"), std::string::npos);
    EXPECT_NE(text.find("fdAT"), std::string::npos);
}
