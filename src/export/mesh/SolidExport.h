#pragma once
// The way from the figures to a mesh file that both the display window and
// the command line take: first a preview of what would be written (size,
// measures, what was resolved, what stops the export), then the writing.
#include <cstddef>
#include <string>
#include <vector>

#include "export/mesh/Measure.h"
#include "export/mesh/MeshFiles.h"
#include "export/mesh/Regions.h"
#include "export/mesh/Revolve.h"

namespace vantor {

class FigureStore;

// What becomes of an open figure without a wall (thickness 0).
enum class OpenFigures {
    Refuse,      // nothing is written: a printer needs a closed solid
    BareSurface  // written as the bare surface, for renderers
};

struct ExportSettings {
    MeshFormat format = MeshFormat::Stl;
    RevolveSettings revolve;  // segments, part of a turn, wall thickness (data units), scale (mm per data unit)
    OpenFigures open = OpenFigures::Refuse;
};

struct SolidPreview {
    SolidSet set;
    std::vector<ProfileMeasures> figures;  // each figure's, in data units
    Totals totals;                          // of what prints (shared volume once), in data units
    SolidSize size;                         // width x depth x height in mm
    std::vector<std::string> warnings;      // what was resolved, one line each naming the figure
    std::vector<int> openFigures;           // open figures without a wall
    std::vector<std::string> refusals;      // numbers that could not be made right, one line each
    // Nothing refused, and no open figure unless bare surfaces were asked for.
    bool writable(OpenFigures open) const { return refusals.empty() && (openFigures.empty() || open == OpenFigures::BareSurface); }
};

SolidPreview previewSolid(const std::vector<Profile>& profiles, const ExportSettings& settings);
SolidPreview previewSolid(const FigureStore& store, const ExportSettings& settings);

struct ExportedSolid {
    std::size_t objects = 0, vertices = 0, triangles = 0;
};

// Writes a writable preview's solid to `path`, replacing it only once the
// whole file is written; STL, OBJ and PLY are streamed, 3MF holds one
// object per figure. `shownName` names the file in errors. Throws IoError,
// or std::runtime_error when lib3mf fails.
ExportedSolid writeSolid(const SolidPreview& preview, const ExportSettings& settings, const std::string& path,
                         const std::string& shownName);

}  // namespace vantor
