// SPDX-License-Identifier: GPL-3.0-or-later
// The browser build has neither libzip nor cairo: asking for a 3MF file or an
// SVG or PDF template is refused with a message, as any other failure of a
// writer is. DXF templates and the other mesh formats are written as on the
// desktop.
#include <stdexcept>

#include "export/mesh/Mesh3mf.h"
#include "export/mesh/TemplatePage.h"

namespace vantor {

void write3mf(const std::vector<MeshPart>&, ByteSink&, const std::vector<Material3mf>&) {
    throw std::runtime_error("3MF files are not available in the browser version");
}

void writeVectorTemplate(const std::vector<TemplateFigure>&, const Page&, TemplateFormat, ByteSink&) {
    throw std::runtime_error("SVG and PDF templates are not available in the browser version; write a .dxf");
}

}  // namespace vantor
