#include "SolidScene.h"

#include "DataFile.h"
#include "TerminalText.h"

#include "app/Program.h"
#include "windows/control/ControlWindow.h"
#include "model/formats/DataSetFiles.h"
#include "model/formats/DataSetLoad.h"
#include "model/options/OptionFields.h"
#include "windows/display/DisplayWindow.h"
#include "platform/files/Files.h"
#include "platform/numbers/Numbers.h"
#include "platform/files/EscapedText.h"

namespace vantor::cli {

namespace {

constexpr int MaxPictureSide = 8192;
constexpr int MaxThreads = 256;

std::optional<long> wholeNumberOf(const std::string& text) {
    if (text.empty() || text.size() > 6) return std::nullopt;
    for (char c : text)
        if (c < '0' || c > '9') return std::nullopt;
    return std::stol(text);
}

}  // namespace

std::optional<std::pair<int, int>> pictureSizeOf(const std::string& text) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos) return std::nullopt;
    const std::optional<long> w = wholeNumberOf(text.substr(0, x)), h = wholeNumberOf(text.substr(x + 1));
    if (!w || !h || *w < 1 || *h < 1 || *w > MaxPictureSide || *h > MaxPictureSide) return std::nullopt;
    return std::pair<int, int>(static_cast<int>(*w), static_cast<int>(*h));
}

std::optional<SceneRequest> sceneRequestOf(const Arguments& args, const std::string& command, std::ostream& err) {
    SceneRequest r;
    if (!args.operands.empty()) r.data = args.operands[0];
    r.options = args.value("--options").value_or("");
    for (const std::string& v : args.values("--set")) {
        DisplayOptions scratch;
        if (const auto problem = setOptionAssignment(scratch, v)) {
            err << "vantor-cli " << command << ": " << *problem << '\n';
            return std::nullopt;
        }
        r.sets.push_back(v);
    }
    if (const auto depth = args.value("--color-depth")) {
        const std::string& v = *depth;
        if (v == "8" || v == "16" || v == "24" || v == "32") {
            r.colorDepth = std::stoi(v);
        } else {
            err << "vantor-cli " << command << ": --color-depth takes 8 (palette screen), 16, 24 or 32, not '" << shownName(v)
                << "'\n";
            return std::nullopt;
        }
    }
    if (const auto size = args.value("--size")) {
        const std::optional<std::pair<int, int>> wh = pictureSizeOf(*size);
        if (!wh) {
            err << "vantor-cli " << command << ": --size takes WIDTHxHEIGHT, each 1 ... " << MaxPictureSide << ", not '"
                << shownName(*size) << "'\n";
            return std::nullopt;
        }
        r.width = wh->first;
        r.height = wh->second;
    }
    if (const auto threads = args.value("--threads")) {
        const std::optional<long> n = wholeNumberOf(*threads);
        if (!n || *n < 1 || *n > MaxThreads) {
            err << "vantor-cli " << command << ": --threads takes 1 ... " << MaxThreads << ", not '" << shownName(*threads) << "'\n";
            return std::nullopt;
        }
        r.threads = static_cast<int>(*n);
    }
    return r;
}

SolidScene::SolidScene(std::ostream& err, int colorDepth) : m_err(err), m_desktop(err, colorDepth) {
    ProgramConfig config;
    config.programFolder = executableFolder();
    // The picture depends only on the files named.
    config.readStandardOptions = false;
    m_program = std::make_unique<Program>(m_desktop, config);
    m_program->displayWindow().resetToFactoryOptions();
    m_program->controlWindow().activate();
}

SolidScene::~SolidScene() = default;

DisplayWindow& SolidScene::display() { return m_program->displayWindow(); }

int SolidScene::build(const SceneRequest& r, const std::string& command) {
    const std::string prefix = "vantor-cli " + command + ": ";
    Files& files = m_program->files;
    repairInterruptedSave(m_err, command, files, r.data);
    if (const DataFileProblem problem = dataFileProblem(files, r.data); problem != DataFileProblem::None) {
        reportDataFileProblem(m_err, command, r.data, problem);
        return problem == DataFileProblem::UnknownFormat ? 2 : 1;
    }
    const DataFormat format = dataFormatOfExtension(extensionOfPath(r.data));
    if (!r.options.empty() && !files.fileExists(r.options)) {
        m_err << prefix << shownName(r.options) << ": no such option file\n";
        return 1;
    }
    // As the load does: the data set's options first, so that figures
    // without their own tint or method take its defaults.
    FigureStore& store = m_program->store;
    DisplayWindow& d = display();
    const ReadResult read = loadDataSet(store, files, format, r.data, stemOf(r.data),
                                        LoadMode::Replace, [&](const std::string& vop) { d.loadOptionFile(vop); });
    if (!read.complete()) {
        m_err << prefix << shownName(r.data) << ": " << forTerminal(read.problem) << "\nno picture written\n";
        return 1;
    }
    if (store.VertexCount == 0) {
        m_err << prefix << shownName(r.data) << ": the data set holds no vertices; no picture written\n";
        return 1;
    }
    if (!r.options.empty()) d.loadOptionFile(r.options);
    for (const std::string& s : r.sets) setOptionAssignment(m_program->options, s);
    if (!r.options.empty() || !r.sets.empty()) {
        store.applyDefaultTint();
        store.applyDefaultMethod();
    }
    d.setPictureSize(r.width, r.height);
    d.still().setThreads(r.threads);
    m_program->controlWindow().RotateExecute();
    return m_desktop.errorCount() > 0 ? 1 : 0;
}

}  // namespace vantor::cli
