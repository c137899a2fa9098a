// SPDX-License-Identifier: GPL-3.0-or-later
// The render command end to end: data set in, picture file out.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <zlib.h>

#include "Commands.h"
#include "platform/pixels/Png.h"
#include "app/Program.h"
#include "model/options/BrightnessRange.h"
#include "model/figures/FigureStore.h"
#include "windows/control/ControlWindow.h"
#include "model/formats/DataSetFiles.h"
#include "model/options/OptionFile.h"
#include "windows/display/DisplayWindow.h"
#include "platform/files/ByteReader.h"
#include "platform/files/Files.h"
#include "platform/pixels/Bmp.h"
#include "support/FigureBuilder.h"
#include "support/ProgramFixture.h"
#include "support/ScriptedDesktop.h"
#include "cli/RunCommand.h"
#include "support/TempDir.h"

using namespace vantor;
using vantor::test::TempDir;

namespace {

// A cup: foot on the axis, wall, rim; written as a .va4 data set with its
// .zuk (figure 1 as a mesh in a tint of its own) and .vop.
void writeCup(const TempDir& dir, const std::string& name, const DisplayOptions& options) {
    DisplayOptions o = options;
    FigureStore store(o);
    store.clearVertices();
    store.resetFigureTable();
    test::addFigure(store, {{0, -80}, {60, -80}, {70, 0}, {80, 90}, {74, 90}, {64, 0}, {54, -70}, {0, -70}}, 1);
    store.slot(1).method = 3;
    store.slot(1).methodFixed = 1;
    store.slot(1).tintB = 0.3;
    store.slot(1).tintFixed = 1;
    const Files files(dir.path());
    DataSetFiles(store, files).save(DataFormat::Va4, dir.file(name + ".va4"), dir.file(name + ".zuk"));
    writeOptionFile(files, dir.file(name + ".vop"), o);
}

using Rendered = test::CommandRun;
Rendered render(const std::vector<std::string>& args) { return test::runCommand(cli::renderCommand, args); }

// The display window's picture of a given size, as the user's resize asks for it.
struct PictureSize {
    int width = 600;
    int height = 400;
};

// The same picture drawn in-process: load, rotate, and save it with the
// display window's picture command; the window resized first when a size is
// given.
Bitmap drawnByTheProgram(const TempDir& dir, const std::string& name, int bitsPerPixel, const std::string& savedAs = "",
                         std::optional<PictureSize> size = std::nullopt) {
    test::ScriptedDesktop desktop;
    desktop.screenInfo.bitsPerPixel = bitsPerPixel;
    Program program(desktop, test::configIn(dir));
    program.controlWindow().activate();
    if (size) program.displayWindow().resizeClient(size->width, DisplayWindow::PictureTop + size->height);
    program.displayWindow().loadOptionFile(dir.file(name + ".vop"));
    program.store.clearVertices();
    program.store.resetFigureTable();
    DataSetFiles(program.store, program.files).load(DataFormat::Va4, dir.file(name + ".va4"), dir.file(name + ".zuk"));
    program.store.HighestFigure = program.store.LoadedHighest;
    program.controlWindow().RotateExecute();
    if (!savedAs.empty()) {
        desktop.choose(savedAs);
        program.displayWindow().mnSaveClick();
    }
    return program.displayWindow().displayPicture();
}

std::uint32_t be32(const std::vector<std::uint8_t>& d, std::size_t at) {
    return (std::uint32_t(d[at]) << 24) | (std::uint32_t(d[at + 1]) << 16) | (std::uint32_t(d[at + 2]) << 8) | d[at + 3];
}

// Decodes the PNGs this writer makes (filter 0, 8-bit palette or RGB) into
// colours, checking every chunk's CRC on the way.
std::vector<TColor> decodeOwnPng(const std::vector<std::uint8_t>& d, int& w, int& h) {
    const std::vector<std::uint8_t> signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(std::equal(signature.begin(), signature.end(), d.begin()));
    std::vector<std::uint8_t> idat, plte;
    int type = 0;
    std::size_t p = 8;
    while (p + 12 <= d.size()) {
        const std::uint32_t n = be32(d, p);
        const std::string t(d.begin() + static_cast<long>(p) + 4, d.begin() + static_cast<long>(p) + 8);
        EXPECT_EQ(crc32(0, d.data() + p + 4, n + 4), be32(d, p + 8 + n)) << t;
        const auto data = d.begin() + static_cast<long>(p) + 8;
        if (t == "IHDR") {
            w = static_cast<int>(be32(d, p + 8));
            h = static_cast<int>(be32(d, p + 12));
            type = d[p + 17];
        }
        if (t == "PLTE") plte.assign(data, data + n);
        if (t == "IDAT") idat.insert(idat.end(), data, data + n);
        p += 12 + n;
    }
    const std::size_t bpp = type == 3 ? 1 : 3, row = static_cast<std::size_t>(w) * bpp + 1;
    std::vector<std::uint8_t> raw(row * static_cast<std::size_t>(h));
    uLongf size = static_cast<uLongf>(raw.size());
    EXPECT_EQ(uncompress(raw.data(), &size, idat.data(), static_cast<uLong>(idat.size())), Z_OK);
    std::vector<TColor> colours;
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* r = raw.data() + static_cast<std::size_t>(y) * row;
        EXPECT_EQ(r[0], 0);
        for (int x = 0; x < w; ++x) {
            if (type == 3) colours.push_back(rgb(plte[3u * r[1 + x]], plte[3u * r[1 + x] + 1], plte[3u * r[1 + x] + 2]));
            else colours.push_back(rgb(r[1 + 3 * x], r[2 + 3 * x], r[3 + 3 * x]));
        }
    }
    return colours;
}

std::vector<TColor> coloursOf(const Bitmap& b) {
    std::vector<TColor> c;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) c.push_back(b.pixelColor(x, y));
    return c;
}

}  // namespace

TEST(RenderCommand, WritesThePictureTheProgramDraws) {
    TempDir dir;
    DisplayOptions o;
    o.setFactoryValues();
    o.backG = 60;
    o.viewHeight = 30;
    writeCup(dir, "cup", o);
    for (int depth : {32, 8}) {
        SCOPED_TRACE(depth);
        const Bitmap expected = drawnByTheProgram(dir, "cup", depth, dir.file("window.bmp"));
        const std::string depthArg = std::to_string(depth);
        const Rendered bmp = render({dir.file("cup.va4"), "-o", dir.file("cup.bmp"), "--color-depth", depthArg});
        ASSERT_EQ(bmp.code, 0) << bmp.err;
        EXPECT_NE(bmp.out.find("8 vertices"), std::string::npos) << bmp.out;
        const Bitmap written = readBmpFile(dir.file("cup.bmp"));
        EXPECT_EQ(written.format(), depth == 8 ? PixelFormat::Indexed8 : PixelFormat::Rgb32);
        EXPECT_EQ(coloursOf(written), coloursOf(expected));
        EXPECT_EQ(dir.read("cup.bmp"), dir.read("window.bmp")) << "the window's picture command writes the same file";

        const Rendered png = render({dir.file("cup.va4"), "--color-depth", depthArg, "-o", dir.file("cup.PNG")});
        ASSERT_EQ(png.code, 0) << png.err;
        int w = 0, h = 0;
        const std::vector<TColor> colours = decodeOwnPng(dir.read("cup.PNG"), w, h);
        EXPECT_EQ(w, 600);
        EXPECT_EQ(h, 400);
        EXPECT_EQ(colours, coloursOf(expected));
        EXPECT_EQ(colours[0], rgb(0, 60, 0)) << "the data set's own options";
    }
}

TEST(RenderCommand, NamedOptionsOverrideTheDataSetsOptions) {
    TempDir dir;
    DisplayOptions o;
    o.setFactoryValues();
    writeCup(dir, "cup", o);
    o.backR = 200;
    writeOptionFile(Files(dir.path()), dir.file("red.vop"), o);
    const Rendered r = render({dir.file("cup.va4"), "-o", dir.file("cup.png"), "--options", dir.file("red.vop")});
    ASSERT_EQ(r.code, 0) << r.err;
    int w = 0, h = 0;
    EXPECT_EQ(decodeOwnPng(dir.read("cup.png"), w, h)[0], rgb(200, 0, 0));
}

TEST(RenderCommand, SetAssignmentsApplyAfterTheOptionFiles) {
    TempDir dir;
    DisplayOptions o;
    o.setFactoryValues();
    o.backR = 200;
    writeCup(dir, "cup", o);
    const Rendered r = render({dir.file("cup.va4"), "-o", dir.file("cup.png"), "--set", "backG=100", "--set", "backR=0"});
    ASSERT_EQ(r.code, 0) << r.err;
    int w = 0, h = 0;
    EXPECT_EQ(decodeOwnPng(dir.read("cup.png"), w, h)[0], rgb(0, 100, 0));

    for (const char* bad : {"zoom=0", "nosuch=1", "zoom", "unitAngle=4", "backR=256", "tintR=nan"}) {
        SCOPED_TRACE(bad);
        const Rendered b = render({dir.file("cup.va4"), "-o", dir.file("bad.png"), "--set", bad});
        EXPECT_EQ(b.code, 2);
        EXPECT_FALSE(b.err.empty());
        EXPECT_FALSE(Files(dir.path()).fileExists(dir.file("bad.png")));
    }
}

// The command starts from the factory options: a standard option file
// beside the program, read when the program starts, must leave no trace in
// the picture (its brightness bar would otherwise be pulled down by the data
// set's smaller maximum and set the brightness to that maximum).
TEST(RenderCommand, AStandardOptionFileBesideTheProgramChangesNothing) {
    const std::string standard = executableFolder() + "standard.vop";
    if (Files(".").fileExists(standard)) GTEST_SKIP() << standard << " belongs to someone else";
    TempDir dir;
    DisplayOptions o;
    o.setFactoryValues();
    o.lightDistRate = 1.6;
    writeCup(dir, "cup", o);
    DisplayOptions bright;
    bright.setFactoryValues();
    bright.bright = 7000;
    writeOptionFile(Files(dir.path()), standard, bright);
    struct Removed {
        std::string path;
        ~Removed() { std::remove(path.c_str()); }
    } removed{standard};

    const Bitmap expected = drawnByTheProgram(dir, "cup", 32);
    const Rendered r = render({dir.file("cup.va4"), "-o", dir.file("cup.bmp")});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(coloursOf(readBmpFile(dir.file("cup.bmp"))), coloursOf(expected));
}

// A display whose light is so near that its brightness bar ends below the
// thumb pulls the brightness down to the bar's end; the command, which has
// no bar, must draw what the window draws on both sides of that edge.
TEST(RenderCommand, ANearLightPullsTheBrightnessDownAsTheWindowsBarDoes) {
    struct Case {
        const char* name;
        double lightDistRate;  // the bar ends at round((rate + 3)² × 255)
        bool pulled;
    };
    const Case cases[] = {
        {"bar ending at the factory brightness 1000", -1.0197, false},
        {"bar ending one below it, at 999", -1.0203, true},
        {"factory light", 2.4, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DisplayOptions o;
        o.setFactoryValues();
        o.lightDistRate = c.lightDistRate;
        EXPECT_EQ(BrightnessRange::maxOf(o) < BrightnessRange::FactoryThumb, c.pulled);
        for (int depth : {32, 8}) {
            SCOPED_TRACE(depth);
            TempDir dir;
            writeCup(dir, "cup", o);
            const Bitmap expected = drawnByTheProgram(dir, "cup", depth);
            const Rendered r = render({dir.file("cup.va4"), "-o", dir.file("cup.bmp"), "--color-depth", std::to_string(depth)});
            ASSERT_EQ(r.code, 0) << r.err;
            EXPECT_EQ(coloursOf(readBmpFile(dir.file("cup.bmp"))), coloursOf(expected));
        }
    }
}

TEST(RenderCommand, BadInputGetsAClearMessageAndNoPicture) {
    TempDir dir;
    DisplayOptions o;
    o.setFactoryValues();
    writeCup(dir, "cup", o);
    dir.write("empty.va4", {});
    dir.write("broken.va4", {1, 2, 3});
    dir.write("short.vop", std::vector<std::uint8_t>(20, 0));
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string message;
    };
    const std::string out = dir.file("out.png");
    const Case cases[] = {
        {{}, 2, "usage"},
        {{dir.file("cup.va4")}, 2, "usage"},
        {{dir.file("cup.va4"), "-o"}, 2, "needs a value"},
        {{dir.file("cup.va4"), "-o", out, "--color-depth", "7"}, 2, "--color-depth"},
        {{dir.file("cup.va4"), "-o", out, "--fast"}, 2, "unknown option"},
        {{dir.file("cup.txt"), "-o", out}, 2, "unknown data format"},
        {{dir.file("missing.va4"), "-o", out}, 1, "no such file"},
        {{dir.file("cup.va4"), "-o", out, "--options", dir.file("none.vop")}, 1, "no such option file"},
        {{dir.file("empty.va4"), "-o", out}, 1, "no vertices"},
        {{dir.file("broken.va4"), "-o", out}, 1, "no picture written"},
        {{dir.file("cup.va4"), "-o", out, "--options", dir.file("short.vop")}, 1, "short.vop"},
        {{dir.file("cup.va4"), "-o", dir.file("no/such/folder/out.bmp")}, 1, "render"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const Rendered r = render(c.args);
        EXPECT_EQ(r.code, c.code) << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_FALSE(Files(dir.path()).fileExists(out)) << r.err;
    }
}

TEST(PngFile, PaletteAndTrueColour) {
    Bitmap rgbPicture(3, 2, PixelFormat::Rgb32);
    rgbPicture.setRawPixel(2, 1, 0x102030);
    int w = 0, h = 0;
    auto colours = decodeOwnPng(encodePng(rgbPicture), w, h);
    EXPECT_EQ(w, 3);
    EXPECT_EQ(h, 2);
    EXPECT_EQ(colours[5], rgb(0x10, 0x20, 0x30));

    Bitmap indexed(2, 2, PixelFormat::Indexed8);
    indexed.attachPalette(std::make_shared<Palette>(std::vector<PaletteEntry>{{1, 2, 3, true}, {9, 8, 7, true}}));
    indexed.setRawPixel(1, 0, 1);
    indexed.setRawPixel(0, 1, 250);  // beyond the palette: black
    colours = decodeOwnPng(encodePng(indexed), w, h);
    EXPECT_EQ(colours, (std::vector<TColor>{rgb(1, 2, 3), rgb(9, 8, 7), rgb(0, 0, 0), rgb(1, 2, 3)}));
    EXPECT_THROW(encodePng(Bitmap()), std::invalid_argument);
}

// A view reached by dragging in the window, saved as an option file, is
// drawn by the render command exactly as the window shows it after release.
TEST(RenderCommand, ThePictureAfterADragIsTheRenderOfItsSavedOptions) {
    TempDir dir;
    DisplayOptions o;
    o.setFactoryValues();
    writeCup(dir, "cup", o);
    for (int depth : {32, 8}) {
        SCOPED_TRACE(depth);
        test::ScriptedDesktop desktop;
        desktop.screenInfo.bitsPerPixel = depth;
        Program program(desktop, test::configIn(dir));
        program.controlWindow().activate();
        DisplayWindow& w = program.displayWindow();
        w.loadOptionFile(dir.file("cup.vop"));
        program.store.clearVertices();
        program.store.resetFigureTable();
        DataSetFiles(program.store, program.files).load(DataFormat::Va4, dir.file("cup.va4"), dir.file("cup.zuk"));
        program.store.HighestFigure = program.store.LoadedHighest;
        program.controlWindow().RotateExecute();
        w.imgSolid.onMouseDown(MouseButton::Left, ShiftLeft, 300, 200);
        w.imgSolid.onMouseMove(ShiftLeft, 250, 240);
        w.imgSolid.onMouseMove(ShiftLeft, 227, 263);
        w.imgSolid.onMouseUp(MouseButton::Left, 0, 227, 263);
        ASSERT_EQ(program.options.viewHeight, 46.5);
        w.saveOptionFile(dir.file("look.vop"));

        const Rendered r = render({dir.file("cup.va4"), "-o", dir.file("look.bmp"), "--options", dir.file("look.vop"),
                                   "--color-depth", std::to_string(depth)});
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(coloursOf(readBmpFile(dir.file("look.bmp"))), coloursOf(w.displayPicture()));
    }
}

// How --size scales the view. A wider picture of the same height keeps the
// scale and moves the origin by half the extra width: every corner moves by
// whole pixels, so the picture is the window's, shifted. Twice the size
// doubles the zoom scale and the origin exactly, so every corner lies at
// twice its place before rounding: away from the edges of elements (where
// the rounding differs) each pixel of the window's picture is a 2 x 2 block.
TEST(RenderCommand, SizeScalesTheViewToFillThePicture) {
    TempDir dir;
    DisplayOptions o;
    o.setFactoryValues();
    o.viewHeight = 30;
    o.centerX = 280;
    writeCup(dir, "cup", o);
    auto drawn = [&](const std::vector<std::string>& extra) {
        std::vector<std::string> args{dir.file("cup.va4"), "-o", dir.file("sized.bmp"), "--set", "defaultMethod=2"};
        args.insert(args.end(), extra.begin(), extra.end());
        const Rendered r = render(args);
        EXPECT_EQ(r.code, 0) << r.err;
        return readBmpFile(dir.file("sized.bmp"));
    };
    const Bitmap window = drawn({});
    const Bitmap wide = drawn({"--size", "1200x400", "--threads", "3"});
    ASSERT_EQ(wide.width(), 1200);
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 600; ++x) ASSERT_EQ(wide.pixelColor(x + 300, y), window.pixelColor(x, y)) << x << "," << y;

    const Bitmap twice = drawn({"--size", "1200x800"});
    ASSERT_EQ(twice.height(), 800);
    int inner = 0;
    for (int y = 2; y < 398; ++y)
        for (int x = 2; x < 598; ++x) {
            const TColor c = window.pixelColor(x, y);
            bool uniform = true;
            for (int v = -2; v <= 2 && uniform; ++v)
                for (int u = -2; u <= 2 && uniform; ++u) uniform = window.pixelColor(x + u, y + v) == c;
            if (!uniform) continue;
            ++inner;
            for (int v = 0; v < 2; ++v)
                for (int u = 0; u < 2; ++u) ASSERT_EQ(twice.pixelColor(2 * x + u, 2 * y + v), c) << x << "," << y;
        }
    EXPECT_GT(inner, 200000) << "most of the picture is away from element edges";

    for (const char* bad : {"8193x10", "0x5", "600", "600x", "x400", "-5x5", "60ax40"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(render({dir.file("cup.va4"), "-o", dir.file("bad.bmp"), "--size", bad}).code, 2);
    }
    EXPECT_EQ(render({dir.file("cup.va4"), "-o", dir.file("bad.bmp"), "--threads", "0"}).code, 2);
}

// An enlarged display window draws what `render --size` draws, byte for
// byte in the saved file: at the starting size, one pixel past it in each
// direction, only wider, and twice as large; on both colour paths.
TEST(RenderCommand, EnlargedDisplayWindowSavesWhatSizeRenders) {
    TempDir dir;
    DisplayOptions o;
    o.setFactoryValues();
    o.viewHeight = 30;
    o.centerX = 280;
    writeCup(dir, "cup", o);
    const struct {
        const char* name;
        PictureSize size;
    } sizes[] = {{"starting size", {600, 400}},   {"one wider", {601, 400}}, {"one higher", {600, 401}},
                 {"one past both", {601, 401}}, {"wider only", {1000, 400}}, {"twice", {1200, 800}}};
    for (int depth : {32, 8}) {
        for (const auto& row : sizes) {
            SCOPED_TRACE(std::string(row.name) + ", depth " + std::to_string(depth));
            const std::string wxh = std::to_string(row.size.width) + "x" + std::to_string(row.size.height);
            drawnByTheProgram(dir, "cup", depth, dir.file("window.bmp"), row.size);
            const Rendered r = render({dir.file("cup.va4"), "-o", dir.file("cup.bmp"), "--color-depth",
                                       std::to_string(depth), "--size", wxh});
            ASSERT_EQ(r.code, 0) << r.err;
            const Bitmap saved = readBmpFile(dir.file("window.bmp"));
            EXPECT_EQ(saved.width(), row.size.width);
            EXPECT_EQ(saved.height(), row.size.height);
            EXPECT_EQ(dir.read("window.bmp"), dir.read("cup.bmp"));
        }
    }
}
