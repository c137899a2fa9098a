// SPDX-License-Identifier: GPL-3.0-or-later
// SVG and PDF templates through cairo.
#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <stdexcept>
#include <string>

#include "export/mesh/TemplatePage.h"

namespace vantor {

namespace {

constexpr double PointsPerMm = 72 / 25.4;
constexpr double LineWidth = 0.1;  // mm: a fine line to cut along

cairo_status_t toSink(void* sink, const unsigned char* data, unsigned int length) {
    try {
        static_cast<ByteSink*>(sink)->write(data, length);
        return CAIRO_STATUS_SUCCESS;
    } catch (...) {
        return CAIRO_STATUS_WRITE_ERROR;
    }
}

void draw(cairo_t* cr, const std::vector<TemplateFigure>& figures, const Page& page) {
    cairo_set_line_width(cr, LineWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    // The axis: a dashed centre line (long dash, gap, short dash, gap) in grey.
    const double dashes[] = {8, 2, 2, 2};
    cairo_set_dash(cr, dashes, 4, 0);
    cairo_set_source_rgb(cr, 0.5, 0.5, 0.5);
    cairo_move_to(cr, page.x(0), TemplateMargin / 2);
    cairo_line_to(cr, page.x(0), page.height() - TemplateMargin / 2);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    cairo_set_source_rgb(cr, 0, 0, 0);
    for (const TemplateFigure& f : figures) {
        cairo_move_to(cr, page.x(f.points[0].r), page.y(f.points[0].y));
        for (std::size_t i = 1; i < f.points.size(); ++i) cairo_line_to(cr, page.x(f.points[i].r), page.y(f.points[i].y));
        if (f.closed) cairo_close_path(cr);
        cairo_stroke(cr);
    }
}

}  // namespace

void writeVectorTemplate(const std::vector<TemplateFigure>& figures, const Page& page, TemplateFormat format, ByteSink& sink) {
    cairo_surface_t* surface = nullptr;
    double unit = 1;
    if (format == TemplateFormat::Svg) {
        // User units are millimetres.
        surface = cairo_svg_surface_create_for_stream(toSink, &sink, page.width(), page.height());
        cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_MM);
    } else {
        surface = cairo_pdf_surface_create_for_stream(toSink, &sink, page.width() * PointsPerMm, page.height() * PointsPerMm);
        unit = PointsPerMm;
    }
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, unit, unit);
    draw(cr, figures, page);
    cairo_show_page(cr);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const cairo_status_t status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error(std::string("template: ") + cairo_status_to_string(status));
}

}  // namespace vantor
