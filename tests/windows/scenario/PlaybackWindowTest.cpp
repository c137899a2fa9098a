// SPDX-License-Identifier: GPL-3.0-or-later
#include <filesystem>
#include <fstream>

#include "support/ScenarioHarness.h"
#include "windows/control/ControlWindow.h"
#include "windows/display/DisplayWindow.h"
#include "platform/pixels/Bmp.h"

using namespace vantor;
using namespace vantor::test;

namespace {
constexpr TColor Red = 0x0000FF, Green = 0x00FF00, Blue = 0xFF0000;

struct Playback : ScenarioWindowFixture {
    ControlWindow& control() { return program->controlWindow(); }
    // Colour of the frame on screen.
    TColor shown() { return playback().frameBitmap.pixelColor(0, 0); }
    void start(const std::string& text) {
        openScenario("s.snr", text);
        editor().show();
        program->displayWindow().show();
        editor().btnPlay.click();
    }
    // Colours shown by the next `n` ticks of the shared timer.
    std::vector<TColor> ticks(int n) {
        std::vector<TColor> seen;
        for (int i = 0; i < n; ++i) {
            program->clock.timer.tick();
            seen.push_back(shown());
        }
        return seen;
    }
};
}  // namespace

TEST_F(Playback, StartShowsTheFirstFrameAndTakesTheTimer) {
    frame("a", Red);
    frame("b", Green);
    playback().scbVelocity.setPosition(120);
    start("a\r\nb\r\n");
    EXPECT_EQ(playback().caption(), "アニメ表示　s");
    EXPECT_TRUE(playback().visible());
    EXPECT_EQ(shown(), Red);
    EXPECT_FALSE(editor().visible());
    EXPECT_FALSE(program->displayWindow().visible());
    EXPECT_EQ(program->clock.client(), TimerClient::Playback);
    EXPECT_TRUE(program->clock.timer.enabled());
    EXPECT_EQ(program->clock.timer.interval(), 120);
    EXPECT_EQ(ticks(3), (std::vector<TColor>{Green, Red, Green}));
}

TEST_F(Playback, OneFrameAndRepeatedFrames) {
    struct Row {
        const char* name;
        std::string scenario;
        std::vector<TColor> ticks;
    };
    frame("a", Red);
    frame("b", Green);
    frame("c", Blue);
    const Row rows[] = {
        {"one frame on every tick", "a\r\n", {Red, Red, Red}},
        {"a frame listed twice stays two ticks", "a\r\nb\r\nb\r\nc\r\n", {Green, Green, Blue, Red, Green}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        start(r.scenario);
        EXPECT_EQ(ticks(static_cast<int>(r.ticks.size())), r.ticks);
        playback().btnStopPlayback.click();
    }
}

TEST_F(Playback, SpeedChangeKeepsTheSequenceGoing) {
    frame("a", Red);
    frame("b", Green);
    frame("c", Blue);
    start("a\r\nb\r\nc\r\n");
    EXPECT_EQ(ticks(1), std::vector<TColor>{Green});
    int toggles = 0;
    const int sub = program->clock.timer.subscribe([&] { ++toggles; });
    playback().scbVelocity.setPosition(400);
    program->clock.timer.unsubscribe(sub);
    EXPECT_GE(toggles, 3);  // off, on (the period restarts), new interval
    EXPECT_TRUE(program->clock.timer.enabled());
    EXPECT_EQ(program->clock.timer.interval(), 400);
    EXPECT_EQ(ticks(2), (std::vector<TColor>{Blue, Red}));
    // The bar keeps its position for the next playback.
    playback().btnStopPlayback.click();
    start("a\r\n");
    EXPECT_EQ(program->clock.timer.interval(), 400);
}

TEST_F(Playback, EndShowsTheDisplayOnlyWhenThereIsData) {
    frame("a", Red);
    for (int count : {0, 1, 2}) {
        SCOPED_TRACE(count);
        vertices(count);
        start("a\r\n");
        playback().btnStopPlayback.click();
        EXPECT_FALSE(playback().visible());
        EXPECT_FALSE(program->clock.timer.enabled());
        EXPECT_TRUE(editor().visible());
        EXPECT_EQ(program->displayWindow().visible(), count > 1);
    }
    // Ticks after the end change nothing.
    program->clock.timer.setEnabled(true);
    ticks(2);
    EXPECT_FALSE(playback().visible());
}

TEST_F(Playback, PictureLostDuringPlaybackIsReportedOnceAndStops) {
    struct Row {
        const char* name;
        void (*spoil)(const TempDir&);
    };
    const Row rows[] = {
        {"deleted", [](const TempDir& d) { std::filesystem::remove(d.file("b.bmp")); }},
        {"cut short", [](const TempDir& d) { d.writeText("b.bmp", "BM\x10"); }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        desktop.errors.clear();
        frame("a", Red);
        frame("b", Green);
        start("a\r\nb\r\n");
        r.spoil(dir);
        ticks(1);
        ticks(3);
        ASSERT_EQ(desktop.errors.size(), 1u);
        EXPECT_NE(desktop.errors[0].find("b.bmp"), std::string::npos);
        EXPECT_FALSE(program->clock.timer.enabled());
        EXPECT_FALSE(playback().visible());
        EXPECT_TRUE(editor().visible());
    }
}

TEST_F(Playback, UnreadableFirstFrameLeavesTheWindowsAsTheyWere) {
    frame("a", Red);
    openScenario("s.snr", "a\r\n");
    editor().show();
    dir.writeText("a.bmp", "not a picture");
    editor().btnPlay.click();
    EXPECT_EQ(desktop.errors.size(), 1u);
    EXPECT_FALSE(playback().visible());
    EXPECT_TRUE(editor().visible());
    EXPECT_NE(program->clock.client(), TimerClient::Playback);
}

namespace {
// A picture of `width` x `height` whose left half is `left` and right half
// `right` (0x00RRGGBB), with a diagonal line so that scaling shows.
Bitmap halves(int width, int height, std::uint32_t left, std::uint32_t right) {
    Bitmap b(width, height, PixelFormat::Rgb32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.setRawPixel(x, y, x == y ? 0xFFFFFFu : x < width / 2 ? left : right);
    return b;
}
}  // namespace

// Regression: the first frame's size was the whole animation's, so a 1 x 1
// first frame cropped every other frame to one pixel. Each frame of the
// export is what playback shows, at the top left of a picture as large as
// the largest placed frame; a frame larger than the playback area is scaled
// down to fit it.
TEST_F(Playback, ExportPlacesFramesAsPlaybackShowsThem) {
    struct Row {
        const char* name;
        int width, height;
        int placedWidth, placedHeight;
    };
    const Row rows[] = {
        {"tiny", 1, 1, 1, 1},
        {"wide", 1200, 300, 600, 150},
        {"tall", 300, 1600, 75, 400},
        {"small", 300, 200, 300, 200},
    };
    std::string scenario;
    for (const Row& r : rows) {
        dir.write(std::string(r.name) + ".bmp", encodeBmp(halves(r.width, r.height, 0xFF0000, 0x00FF00)));
        scenario += std::string(r.name) + "\r\n";
    }
    openScenario("s.snr", scenario);
    desktop.cancelInput();
    desktop.choose(dir.file("s.gif"));
    editor().btnExport.click();
    const DecodedAnimation gif = decodeGif(dir.read("s.gif"));
    EXPECT_EQ(gif.width, 600);
    EXPECT_EQ(gif.height, 400);
    ASSERT_EQ(gif.frames.size(), std::size(rows));

    editor().show();
    editor().btnPlay.click();
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& r = rows[i];
        SCOPED_TRACE(r.name);
        if (i > 0) program->clock.timer.tick();
        const Bitmap& shown = playback().frameBitmap;
        ASSERT_EQ(shown.width(), r.placedWidth);
        ASSERT_EQ(shown.height(), r.placedHeight);
        int wrong = 0;
        for (int y = 0; y < gif.height; ++y)
            for (int x = 0; x < gif.width; ++x) {
                const std::uint32_t want = x < shown.width() && y < shown.height() ? shown.rawPixel(x, y) : 0;
                wrong += gif.frames[i].pixels[static_cast<std::size_t>(y * gif.width + x)] != want;
            }
        EXPECT_EQ(wrong, 0);
    }
    // Scaled, the halves stay halves.
    program->clock.timer.tick();
    program->clock.timer.tick();
    EXPECT_EQ(playback().frameBitmap.rawPixel(299, 100), 0xFF0000u);
    EXPECT_EQ(playback().frameBitmap.rawPixel(300, 100), 0x00FF00u);
}

// A frame larger than the picture area is scaled once and kept between
// ticks (a huge frame read at every tick blocked the window for seconds),
// but read again once its file changes.
TEST_F(Playback, ScaledFrameIsKeptUntilItsFileChanges) {
    dir.write("big.bmp", encodeBmp(halves(1200, 800, 0xFF0000, 0xFF0000)));
    frame("a", Green);
    start("big\r\na\r\n");
    EXPECT_EQ(playback().frameBitmap.rawPixel(10, 4), 0xFF0000u);
    {
        // Other pixels in the same file, of the same size and time: not read again.
        const auto time = std::filesystem::last_write_time(dir.file("big.bmp"));
        const std::vector<std::uint8_t> other = encodeBmp(halves(1200, 800, 0x00FF00, 0x00FF00));
        std::ofstream(dir.file("big.bmp"), std::ios::binary | std::ios::in | std::ios::out)
            .write(reinterpret_cast<const char*>(other.data()), static_cast<std::streamsize>(other.size()));
        std::filesystem::last_write_time(dir.file("big.bmp"), time);
    }
    ticks(2);
    EXPECT_EQ(playback().frameBitmap.rawPixel(10, 4), 0xFF0000u);
    dir.write("big.bmp", encodeBmp(halves(1200, 900, 0x0000FF, 0x0000FF)));
    ticks(2);
    EXPECT_EQ(playback().frameBitmap.height(), 400);
    EXPECT_EQ(playback().frameBitmap.rawPixel(10, 4), 0x0000FFu);
}

TEST_F(Playback, SpeedBarShowsItsValue) {
    playback().scbVelocity.setPosition(250);
    EXPECT_EQ(playback().lblVelocity.caption(), "250 ミリ秒");
}
