// SPDX-License-Identifier: GPL-3.0-or-later
// vantor-cli render DATA -o OUT [--options FILE.vop] [--color-depth 8]:
// loads a data set as the control window's load does (with its .zuk and
// .vop), then does what its rotate command does -- the on-axis adjustment
// and the still display -- and writes the picture
// as BMP, or as PNG when OUT ends in .png. The picture starts from the
// factory options, not from a standard option file, so that it depends only
// on the files named.
#include <algorithm>
#include <cctype>
#include <exception>
#include <optional>

#include "TerminalText.h"
#include "Commands.h"
#include "SolidScene.h"
#include "platform/files/EscapedText.h"

namespace vantor::cli {

namespace {

struct RenderArgs {
    SceneRequest scene;
    std::string out;
};

int render(const RenderArgs& a, std::ostream& out, std::ostream& err) {
    SolidScene scene(err);
    if (const int code = scene.build(a.scene, "render")) return code;
    const Bitmap& picture = scene.picture().bitmap();
    // The window's picture command writes the same file.
    scene.picture().save(scene.files(), a.out);
    out << shownName(a.out) << ": " << picture.width() << " x " << picture.height() << ", "
        << (picture.format() == PixelFormat::Indexed8 ? "8-bit with palette" : "24-bit") << ", "
        << scene.store().VertexCount << " vertices\n";
    return 0;
}

}  // namespace

int runRender(const Arguments& args, std::ostream& out, std::ostream& err) {
    std::optional<SceneRequest> scene = sceneRequestOf(args, "render", err);
    if (!scene) return 2;
    const RenderArgs parsed{*scene, args.value("--output").value_or("")};
    if (parsed.scene.data.empty() || parsed.out.empty()) {
        err << usageProblem("render", parsed.scene.data.empty() ? "no data set given" : "no output file given (-o OUT)");
        return 2;
    }
    return reportingFailure("render", err, [&] {
        return render(parsed, out, err);
    });
}

}  // namespace vantor::cli
