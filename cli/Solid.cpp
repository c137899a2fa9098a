// vantor-cli export DATA -o OUT.stl|OUT.obj|OUT.ply [--segments N] [--angle DEG] [--thickness T]
// vantor-cli measure DATA [--angle DEG] [--thickness T] [--unit mm]
// The solid of a data set as a triangle mesh for 3-D printing, and its exact
// measures (profile length, enclosed area, volume, surface area).
#include <cmath>
#include <cstdio>
#include <exception>
#include <optional>

#include "Commands.h"
#include "DataFile.h"
#include "TerminalText.h"
#include "model/figures/FigureStore.h"
#include "model/formats/DataSetFiles.h"
#include "model/formats/DataSetLoad.h"
#include "platform/numbers/TextNumbers.h"
#include "model/options/DisplayOptions.h"
#include "export/mesh/Measure.h"
#include "export/mesh/MeshFiles.h"
#include "export/mesh/Revolve.h"
#include "platform/files/Files.h"

namespace vantor::cli {

namespace {

// The figures of a data set, read as a load reads them (the .zuk beside a
// .va4). Nothing and a message on err when it cannot be read.
std::optional<std::vector<Profile>> readProfiles(const std::string& command, const std::string& path, std::ostream& err) {
    Files files(".");
    repairInterruptedSave(err, command, files, path);
    if (const DataFileProblem problem = dataFileProblem(files, path); problem != DataFileProblem::None) {
        reportDataFileProblem(err, command, path, problem);
        return std::nullopt;
    }
    const DataFormat format = dataFormatOfExtension(extensionOfPath(path));
    DisplayOptions options;
    options.setFactoryValues();
    FigureStore store(options);
    // Options play no part in the solid's shape; the figures are read as a load reads them.
    const ReadResult read = loadDataSet(store, files, format, path, stemOf(path), LoadMode::Replace,
                                        [](const std::string&) {});
    if (!read.complete()) {
        err << "vantor-cli " << command << ": " << path << ": " << forTerminal(read.problem) << '\n';
        return std::nullopt;
    }
    std::vector<Profile> profiles = profilesOf(store);
    if (profiles.empty()) {
        err << "vantor-cli " << command << ": " << path << ": the data set holds no figure of two or more vertices\n";
        return std::nullopt;
    }
    return profiles;
}

std::optional<double> angleArg(const std::string& command, const std::string& text, std::ostream& err) {
    const auto v = parseDecimal(text, Exponent::Refused);
    if (!v || !(*v > 0 && *v <= 360)) {
        err << "vantor-cli " << command << ": --angle takes degrees above 0 and up to 360, not '" << text << "'\n";
        return std::nullopt;
    }
    return static_cast<double>(*v);
}

std::optional<double> thicknessArg(const std::string& command, const std::string& text, std::ostream& err) {
    const auto v = parseDecimal(text, Exponent::Refused);
    if (!v || !(*v > 0 && *v <= 1000)) {
        err << "vantor-cli " << command << ": --thickness takes data units above 0 and up to 1000, not '" << text << "'\n";
        return std::nullopt;
    }
    return static_cast<double>(*v);
}

std::string number(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.6g", v);
    return buf;
}

const char* shapeName(ProfileShape s) {
    switch (s) {
        case ProfileShape::Open: return "open";
        case ProfileShape::Closed: return "closed";
        case ProfileShape::ClosedByAxis: return "closed by the axis";
    }
    return "";
}

}  // namespace

int runExport(const Arguments& args, std::ostream& out, std::ostream& err) {
    RevolveSettings settings;
    const std::string data = args.operands.empty() ? std::string() : args.operands[0];
    const std::string output = args.value("--output").value_or("");
    if (data.empty() || output.empty()) {
        err << usageOf(*findCommand("export"));
        return 2;
    }
    if (const auto v = args.value("--segments")) {
        const auto n = parseInteger(*v);
        if (!n || *n < 3 || *n > 100000) {
            err << "vantor-cli export: --segments takes 3 ... 100000, not '" << *v << "'\n";
            return 2;
        }
        settings.segments = *n;
    }
    if (const auto v = args.value("--thickness")) {
        const auto t = thicknessArg("export", *v, err);
        if (!t) return 2;
        settings.thickness = *t;
    }
    if (const auto v = args.value("--angle")) {
        const auto deg = angleArg("export", *v, err);
        if (!deg) return 2;
        settings.degrees = *deg;
    }
    const MeshFormat format = meshFormatOf(output);
    if (format == MeshFormat::Unknown) {
        err << "vantor-cli export: " << output << ": use .stl, .obj or .ply\n";
        return 2;
    }
    return reportingFailure("export", err, [&] {
        const auto profiles = readProfiles("export", data, err);
        if (!profiles) return 1;
        const RevolveResult r = revolve(*profiles, settings);
        for (const std::string& w : r.warnings) err << "vantor-cli export: warning: " << w << '\n';
        Files(".").writeAtomic(output, encodeMesh(r.mesh, format));
        out << output << ": " << profiles->size() << " figures, " << r.mesh.vertices.size() << " vertices, "
            << r.mesh.triangles.size() << " triangles\n";
        return 0;
    });
}

int runMeasure(const Arguments& args, std::ostream& out, std::ostream& err) {
    double degrees = 360;
    double thickness = 0;
    const bool millimetres = args.has("--unit");
    if (args.operands.empty()) {
        err << usageOf(*findCommand("measure"));
        return 2;
    }
    const std::string& data = args.operands[0];
    if (const auto v = args.value("--unit"); v && *v != "mm") {
        err << "vantor-cli measure: --unit takes mm (one data unit is one millimetre), not '" << *v << "'\n";
        return 2;
    }
    if (const auto v = args.value("--thickness")) {
        const auto t = thicknessArg("measure", *v, err);
        if (!t) return 2;
        thickness = *t;
    }
    if (const auto v = args.value("--angle")) {
        const auto deg = angleArg("measure", *v, err);
        if (!deg) return 2;
        degrees = *deg;
    }
    return reportingFailure("measure", err, [&] {
        const auto profiles = readProfiles("measure", data, err);
        if (!profiles) return 1;
        std::vector<ProfileMeasures> all;
        std::vector<Profile> measured;
        for (const Profile& p : *profiles) measured.push_back(thickness > 0 && !p.bounded() ? thickened(p, thickness) : p);
        for (const Profile& p : measured) all.push_back(measure(p, degrees));
        const char* len = millimetres ? " mm" : "";
        const char* area = millimetres ? " mm²" : "";
        auto volume = [&](double v) { return millimetres ? number(v / 1000) + " ml" : number(v); };
        for (const ProfileMeasures& m : all) {
            out << "figure " << m.figure << " (" << shapeName(m.shape) << "): length " << number(m.length) << len;
            if (m.shape != ProfileShape::Open) out << ", area " << number(m.area) << area << ", volume " << volume(m.volume);
            out << ", surface " << number(m.surfaceArea) << area << '\n';
        }
        const Totals t = total(all);
        out << "total: length " << number(t.length) << len << ", area " << number(t.area) << area << ", volume "
            << volume(t.volume) << ", surface " << number(t.surfaceArea) << area << '\n';
        for (const Profile& p : measured)
            for (const std::string& w : profileProblems(p)) err << "vantor-cli measure: warning: " << w << '\n';
        return 0;
    });
}

}  // namespace vantor::cli
