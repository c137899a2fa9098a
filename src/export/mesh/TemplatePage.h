// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page of a profile template in millimetres: the figures and the axis at
// true size, with the margin, and the drawing of it as SVG or PDF.
#include <vector>

#include "export/animation/AnimationWriter.h"
#include "export/mesh/ProfileTemplate.h"

namespace vantor {

// The page in millimetres: the figures and the axis, with the margin.
struct Page {
    double minX = 0, maxX = 0, minY = 0, maxY = 0, scale = 1;
    double width() const { return (maxX - minX) * scale + 2 * TemplateMargin; }
    double height() const { return (maxY - minY) * scale + 2 * TemplateMargin; }
    // Millimetres from the top left corner, y down.
    double x(double r) const { return (r - minX) * scale + TemplateMargin; }
    double y(double h) const { return (maxY - h) * scale + TemplateMargin; }
};

// The page around FIGURES drawn at SCALE millimetres a unit.
Page pageOf(const std::vector<TemplateFigure>& figures, double scale);

// Draws the figures and the axis on the page as SVG or PDF (cairo) into SINK.
void writeVectorTemplate(const std::vector<TemplateFigure>& figures, const Page& page, TemplateFormat format, ByteSink& sink);

}  // namespace vantor
