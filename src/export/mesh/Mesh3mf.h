// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 3MF, the format slicers prefer: a zip package whose model entry is
// written as the triangles are made, so memory does not grow with the mesh.
// Millimetre units; each object's triangles carry the material (a figure's
// colour) of the part they bound.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "export/animation/AnimationWriter.h"
#include "export/mesh/Revolve.h"

namespace vantor {

struct Material3mf {
    std::string name;
    std::array<std::uint8_t, 3> colour{255, 255, 255};
};

struct MeshPart {
    std::string name;
    const MeshSource* source = nullptr;
    // The material of each part of the source (MeshTriangle::part); none
    // when the file holds no materials.
    std::vector<std::size_t> partMaterial;
    // Coordinates are written to this step (mm) or finer.
    double precision = 1e-6;
};

// One object per part, placed as the source places it. The package is made
// in a temporary file and then copied into the sink. Throws
// std::runtime_error when libzip fails.
void write3mf(const std::vector<MeshPart>& parts, ByteSink& sink, const std::vector<Material3mf>& materials = {});

}  // namespace vantor
