// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawn figures at true size, as a template to cut or turn against: one
// data unit is `scale` millimetres; the axis is a dashed centre line; the
// page is just large enough, with a margin. SVG and PDF are drawn by cairo;
// DXF is in millimetres ($INSUNITS 4), one polyline a figure.
#include <string>
#include <vector>

#include "export/mesh/Profile.h"

namespace vantor {

class FigureStore;

enum class TemplateFormat { Unknown, Svg, Pdf, Dxf };

// By the file name's extension, case-insensitively.
TemplateFormat templateFormatOf(const std::string& fileName);

struct TemplateFigure {
    int figure = 0;
    std::vector<ProfilePoint> points;  // as drawn, r keeping its side of the axis
    bool closed = false;               // the last vertex meets the first
};

// Every figure of two or more vertices, in store order.
std::vector<TemplateFigure> templateFigures(const FigureStore& store);

constexpr double TemplateMargin = 10;  // mm around the figures and the axis

// Writes the template to `path`, replacing it only once whole. Throws
// IoError, or std::runtime_error when cairo fails.
void writeTemplate(const std::vector<TemplateFigure>& figures, double scale, TemplateFormat format, const std::string& path,
                   const std::string& shownName);

}  // namespace vantor
