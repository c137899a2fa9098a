#include "export/mesh/SolidExport.h"

#include "export/animation/ScenarioExport.h"
#include "export/mesh/Mesh3mf.h"
#include "model/figures/FigureStore.h"
#include "platform/files/StreamingReplace.h"

namespace vantor {

SolidPreview previewSolid(const std::vector<Profile>& profiles, const ExportSettings& settings) {
    SolidPreview p;
    p.set = solidOf(profiles, settings.revolve.thickness);
    for (const SolidNote& n : p.set.notes)
        (n.kind == NoteKind::Refused ? p.refusals : p.warnings).push_back(n.text);
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
        std::vector<RevolvedSolid> solids;
        solids.reserve(preview.set.figures.size());
        for (const FigureSolid& f : preview.set.figures)
            if (!f.refused && (!f.regions.empty() || !f.surfaces.empty())) solids.emplace_back(std::vector{&f}, settings.revolve);
        std::vector<MeshPart> parts;
        std::size_t i = 0;
        for (const FigureSolid& f : preview.set.figures) {
            if (f.refused || (f.regions.empty() && f.surfaces.empty())) continue;
            parts.push_back({"figure " + std::to_string(f.figure), &solids[i++]});
        }
        write3mf(parts, sink);
        for (const RevolvedSolid& s : solids) {
            done.vertices += s.vertexCount();
            done.triangles += s.triangleCount();
        }
        done.objects = parts.size();
    } else {
        const RevolvedSolid solid(preview.set, settings.revolve);
        writeMesh(solid, settings.format, sink);
        done.vertices = solid.vertexCount();
        done.triangles = solid.triangleCount();
        done.objects = 1;
    }
    file.commit();
    return done;
}

}  // namespace vantor
