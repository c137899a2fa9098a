// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Mesh files for 3-D printing and modelling programs: binary STL, OBJ with
// face normals and binary PLY, written a piece at a time as the source makes
// its triangles; and 3MF (Mesh3mf.h), which slicers prefer.
#include <cstdint>
#include <string>
#include <vector>

#include "export/animation/AnimationWriter.h"
#include "export/mesh/Revolve.h"

namespace vantor {

enum class MeshFormat { Unknown, Stl, Obj, Ply, ThreeMf };

// By the file name's extension, case-insensitively.
MeshFormat meshFormatOf(const std::string& fileName);

// Writes STL, OBJ or PLY into `sink` through a small buffer; the mesh is
// never held. An OBJ reads the source's triangles twice (normals, then
// faces).
void writeMesh(const MeshSource& source, MeshFormat format, ByteSink& sink);

// The file's bytes, held whole (3MF with the mesh as one object).
std::vector<std::uint8_t> encodeMesh(const Mesh& mesh, MeshFormat format);

// The unit normal of a triangle (zero for a degenerate one).
Vec3 triangleNormal(const Mesh& mesh, std::size_t triangle);
Vec3 triangleNormal(const MeshTriangle& triangle);

}  // namespace vantor
