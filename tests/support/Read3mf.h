// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 3MF files read back by readers independent of the writer: lib3mf for the
// objects and their meshes, libzip for the model entry's text.
#include <cstdint>
#include <string>
#include <vector>

#include "export/mesh/Revolve.h"

namespace vantor::test {

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

// The model entry's XML, as written.
std::string modelText3mf(const std::vector<std::uint8_t>& bytes);

}  // namespace vantor::test
