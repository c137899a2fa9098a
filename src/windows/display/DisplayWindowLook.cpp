// SPDX-License-Identifier: GPL-3.0-or-later
// Looking by hand on the display window: the left-button drag (its
// LookGesture), the wheel and the arrow keys.

#include "windows/shared/Workspace.h"
#include "windows/display/Look.h"
#include "windows/dialogs/LightDirectionDialog.h"
#include "windows/display/DisplayWindow.h"
#include "windows/display/OptionMenuTable.h"
#include "platform/numbers/SharedRoutines.h"
#include "platform/numbers/Numbers.h"
#include "platform/widgets/VirtualKey.h"

namespace vantor {

int DisplayWindow::previewUnitAngle() const { return m_look.previewUnitAngle(); }

bool DisplayWindow::previewHalfSize() const { return m_look.previewHalfSize(); }

int DisplayWindow::previewReduction() const {
    const Bitmap& b = m_picture->bitmap();
    return m_look.previewReduction(b.width(), b.height());
}

void DisplayWindow::imgSolidMouseMove(unsigned /*shift*/, int x, int y) {
    if (!m_look.active() || m_passRunning) return;
    const LookGesture::Move step = m_look.move(x, y);
    if (step == LookGesture::Move::None) return;
    // The running line animation would draw over the preview.
    if (step == LookGesture::Move::Began && simuRunning()) mnSimuEndClick();
    drawLookPreview();
}

void DisplayWindow::drawLookPreview() {
    m_look.drawPreview(m_picture->bitmap(), m_picture->colourPath(), backLoaded ? &backBitmap : nullptr);
    showPicture();
}

void DisplayWindow::lookRelease() {
    // A click without movement leaves everything as it was.
    if (const std::optional<LookGesture::View> reached = m_look.release())
        lookCommit(reached->height, reached->lightDir);
    applyPendingSize();
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
    if (m_look.active() || m_drag.active || m_passRunning || delta == 0) return;
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
    if (m_look.active() || m_drag.active || m_passRunning) return;
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
