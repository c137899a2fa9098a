// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/mesh/PrintChecks.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "export/mesh/Regions.h"
#include "export/mesh/ThinWalls.h"
#include "model/figures/FigureStore.h"

namespace vantor {

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

ProfilePoint operator+(const ProfilePoint& a, const ProfilePoint& b) { return {a.r + b.r, a.y + b.y}; }
ProfilePoint operator*(double s, const ProfilePoint& a) { return {s * a.r, s * a.y}; }

// Crossing number of a simple ring.
bool inRing(const std::vector<ProfilePoint>& ring, const ProfilePoint& p) {
    bool in = false;
    for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        const ProfilePoint &a = ring[i], &b = ring[j];
        if ((a.y > p.y) != (b.y > p.y) && p.r < (b.r - a.r) * (p.y - a.y) / (b.y - a.y) + a.r) in = !in;
    }
    return in;
}

// The solid's section through the axis: the regions and their mirror image.
class Section {
public:
    explicit Section(const std::vector<Region>& whole) : m_whole(whole) {}

    bool inside(ProfilePoint p) const {
        p.r = std::fabs(p.r);
        for (const Region& r : m_whole) {
            if (!inRing(r.outer, p)) continue;
            if (std::none_of(r.holes.begin(), r.holes.end(), [&](const auto& h) { return inRing(h, p); })) return true;
        }
        return false;
    }

private:
    const std::vector<Region>& m_whole;
};

struct Piece {
    ProfilePoint a, b;  // at r >= 0
};

// A drawn segment on this side of the axis: split where it crosses, mirrored.
std::vector<Piece> piecesOf(const ProfilePoint& a, const ProfilePoint& b) {
    auto mirrored = [](ProfilePoint p) { return ProfilePoint{std::fabs(p.r), p.y}; };
    if ((a.r < 0 && b.r > 0) || (a.r > 0 && b.r < 0)) {
        const double t = a.r / (a.r - b.r);
        const ProfilePoint c{0, a.y + t * (b.y - a.y)};
        return {{mirrored(a), c}, {c, mirrored(b)}};
    }
    return {{mirrored(a), mirrored(b)}};
}

class Checker {
public:
    Checker(const std::vector<Profile>& profiles, const PrintCheckSettings& s)
        : m_profiles(profiles), m_settings(s), m_set(solidOf(profiles, s.thickness)), m_section(m_set.whole) {}

    PrintCheckReport run() {
        for (const SolidNote& n : m_set.notes) {
            if (n.kind == NoteKind::Refused) m_report.refusals.push_back(n.text);
            if (n.kind == NoteKind::MovedToAxis || n.kind == NoteKind::BeyondAxis || n.kind == NoteKind::WallClipped)
                m_report.warnings.push_back(n.text);
        }
        if (!m_report.refusals.empty()) return m_report;
        if (std::any_of(m_set.notes.begin(), m_set.notes.end(), [](auto& n) { return n.kind == NoteKind::NothingToPrint; })) {
            Finding f;
            f.kind = FindingKind::NoArea;
            m_report.findings.push_back(f);
            return m_report;
        }
        measureExtent();
        for (std::size_t i = 0; i < m_profiles.size(); ++i) segments(m_profiles[i], m_set.figures[i]);
        thinWalls();
        floating();
        std::stable_sort(m_report.findings.begin(), m_report.findings.end(), [](const Finding& x, const Finding& y) {
            if (x.figure != y.figure) return x.figure < y.figure;
            if (x.kind != y.kind) return x.kind < y.kind;
            return x.firstVertex < y.firstVertex;
        });
        return m_report;
    }

private:
    void measureExtent() {
        double minR = Infinity, maxR = -Infinity, maxY = -Infinity;
        auto add = [&](const std::vector<ProfilePoint>& pts) {
            for (const ProfilePoint& p : pts) {
                minR = std::min(minR, p.r);
                maxR = std::max(maxR, p.r);
                m_bed = std::min(m_bed, p.y);
                maxY = std::max(maxY, p.y);
            }
        };
        for (const Region& r : m_set.whole) add(r.outer);
        for (const FigureSolid& f : m_set.figures)
            for (const auto& chain : f.surfaces) add(chain);
        const double extent = std::max({maxR - minR, maxY - m_bed, 0.0});
        m_tolerance = std::max(1e-9 * extent, 4 * m_set.quantum);
    }

    Finding finding(FindingKind kind, const Profile& p, std::size_t from, std::size_t to, double value) const {
        Finding f;
        f.kind = kind;
        f.figure = p.figure;
        const bool segment = kind == FindingKind::Overhang || kind == FindingKind::ThinWall;
        f.firstVertex = p.sources.empty() ? 0 : p.sources[from];
        f.lastVertex = p.sources.empty() ? 0 : segment ? f.firstVertex + 1 : p.sources[to];
        f.from = p.points[from];
        f.to = p.points[to];
        f.value = value;
        return f;
    }

    // The angle from vertical of a surface whose outward normal is `n`, when it faces down.
    double downwardAngle(const ProfilePoint& n) const {
        if (n.y >= 0) return 0;
        return std::asin(std::min(1.0, -n.y)) * 180 / std::numbers::pi;
    }

    void segments(const Profile& p, const FigureSolid& f) {
        const std::size_t n = p.points.size();
        if (!f.solid()) m_report.findings.push_back(finding(FindingKind::OpenFigure, p, 0, n - 1, 0));
        const std::size_t count = p.shape == ProfileShape::Closed ? n : n - 1;
        for (std::size_t k = 0; k < count; ++k) {
            const std::size_t next = (k + 1) % n;
            double overhang = 0;
            for (const Piece& piece : piecesOf(p.points[k], p.points[next])) {
                const ProfilePoint d{piece.b.r - piece.a.r, piece.b.y - piece.a.y};
                const double len = std::hypot(d.r, d.y);
                if (len == 0) continue;
                const ProfilePoint left{-d.y / len, d.r / len};
                const ProfilePoint mid = 0.5 * (piece.a + piece.b);
                const bool onBed = piece.a.y <= m_bed + m_tolerance && piece.b.y <= m_bed + m_tolerance;
                if (!f.solid()) {
                    // A bare surface has two faces; one of them faces down unless it stands upright.
                    if (!onBed) overhang = std::max({overhang, downwardAngle(left), downwardAngle(-1.0 * left)});
                    continue;
                }
                const double eps = std::min(len / 4, 16 * m_tolerance);
                const bool inLeft = m_section.inside(mid + eps * left), inRight = m_section.inside(mid + (-eps) * left);
                if (inLeft == inRight) continue;  // inside the solid or a hair outside it: no surface
                const ProfilePoint outward = inLeft ? -1.0 * left : left;
                if (!onBed) overhang = std::max(overhang, downwardAngle(outward));
            }
            if (overhang > m_settings.maxOverhang + 1e-3)
                m_report.findings.push_back(finding(FindingKind::Overhang, p, k, next, overhang));
        }
    }

    // Each piece too narrow for the nozzle, named by the drawn segment nearest it.
    void thinWalls() {
        for (const ThinPlace& place : thinPlaces(m_set, m_settings.nozzle / m_settings.scale)) {
            double best = Infinity;
            const Profile* profile = nullptr;
            std::size_t segment = 0;
            for (const Profile& p : m_profiles) {
                const std::size_t n = p.points.size();
                const std::size_t count = p.shape == ProfileShape::Closed ? n : n - 1;
                for (std::size_t k = 0; k < count; ++k)
                    for (const Piece& piece : piecesOf(p.points[k], p.points[(k + 1) % n])) {
                        // A segment along the axis bounds no surface.
                        if (piece.a.r == 0 && piece.b.r == 0) continue;
                        const double d = distanceTo(place.at, piece);
                        if (d < best) {
                            best = d;
                            profile = &p;
                            segment = k;
                        }
                    }
            }
            if (!profile) continue;
            Finding f = finding(FindingKind::ThinWall, *profile, segment, (segment + 1) % profile->points.size(),
                                place.width * m_settings.scale);
            f.at = place.at;
            m_report.findings.push_back(f);
        }
    }

    static double distanceTo(const ProfilePoint& q, const Piece& s) {
        const ProfilePoint d{s.b.r - s.a.r, s.b.y - s.a.y};
        const double len2 = d.r * d.r + d.y * d.y;
        const double t = len2 > 0 ? std::clamp(((q.r - s.a.r) * d.r + (q.y - s.a.y) * d.y) / len2, 0.0, 1.0) : 0;
        return std::hypot(q.r - (s.a.r + t * d.r), q.y - (s.a.y + t * d.y));
    }

    // A part resting above the bed is named by the drawn vertex nearest its lowest point.
    void floating() {
        auto report = [&](const ProfilePoint& low) {
            double best = Infinity;
            const Profile* profile = nullptr;
            std::size_t vertex = 0;
            for (const Profile& p : m_profiles)
                for (std::size_t i = 0; i < p.points.size(); ++i) {
                    const double d = std::hypot(std::fabs(p.points[i].r) - low.r, p.points[i].y - low.y);
                    if (d < best) {
                        best = d;
                        profile = &p;
                        vertex = i;
                    }
                }
            if (profile)
                m_report.findings.push_back(
                    finding(FindingKind::Floating, *profile, vertex, vertex, (low.y - m_bed) * m_settings.scale));
        };
        auto lowest = [](const std::vector<ProfilePoint>& pts) {
            return *std::min_element(pts.begin(), pts.end(), [](auto& a, auto& b) { return a.y < b.y || (a.y == b.y && a.r < b.r); });
        };
        for (const Region& r : m_set.whole) {
            const ProfilePoint low = lowest(r.outer);
            if (low.y > m_bed + m_tolerance) report(low);
        }
        for (const FigureSolid& f : m_set.figures)
            for (const auto& chain : f.surfaces) {
                const ProfilePoint low = lowest(chain);
                if (low.y > m_bed + m_tolerance && !m_section.inside({low.r, low.y - m_tolerance})) report(low);
            }
    }

    const std::vector<Profile>& m_profiles;
    PrintCheckSettings m_settings;
    SolidSet m_set;
    Section m_section;
    PrintCheckReport m_report;
    double m_bed = Infinity;
    double m_tolerance = 0;
};

}  // namespace

PrintCheckReport printChecks(const std::vector<Profile>& profiles, const PrintCheckSettings& settings) {
    return Checker(profiles, settings).run();
}

PrintCheckReport printChecks(const FigureStore& store, const PrintCheckSettings& settings) {
    PrintCheckReport report = printChecks(profilesOf(store), settings);
    // A profile of joined figures: each finding belongs to the figure of its first vertex.
    for (Finding& f : report.findings)
        if (f.firstVertex > 0 && f.kind != FindingKind::OpenFigure) f.figure = store.figure(f.firstVertex);
    return report;
}

}  // namespace vantor
