#pragma once
// The solid of a data set as the display window shows it, without a
// screen: a program over a headless desktop, the data set loaded as the
// control window's load does (with its .zuk and .vop), further options
// applied, and the rotate command run. `render` and `animate --simulation`
// start from it.
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "CommandLine.h"
#include "HeadlessDesktop.h"

namespace vantor {
class Program;
class DisplayWindow;
}  // namespace vantor

namespace vantor::cli {

struct SceneRequest {
    std::string data;
    std::string options;            // an option file read after the data set's own
    std::vector<std::string> sets;  // name=value, applied last, already checked
    int colorDepth = 32;
    int width = 600;  // the picture, as the window's unless --size says
    int height = 400;
    int threads = 0;  // of the still display; 0: one a hardware thread
};

// The options every scene command shares (--options, --set, --color-depth,
// --size, --threads)
// and the data set, the first operand. Nothing when a value is unusable; the
// reason is written to err.
// "WxH", each side 1 ... 8192.
std::optional<std::pair<int, int>> pictureSizeOf(const std::string& text);

std::optional<SceneRequest> sceneRequestOf(const Arguments& args, const std::string& command, std::ostream& err);

class SolidScene {
public:
    SolidScene(std::ostream& err, int colorDepth);
    ~SolidScene();
    // Loads and draws; 0 when the picture stands, else the exit code, with
    // the reason written to err.
    int build(const SceneRequest& request, const std::string& command);
    Program& program() { return *m_program; }
    DisplayWindow& display();
    HeadlessDesktop& desktop() { return m_desktop; }

private:
    std::ostream& m_err;
    HeadlessDesktop m_desktop;
    std::unique_ptr<Program> m_program;
};

}  // namespace vantor::cli
