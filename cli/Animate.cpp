// vantor-cli animate SCENARIO.snr -o OUT.gif|OUT.png [--delay MS]: the
// scenario's frames, read from the scenario's folder in playing order, as
// an animated GIF (one colour table per frame) or animated PNG, looping.
// Frames without a picture are left out with a note, as opening the
// scenario in the scenario window drops them.
#include <charconv>
#include <exception>
#include <filesystem>
#include <optional>

#include "Commands.h"
#include "anime/Scenario.h"
#include "anime/export/ScenarioExport.h"
#include "platform/IoError.h"
#include "platform/files/Files.h"

namespace vantor::cli {

namespace {

constexpr const char* Usage =
    "usage: vantor-cli animate SCENARIO.snr -o OUT.gif|OUT.png [--delay MS]\n"
    "  writes the scenario's frames as a looping animated GIF or PNG; MS per frame (default 100)\n";

struct AnimateArgs {
    std::string scenario;
    std::string out;
    int delayMs = 100;
};

std::string forTerminal(std::string text) {
    for (char& c : text)
        if (c == '\r') c = '\n';
    return text;
}

std::optional<AnimateArgs> parseArgs(const std::vector<std::string>& args, std::ostream& err) {
    AnimateArgs a;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& s = args[i];
        if (s == "-o" || s == "--output" || s == "--delay") {
            if (i + 1 >= args.size()) {
                err << "vantor-cli animate: " << s << " needs a value\n" << Usage;
                return std::nullopt;
            }
            const std::string& v = args[++i];
            if (s == "--delay") {
                int ms = 0;
                auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), ms);
                if (ec != std::errc() || end != v.data() + v.size() || ms < 1 || ms > 65535) {
                    err << "vantor-cli animate: --delay takes milliseconds from 1 to 65535, not '" << v << "'\n";
                    return std::nullopt;
                }
                a.delayMs = ms;
            } else {
                a.out = v;
            }
        } else if (!s.empty() && s[0] == '-') {
            err << "vantor-cli animate: unknown option '" << s << "'\n" << Usage;
            return std::nullopt;
        } else if (a.scenario.empty()) {
            a.scenario = s;
        } else {
            err << "vantor-cli animate: more than one scenario named ('" << a.scenario << "', '" << s << "')\n" << Usage;
            return std::nullopt;
        }
    }
    if (a.scenario.empty() || a.out.empty()) {
        err << Usage;
        return std::nullopt;
    }
    return a;
}

int animate(const AnimateArgs& a, std::ostream& out, std::ostream& err) {
    AnimationFormat format;
    if (!animationFormatOfPath(a.out, format)) {
        err << "vantor-cli animate: " << a.out << ": name the output .gif or .png\n";
        return 2;
    }
    Files files(".");
    if (!files.fileExists(a.scenario)) {
        err << "vantor-cli animate: " << a.scenario << ": no such scenario file\n";
        return 1;
    }
    const ScenarioText text = readScenarioFile(files, a.scenario);
    for (const std::string& line : text.rejected)
        err << "vantor-cli animate: skipped a line that is not a frame name of the scenario's folder: '"
            << line.substr(0, 80) << "'\n";
    // Frames lie beside the scenario file.
    const std::string parent = std::filesystem::path(a.scenario).parent_path().string();
    const std::string folder = parent.empty() ? "." : parent;
    if (text.frames.empty()) {
        err << "vantor-cli animate: " << a.scenario << ": the scenario holds no frames; nothing written\n";
        return 1;
    }
    const ScenarioExport result = exportScenario(files, folder, text.frames, a.delayMs, format, a.out);
    for (const std::string& name : result.missing)
        err << "vantor-cli animate: skipped frame " << name << ": no picture " << name << ".bmp\n";
    out << a.out << ": " << result.frames << " frames, " << a.delayMs << " ms each, " << result.bytes << " bytes\n";
    return 0;
}

}  // namespace

int animateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<AnimateArgs> parsed = parseArgs(args, err);
    if (!parsed) return 2;
    try {
        return animate(*parsed, out, err);
    } catch (const IoError& e) {
        err << "vantor-cli animate: " << forTerminal(e.what()) << "\nnothing written\n";
    } catch (const std::exception& e) {
        err << "vantor-cli animate: " << e.what() << "\nnothing written\n";
    }
    return 1;
}

}  // namespace vantor::cli
