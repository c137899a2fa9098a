#pragma once
// Mesh files for 3-D printing and modelling programs: binary STL, OBJ with
// face normals, binary PLY.
#include <cstdint>
#include <string>
#include <vector>

#include "export/mesh/Revolve.h"

namespace vantor {

enum class MeshFormat { Unknown, Stl, Obj, Ply };

// By the file name's extension, case-insensitively.
MeshFormat meshFormatOf(const std::string& fileName);

std::vector<std::uint8_t> encodeMesh(const Mesh& mesh, MeshFormat format);

// The unit normal of a triangle (zero for a degenerate one).
Vec3 triangleNormal(const Mesh& mesh, std::size_t triangle);

}  // namespace vantor
