// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drives the editor as a user does: buttons, menus and mouse gestures on the
// sheet's pixels, with the boxes answered by the scripted desktop.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "app/Program.h"
#include "windows/control/ControlWindow.h"
#include "windows/editor/EditorWindow.h"
#include "support/FigureBuilder.h"
#include "support/ProgramFixture.h"
#include "platform/widgets/VirtualKey.h"

namespace vantor::test {

using Vertex = std::pair<float, float>;
using Figure = Points;

class EditorTest : public ProgramFixture {
protected:
    explicit EditorTest(int bitsPerPixel = 32) {
        desktop.screenInfo.bitsPerPixel = bitsPerPixel;
        restart();
    }

    // A new program with an empty store, its editor shown.
    void restart() {
        startProgram();
        program->controlWindow().activate();  // the first activation resets the figure table
        program->controlWindow().EditorExecute();
    }

    EditorWindow& ed() { return program->editorWindow(); }
    FigureStore& store() { return program->store; }

    // The sheet pixel of a data point (whole numbers).
    static IntPoint at(int x, int y) { return {302 - x, 122 - y}; }

    void press(IntPoint p, MouseButton b = MouseButton::Left) { ed().imgSheet.onMouseDown(b, ShiftNone, p.x, p.y); }
    void move(IntPoint p) { ed().imgSheet.onMouseMove(ShiftNone, p.x, p.y); }
    void release(IntPoint p, MouseButton b = MouseButton::Left) { ed().imgSheet.onMouseUp(b, ShiftNone, p.x, p.y); }
    void drag(IntPoint from, IntPoint to) {
        press(from);
        move(to);
        release(to);
    }
    void click(IntPoint p) {
        press(p);
        release(p);
    }
    // A double click as the host reports it: the second press is a double click.
    void doubleClick(IntPoint p) {
        click(p);
        ed().imgSheet.onDblClick(MouseButton::Left, ShiftNone, p.x, p.y);
        release(p);
    }
    void key(int code, unsigned shift = ShiftNone) { ed().FormKeyDown(code, shift); }
    void escape() { key(vk::Escape); }
    static void choose(SpeedButton& b) { b.mouseUp(MouseButton::Left); }
    void freePlacement() { ed().mnGFree.click(); }
    void setSpacing(const std::string& typed) {
        desktop.type(typed);
        ed().mnNDEtc.click();
    }

    // A figure put into the store as a loaded data set would be.
    int addFigure(const Figure& vertices) { return test::addFigure(store(), vertices); }

    // The figures of the store in list order.
    std::vector<Figure> figures() {
        std::vector<Figure> out;
        const FigureStore& s = store();
        bool open = false;
        for (int k = 1; k <= s.VertexCount; ++k) {
            if (!open) out.emplace_back();
            out.back().emplace_back(s.x(k), s.y(k));
            open = s.link(k) == 1;
        }
        return out;
    }

    TColor pixel(IntPoint p) { return ed().sheetBitmap.pixelColor(p.x, p.y); }
};

inline void expectFigure(const Figure& actual, const Figure& expected, float tolerance = 1e-4f) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(actual[i].first, expected[i].first, tolerance) << "vertex " << i + 1;
        EXPECT_NEAR(actual[i].second, expected[i].second, tolerance) << "vertex " << i + 1;
    }
}

}  // namespace vantor::test
