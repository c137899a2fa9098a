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

#include "Commands.h"
#include "HeadlessDesktop.h"
#include "PngFile.h"
#include "app/Program.h"
#include "control/TControlF.h"
#include "control/formats/DataSetFiles.h"
#include "control/formats/DataSetLoad.h"
#include "display/TVantorF.h"
#include "platform/IoError.h"
#include "platform/numbers/Numbers.h"
#include "platform/pixels/Bmp.h"

namespace vantor::cli {

namespace {

constexpr const char* Usage =
    "usage: vantor-cli render DATA -o OUT [--options FILE.vop] [--color-depth 8]\n"
    "  DATA: .va4, .va2, .csv or .van; OUT: .png, else a BMP file\n";

struct RenderArgs {
    std::string data;
    std::string out;
    std::string options;
    int colorDepth = 32;
};

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string forTerminal(std::string text) {
    for (char& c : text)
        if (c == '\r') c = '\n';
    return text;
}

// Nothing when the arguments are not usable; the reason is written to err.
std::optional<RenderArgs> parseArgs(const std::vector<std::string>& args, std::ostream& err) {
    RenderArgs r;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "-o" || a == "--output" || a == "--options" || a == "--color-depth") {
            if (!hasValue) {
                err << "vantor-cli render: " << a << " needs a value\n" << Usage;
                return std::nullopt;
            }
            const std::string& v = args[++i];
            if (a == "--options") {
                r.options = v;
            } else if (a == "--color-depth") {
                if (v != "8" && v != "16" && v != "24" && v != "32") {
                    err << "vantor-cli render: --color-depth takes 8 (palette screen), 16, 24 or 32, not '" << v << "'\n";
                    return std::nullopt;
                }
                r.colorDepth = std::stoi(v);
            } else {
                r.out = v;
            }
        } else if (!a.empty() && a[0] == '-') {
            err << "vantor-cli render: unknown option '" << a << "'\n" << Usage;
            return std::nullopt;
        } else if (r.data.empty()) {
            r.data = a;
        } else {
            err << "vantor-cli render: more than one data set named ('" << r.data << "', '" << a << "')\n" << Usage;
            return std::nullopt;
        }
    }
    if (r.data.empty() || r.out.empty()) {
        err << Usage;
        return std::nullopt;
    }
    return r;
}

bool endsWithPng(const std::string& path) {
    const std::string l = lower(path);
    return l.size() >= 4 && l.compare(l.size() - 4, 4, ".png") == 0;
}

// The display options back to the factory values (the program's creation
// may have read a standard option file), and the brightness bar where a
// factory start leaves it: a thumb left high by that file would be pulled
// down to the next pass's maximum and override the data set's brightness.
void factoryOptions(Program& program) {
    DisplayOptions& o = program.options;
    o.setFactoryValues();
    o.standardTintR = o.standardTintG = o.standardTintB = 1.0;
    o.standardBackR = o.standardBackG = o.standardBackB = 0;
    TVantorF& display = program.VantorF();
    const long double rate = o.lightDistRate + 3;
    display.scbUpdating = true;
    display.scbBright.setParams(roundI32(o.bright), display.scbBright.min(), roundI32(rate * 255 * rate));
    display.scbUpdating = false;
}

int render(const RenderArgs& a, std::ostream& out, std::ostream& err) {
    const DataFormat format = dataFormatOfExtension(extensionOfPath(a.data));
    if (format == DataFormat::Unknown) {
        err << "vantor-cli render: " << a.data << ": unknown data format (use .va4, .va2, .csv or .van)\n";
        return 2;
    }
    HeadlessDesktop desktop(err, a.colorDepth);
    ProgramConfig config;
    config.programFolder = executableFolder();
    config.readStandardOptions = false;
    Program program(desktop, config);
    factoryOptions(program);
    program.ControlF().activate();

    Files& files = program.files;
    if (files.folderExists(a.data)) {
        err << "vantor-cli render: " << a.data << ": is a folder, not a data file\n";
        return 1;
    }
    if (!files.fileExists(a.data)) {
        err << "vantor-cli render: " << a.data << ": no such file\n";
        return 1;
    }
    if (!a.options.empty() && !files.fileExists(a.options)) {
        err << "vantor-cli render: " << a.options << ": no such option file\n";
        return 1;
    }

    // As the load does: the data set's options first, so that figures
    // without their own tint or method take its defaults.
    FigureStore& store = program.store;
    TVantorF& display = program.VantorF();
    const ReadResult read = loadDataSet(store, files, format, a.data, folderOf(a.data) + baseNameOf(a.data), LoadMode::Replace,
                                        [&](const std::string& vop) { display.YomiVop(vop); });
    if (!read.complete()) {
        err << "vantor-cli render: " << a.data << ": " << forTerminal(read.problem) << "\nno picture written\n";
        return 1;
    }
    if (store.VertexCount == 0) {
        err << "vantor-cli render: " << a.data << ": the data set holds no vertices; no picture written\n";
        return 1;
    }
    if (!a.options.empty()) {
        display.YomiVop(a.options);
        store.applyDefaultTint();
        store.applyDefaultMethod();
    }

    program.ControlF().RotateExecute();
    if (desktop.errorCount() > 0) return 1;

    const Bitmap& picture = display.displayBitmap;
    if (endsWithPng(a.out)) files.writeAtomic(a.out, encodePng(picture));
    else writeBmpFile(files.resolve(a.out), picture);
    out << a.out << ": " << picture.width() << " x " << picture.height() << ", "
        << (picture.format() == PixelFormat::Indexed8 ? "8-bit with palette" : "24-bit") << ", " << store.VertexCount
        << " vertices\n";
    return 0;
}

}  // namespace

int renderCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<RenderArgs> parsed = parseArgs(args, err);
    if (!parsed) return 2;
    try {
        return render(*parsed, out, err);
    } catch (const IoError& e) {
        err << "vantor-cli render: " << forTerminal(e.what()) << '\n';
    } catch (const std::exception& e) {
        err << "vantor-cli render: " << e.what() << '\n';
    }
    return 1;
}

}  // namespace vantor::cli
