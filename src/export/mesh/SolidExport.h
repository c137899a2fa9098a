// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The way from the figures to a mesh file that both the display window and
// the command line take: first a preview of what would be written (size,
// measures, what was resolved, what stops the export), then the writing.
#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
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
    MeshParts parts = MeshParts::United;
};

struct SolidPreview {
    SolidSet set;
    std::vector<ProfileMeasures> figures;  // each figure's, in data units
    Totals totals;                          // of what prints (shared volume once), in data units
    SolidSize size;                         // width x depth x height in mm
    std::vector<std::string> warnings;      // what was resolved, one line each naming the figure
    std::vector<int> openFigures;           // open figures without a wall
    std::vector<std::string> refusals;      // what stops the export, one line each
    std::vector<std::pair<int, std::array<std::uint8_t, 3>>> colours;  // each figure's colour
    std::array<std::uint8_t, 3> colourOf(int figure) const {
        for (const auto& [f, c] : colours)
            if (f == figure) return c;
        return {255, 255, 255};
    }
    // Nothing refused, and no open figure unless bare surfaces were asked for.
    bool writable(OpenFigures open) const { return refusals.empty() && (openFigures.empty() || open == OpenFigures::BareSurface); }
};

// Refuses (in `refusals`) a set that encloses no area, and one whose
// coordinates at the scale are not finite in single precision.
SolidPreview previewSolid(const std::vector<Profile>& profiles, const ExportSettings& settings);
SolidPreview previewSolid(const FigureStore& store, const ExportSettings& settings);

struct ExportedSolid {
    std::size_t objects = 0, vertices = 0, triangles = 0;
};

// Writes a writable preview's solid to `path`, replacing it only once the
// whole file is written; every format is written as the triangles are made.
// United, a 3MF holds one object whose parts keep their figures' colours;
// per figure, one object a figure. `shownName` names the file in errors.
// Throws IoError, or std::runtime_error when the 3MF package fails.
ExportedSolid writeSolid(const SolidPreview& preview, const ExportSettings& settings, const std::string& path,
                         const std::string& shownName);

}  // namespace vantor
