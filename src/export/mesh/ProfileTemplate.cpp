#include "export/mesh/ProfileTemplate.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "export/animation/ScenarioExport.h"
#include "model/figures/FigureStore.h"
#include "platform/files/StreamingReplace.h"

namespace vantor {

namespace {

constexpr double PointsPerMm = 72 / 25.4;
constexpr double LineWidth = 0.1;  // mm: a fine line to cut along

// The page in millimetres: the figures and the axis, with the margin.
struct Page {
    double minX = 0, maxX = 0, minY = 0, maxY = 0, scale = 1;
    double width() const { return (maxX - minX) * scale + 2 * TemplateMargin; }
    double height() const { return (maxY - minY) * scale + 2 * TemplateMargin; }
    // Millimetres from the top left corner, y down.
    double x(double r) const { return (r - minX) * scale + TemplateMargin; }
    double y(double h) const { return (maxY - h) * scale + TemplateMargin; }
};

Page pageOf(const std::vector<TemplateFigure>& figures, double scale) {
    Page p;
    p.scale = scale;
    p.minY = std::numeric_limits<double>::infinity();
    p.maxY = -p.minY;
    for (const TemplateFigure& f : figures)
        for (const ProfilePoint& q : f.points) {
            p.minX = std::min(p.minX, q.r);
            p.maxX = std::max(p.maxX, q.r);
            p.minY = std::min(p.minY, q.y);
            p.maxY = std::max(p.maxY, q.y);
        }
    if (!(p.minY <= p.maxY)) p.minY = p.maxY = 0;
    return p;
}

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

void cairoTemplate(const std::vector<TemplateFigure>& figures, const Page& page, TemplateFormat format, ByteSink& sink) {
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

// DXF of AutoCAD R12's plain layout, which every cutter's software reads,
// with the drawing's unit in its header.
class Dxf {
public:
    explicit Dxf(ByteSink& sink) : m_sink(sink) {}
    void pair(int code, const std::string& value) {
        m_text += std::to_string(code) + "\n" + value + "\n";
        if (m_text.size() > (1 << 16)) flush();
    }
    void number(int code, double v) {
        char buf[40];
        const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 12);
        pair(code, std::string(buf, r.ptr));
    }
    void flush() {
        m_sink.write(reinterpret_cast<const std::uint8_t*>(m_text.data()), m_text.size());
        m_text.clear();
    }

private:
    ByteSink& m_sink;
    std::string m_text;
};

void dxfTemplate(const std::vector<TemplateFigure>& figures, const Page& page, ByteSink& sink) {
    Dxf d(sink);
    d.pair(0, "SECTION");
    d.pair(2, "HEADER");
    d.pair(9, "$ACADVER");
    d.pair(1, "AC1009");
    d.pair(9, "$INSUNITS");
    d.pair(70, "4");
    d.pair(9, "$MEASUREMENT");
    d.pair(70, "1");
    d.pair(0, "ENDSEC");
    d.pair(0, "SECTION");
    d.pair(2, "TABLES");
    d.pair(0, "TABLE");
    d.pair(2, "LTYPE");
    d.pair(70, "1");
    d.pair(0, "LTYPE");
    d.pair(2, "CENTER");
    d.pair(70, "0");
    d.pair(3, "Center ____ _ ____ _");
    d.pair(72, "65");
    d.pair(73, "4");
    d.number(40, 14);
    d.number(49, 8);
    d.number(49, -2);
    d.number(49, 2);
    d.number(49, -2);
    d.pair(0, "ENDTAB");
    d.pair(0, "ENDSEC");
    d.pair(0, "SECTION");
    d.pair(2, "ENTITIES");
    // Millimetres with the axis at x = 0 and heights upwards, as drawn.
    d.pair(0, "LINE");
    d.pair(8, "AXIS");
    d.pair(6, "CENTER");
    d.number(10, 0);
    d.number(20, page.minY * page.scale - TemplateMargin / 2);
    d.number(11, 0);
    d.number(21, page.maxY * page.scale + TemplateMargin / 2);
    for (const TemplateFigure& f : figures) {
        d.pair(0, "POLYLINE");
        d.pair(8, "FIGURE" + std::to_string(f.figure));
        d.pair(66, "1");
        d.number(10, 0);
        d.number(20, 0);
        d.number(30, 0);
        d.pair(70, f.closed ? "1" : "0");
        for (const ProfilePoint& q : f.points) {
            d.pair(0, "VERTEX");
            d.pair(8, "FIGURE" + std::to_string(f.figure));
            d.number(10, q.r * page.scale);
            d.number(20, q.y * page.scale);
            d.number(30, 0);
        }
        d.pair(0, "SEQEND");
    }
    d.pair(0, "ENDSEC");
    d.pair(0, "EOF");
    d.flush();
}

}  // namespace

TemplateFormat templateFormatOf(const std::string& fileName) {
    const std::size_t dot = fileName.find_last_of('.');
    if (dot == std::string::npos) return TemplateFormat::Unknown;
    std::string ext = fileName.substr(dot + 1);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == "svg") return TemplateFormat::Svg;
    if (ext == "pdf") return TemplateFormat::Pdf;
    if (ext == "dxf") return TemplateFormat::Dxf;
    return TemplateFormat::Unknown;
}

std::vector<TemplateFigure> templateFigures(const FigureStore& store) {
    std::vector<TemplateFigure> out;
    TemplateFigure f;
    for (int k = 1; k <= store.VertexCount; ++k) {
        const ProfilePoint p{static_cast<double>(store.x(k)), static_cast<double>(store.y(k))};
        if (f.points.empty() || f.points.back().r != p.r || f.points.back().y != p.y) f.points.push_back(p);
        if (store.link(k) == 1 && k < store.VertexCount) continue;
        f.figure = store.figure(k);
        if (f.points.size() >= 3 && f.points.front().r == f.points.back().r && f.points.front().y == f.points.back().y) {
            f.points.pop_back();
            f.closed = true;
        }
        if (f.points.size() >= 2) out.push_back(std::move(f));
        f = {};
    }
    return out;
}

void writeTemplate(const std::vector<TemplateFigure>& figures, double scale, TemplateFormat format, const std::string& path,
                   const std::string& shownName) {
    const Page page = pageOf(figures, scale);
    StreamingReplace file(path, shownName);
    FileSink sink(file);
    if (format == TemplateFormat::Dxf) dxfTemplate(figures, page, sink);
    else cairoTemplate(figures, page, format, sink);
    file.commit();
}

}  // namespace vantor
