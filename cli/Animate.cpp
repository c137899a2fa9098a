// SPDX-License-Identifier: GPL-3.0-or-later
// vantor-cli animate SCENARIO.snr -o OUT.gif|OUT.png [--delay MS]: the
// scenario's frames, read from the scenario's folder in playing order, as
// an animated GIF (one colour table per frame) or animated PNG, looping.
// Frames without a picture are left out with a note, as opening the
// scenario in the scenario window drops them.
//
// vantor-cli animate DATA --simulation -o OUT.gif|OUT.png [--color-depth 8]
// [--options FILE.vop] [--set name=value ...] [--delay MS]: one full turn of
// the rotation simulation as the display window shows it, one frame a tick.
#include <charconv>
#include <exception>
#include <filesystem>
#include <set>
#include <optional>

#include "TerminalText.h"
#include "Commands.h"
#include "SolidScene.h"
#include "model/scenario/Scenario.h"
#include "export/animation/ScenarioExport.h"
#include "render/simulation/RotationSimulation.h"
#include "platform/files/EscapedText.h"
#include "platform/files/Files.h"
#include "platform/files/StreamingReplace.h"

namespace vantor::cli {

namespace {

struct AnimateArgs {
    std::string scenario;  // or the data set with --simulation
    std::string out;
    std::optional<int> delayMs;
    bool simulation = false;
    SceneRequest scene;
};

std::optional<AnimateArgs> parseArgs(const Arguments& args, std::ostream& err) {
    const std::string usage = usageOf(*findCommand("animate"));
    AnimateArgs a;
    const std::optional<SceneRequest> scene = sceneRequestOf(args, "animate", err);
    if (!scene) return std::nullopt;
    a.scene = *scene;
    // The options that only a scene takes ask for the simulation too.
    a.simulation = args.has("--simulation") || args.has("--options") || args.has("--set") || args.has("--color-depth") ||
                   args.has("--size") || args.has("--threads");
    a.out = args.value("--output").value_or("");
    if (const auto v = args.value("--delay")) {
        int ms = 0;
        auto [end, ec] = std::from_chars(v->data(), v->data() + v->size(), ms);
        if (ec != std::errc() || end != v->data() + v->size() || ms < 1 || ms > 65535) {
            err << "vantor-cli animate: --delay takes milliseconds from 1 to 65535, not '" << shownName(*v) << "'\n";
            return std::nullopt;
        }
        a.delayMs = ms;
    }
    a.scenario = a.scene.data;
    if (a.scenario.empty() || a.out.empty()) {
        err << usageProblem("animate", a.scenario.empty() ? "no scenario or data set given" : "no output file given (-o OUT)");
        return std::nullopt;
    }
    if (a.simulation && a.scenario.size() >= 4 && a.scenario.compare(a.scenario.size() - 4, 4, ".snr") == 0) {
        err << "vantor-cli animate: --simulation turns a data set, not a scenario\n" << usage;
        return std::nullopt;
    }
    return a;
}

// The delay as the file stores it, with a note when it is not the one asked for.
int storedDelay(AnimationFormat format, int asked, std::ostream& err) {
    const int stored = storedDelayMs(format, asked);
    if (stored != asked)
        err << "vantor-cli animate: " << asked << " ms is stored as " << stored << " ms"
            << (format == AnimationFormat::Gif ? " (GIF holds hundredths of a second, at least 20 ms)\n" : "\n");
    return stored;
}

// One full turn of the simulation: on a 256-colour screen each frame is
// the same picture with the band one step on in its palette; otherwise the
// still picture with the meridian one step on.
int animateSimulation(const AnimateArgs& a, AnimationFormat format, std::ostream& out, std::ostream& err) {
    SolidScene scene(err);
    if (const int code = scene.build(a.scene, "animate")) return code;
    SolidPicture& picture = scene.picture();
    const int delay = storedDelay(format, a.delayMs.value_or(scene.options().simuInterval), err);
    RotationSimulation simulation(scene.store(), scene.options(), picture);
    StreamingReplace file(Files(".").resolve(a.out), a.out);
    FileSink sink(file);
    std::unique_ptr<AnimationWriter> writer =
        makeAnimationWriter(format, sink, picture.bitmap().width(), picture.bitmap().height(), simulation.ticksPerTurn());
    simulation.paintAnglePicture();
    simulation.start();
    const int ticks = simulation.ticksPerTurn();
    for (int i = 0; i < ticks; ++i) {
        simulation.tick();
        writer->addFrame(picture.bitmap(), delay);
    }
    simulation.end();
    writer->finish();
    const std::uint64_t bytes = file.size();
    file.commit();
    out << shownName(a.out) << ": " << ticks << " frames, " << delay << " ms each, " << bytes << " bytes\n";
    return 0;
}

int animate(const AnimateArgs& a, std::ostream& out, std::ostream& err) {
    AnimationFormat format;
    if (!animationFormatOfPath(a.out, format)) {
        err << "vantor-cli animate: " << shownName(a.out) << ": name the output .gif or .png\n";
        return 2;
    }
    if (a.simulation) return animateSimulation(a, format, out, err);
    Files files(".");
    // Anything else that exists (a FIFO, a device) is refused by the reader
    // with its reason.
    std::error_code ec;
    if (!std::filesystem::exists(files.resolve(a.scenario), ec)) {
        err << "vantor-cli animate: " << shownName(a.scenario) << ": no such scenario file\n";
        return 1;
    }
    const ScenarioText text = readScenarioFile(files, a.scenario);
    for (const std::string& line : text.rejected)
        err << "vantor-cli animate: skipped a line that is not a frame name of the scenario's folder: '"
            << escapedText(line) << "'\n";
    // Frames lie beside the scenario file.
    const std::string parent = std::filesystem::path(a.scenario).parent_path().string();
    const std::string folder = parent.empty() ? "." : parent;
    if (text.frames.empty()) {
        err << "vantor-cli animate: " << shownName(a.scenario) << ": the scenario holds no frames; nothing written\n";
        return 1;
    }
    const int delay = storedDelay(format, a.delayMs.value_or(100), err);
    // The notes go out before the export, so that an export that then fails
    // still says which frames it left out.
    std::set<std::string> noted;
    const auto note = [&](const std::string& name) {
        if (noted.insert(name).second)
            err << "vantor-cli animate: skipped frame " << escapedText(name) << ": no picture " << escapedText(name)
                << ".bmp\n";
    };
    for (const std::string& name : text.frames)
        if (!std::filesystem::exists(std::filesystem::path(files.resolve(folder)) / (name + ".bmp"), ec)) note(name);
    const ScenarioExport result = exportScenario(files, folder, text.frames, delay, format, a.out);
    for (const std::string& name : result.missing) note(name);
    out << shownName(a.out) << ": " << result.frames << " frames, " << result.delayMs << " ms each, " << result.width << " x "
        << result.height << ", " << result.bytes << " bytes\n";
    return 0;
}

}  // namespace

int runAnimate(const Arguments& args, std::ostream& out, std::ostream& err) {
    const std::optional<AnimateArgs> parsed = parseArgs(args, err);
    if (!parsed) return 2;
    return reportingFailure("animate", err, [&] {
        return animate(*parsed, out, err);
    }, "nothing written\n");
}

}  // namespace vantor::cli
