// SPDX-License-Identifier: GPL-3.0-or-later
#include "SolidData.h"

#include <cstdio>

#include "DataFile.h"
#include "TerminalText.h"
#include "model/formats/DataSetFiles.h"
#include "model/formats/DataSetLoad.h"
#include "platform/files/Files.h"
#include "platform/numbers/TextNumbers.h"
#include "platform/files/EscapedText.h"

namespace vantor::cli {

const DecimalOption AngleOption{"--angle", "degrees above 0 and up to 360", 0, 360};
const DecimalOption ThicknessOption{"--thickness", "data units above 0 and up to 1000", 0, 1000};
const DecimalOption ScaleOption{"--scale", "millimetres per data unit above 0 and up to 1000", 0, 1000};

std::optional<Figures> readFigures(const std::string& command, const std::string& path, std::ostream& err) {
    Files files(".");
    repairInterruptedSave(err, command, files, path);
    if (const DataFileProblem problem = dataFileProblem(files, path); problem != DataFileProblem::None) {
        reportDataFileProblem(err, command, path, problem);
        return std::nullopt;
    }
    const DataFormat format = dataFormatOfExtension(extensionOfPath(path));
    Figures f;
    f.options.setFactoryValues();
    f.store = std::make_unique<FigureStore>(f.options);
    // Options play no part in the solid's shape; the figures are read as a load reads them.
    const ReadResult read = loadDataSet(*f.store, files, format, path, stemOf(path), LoadMode::Replace,
                                        [](const std::string&) {});
    if (!read.complete()) {
        err << "vantor-cli " << command << ": " << shownName(path) << ": " << forTerminal(read.problem) << '\n';
        return std::nullopt;
    }
    f.profiles = profilesOf(*f.store);
    if (f.profiles.empty()) {
        err << "vantor-cli " << command << ": " << shownName(path) << ": the data set holds no figure of two or more vertices\n";
        return std::nullopt;
    }
    return f;
}

std::optional<double> decimalOption(const Arguments& args, const std::string& command, const DecimalOption& o,
                                    double fallback, std::ostream& err) {
    const auto text = args.value(o.name);
    if (!text) return fallback;
    const auto v = parseDecimal(*text, Exponent::Allowed);
    if (!v || !((o.lowIncluded ? *v >= o.low : *v > o.low) && *v <= o.high)) {
        err << "vantor-cli " << command << ": " << o.name << " takes " << o.what << ", not '" << shownName(*text) << "'\n";
        return std::nullopt;
    }
    return static_cast<double>(*v);
}

std::string number(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.6g", v);
    return buf;
}

std::string figureList(const std::vector<int>& figures) {
    std::string text = figures.size() == 1 ? "figure " : "figures ";
    for (std::size_t i = 0; i < figures.size(); ++i) text += (i ? ", " : "") + std::to_string(figures[i]);
    return text;
}

}  // namespace vantor::cli
