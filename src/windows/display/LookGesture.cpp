// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/display/LookGesture.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "model/figures/FigureStore.h"
#include "windows/display/Look.h"

namespace vantor {

namespace {

// Elements a preview may draw: a 10,000-vertex preview (unit angle 18 on a
// half-size canvas) then takes about 15 ms on one core, depth order and all.
constexpr long long PreviewElements = 250'000;
// Pixels a preview may fill: the window's starting picture.
constexpr long long PreviewPixels = static_cast<long long>(DisplayPictureWidth) * DisplayPictureHeight;
// The unit angles the menu offers, finest first.
constexpr std::array<int, 11> MenuUnitAngles{1, 2, 3, 5, 6, 9, 10, 15, 18, 30, 45};

long long elementsAt(int vertices, int unitAngle) {
    return 2LL * std::max(0, vertices - 1) * StillDisplay::stepCount(unitAngle);
}

}  // namespace

LookGesture::LookGesture(const FigureStore& store, const DisplayOptions& options)
    : m_store(store), m_options(options) {}

void LookGesture::press(int x, int y, double scale) {
    m_active = true;
    m_degreesPerPixel = scale > 0 ? look::DegreesPerPixel / scale : look::DegreesPerPixel;
    m_moved = false;
    m_pressX = x;
    m_pressY = y;
    m_startHeight = m_options.viewHeight;
    m_startLightDir = m_options.lightDirH;
}

LookGesture::Move LookGesture::move(int x, int y) {
    if (!m_active) return Move::None;
    Move step = Move::Continued;
    if (!m_moved) {
        if (x == m_pressX && y == m_pressY) return Move::None;
        m_moved = true;
        step = Move::Began;
    }
    m_previewOptions = m_options;
    m_previewOptions.viewHeight = look::viewHeightAfter(m_startHeight, (y - m_pressY) * m_degreesPerPixel);
    m_previewOptions.lightDirH = look::lightDirAfter(m_startLightDir, (x - m_pressX) * m_degreesPerPixel);
    return step;
}

std::optional<LookGesture::View> LookGesture::release() {
    const bool moved = m_active && m_moved;
    m_active = false;
    m_moved = false;
    if (!moved) return std::nullopt;
    return View{m_previewOptions.viewHeight, m_previewOptions.lightDirH};
}

int LookGesture::previewUnitAngle() const {
    const int n = m_store.VertexCount, unit = m_options.unitAngle;
    if (elementsAt(n, unit) <= PreviewElements) return unit;
    for (int u : MenuUnitAngles)
        if (u > unit && elementsAt(n, u) <= PreviewElements) return u;
    return MenuUnitAngles.back();
}

bool LookGesture::previewHalfSize() const {
    return elementsAt(m_store.VertexCount, m_options.unitAngle) > PreviewElements;
}

int LookGesture::previewReduction(int width, int height) const {
    // Filling the picture costs as much as drawing the elements once it is
    // enlarged: the preview never fills more than the starting picture.
    int r = 1;
    while (static_cast<long long>(width / r) * (height / r) > PreviewPixels) ++r;
    return previewHalfSize() ? 2 * r : r;
}

void LookGesture::drawPreview(Bitmap& target, ColourPath path, const Bitmap* background) {
    const int unit = previewUnitAngle();
    const int reduction = previewReduction(target.width(), target.height());
    const int w = std::max(1, target.width() / reduction);
    const int h = std::max(1, target.height() / reduction);
    if (m_previewBitmap.width() != w || m_previewBitmap.height() != h || m_previewBitmap.format() != target.format())
        m_previewBitmap.resize(w, h, target.format());
    if (!m_preview) {
        m_preview = std::make_unique<StillDisplay>(m_store, m_previewOptions, m_previewBitmap, path);
        // A preview is short: its threads would wait for one another at
        // every step longer than they save, above all on a busy machine.
        m_preview->setThreads(1);
    }
    m_previewOptions.unitAngle = unit;
    m_preview->run(background);
    const int dw = target.width(), dh = target.height();
    // Each target row copies the row above when both come from the same
    // preview row; the column of each target pixel is worked out once.
    m_sourceColumns.resize(static_cast<std::size_t>(dw));
    for (int x = 0; x < dw; ++x) m_sourceColumns[static_cast<std::size_t>(x)] = static_cast<int>(static_cast<long long>(x) * w / dw);
    const bool indexed = target.format() == PixelFormat::Indexed8;
    const std::size_t rowBytes = static_cast<std::size_t>(dw) * (indexed ? 1 : 4);
    int lastSource = -1;
    for (int y = 0; y < dh; ++y) {
        const int sy = static_cast<int>(static_cast<long long>(y) * h / dh);
        if (sy == lastSource) {
            if (indexed) std::memcpy(target.indexRow(y), target.indexRow(y - 1), rowBytes);
            else std::memcpy(target.rgbRow(y), target.rgbRow(y - 1), rowBytes);
            continue;
        }
        lastSource = sy;
        if (indexed) {
            const std::uint8_t* from = m_previewBitmap.indexRow(sy);
            std::uint8_t* to = target.indexRow(y);
            for (int x = 0; x < dw; ++x) to[x] = from[m_sourceColumns[static_cast<std::size_t>(x)]];
        } else {
            const std::uint32_t* from = m_previewBitmap.rgbRow(sy);
            std::uint32_t* to = target.rgbRow(y);
            for (int x = 0; x < dw; ++x) to[x] = from[m_sourceColumns[static_cast<std::size_t>(x)]];
        }
    }
    if (path == ColourPath::Palette) target.attachPalette(m_previewBitmap.palette());
}

}  // namespace vantor
