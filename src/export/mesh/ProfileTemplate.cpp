// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/mesh/ProfileTemplate.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "export/animation/ScenarioExport.h"
#include "export/mesh/TemplatePage.h"
#include "model/figures/FigureStore.h"
#include "platform/files/StreamingReplace.h"

namespace vantor {

namespace {

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
    else writeVectorTemplate(figures, page, format, sink);
    file.commit();
}

}  // namespace vantor
