// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh program whose current folder is a temporary scenario folder, with
// helpers that lay frames and scenarios on disk.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "windows/scenario/ScenarioWindow.h"
#include "windows/scenario/PlaybackWindow.h"
#include "app/Program.h"
#include "platform/pixels/Bitmap.h"
#include "support/ProgramFixture.h"

namespace vantor::test {

// A picture of one colour (Rgb32, or Indexed8 with a one-colour palette).
Bitmap solidPicture(TColor color, int width = 8, int height = 6, PixelFormat format = PixelFormat::Rgb32);
// Gifs and PNGs decoded back for the tests.
struct DecodedFrame {
    int width = 0;
    int height = 0;
    int delay = 0;  // GIF: hundredths; APNG: milliseconds
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB
};
struct DecodedAnimation {
    int width = 0;
    int height = 0;
    bool loopsForever = false;
    std::vector<DecodedFrame> frames;
};
// Through giflib's own reader.
DecodedAnimation decodeGif(const std::vector<std::uint8_t>& bytes);
// Chunk by chunk, checking every CRC and the sequence numbers.
DecodedAnimation decodeApng(const std::vector<std::uint8_t>& bytes);

// `count` vertices of one figure, a profile the display draws.
void setVertices(FigureStore& store, int count);

struct ScenarioWindowFixture : ProgramFixture {
    void SetUp() override;
    ScenarioWindow& editor() { return program->scenarioWindow(); }
    PlaybackWindow& playback() { return program->scenarioWindow().playbackWindow(); }

    // A frame picture name.bmp (and name.vop) of one colour in the folder.
    void frame(const std::string& name, TColor color = 0x0000FF, const std::string& folder = "");
    void vertices(int count);
    // Opens a scenario file with the given text through the open button.
    void openScenario(const std::string& file, const std::string& text);
    // A new scenario through the new button (no existing file, no data).
    void newScenario(const std::string& file);
    std::vector<std::string> scenario() { return editor().lstScenario.items(); }
    std::vector<std::string> folder() { return editor().lstFolder.items(); }
    bool exists(const std::string& name) const;
};

}  // namespace vantor::test
