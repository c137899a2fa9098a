// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/mesh/SolidExport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "export/animation/ScenarioExport.h"
#include "export/mesh/Mesh3mf.h"
#include "model/figures/FigureStore.h"
#include "platform/files/StreamingReplace.h"

namespace vantor {

namespace {

// The finest step a part's coordinates need: a millionth of its size.
double precisionOf(const SolidSet& set, double scale) {
    double smallest = std::numeric_limits<double>::infinity();
    auto add = [&](const std::vector<ProfilePoint>& ring) {
        double minR = ring.front().r, maxR = minR, minY = ring.front().y, maxY = minY;
        for (const ProfilePoint& p : ring) {
            minR = std::min(minR, p.r);
            maxR = std::max(maxR, p.r);
            minY = std::min(minY, p.y);
            maxY = std::max(maxY, p.y);
        }
        // Turned about the axis, a part is as wide as its outer radius.
        const double size = std::max(2 * maxR, maxY - minY);
        if (size > 0) smallest = std::min(smallest, size);
    };
    for (const FigureSolid& f : set.figures) {
        for (const Region& r : f.regions) add(r.outer);
        for (const auto& chain : f.surfaces)
            if (!chain.empty()) add(chain);
    }
    return std::isfinite(smallest) ? smallest * scale * 1e-6 : 1e-6;
}

std::string number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6g", v);
    return buf;
}

}  // namespace

SolidPreview previewSolid(const std::vector<Profile>& profiles, const ExportSettings& settings) {
    SolidPreview p;
    p.set = solidOf(profiles, settings.revolve.thickness);
    for (const Profile& profile : profiles) p.colours.push_back({profile.figure, profile.colour});
    for (const SolidNote& n : p.set.notes) (refuses(n.kind) ? p.refusals : p.warnings).push_back(n.text);
    // Mesh files hold single-precision coordinates.
    const double reach = p.set.largest * settings.revolve.scale;
    if (!(reach <= std::numeric_limits<float>::max()))
        p.refusals.push_back("at a scale of " + number(settings.revolve.scale) + " mm a unit, the largest coordinate (" +
                             number(reach) +
                             " mm) is beyond single precision, which mesh files hold: use a smaller --scale");
    for (const FigureSolid& f : p.set.figures) {
        if (f.refused) continue;
        p.figures.push_back(measure(f, settings.revolve.degrees));
        if (!f.solid()) p.openFigures.push_back(f.figure);
    }
    p.totals = total(p.set, settings.revolve.degrees);
    p.size = sizeOf(p.set, settings.revolve.degrees, settings.revolve.scale);
    return p;
}

SolidPreview previewSolid(const FigureStore& store, const ExportSettings& settings) {
    return previewSolid(profilesOf(store), settings);
}

ExportedSolid writeSolid(const SolidPreview& preview, const ExportSettings& settings, const std::string& path,
                         const std::string& shownName) {
    ExportedSolid done;
    StreamingReplace file(path, shownName);
    FileSink sink(file);
    if (settings.format == MeshFormat::ThreeMf) {
        std::vector<Material3mf> materials;
        std::vector<int> materialFigure;
        auto material = [&](int figure) {
            const auto at = std::find(materialFigure.begin(), materialFigure.end(), figure);
            if (at != materialFigure.end()) return static_cast<std::size_t>(at - materialFigure.begin());
            materialFigure.push_back(figure);
            materials.push_back({"figure " + std::to_string(figure), preview.colourOf(figure)});
            return materials.size() - 1;
        };
        const double precision = precisionOf(preview.set, settings.revolve.scale);
        std::vector<RevolvedSolid> solids;
        std::vector<MeshPart> parts;
        if (settings.parts == MeshParts::United) {
            solids.emplace_back(preview.set, settings.revolve, MeshParts::United);
            parts.push_back({"solid", &solids.back(), {}, precision});
        } else {
            solids.reserve(preview.set.figures.size());
            for (const FigureSolid& f : preview.set.figures) {
                if (f.refused || (f.regions.empty() && f.surfaces.empty())) continue;
                solids.emplace_back(std::vector{&f}, settings.revolve);
                parts.push_back({"figure " + std::to_string(f.figure), &solids.back(), {}, precision});
            }
        }
        for (std::size_t i = 0; i < parts.size(); ++i)
            for (int figure : solids[i].partFigures()) parts[i].partMaterial.push_back(material(figure));
        write3mf(parts, sink, materials);
        for (const RevolvedSolid& s : solids) {
            done.vertices += s.vertexCount();
            done.triangles += s.triangleCount();
        }
        done.objects = parts.size();
    } else {
        const RevolvedSolid solid(preview.set, settings.revolve, settings.parts);
        writeMesh(solid, settings.format, sink);
        done.vertices = solid.vertexCount();
        done.triangles = solid.triangleCount();
        done.objects = 1;
    }
    file.commit();
    return done;
}

}  // namespace vantor
