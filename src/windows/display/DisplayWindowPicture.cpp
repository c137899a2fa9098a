// SPDX-License-Identifier: GPL-3.0-or-later
// Commands on the picture itself: moving it with the mouse, saving it, a
// background image behind the solid, and the scenario editor.
#include "windows/shared/Workspace.h"
#include "windows/display/DisplayWindow.h"
#include "platform/pixels/Bmp.h"
#include "render/picture/SolidPicture.h"
#include "platform/pixels/Canvas.h"
#include "platform/numbers/Numbers.h"

namespace vantor {

namespace {
constexpr int RingRadius = 7;
constexpr int RingPenWidth = 7;
}  // namespace

void DisplayWindow::labelPicture(const std::string& what, std::optional<int> degrees) {
    Font lime = lblImageAnim.font();
    lime.color = colors::Lime;
    lblImageAnim.setFont(lime);
    lblImageAnim.setCaption(what);
    if (!degrees) return;
    lime = lblDegree.font();
    lime.color = colors::Lime;
    lblDegree.setFont(lime);
    lblDegree.setCaption(std::to_string(*degrees));
}

// Inverting both times makes the second ring erase the first exactly.
void DisplayWindow::drawGrabRing(int x, int y) {
    Canvas canvas(m_picture->bitmap());
    canvas.pen.mode = PenMode::Invert;
    canvas.pen.width = RingPenWidth;
    canvas.brush.style = BrushStyle::Clear;
    canvas.ellipse(x - RingRadius, y - RingRadius, x + RingRadius, y + RingRadius);
    showPicture();
}

void DisplayWindow::imgSolidMouseDown(MouseButton button, unsigned /*shift*/, int x, int y) {
    // The left button looks round the solid; a second button pressed during
    // a move or a look does not start another.
    if (m_drag.active || m_look.active()) return;
    if (button == MouseButton::Left) {
        m_look.press(x, y, pictureScale().factor());
        return;
    }
    // The running line animation draws with an inverting pen over the
    // picture that is about to move: it ends first, which restores the still
    // picture under the ring.
    if (simuRunning()) mnSimuEndClick();
    m_drag.active = true;
    m_drag.pressX = x;
    m_drag.pressY = y;
    m_drag.savedCaption = lblImageAnim.caption();
    labelPicture("平行移動");
    imgSolid.setCursor(Cursor::HandPoint);
    drawGrabRing(x, y);
}

void DisplayWindow::imgSolidMouseUp(MouseButton button, unsigned /*shift*/, int x, int y) {
    if (button == MouseButton::Left) {
        if (m_look.active()) lookRelease();
        return;
    }
    if (!m_drag.active) return;
    m_drag.active = false;
    drawGrabRing(m_drag.pressX, m_drag.pressY);
    imgSolid.setCursor(Cursor::Default);
    labelPicture(m_drag.savedCaption);
    if (x == m_drag.pressX && y == m_drag.pressY) {
        applyPendingSize();
        return;
    }
    // The origin is kept in pixels of the 600 x 400 picture: on a larger
    // one the picture lands on the nearest place it can reach.
    const PictureScale scale = pictureScale();
    DisplayOptions& o = m_workspace.options;
    o.centerX = clampToI32(std::int64_t{o.centerX} + scale.originOffset(std::int64_t{x} - m_drag.pressX));
    o.centerY = clampToI32(std::int64_t{o.centerY} + scale.originOffset(std::int64_t{y} - m_drag.pressY));
    displayStartFromOption();
    applyPendingSize();
}

void DisplayWindow::savePicture(const std::string& fileName) const { m_picture->save(m_workspace.files, fileName); }

void DisplayWindow::mnSaveClick() {
    if (!m_workspace.executeFileDialog(dlgSaveBitmap)) return;
    savePicture(dlgSaveBitmap.fileName);
}

void DisplayWindow::mnBackBitmapClick() {
    if (!m_workspace.executeFileDialog(dlgOpenBackBitmap)) return;
    // Decoded aside first: a file that is not a usable picture leaves the
    // background that was there, and the flag, as they were.
    const std::string& name = dlgOpenBackBitmap.fileName;
    Bitmap loaded = readBmpFile(m_workspace.files.resolve(name), name);
    backBitmap = std::move(loaded);
    backLoaded = true;
    // An image hides the background colour, except on a 256-colour screen
    // where the simulation picture still paints it.
    if (!palettePath()) mnBack.setVisible(false);
    mnDispRunClick();
}

void DisplayWindow::mnBackBitmapEraseClick() {
    if (backLoaded) backBitmap = Bitmap();
    backLoaded = false;
    mnBack.setVisible(true);
    renewDisplayBitmap();
    mnDispRunClick();
}

void DisplayWindow::mnAnimationClick() { m_peers.showScenarioEditor(); }

}  // namespace vantor
