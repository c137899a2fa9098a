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
#include <vector>

#include "CommandLine.h"
#include "HeadlessDesktop.h"

namespace vantor {
class Program;
class TVantorF;
}  // namespace vantor

namespace vantor::cli {

struct SceneRequest {
    std::string data;
    std::string options;            // an option file read after the data set's own
    std::vector<std::string> sets;  // name=value, applied last, already checked
    int colorDepth = 32;
};

// The options every scene command shares (--options, --set, --color-depth)
// and the data set, the first operand. Nothing when a value is unusable; the
// reason is written to err.
std::optional<SceneRequest> sceneRequestOf(const Arguments& args, const std::string& command, std::ostream& err);

class SolidScene {
public:
    SolidScene(std::ostream& err, int colorDepth);
    ~SolidScene();
    // Loads and draws; 0 when the picture stands, else the exit code, with
    // the reason written to err.
    int build(const SceneRequest& request, const std::string& command);
    Program& program() { return *m_program; }
    TVantorF& display();
    HeadlessDesktop& desktop() { return m_desktop; }

private:
    std::ostream& m_err;
    HeadlessDesktop m_desktop;
    std::unique_ptr<Program> m_program;
};

}  // namespace vantor::cli
