// Speed of one tick of the rotation simulation, through the display window
// as the shared timer drives it.
//
// Targets on a 2-core machine, Release build: a tick on the palette path
// costs the same at 300 and at 10,000 vertices (it changes palette entries
// only); a true-colour tick of a 10,000-vertex profile (erase one meridian
// set, draw the next) within 5 ms.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "app/Program.h"
#include "control/TControlF.h"
#include "display/TVantorF.h"

namespace {

using namespace vantor;

// A desktop that answers nothing: the benchmarks never ask.
class QuietDesktop : public Desktop {
public:
    explicit QuietDesktop(int bitsPerPixel) { m_screen.bitsPerPixel = bitsPerPixel; }
    MsgAnswer messageBox(const std::string&, const std::string&, MsgIcon, MsgButtons) override { return MsgAnswer::Cancel; }
    std::string inputBox(const std::string&, const std::string&, const std::string& initial) override { return initial; }
    bool runFileDialog(FileDialog&) override { return false; }
    bool runColorDialog(ColorDialog&) override { return false; }
    int showModal(Form&) override { return mrCancel; }
    void showHelp(const std::string&) override {}
    ScreenInfo screen() const override { return m_screen; }
    void reportError(const std::string&) override {}

private:
    ScreenInfo m_screen;
};

// The display window showing a vase of `vertices` points, the simulation
// started.
struct RunningSimulation {
    QuietDesktop desktop;
    std::unique_ptr<Program> program;

    RunningSimulation(int vertices, bool palettePath) : desktop(palettePath ? 8 : 32) {
        ProgramConfig config;
        config.readStandardOptions = false;
        program = std::make_unique<Program>(desktop, config);
        program->ControlF().activate();
        FigureStore& store = program->store;
        for (int i = 0; i < vertices; ++i) {
            const double t = static_cast<double>(i) / (vertices - 1);
            const int k = ++store.VertexCount;
            store.x(k) = i == 0 ? 0.0f : static_cast<float>(60 + 35 * std::sin(t * 5.5) + 20 * t);
            store.y(k) = static_cast<float>(-120 + 240 * t);
            store.link(k) = i + 1 < vertices ? 1 : 0;
            store.figure(k) = 1;
        }
        store.HighestFigure = 1;
        TVantorF& display = program->VantorF();
        display.mnDispRunClick();
        display.mnSimuStartClick();
    }
};

void simulationTick(benchmark::State& state) {
    RunningSimulation sim(static_cast<int>(state.range(0)), state.range(1) != 0);
    TVantorF& display = sim.program->VantorF();
    for (auto _ : state) {
        display.simuTimerTimer();
        benchmark::DoNotOptimize(display.displayBitmap.rawPixel(300, 200));
    }
    state.counters["ticks"] = display.simuTickCount;
}
// Arguments: vertices, palette path (1) or true colour (0).
BENCHMARK(simulationTick)
    ->ArgNames({"vertices", "palette"})
    ->ArgsProduct({{300, 10000}, {1, 0}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
