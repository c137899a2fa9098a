// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The solid of a data set as the display window shows it, without a
// window: the data set loaded as the control window's load does (with its
// .zuk and .vop), further options applied, the on-axis adjustment of the
// rotate command made and the still picture drawn from the factory options.
// `render` and `animate --simulation` start from it.
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "CommandLine.h"
#include "model/figures/FigureStore.h"
#include "model/options/DisplayOptions.h"
#include "platform/files/Files.h"
#include "render/picture/SolidPicture.h"

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
    explicit SolidScene(std::ostream& err);
    // Loads and draws; 0 when the picture stands, else the exit code, with
    // the reason written to err.
    int build(const SceneRequest& request, const std::string& command);
    const FigureStore& store() const { return m_store; }
    const DisplayOptions& options() const { return m_options; }
    // After a build that returned 0.
    SolidPicture& picture() { return *m_picture; }
    const Files& files() const { return m_files; }

private:
    std::ostream& m_err;
    Files m_files{"."};
    DisplayOptions m_options;
    FigureStore m_store{m_options};
    std::unique_ptr<SolidPicture> m_picture;
};

}  // namespace vantor::cli
