// Cost of an option change on a 256-colour screen: a new background colour,
// tint or brightness rebuilds the palette only, against a whole still
// display pass of the same 10,000-vertex profile.
//
// Target: the palette rebuild at least 50 times cheaper than the pass.
#include <benchmark/benchmark.h>

#include <cmath>

#include "app/Program.h"
#include "control/TControlF.h"
#include "display/TVantorF.h"

namespace {

using namespace vantor;

// Answers every colour dialog with a colour other than the last one.
class BenchDesktop : public Desktop {
public:
    MsgAnswer messageBox(const std::string&, const std::string&, MsgIcon, MsgButtons) override { return MsgAnswer::No; }
    std::string inputBox(const std::string&, const std::string&, const std::string& initial) override { return initial; }
    bool runFileDialog(FileDialog&) override { return false; }
    bool runColorDialog(ColorDialog& dialog) override {
        m_flip = !m_flip;
        dialog.color = m_flip ? rgb(200, 120, 40) : rgb(40, 120, 200);
        return true;
    }
    int showModal(Form&) override { return mrCancel; }
    void showHelp(const std::string&) override {}
    ScreenInfo screen() const override { return {1280, 1024, 8, 1}; }
    void reportError(const std::string&) override {}

private:
    bool m_flip = false;
};

struct PaletteScreenProgram {
    BenchDesktop desktop;
    Program program{desktop, [] {
                        ProgramConfig c;
                        c.readStandardOptions = false;
                        return c;
                    }()};

    explicit PaletteScreenProgram(int vertices) {
        program.ControlF().activate();
        FigureStore& store = program.store;
        store.clearVertices();
        for (int i = 0; i < vertices; ++i) {
            const double t = static_cast<double>(i) / (vertices - 1);
            const int k = ++store.VertexCount;
            store.x(k) = i == 0 ? 0.0f : static_cast<float>(60 + 35 * std::sin(t * 5.5) + 20 * t);
            store.y(k) = static_cast<float>(-120 + 240 * t);
            store.link(k) = i + 1 < vertices ? 1 : 0;
            store.figure(k) = 1;
        }
        store.HighestFigure = 1;
        program.VantorF().mnDispRunClick();
    }
};

void backgroundColourChange(benchmark::State& state) {
    PaletteScreenProgram p(static_cast<int>(state.range(0)));
    for (auto _ : state) p.program.VantorF().mnBackFreeClick();
}
BENCHMARK(backgroundColourChange)->ArgName("vertices")->Arg(10000)->Unit(benchmark::kMicrosecond);

void tintChange(benchmark::State& state) {
    PaletteScreenProgram p(static_cast<int>(state.range(0)));
    for (auto _ : state) p.program.VantorF().mnTintFreeClick();
}
BENCHMARK(tintChange)->ArgName("vertices")->Arg(10000)->Unit(benchmark::kMicrosecond);

void brightnessBarMove(benchmark::State& state) {
    PaletteScreenProgram p(static_cast<int>(state.range(0)));
    TVantorF& w = p.program.VantorF();
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        w.scbBright.setPosition(flip ? 1500 : 1000);
    }
}
BENCHMARK(brightnessBarMove)->ArgName("vertices")->Arg(10000)->Unit(benchmark::kMicrosecond);

void fullPass(benchmark::State& state) {
    PaletteScreenProgram p(static_cast<int>(state.range(0)));
    for (auto _ : state) p.program.VantorF().mnDispRunClick();
}
BENCHMARK(fullPass)->ArgName("vertices")->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
