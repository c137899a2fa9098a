#pragma once
// The one shared data model: the ordered vertex list and the per-figure
// attribute table, with the bookkeeping of the load and add flows. One
// instance per program, owned by the Program object.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/options/DisplayOptions.h"
#include "platform/checks/Verify.h"

namespace vantor {

class Files;

constexpr int MaxVertices = 10000;
constexpr int MaxFigures = 2500;

// Parallel arrays indexed 1..MaxVertices; entry 0 is a zeroed sentinel.
struct VertexList {
    std::array<float, MaxVertices + 1> x{};
    std::array<float, MaxVertices + 1> y{};
    std::array<std::uint8_t, MaxVertices + 1> link{};  // 1: joined to the next entry
    std::array<std::int32_t, MaxVertices + 1> figure{};
};

// 28 bytes on disk: three doubles, method, tintFixed, methodFixed, reserved.
struct FigureRecord {
    double tintR = 1.0;
    double tintG = 1.0;
    double tintB = 1.0;
    std::uint8_t method = methodCode(DrawMethod::Surface);
    std::uint8_t tintFixed = 0;
    std::uint8_t methodFixed = 0;
    std::uint8_t reserved = 0;
    DrawMethod drawMethod() const { return static_cast<DrawMethod>(method); }
    Tint tint() const { return {tintR, tintG, tintB}; }
    void setTint(const Tint& t) {
        tintR = t.r;
        tintG = t.g;
        tintB = t.b;
    }
    // A record that fixes nothing: tint and method follow the display's.
    static FigureRecord following(const DisplayOptions& o, std::uint8_t reserved = 0) {
        FigureRecord r;
        r.setTint(o.tint());
        r.method = o.defaultMethod;
        r.reserved = reserved;
        return r;
    }
    friend bool operator==(const FigureRecord&, const FigureRecord&) = default;
};
constexpr int FigureRecordSize = 28;

class FigureStore {
public:
    explicit FigureStore(const DisplayOptions& options) : m_options(options) {}

    VertexList vertices;
    std::int32_t VertexCount = 0;

    std::array<FigureRecord, MaxFigures + 1> FigureTable{};
    std::array<std::uint8_t, MaxFigures + 1> FigureInUse{};
    std::int32_t HighestFigure = 0;
    FigureRecord LastFreedFigure{};

    std::int32_t LoadBase = 0;
    std::int32_t LoadedHighest = 0;
    std::uint8_t DataEdited = 0;

    // Views of the vertex arrays, entries 0..MaxVertices. The arrays lie
    // side by side, so an index past one would silently read the next: it
    // stops the program instead.
    float& x(int k) { return vertices.x[vertexIndex(k)]; }
    float& y(int k) { return vertices.y[vertexIndex(k)]; }
    std::uint8_t& link(int k) { return vertices.link[vertexIndex(k)]; }
    std::int32_t& figure(int k) { return vertices.figure[vertexIndex(k)]; }
    float x(int k) const { return vertices.x[vertexIndex(k)]; }
    float y(int k) const { return vertices.y[vertexIndex(k)]; }
    std::uint8_t link(int k) const { return vertices.link[vertexIndex(k)]; }
    std::int32_t figure(int k) const { return vertices.figure[vertexIndex(k)]; }
    // Figure slots 0..MaxFigures.
    FigureRecord& slot(int n) { return FigureTable[slotIndex(n)]; }
    const FigureRecord& slot(int n) const { return FigureTable[slotIndex(n)]; }
    // True when vertex s starts a segment drawn as part of the solid: it is
    // one of the first m entries and joined to the next.
    bool startsSegment(int s, int m) const { return s >= 1 && s <= m && link(s) == 1; }

    // Entry 0 zeroed, no vertices, not edited.
    void clearVertices();

    void resetFigureTable();
    void applyDefaultTint();
    void applyDefaultMethod();
    // Lowest free number; 1 (shared with figure 1) when all are in use.
    std::int32_t allocFigure();
    void freeFigure(std::int32_t n);
    // Appends the records of a figure-attribute file after HighestFigure and
    // sets LoadedHighest. Returns false when the table filled up before the
    // file ended (the rest is not read; the store stays consistent). A
    // trailing partial record throws IoError; slots read before it stay
    // filled and in use, and LoadedHighest is not set.
    bool readFigureFile(const Files& files, const std::string& path);
    // The bytes of the figure file that the free slots after HighestFigure
    // can use, and one record more; the rest of the file is not read.
    std::vector<std::uint8_t> readFigureFileBytes(const Files& files, const std::string& path) const;
    // The same from the file's bytes; `path` names the file in errors.
    bool readFigureBytes(const std::vector<std::uint8_t>& bytes, const std::string& path);
    // Slots 1..HighestFigure, in use or not. Atomic.
    void writeFigureFile(const Files& files, const std::string& path) const;
    // The bytes writeFigureFile writes.
    std::vector<std::uint8_t> figureFileBytes() const;
    // Figure numbers for the entries LoadBase+1..VertexCount from their link
    // flags, continuing above HighestFigure; sets LoadedHighest. When the
    // numbers would pass the table's capacity, the vertices from the first
    // figure that does not fit on are dropped (VertexCount lowered) and the
    // result is false.
    bool renumberFigures();

    const DisplayOptions& options() const { return m_options; }

private:
    static std::size_t vertexIndex(int k) {
        VERIFY(k >= 0 && k <= MaxVertices);
        return static_cast<std::size_t>(k);
    }
    static std::size_t slotIndex(int n) {
        VERIFY(n >= 0 && n <= MaxFigures);
        return static_cast<std::size_t>(n);
    }
    void setSlotToDefaults(int s);
    const DisplayOptions& m_options;
};

}  // namespace vantor
