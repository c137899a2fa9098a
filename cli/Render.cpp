// vantor-cli render DATA -o OUT [--options FILE.vop] [--color-depth 8]:
// loads a data set as the control window's load does (with its .zuk and
// .vop), then does what its rotate command does -- the on-axis adjustment
// and the display window's still display -- and writes the display bitmap
// as BMP, or as PNG when OUT ends in .png. The picture starts from the
// factory options, not from a standard option file, so that it depends only
// on the files named.
#include <algorithm>
#include <cctype>
#include <exception>
#include <optional>

#include "TerminalText.h"
#include "Commands.h"
#include "HeadlessDesktop.h"
#include "SolidScene.h"
#include "platform/pixels/Png.h"
#include "app/Program.h"
#include "control/TControlF.h"
#include "control/formats/DataSetFiles.h"
#include "control/formats/DataSetLoad.h"
#include "display/OptionFields.h"
#include "display/TVantorF.h"
#include "platform/numbers/Numbers.h"
#include "platform/pixels/Bmp.h"

namespace vantor::cli {

namespace {

constexpr const char* Usage =
    "usage: vantor-cli render DATA -o OUT [--options FILE.vop] [--set name=value ...] [--color-depth 8]\n"
    "  DATA: .va4, .va2, .csv or .van; OUT: .png, else a BMP file\n";

struct RenderArgs {
    SceneRequest scene;
    std::string out;
};

// Nothing when the arguments are not usable; the reason is written to err.
std::optional<RenderArgs> parseArgs(const std::vector<std::string>& args, std::ostream& err) {
    RenderArgs r;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool bad = false;
        if (takeSceneArgument(args, i, r.scene, "render", err, bad)) {
            if (bad) return std::nullopt;
        } else if (a == "-o" || a == "--output") {
            if (i + 1 >= args.size()) {
                err << "vantor-cli render: " << a << " needs a value\n" << Usage;
                return std::nullopt;
            }
            r.out = args[++i];
        } else if (!a.empty() && a[0] == '-') {
            err << "vantor-cli render: unknown option '" << a << "'\n" << Usage;
            return std::nullopt;
        } else if (r.scene.data.empty()) {
            r.scene.data = a;
        } else {
            err << "vantor-cli render: more than one data set named ('" << r.scene.data << "', '" << a << "')\n" << Usage;
            return std::nullopt;
        }
    }
    if (r.scene.data.empty() || r.out.empty()) {
        err << Usage;
        return std::nullopt;
    }
    return r;
}

int render(const RenderArgs& a, std::ostream& out, std::ostream& err) {
    SolidScene scene(err, a.scene.colorDepth);
    if (const int code = scene.build(a.scene, "render")) return code;
    const Bitmap& picture = scene.display().displayBitmap;
    // The window's picture command writes the same file.
    scene.display().savePicture(a.out);
    out << a.out << ": " << picture.width() << " x " << picture.height() << ", "
        << (picture.format() == PixelFormat::Indexed8 ? "8-bit with palette" : "24-bit") << ", "
        << scene.program().store.VertexCount << " vertices\n";
    return 0;
}

}  // namespace

int renderCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<RenderArgs> parsed = parseArgs(args, err);
    if (!parsed) return 2;
    return reportingFailure("render", err, [&] {
        return render(*parsed, out, err);
    });
}

}  // namespace vantor::cli
