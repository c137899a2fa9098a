// SPDX-License-Identifier: GPL-3.0-or-later
// The browser build has no cairo: asking for an SVG or PDF template is
// refused with a message, as any other failure of a writer is. DXF
// templates and every mesh format, 3MF among them, are written as on the
// desktop.
#include <stdexcept>

#include "export/mesh/TemplatePage.h"

namespace vantor {

void writeVectorTemplate(const std::vector<TemplateFigure>&, const Page&, TemplateFormat, ByteSink&) {
    throw std::runtime_error("SVG and PDF templates are not available in the browser version; write a .dxf");
}

}  // namespace vantor
