// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh program in a temporary folder, with the display window at hand and
// a count of the still-display passes it runs.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "support/Profiles.h"
#include "app/Program.h"
#include "windows/control/ControlWindow.h"
#include "windows/display/DisplayWindow.h"
#include "support/ProgramFixture.h"

namespace vantor::test {

struct DisplayWindowFixture : ProgramFixture {
    int passes = 0;
    bool m_barShown = false;

    void start(int bitsPerPixel = 32) {
        desktop.screenInfo.bitsPerPixel = bitsPerPixel;
        startProgram();
        program->controlWindow().activate();
        // Every pass shows the progress bar once.
        window().pgbAngle.subscribe([this] {
            const bool visible = window().pgbAngle.visible();
            if (visible && !m_barShown) ++passes;
            m_barShown = visible;
        });
    }
    DisplayWindow& window() { return program->displayWindow(); }
    DisplayOptions& options() { return program->options; }
    void addVase() { addFigure(program->store, vaseProfile(20), 1); }
    const Bitmap& picture() { return window().displayPicture(); }
    // Every third pixel of every third row: enough to see a change.
    std::vector<std::uint32_t> pixels() {
        std::vector<std::uint32_t> v;
        for (int y = 0; y < picture().height(); y += 3)
            for (int x = 0; x < picture().width(); x += 3) v.push_back(picture().rawPixel(x, y));
        return v;
    }
    std::vector<std::uint32_t> allPixels() {
        std::vector<std::uint32_t> v;
        for (int y = 0; y < picture().height(); ++y)
            for (int x = 0; x < picture().width(); ++x) v.push_back(picture().rawPixel(x, y));
        return v;
    }
};

}  // namespace vantor::test
