// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one shared data model: the ordered vertex list and the per-figure
// attribute table, with the bookkeeping of the load and add flows. One
// instance per program, owned by the Program object.
//
// The windows change it only through its verbs (take out, append, move,
// clear, restore, ...), each of which announces the change to the listeners
// once, with its kind readable through lastChange() while they run. The
// arrays stay readable for the drawing and the exports.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/options/DisplayOptions.h"
#include "platform/checks/Verify.h"
#include "platform/signals/Observable.h"

namespace vantor {

class Files;
class StoreSnapshot;

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

// What a verb did to the store, for the listeners of its change signal.
enum class StoreChange : std::uint8_t {
    FigureTakenOut,   // a figure left the store to be edited; it is put back or deleted
    FigureAdded,      // a figure was appended (a new one, or one taken out and put back)
    FigureDeleted,    // the figure taken out stays out for good
    VerticesMoved,    // vertices changed place, the figures stayed the same
    Cleared,          // every figure went
    Restored,         // an earlier content came back (undo, redo)
    GestureUndone,    // a figure taken out came back as it was (a cancelled gesture)
    Loaded,           // a data set was read (also when its read stopped early)
    Saved,            // the content is now the one on disk
    MovedOffAxis,     // vertices on the axis inside a figure moved just off it
};

// True for the changes after which a picture of the figures is out of date:
// not a figure merely taken out for the edit under way, nor one brought back
// as it was, nor a save or the small move off the axis made before drawing.
constexpr bool changesPicture(StoreChange c) {
    switch (c) {
        case StoreChange::FigureAdded:
        case StoreChange::FigureDeleted:
        case StoreChange::VerticesMoved:
        case StoreChange::Cleared:
        case StoreChange::Restored:
        case StoreChange::Loaded: return true;
        default: return false;
    }
}

// A figure taken out of the store: its number there, its attributes and its
// vertices in order.
struct TakenFigure {
    std::int32_t number = 0;
    FigureRecord record;
    std::vector<float> x, y;
    int count() const { return static_cast<int>(x.size()); }
};

class FigureStore : public Observable {
public:
    explicit FigureStore(const DisplayOptions& options) : m_options(options) {}
    FigureStore(const FigureStore&) = delete;
    FigureStore& operator=(const FigureStore&) = delete;

    // ----- Verbs: each changes the store and announces it once -----

    // Takes the figure whose first vertex is `first` out of the vertex list
    // and frees its number. Nothing (and no announcement) when `first` is
    // not a vertex.
    TakenFigure takeOutFigure(std::int32_t first);
    // Appends the vertices as one new figure under the lowest free number
    // with the display's attributes; with `record`, the figure keeps those
    // attributes (a figure put back) unless every number is in use, when it
    // shares figure 1's number and attributes as any new figure does then.
    // Returns the number, or 0 (and nothing changes) when the vertices are
    // none or do not fit.
    std::int32_t appendFigure(std::span<const float> x, std::span<const float> y);
    std::int32_t appendFigure(std::span<const float> x, std::span<const float> y, const FigureRecord& record);
    // The figure last taken out is not coming back.
    void deleteTakenFigure();
    // Vertex k to (x, y); it keeps its place and figure.
    void moveVertex(std::int32_t k, float x, float y);
    // Every vertex `dy` data units up (down when negative).
    void moveAllVertically(long double dy);
    // No vertices, every figure number free.
    void clearFigures();
    // Inside a figure of three vertices or more, a vertex exactly on the
    // axis moves just off it, so the solid closes there without a hole.
    // Announces only when a vertex moved.
    void moveVerticesOffAxis();
    // Puts a copied content back: `why` is Restored or GestureUndone.
    void restore(const StoreSnapshot& snapshot, StoreChange why);
    // The load steps (model/formats) have filled the store.
    void announceLoaded() { announce(StoreChange::Loaded); }
    // The content is on disk: not edited any more.
    void markSaved();
    // The edited flag, bookkeeping without announcement.
    void setEdited(bool edited) { DataEdited = edited ? 1 : 0; }
    bool edited() const { return DataEdited != 0; }

    // The kind of the change being announced (the last one made).
    StoreChange lastChange() const { return m_lastChange; }

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
    void announce(StoreChange c) {
        m_lastChange = c;
        changed();
    }
    const DisplayOptions& m_options;
    StoreChange m_lastChange = StoreChange::Loaded;
};

}  // namespace vantor
