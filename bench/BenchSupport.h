// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the benchmarks share: the vase profile they draw, and a desktop that
// asks nobody.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/figures/FigureStore.h"
#include "platform/widgets/Desktop.h"
#include "platform/pixels/Color.h"
#include "platform/widgets/Form.h"

namespace vantor::bench {

// The store holds one figure: a vase of `vertices` points from its foot on
// the axis up to the lip, the size the editor sheet gives a figure.
inline void fillVase(FigureStore& store, int vertices) {
    store.clearVertices();
    store.resetFigureTable();
    for (int i = 0; i < vertices; ++i) {
        const double t = static_cast<double>(i) / (vertices - 1);
        const int k = ++store.VertexCount;
        store.x(k) = i == 0 ? 0.0f : static_cast<float>(60 + 35 * std::sin(t * 5.5) + 20 * t);
        store.y(k) = static_cast<float>(-120 + 240 * t);
        store.link(k) = i + 1 < vertices ? 1 : 0;
        store.figure(k) = 1;
    }
    store.HighestFigure = 1;
}

// Questions get `answer`, input boxes keep their text, file dialogs are
// cancelled, and every colour dialog returns a colour other than the last,
// so that a colour command always has something to change. An error ends
// the benchmark: its figures would mean nothing.
class BenchDesktop : public Desktop {
public:
    explicit BenchDesktop(int bitsPerPixel = 32, MsgAnswer answer = MsgAnswer::Cancel) : m_answer(answer) {
        m_screen.width = 1280;
        m_screen.height = 1024;
        m_screen.bitsPerPixel = bitsPerPixel;
    }
    MsgAnswer messageBox(const std::string&, const std::string&, MsgIcon, MsgButtons) override { return m_answer; }
    std::string inputBox(const std::string&, const std::string&, const std::string& initial) override { return initial; }
    bool runFileDialog(FileDialog&) override { return false; }
    bool runColorDialog(ColorDialog& dialog) override {
        m_flip = !m_flip;
        dialog.color = m_flip ? rgb(200, 120, 40) : rgb(40, 120, 200);
        return true;
    }
    int showModal(Form&) override { return mrCancel; }
    void showHelp(const std::string&) override {}
    ScreenInfo screen() const override { return m_screen; }
    void reportError(const std::string& text) override {
        std::fprintf(stderr, "%s\n", text.c_str());
        std::abort();
    }

private:
    ScreenInfo m_screen;
    MsgAnswer m_answer;
    bool m_flip = false;
};

}  // namespace vantor::bench
