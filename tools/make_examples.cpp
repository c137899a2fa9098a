// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the example data sets (vertex file, figure attributes, display
// options) into a folder: vantor-make-examples <folder>. Profiles are in
// editor units: x is the distance from the axis, y the height, and every
// point stays within 0 <= x <= 150, |y| <= 120 so the solids fit the display.
#include <cmath>
#include <iostream>
#include <string>
#include <vector>

#include "model/figures/FigureStore.h"
#include "model/formats/DataSetFiles.h"
#include "model/options/DisplayOptions.h"
#include "model/options/OptionFile.h"
#include "platform/files/IoError.h"
#include "platform/files/Files.h"

using namespace vantor;

namespace {

struct Point {
    double x, y;
};
using Profile = std::vector<Point>;

struct Tint {
    double r, g, b;
};

constexpr double Pi = 3.14159265358979323846;

// A smooth curve through the control points (Catmull-Rom), `steps` points
// per span, ending exactly on the last control point.
Profile smooth(const Profile& c, int steps) {
    Profile out;
    for (std::size_t i = 0; i + 1 < c.size(); ++i) {
        const Point& p0 = c[i == 0 ? 0 : i - 1];
        const Point& p1 = c[i];
        const Point& p2 = c[i + 1];
        const Point& p3 = c[i + 2 < c.size() ? i + 2 : i + 1];
        for (int s = 0; s < steps; ++s) {
            double t = double(s) / steps, t2 = t * t, t3 = t2 * t;
            auto f = [&](double a, double b, double cc, double d) {
                return 0.5 * (2 * b + (-a + cc) * t + (2 * a - 5 * b + 4 * cc - d) * t2 + (-a + 3 * b - 3 * cc + d) * t3);
            };
            out.push_back({f(p0.x, p1.x, p2.x, p3.x), f(p0.y, p1.y, p2.y, p3.y)});
        }
    }
    out.push_back(c.back());
    return out;
}

// Points of a circular arc from angle `from` to `to` (degrees), inclusive.
Profile arc(Point centre, double radius, double from, double to, int steps) {
    Profile out;
    for (int s = 0; s <= steps; ++s) {
        double a = (from + (to - from) * s / steps) * Pi / 180.0;
        double x = centre.x + radius * std::cos(a);
        // cos(90 degrees) is not exactly 0 in floating point: a point meant
        // for the axis goes exactly onto it, so its normal is not noise.
        if (std::fabs(x) < 1e-9 * radius) x = 0;
        out.push_back({x, centre.y + radius * std::sin(a)});
    }
    return out;
}

Profile operator+(Profile a, const Profile& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class DataSetBuilder {
public:
    explicit DataSetBuilder(DisplayOptions& options) : m_options(options), m_store(options) {
        m_store.clearVertices();
        m_store.resetFigureTable();
    }

    // One figure; a method or tint of 0 / nullptr follows the display default.
    void figure(const Profile& joined, int method, const Tint* tint) {
        // Pieces are joined end to start; a repeated point would make a
        // segment of no length.
        Profile points;
        for (const Point& p : joined)
            if (points.empty() || std::hypot(p.x - points.back().x, p.y - points.back().y) > 1e-6) points.push_back(p);
        const std::int32_t n = m_store.allocFigure();
        FigureRecord& r = m_store.slot(n);
        if (method != 0) {
            r.method = static_cast<std::uint8_t>(method);
            r.methodFixed = 1;
        }
        if (tint) {
            r.tintR = tint->r;
            r.tintG = tint->g;
            r.tintB = tint->b;
            r.tintFixed = 1;
        }
        for (std::size_t i = 0; i < points.size(); ++i) {
            const Point p = points[i];
            if (p.x < -1e-9 || p.x > 150 || std::fabs(p.y) > 120) throw std::runtime_error("point outside the sheet");
            const int k = ++m_store.VertexCount;
            m_store.x(k) = static_cast<float>(std::max(0.0, p.x));
            m_store.y(k) = static_cast<float>(p.y);
            m_store.link(k) = i + 1 < points.size() ? 1 : 0;
            m_store.figure(k) = n;
        }
    }

    void write(const Files& files, const std::string& name) {
        DataSetFiles(m_store, files).save(DataFormat::Va4, name + ".va4", name + ".zuk");
        writeOptionFile(files, name + ".vop", m_options);
        std::cout << name << ": " << m_store.VertexCount << " vertices, " << m_store.HighestFigure << " figures\n";
    }

private:
    DisplayOptions& m_options;
    FigureStore m_store;
};

DisplayOptions optionsWith(std::uint8_t backR, std::uint8_t backG, std::uint8_t backB) {
    DisplayOptions o;
    o.setFactoryValues();
    o.backR = backR;
    o.backG = backG;
    o.backB = backB;
    return o;
}

void vase(const Files& files) {
    DisplayOptions o = optionsWith(0, 0, 48);
    DataSetBuilder b(o);
    const Tint glaze{0.35, 0.55, 1.0}, gold{1.0, 0.8, 0.3};
    // Outer wall up to the lip, over it, and down the inner wall.
    b.figure(Profile{{0, -96}, {56, -96}} +
                 smooth({{56, -96}, {92, -60}, {108, -20}, {88, 30}, {48, 62}, {52, 92}, {66, 104}}, 8) +
                 Profile{{62, 107}} +
                 smooth({{60, 104}, {46, 92}, {42, 62}, {82, 28}, {100, -20}, {86, -56}, {52, -88}}, 8) +
                 Profile{{0, -88}},
             2, &glaze);
    b.figure(arc({108, -20}, 6, 90, -90, 6), 3, &gold);         // a raised band round the belly
    b.figure({{0, -104}, {62, -104}, {62, -96}}, 0, nullptr);   // the foot ring in the default look
    b.write(files, "vase");
}

void wineGlass(const Files& files) {
    DisplayOptions o = optionsWith(0, 0, 0);
    DataSetBuilder b(o);
    const Tint glass{0.7, 0.9, 1.0};
    b.figure(smooth({{0, -6}, {34, -2}, {58, 24}, {70, 64}, {70, 112}}, 10), 1, &glass);  // the bowl, see-through
    b.figure(smooth({{10, -10}, {5, -30}, {4, -60}, {6, -84}, {12, -94}}, 6), 2, &glass);  // the stem
    b.figure({{0, -104}, {64, -104}, {66, -101}, {40, -98}, {12, -94}}, 3, &glass);       // the foot
    b.write(files, "wineglass");
}

void pawn(const Files& files) {
    DisplayOptions o = optionsWith(40, 40, 40);
    DataSetBuilder b(o);
    const Tint ivory{1.0, 0.93, 0.75}, felt{0.3, 0.8, 0.35};
    b.figure(arc({0, 74}, 28, 90, -62, 20) +
                 Profile{{30, 46}, {38, 42}, {38, 36}, {22, 32}} +
                 smooth({{22, 32}, {24, 0}, {34, -36}, {48, -62}, {58, -72}}, 6) +
                 Profile{{62, -80}, {62, -92}},
             2, &ivory);
    b.figure({{62, -92}, {62, -98}, {0, -98}}, 3, &felt);  // felt under the base
    b.write(files, "pawn");
}

void rings(const Files& files) {
    DisplayOptions o = optionsWith(24, 0, 36);
    DataSetBuilder b(o);
    const Tint gold{1.0, 0.78, 0.25};
    // Closed profiles: the circle's first point is repeated at its end.
    b.figure(arc({86, -40}, 30, 0, 360, 48), 3, &gold);
    b.figure(arc({60, 56}, 18, 0, 360, 36), 0, nullptr);
    b.write(files, "torus");
}

void lamp(const Files& files) {
    DisplayOptions o = optionsWith(0, 0, 0);
    o.lightDirH = 240;
    DataSetBuilder b(o);
    const Tint shade{1.0, 0.85, 0.45}, bulb{1.0, 1.0, 0.6}, bronze{0.8, 0.55, 0.3};
    b.figure({{56, 112}, {60, 116}, {118, 44}, {124, 40}}, 2, &shade);
    b.figure(arc({0, 50}, 22, 90, -90, 16), 1, &bulb);
    b.figure({{6, 28}, {6, -88}}, 0, nullptr);
    b.figure(smooth({{8, -88}, {30, -96}, {70, -104}, {84, -112}}, 6) + Profile{{84, -118}, {0, -118}}, 3, &bronze);
    b.write(files, "lamp");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vantor-make-examples FOLDER\n";
        return 2;
    }
    try {
        Files files(argv[1]);
        vase(files);
        wineGlass(files);
        pawn(files);
        rings(files);
        lamp(files);
    } catch (const std::exception& e) {
        std::cerr << "vantor-make-examples: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
