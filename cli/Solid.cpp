// SPDX-License-Identifier: GPL-3.0-or-later
// vantor-cli export DATA -o OUT.stl|OUT.3mf|OUT.obj|OUT.ply [--segments N] [--angle DEG] [--thickness T]
//                    [--scale S] [--allow-open] [--per-figure]
// vantor-cli measure DATA [--angle DEG] [--thickness T] [--unit mm] [--scale S]
// The solid of a data set as a triangle mesh for 3-D printing, and its exact
// measures (profile length, enclosed area, volume, surface area, size).
#include <cmath>
#include <cstdio>
#include <optional>

#include "Commands.h"
#include "SolidData.h"
#include "TerminalText.h"
#include "export/mesh/SolidExport.h"
#include "platform/files/Files.h"
#include "platform/numbers/TextNumbers.h"
#include "platform/files/EscapedText.h"

namespace vantor::cli {

namespace {

const char* shapeName(const ProfileMeasures& m) {
    if (m.walled) return "open, with a wall";
    switch (m.shape) {
        case ProfileShape::Open: return "open";
        case ProfileShape::Closed: return "closed";
        case ProfileShape::ClosedByAxis: return "closed by the axis";
    }
    return "";
}

// Warnings and refusals of a preview, as the command's lines.
void tell(const SolidPreview& p, const std::string& command, const std::string& data, std::ostream& err) {
    for (const std::string& w : p.warnings) err << "vantor-cli " << command << ": warning: " << w << '\n';
    for (const std::string& r : p.refusals) err << "vantor-cli " << command << ": " << shownName(data) << ": " << r << '\n';
}

// --thickness, --angle and --scale into `settings`; false, with the reason
// on err, when one is unusable.
bool readSolidOptions(const Arguments& args, const std::string& command, RevolveSettings& settings, std::ostream& err) {
    const auto thickness = decimalOption(args, command, ThicknessOption, 0, err);
    const auto degrees = decimalOption(args, command, AngleOption, 360, err);
    const auto scale = decimalOption(args, command, ScaleOption, 1, err);
    if (!thickness || !degrees || !scale) return false;
    settings.thickness = *thickness;
    settings.degrees = *degrees;
    settings.scale = *scale;
    return true;
}

std::string sizeLine(const SolidSize& s) {
    return "size: " + number(s.width) + " x " + number(s.depth) + " x " + number(s.height) + " mm";
}

}  // namespace

int runExport(const Arguments& args, std::ostream& out, std::ostream& err) {
    ExportSettings settings;
    const std::string data = args.operands.empty() ? std::string() : args.operands[0];
    const std::string output = args.value("--output").value_or("");
    if (data.empty() || output.empty()) {
        err << usageProblem("export", data.empty() ? "no data set given" : "no output file given (-o OUT)");
        return 2;
    }
    if (const auto v = args.value("--segments")) {
        // A whole number, written plainly or with an exponent (1e3).
        const auto n = parseDecimal(*v, Exponent::Allowed);
        if (!n || *n < 3 || *n > 100000 || *n != std::floor(*n)) {
            err << "vantor-cli export: --segments takes a whole number 3 ... 100000, not '" << shownName(*v) << "'\n";
            return 2;
        }
        settings.revolve.segments = static_cast<int>(*n);
    }
    if (!readSolidOptions(args, "export", settings.revolve, err)) return 2;
    settings.open = args.has("--allow-open") ? OpenFigures::BareSurface : OpenFigures::Refuse;
    settings.parts = args.has("--per-figure") ? MeshParts::PerFigure : MeshParts::United;
    settings.format = meshFormatOf(output);
    if (settings.format == MeshFormat::Unknown) {
        err << "vantor-cli export: " << shownName(output) << ": use .stl, .3mf, .obj or .ply\n";
        return 2;
    }
    return reportingFailure("export", err, [&] {
        const auto figures = readFigures("export", data, err);
        if (!figures) return 1;
        const SolidPreview preview = previewSolid(figures->profiles, settings);
        tell(preview, "export", data, err);
        if (!preview.refusals.empty()) {
            err << "vantor-cli export: " << shownName(output) << ": nothing written\n";
            return 1;
        }
        if (!preview.writable(settings.open)) {
            const bool one = preview.openFigures.size() == 1;
            err << "vantor-cli export: " << shownName(data) << ": " << figureList(preview.openFigures) << (one ? " is" : " are")
                << " open, with no inside to print: give " << (one ? "it" : "them")
                << " a wall with --thickness T, or write the bare surface with --allow-open\n"
                << "vantor-cli export: " << shownName(output) << ": nothing written\n";
            return 1;
        }
        const ExportedSolid done = writeSolid(preview, settings, Files(".").resolve(output), output);
        out << shownName(output) << ": " << preview.set.figures.size() << " figures, " << done.vertices << " vertices, "
            << done.triangles << " triangles\n"
            << sizeLine(preview.size) << '\n';
        return 0;
    });
}

int runMeasure(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.operands.empty()) {
        err << usageProblem("measure", "no data set given");
        return 2;
    }
    const std::string& data = args.operands[0];
    if (const auto v = args.value("--unit"); v && *v != "mm") {
        err << "vantor-cli measure: --unit takes mm (one data unit is one millimetre), not '" << shownName(*v) << "'\n";
        return 2;
    }
    ExportSettings settings;
    if (!readSolidOptions(args, "measure", settings.revolve, err)) return 2;
    const double s = settings.revolve.scale;
    const bool millimetres = args.has("--unit") || args.has("--scale");
    return reportingFailure("measure", err, [&] {
        const auto figures = readFigures("measure", data, err);
        if (!figures) return 1;
        const SolidPreview preview = previewSolid(figures->profiles, settings);
        const char* len = millimetres ? " mm" : "";
        const char* area = millimetres ? " mm²" : "";
        auto volume = [&](double v) { return millimetres ? number(v / 1000) + " ml" : number(v); };
        for (const ProfileMeasures& figure : preview.figures) {
            const ProfileMeasures m = scaled(figure, s);
            out << "figure " << m.figure << " (" << shapeName(m) << "): length " << number(m.length) << len;
            if (m.shape != ProfileShape::Open || m.walled)
                out << ", area " << number(m.area) << area << ", volume " << volume(m.volume);
            out << ", surface " << number(m.surfaceArea) << area << '\n';
        }
        tell(preview, "measure", data, err);
        // A total that leaves out a refused figure would be wrong.
        if (!preview.refusals.empty()) return 1;
        const Totals t = scaled(preview.totals, s);
        out << "total: length " << number(t.length) << len << ", area " << number(t.area) << area << ", volume "
            << volume(t.volume) << ", surface " << number(t.surfaceArea) << area << '\n'
            << sizeLine(preview.size) << '\n';
        return 0;
    });
}

}  // namespace vantor::cli
