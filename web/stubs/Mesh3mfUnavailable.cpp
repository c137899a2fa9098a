// The browser build has no lib3mf: asking for a 3MF file is refused with a
// message, as any other failure of a mesh writer or reader is.
#include <stdexcept>

#include "export/mesh/Mesh3mf.h"

namespace vantor {

namespace {
[[noreturn]] void unavailable() { throw std::runtime_error("3MF files are not available in the browser version"); }
}  // namespace

void write3mf(const std::vector<MeshPart>&, ByteSink&) { unavailable(); }

Model3mf read3mf(const std::vector<std::uint8_t>&) { unavailable(); }

}  // namespace vantor
