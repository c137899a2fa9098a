// SPDX-License-Identifier: GPL-3.0-or-later
// vantor-cli check DATA [--nozzle MM] [--max-overhang DEG] [--scale S] [--thickness T]
// The print checks of a data set's profiles, one line a finding with the
// vertices and coordinates of the segment concerned. Exit 0 when clean, 1
// when there are findings (or the data set cannot be checked).

#include "Commands.h"
#include "SolidData.h"
#include "TerminalText.h"
#include "export/mesh/PrintChecks.h"
#include "platform/numbers/TextNumbers.h"
#include "platform/files/EscapedText.h"

namespace vantor::cli {

namespace {

const DecimalOption NozzleOption{"--nozzle", "millimetres above 0 and up to 10", 0, 10};
const DecimalOption OverhangOption{"--max-overhang", "degrees from 0 up to 90", 0, 90, true};

std::string point(const ProfilePoint& p) { return "(" + number(p.r) + ", " + number(p.y) + ")"; }

std::string where(const Finding& f) {
    if (f.kind == FindingKind::NoArea) return "all figures";
    std::string text = "figure " + std::to_string(f.figure) + ", ";
    if (f.kind == FindingKind::OpenFigure)
        return text + "vertices " + std::to_string(f.firstVertex) + "-" + std::to_string(f.lastVertex);
    if (f.kind == FindingKind::Floating) return text + "vertex " + std::to_string(f.firstVertex) + " " + point(f.from);
    return text + "segment " + std::to_string(f.firstVertex) + "-" + std::to_string(f.lastVertex) + " " + point(f.from) +
           " to " + point(f.to);
}

std::string what(const Finding& f, const PrintCheckSettings& s) {
    switch (f.kind) {
        case FindingKind::Overhang:
            return "overhang: faces down " + formatFixed(f.value, 1) + "° from vertical (limit " + number(s.maxOverhang) + "°)";
        case FindingKind::ThinWall:
            return "thin wall at " + point(f.at) + ": " + formatFixed(f.value, 2) + " mm wide (the nozzle draws " + number(s.nozzle) + " mm)";
        case FindingKind::Floating: return "floats " + formatFixed(f.value, 2) + " mm above the lowest plane";
        case FindingKind::OpenFigure: return "open, with no wall to print (give it one with --thickness T)";
        case FindingKind::NoArea: return "no area: every figure's vertices lie on one line, so there is no solid to print";
    }
    return "";
}

}  // namespace

int runCheck(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.operands.empty()) {
        err << usageProblem("check", "no data set given");
        return 2;
    }
    const std::string& data = args.operands[0];
    PrintCheckSettings settings;
    const auto nozzle = decimalOption(args, "check", NozzleOption, settings.nozzle, err);
    const auto overhang = decimalOption(args, "check", OverhangOption, settings.maxOverhang, err);
    const auto scale = decimalOption(args, "check", ScaleOption, settings.scale, err);
    const auto thickness = decimalOption(args, "check", ThicknessOption, 0, err);
    if (!nozzle || !overhang || !scale || !thickness) return 2;
    settings.nozzle = *nozzle;
    settings.maxOverhang = *overhang;
    settings.scale = *scale;
    settings.thickness = *thickness;
    return reportingFailure("check", err, [&] {
        const auto figures = readFigures("check", data, err);
        if (!figures) return 1;
        const PrintCheckReport report = printChecks(*figures->store, settings);
        for (const std::string& w : report.warnings) err << "vantor-cli check: warning: " << w << '\n';
        for (const std::string& r : report.refusals) err << "vantor-cli check: " << shownName(data) << ": " << r << '\n';
        if (!report.refusals.empty()) return 1;
        for (const Finding& f : report.findings) out << where(f) << ": " << what(f, settings) << '\n';
        if (report.findings.empty()) out << shownName(data) << ": no findings\n";
        else out << shownName(data) << ": " << report.findings.size() << (report.findings.size() == 1 ? " finding\n" : " findings\n");
        return report.clean() ? 0 : 1;
    });
}

}  // namespace vantor::cli
