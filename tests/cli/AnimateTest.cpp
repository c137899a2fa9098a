// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <filesystem>
#include <regex>
#include <set>
#include <sstream>

#include "Commands.h"
#include "model/figures/FigureStore.h"
#include "model/formats/DataSetFiles.h"
#include "model/options/DisplayOptions.h"
#include "model/options/OptionFile.h"
#include "platform/files/BoundedRead.h"
#include "platform/files/Files.h"
#include "platform/pixels/Bmp.h"
#include "support/ProgramFixture.h"
#include "support/ScenarioHarness.h"
#include "support/ScriptedDesktop.h"
#include "app/Program.h"
#include "windows/control/ControlWindow.h"
#include "windows/display/DisplayWindow.h"
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
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_NE(entry.path().filename().string().rfind(".vt", 0), 0u) << "a temporary stayed: " << entry.path();
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

namespace {

// The delay the command printed ("N ms each").
int printedDelay(const std::string& text) {
    std::smatch m;
    if (!std::regex_search(text, m, std::regex(R"(, (-?\d+) ms each)"))) return -1;
    return std::stoi(m[1].str());
}

// Every frame's delay as the file stores it, in milliseconds; -1 when they differ.
int storedDelay(const std::vector<std::uint8_t>& bytes, bool gif) {
    const test::DecodedAnimation a = gif ? test::decodeGif(bytes) : test::decodeApng(bytes);
    std::set<int> delays;
    for (const auto& f : a.frames) delays.insert(gif ? f.delay * 10 : f.delay);
    return delays.size() == 1 ? *delays.begin() : -1;
}

void writeVase(const test::TempDir& dir) {
    for (const char* ext : {".va4", ".zuk", ".vop"})
        std::filesystem::copy_file(std::string(VANTOR_EXAMPLES) + "/vase" + ext, dir.file(std::string("vase") + ext));
}

}  // namespace

// Regression: "--delay 25" printed 25 ms and stored 30, the simulation
// printed its 5 ms interval and stored 20, and an option file's interval of
// 0 or 10^9 went into the file unchecked.
TEST_F(Animate, PrintedDelayIsTheStoredDelay) {
    struct Row {
        const char* name;
        std::vector<std::string> args;  // after the input
        std::int32_t fileInterval;      // the option file's simulation interval; 0 = no file
        int gifMs, apngMs;
    };
    frame("car001", 0x200000);
    dir.writeText("car.snr", "car001\r\ncar001\r\n");
    writeVase(dir);
    const Row rows[] = {
        {"--delay 1", {"--delay", "1"}, 0, 20, 1},
        {"--delay 14", {"--delay", "14"}, 0, 20, 14},
        {"--delay 25", {"--delay", "25"}, 0, 30, 25},
        {"--delay 100", {"--delay", "100"}, 0, 100, 100},
        {"--delay 65535", {"--delay", "65535"}, 0, 65540, 65535},
        {"simulation at 5 ms", {"--simulation"}, 0, 20, 5},
        {"simulation at 25 ms", {"--simulation", "--set", "simuInterval=25"}, 0, 30, 25},
        {"option file's interval 0", {"--simulation"}, -1, 20, 1},
        {"option file's interval -5", {"--simulation"}, -5, 20, 1},
        {"option file's interval 10^9", {"--simulation"}, 1000000000, 1000, 1000},
    };
    for (const Row& r : rows) {
        for (const bool gif : {true, false}) {
            SCOPED_TRACE(std::string(r.name) + (gif ? " gif" : " apng"));
            const bool simulation = r.args.front() == "--simulation";
            std::vector<std::string> args{simulation ? dir.file("vase.va4") : dir.file("car.snr")};
            args.insert(args.end(), r.args.begin(), r.args.end());
            if (simulation) args.insert(args.end(), {"--set", "simuUnitAngle=30", "--color-depth", "8"});
            if (r.fileInterval != 0) {
                DisplayOptions o;
                o.setFactoryValues();
                o.simuInterval = r.fileInterval == -1 ? 0 : r.fileInterval;
                dir.write("x.vop", encodeOptions(o));
                args.insert(args.end(), {"--options", dir.file("x.vop")});
            }
            args.insert(args.end(), {"-o", dir.file(gif ? "out.gif" : "out.png")});
            ASSERT_EQ(run(args), 0) << err.str();
            const int want = gif ? r.gifMs : r.apngMs;
            EXPECT_EQ(printedDelay(out.str()), want) << out.str();
            EXPECT_EQ(storedDelay(dir.read(gif ? "out.gif" : "out.png"), gif), want);
        }
    }
}

namespace {
double psnr(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
    double sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        for (int shift : {0, 8, 16}) {
            const double d = double((a[i] >> shift) & 0xFF) - double((b[i] >> shift) & 0xFF);
            sum += d * d;
        }
    const double mse = sum / (3.0 * static_cast<double>(a.size()));
    return mse == 0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / mse);
}
}  // namespace

// The example vase's true-colour turn has more than 256 colours a frame; the
// lossless APNG of the same turn is the reference. giflib's quantizer kept
// 43.6 dB at 152,479 bytes.
TEST_F(Animate, QuantizedVaseFramesKeepAtLeast48Decibels) {
    writeVase(dir);
    for (const char* out : {"turn.gif", "turn.png"})
        ASSERT_EQ(run({dir.file("vase.va4"), "--simulation", "--set", "simuUnitAngle=30", "-o", dir.file(out)}), 0)
            << err.str();
    const auto gifBytes = dir.read("turn.gif");
    const test::DecodedAnimation gif = test::decodeGif(gifBytes);
    const test::DecodedAnimation png = test::decodeApng(dir.read("turn.png"));
    ASSERT_EQ(gif.frames.size(), png.frames.size());
    for (std::size_t i = 0; i < gif.frames.size(); ++i) {
        SCOPED_TRACE(i);
        const auto& want = png.frames[i].pixels;
        ASSERT_GT(std::set<std::uint32_t>(want.begin(), want.end()).size(), 256u) << "not a quantized frame";
        EXPECT_GE(psnr(gif.frames[i].pixels, want), 48.0);
    }
    EXPECT_LE(gifBytes.size(), 152479u);
}

// The command has no window: its turn must be the one the display window
// shows after the rotate command, frame by frame, on both colour paths.
TEST_F(Animate, SimulationFramesAreTheDisplayWindowsFrames) {
    DisplayOptions options;
    options.setFactoryValues();
    options.simuUnitAngle = 30;
    options.viewHeight = 30;
    FigureStore store(options);
    store.clearVertices();
    store.resetFigureTable();
    test::setVertices(store, 12);
    const Files files(dir.path());
    DataSetFiles(store, files).save(DataFormat::Va4, dir.file("cup.va4"), dir.file("cup.zuk"));
    writeOptionFile(files, dir.file("cup.vop"), options);
    for (int depth : {32, 8}) {
        SCOPED_TRACE(depth);
        ASSERT_EQ(run({dir.file("cup.va4"), "--simulation", "--color-depth", std::to_string(depth), "-o",
                       dir.file("turn.png")}),
                  0)
            << err.str();
        const test::DecodedAnimation written = test::decodeApng(dir.read("turn.png"));

        test::ScriptedDesktop desktop;
        desktop.screenInfo.bitsPerPixel = depth;
        Program program(desktop, test::configIn(dir));
        program.controlWindow().activate();
        program.displayWindow().loadOptionFile(dir.file("cup.vop"));
        program.store.clearVertices();
        program.store.resetFigureTable();
        DataSetFiles(program.store, program.files).load(DataFormat::Va4, dir.file("cup.va4"), dir.file("cup.zuk"));
        program.store.HighestFigure = program.store.LoadedHighest;
        program.controlWindow().RotateExecute();
        DisplayWindow& display = program.displayWindow();
        display.mnSimuStartClick();
        ASSERT_EQ(written.frames.size(), static_cast<std::size_t>(display.simuTicksPerTurn()));
        for (std::size_t i = 0; i < written.frames.size(); ++i) {
            SCOPED_TRACE(i);
            display.simuTimerTimer();
            const Bitmap& shown = display.displayPicture();
            std::vector<std::uint32_t> pixels;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x) {
                    const TColor c = shown.pixelColor(x, y);
                    pixels.push_back(std::uint32_t(colorR(c)) << 16 | std::uint32_t(colorG(c)) << 8 | colorB(c));
                }
            ASSERT_EQ(written.frames[i].pixels, pixels);
        }
    }
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
