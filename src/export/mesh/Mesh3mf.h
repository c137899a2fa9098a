#pragma once
// 3MF, the format slicers prefer, through lib3mf: millimetre units, one mesh
// object (and build item) per part, each named. lib3mf holds the whole model
// in memory before it writes, unlike the streamed STL, OBJ and PLY.
#include <cstdint>
#include <string>
#include <vector>

#include "export/animation/AnimationWriter.h"
#include "export/mesh/Revolve.h"

namespace vantor {

struct MeshPart {
    std::string name;
    const MeshSource* source = nullptr;
};

// Throws std::runtime_error with lib3mf's message when the model cannot be made.
void write3mf(const std::vector<MeshPart>& parts, ByteSink& sink);

struct NamedMesh {
    std::string name;
    Mesh mesh;
};

struct Model3mf {
    bool millimetres = false;
    std::vector<NamedMesh> objects;  // the mesh objects in file order
};

// Throws std::runtime_error when the bytes are not a 3MF model lib3mf reads.
Model3mf read3mf(const std::vector<std::uint8_t>& bytes);

}  // namespace vantor
