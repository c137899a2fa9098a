// Looking by hand: the left-button drag, the wheel and the arrow keys on the
// display window. While the button is held the picture is a preview, drawn
// with a coarser unit angle on a half-size canvas when the exact pass would
// be too slow to follow the mouse; the release draws the exact picture.
#include <array>
#include <cstdint>

#include "windows/shared/Workspace.h"
#include "windows/display/Look.h"
#include "windows/dialogs/LightDirectionDialog.h"
#include "windows/display/DisplayWindow.h"
#include "windows/display/OptionMenuTable.h"
#include "platform/numbers/SharedRoutines.h"
#include "platform/numbers/Numbers.h"
#include "platform/widgets/VirtualKey.h"

namespace vantor {

namespace {

// Elements a preview may draw: a 10,000-vertex preview (unit angle 18 on a
// half-size canvas) then takes about 15 ms on one core, depth order and all.
constexpr long long PreviewElements = 250'000;
// The unit angles the menu offers, finest first.
constexpr std::array<int, 11> MenuUnitAngles{1, 2, 3, 5, 6, 9, 10, 15, 18, 30, 45};


long long elementsAt(int vertices, int unitAngle) {
    return 2LL * std::max(0, vertices - 1) * StillDisplay::stepCount(unitAngle);
}

}  // namespace

int DisplayWindow::previewUnitAngle() const {
    const int n = m_workspace.store.VertexCount, unit = m_workspace.options.unitAngle;
    if (elementsAt(n, unit) <= PreviewElements) return unit;
    for (int u : MenuUnitAngles)
        if (u > unit && elementsAt(n, u) <= PreviewElements) return u;
    return MenuUnitAngles.back();
}

bool DisplayWindow::previewHalfSize() const {
    return elementsAt(m_workspace.store.VertexCount, m_workspace.options.unitAngle) > PreviewElements;
}

void DisplayWindow::lookPress(int x, int y) {
    m_look = Look{};
    m_look.active = true;
    m_look.pressX = x;
    m_look.pressY = y;
    m_look.startHeight = m_workspace.options.viewHeight;
    m_look.startLightDir = m_workspace.options.lightDirH;
}

void DisplayWindow::imgSolidMouseMove(unsigned /*shift*/, int x, int y) {
    if (!m_look.active || m_passRunning) return;
    if (!m_look.moved) {
        if (x == m_look.pressX && y == m_look.pressY) return;
        // The running line animation would draw over the preview.
        if (simuRunning()) mnSimuEndClick();
        m_look.moved = true;
    }
    m_previewOptions = m_workspace.options;
    m_previewOptions.viewHeight = look::viewHeightAfter(m_look.startHeight, (y - m_look.pressY) * look::DegreesPerPixel);
    m_previewOptions.lightDirH = look::lightDirAfter(m_look.startLightDir, (x - m_look.pressX) * look::DegreesPerPixel);
    drawLookPreview();
}

void DisplayWindow::drawLookPreview() {
    const int unit = previewUnitAngle();
    const bool half = previewHalfSize();
    const int w = half ? std::max(1, displayBitmap.width() / 2) : displayBitmap.width();
    const int h = half ? std::max(1, displayBitmap.height() / 2) : displayBitmap.height();
    if (m_previewBitmap.width() != w || m_previewBitmap.height() != h ||
        m_previewBitmap.format() != displayBitmap.format())
        m_previewBitmap.resize(w, h, displayBitmap.format());
    if (!m_preview) {
        m_preview = std::make_unique<StillDisplay>(m_workspace.store, m_previewOptions, m_previewBitmap,
                                                   palettePath() ? ColourPath::Palette : ColourPath::TrueColour);
        // A preview is short: its threads would wait for one another at
        // every step longer than they save, above all on a busy machine.
        m_preview->setThreads(1);
    }
    m_previewOptions.unitAngle = unit;
    m_preview->run(backLoaded ? &backBitmap : nullptr);
    // Each preview pixel covers a block of the picture.
    const int dw = displayBitmap.width(), dh = displayBitmap.height();
    for (int y = 0; y < dh; ++y) {
        const int sy = static_cast<int>(static_cast<long long>(y) * h / dh);
        if (displayBitmap.format() == PixelFormat::Indexed8) {
            const std::uint8_t* from = m_previewBitmap.indexRow(sy);
            std::uint8_t* to = displayBitmap.indexRow(y);
            for (int x = 0; x < dw; ++x) to[x] = from[static_cast<long long>(x) * w / dw];
        } else {
            const std::uint32_t* from = m_previewBitmap.rgbRow(sy);
            std::uint32_t* to = displayBitmap.rgbRow(y);
            for (int x = 0; x < dw; ++x) to[x] = from[static_cast<long long>(x) * w / dw];
        }
    }
    if (palettePath()) displayBitmap.attachPalette(m_previewBitmap.palette());
    showPicture();
}

void DisplayWindow::lookRelease() {
    const Look done = m_look;
    m_look.active = false;
    // A click without movement leaves everything as it was.
    if (!done.moved) return;
    lookCommit(m_previewOptions.viewHeight, m_previewOptions.lightDirH);
}

void DisplayWindow::lookCommit(double height, double lightDir) {
    if (simuRunning()) mnSimuEndClick();
    DisplayOptions& o = m_workspace.options;
    const bool heightChanged = !sameFloat(height, o.viewHeight);
    if (heightChanged) {
        o.viewHeight = height;
        mnVHEtc.setChecked(true);
    }
    if (lightDir != o.lightDirH) {
        o.lightDirH = lightDir;
        // The simple light dialog's buttons no longer name the direction.
        m_lightDirection->btnAllClearClick();
    }
    mnDispRunClick();
    if (heightChanged) markStoredValue(OptionGroup::ViewHeight);
}

void DisplayWindow::imgSolidMouseWheel(int delta, unsigned /*shift*/, int /*x*/, int /*y*/) {
    if (m_look.active || m_drag.active || m_passRunning || delta == 0) return;
    double& field = m_workspace.options.zoom;
    const double zoom = look::zoomAfter(field, delta);
    if (sameFloat(zoom, field)) return;
    if (simuRunning()) mnSimuEndClick();
    field = zoom;
    mnZMEtc.setChecked(true);
    displayStartFromOption();
    markStoredValue(OptionGroup::Zoom);
}

void DisplayWindow::FormKeyDown(int key, unsigned /*shift*/) {
    if (m_look.active || m_drag.active || m_passRunning) return;
    if (m_workspace.options.displayMode == DisplayMode::None) return;
    const DisplayOptions& o = m_workspace.options;
    double height = o.viewHeight, lightDir = o.lightDirH;
    switch (key) {
    case vk::Up: height = look::viewHeightAfter(height, look::KeyStep); break;
    case vk::Down: height = look::viewHeightAfter(height, -look::KeyStep); break;
    case vk::Left: lightDir = look::lightDirAfter(lightDir, -look::KeyStep); break;
    case vk::Right: lightDir = look::lightDirAfter(lightDir, look::KeyStep); break;
    default: return;
    }
    if (sameFloat(height, o.viewHeight) && lightDir == o.lightDirH) return;
    lookCommit(height, lightDir);
}

}  // namespace vantor
