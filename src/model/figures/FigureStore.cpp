// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/figures/FigureStore.h"

#include <algorithm>

#include "platform/files/IoError.h"
#include "platform/files/ByteReader.h"
#include "platform/files/Files.h"

namespace vantor {

void FigureStore::clearVertices() {
    vertices.x[0] = 0;
    vertices.y[0] = 0;
    vertices.link[0] = 0;
    VertexCount = 0;
    DataEdited = 0;
}

void FigureStore::setSlotToDefaults(int s) {
    FigureRecord& r = slot(s);
    r = FigureRecord::following(m_options, r.reserved);
}

void FigureStore::resetFigureTable() {
    HighestFigure = 0;
    for (int s = 0; s <= MaxFigures; ++s) {
        FigureInUse[static_cast<std::size_t>(s)] = 0;
        setSlotToDefaults(s);  // the reserved byte is kept
    }
}

void FigureStore::applyDefaultTint() {
    for (int s = 1; s <= MaxFigures; ++s) {
        FigureRecord& r = slot(s);
        if (r.tintFixed == 0) r.setTint(m_options.tint());
    }
}

void FigureStore::applyDefaultMethod() {
    for (int s = 1; s <= MaxFigures; ++s) {
        FigureRecord& r = slot(s);
        if (r.methodFixed == 0) r.method = m_options.defaultMethod;
    }
}

std::int32_t FigureStore::allocFigure() {
    for (int s = 1; s <= MaxFigures; ++s) {
        if (FigureInUse[static_cast<std::size_t>(s)] == 0) {
            FigureInUse[static_cast<std::size_t>(s)] = 1;
            if (s > HighestFigure) HighestFigure = s;
            return s;
        }
    }
    FigureInUse[1] = 1;
    return 1;
}

void FigureStore::freeFigure(std::int32_t n) {
    if (n < 0 || n > MaxFigures) return;
    LastFreedFigure = slot(n);
    FigureInUse[static_cast<std::size_t>(n)] = 0;
    setSlotToDefaults(n);
    if (n >= HighestFigure) HighestFigure = n - 1;
}

bool FigureStore::readFigureFile(const Files& files, const std::string& path) {
    return readFigureBytes(readFigureFileBytes(files, path), path);
}

std::vector<std::uint8_t> FigureStore::readFigureFileBytes(const Files& files, const std::string& path) const {
    // The free slots and one record more, which shows that the file holds
    // more figures than fit.
    const std::size_t slots = static_cast<std::size_t>(std::max(0, MaxFigures - std::max(0, HighestFigure))) + 1;
    return files.readBounded(path, slots * FigureRecordSize, Excess::Ignored);
}

bool FigureStore::readFigureBytes(const std::vector<std::uint8_t>& bytes, const std::string& path) {
    ByteReader in(bytes, path);
    int i = HighestFigure;
    bool complete = true;
    while (!in.atEnd()) {
        if (i >= MaxFigures) {
            complete = false;
            break;
        }
        if (in.remaining() < FigureRecordSize) throw IoError("読み込みエラー（ファイルの終わりに不完全なレコードがあります）", path);
        FigureRecord r;
        r.tintR = in.f64();
        r.tintG = in.f64();
        r.tintB = in.f64();
        r.method = in.u8();
        r.tintFixed = in.u8();
        r.methodFixed = in.u8();
        r.reserved = in.u8();
        ++i;
        slot(i) = r;
        FigureInUse[static_cast<std::size_t>(i)] = 1;
    }
    LoadedHighest = i;
    applyDefaultTint();
    applyDefaultMethod();
    return complete;
}

void FigureStore::writeFigureFile(const Files& files, const std::string& path) const {
    files.writeAtomic(path, figureFileBytes());
}

std::vector<std::uint8_t> FigureStore::figureFileBytes() const {
    ByteWriter out;
    for (int s = 1; s <= HighestFigure && s <= MaxFigures; ++s) {
        const FigureRecord& r = slot(s);
        out.f64(r.tintR);
        out.f64(r.tintG);
        out.f64(r.tintB);
        out.u8(r.method);
        out.u8(r.tintFixed);
        out.u8(r.methodFixed);
        out.u8(r.reserved);
    }
    return out.bytes;
}

bool FigureStore::renumberFigures() {
    int f = HighestFigure + 1;
    for (int k = LoadBase + 1; k <= VertexCount; ++k) {
        if (f > MaxFigures) {
            VertexCount = k - 1;  // entry k-1 ended a figure, so the list stays well formed
            LoadedHighest = MaxFigures;
            return false;
        }
        figure(k) = f;
        FigureInUse[static_cast<std::size_t>(f)] = 1;
        if (link(k) == 0) f = f + 1;
    }
    LoadedHighest = f - 1;
    return true;
}

}  // namespace vantor
