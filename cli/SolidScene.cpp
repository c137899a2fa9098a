// SPDX-License-Identifier: GPL-3.0-or-later
#include "SolidScene.h"

#include "DataFile.h"
#include "TerminalText.h"

#include "model/formats/DataSetFiles.h"
#include "model/formats/DataSetLoad.h"
#include "model/options/BrightnessRange.h"
#include "model/options/OptionFields.h"
#include "model/options/OptionFile.h"
#include "model/options/StandardOptions.h"
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

SolidScene::SolidScene(std::ostream& err) : m_err(err) {
    // The picture depends only on the files named: no standard option file.
    setFactoryOptions(m_options);
    m_store.resetFigureTable();
}

int SolidScene::build(const SceneRequest& r, const std::string& command) {
    const std::string prefix = "vantor-cli " + command + ": ";
    const Files& files = m_files;
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
    DisplayOptions& o = m_options;
    const ReadResult read = loadDataSet(m_store, files, format, r.data, stemOf(r.data), LoadMode::Replace,
                                        [&](const std::string& vop) { readOptionFile(files, vop, o); });
    if (!read.complete()) {
        m_err << prefix << shownName(r.data) << ": " << forTerminal(read.problem) << "\nno picture written\n";
        return 1;
    }
    if (m_store.VertexCount == 0) {
        m_err << prefix << shownName(r.data) << ": the data set holds no vertices; no picture written\n";
        return 1;
    }
    if (!r.options.empty()) readOptionFile(files, r.options, o);
    for (const std::string& s : r.sets) setOptionAssignment(o, s);
    if (!r.options.empty() || !r.sets.empty()) {
        m_store.applyDefaultTint();
        m_store.applyDefaultMethod();
    }
    m_store.moveVerticesOffAxis();
    m_picture = std::make_unique<SolidPicture>(m_store, o, r.colorDepth == 8 ? ColourPath::Palette : ColourPath::TrueColour,
                                               r.width, r.height);
    m_picture->still().setThreads(r.threads);
    // The display's brightness bar starts at the factory brightness; a light
    // so near that the bar ends below it pulls the brightness down with it.
    const std::int32_t barMax = BrightnessRange::maxOf(o);
    if (BrightnessRange::FactoryThumb > barMax) o.bright = barMax;
    o.displayMode = DisplayMode::Still;
    m_picture->drawStill();
    return 0;
}

}  // namespace vantor::cli
