// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/display/DisplayWindow.h"

#include <algorithm>

#include "windows/dialogs/ExportDialog.h"
#include "windows/dialogs/LightAnglesDialog.h"
#include "windows/dialogs/LightDirectionDialog.h"
#include "windows/dialogs/ShiftPictureDialog.h"
#include "windows/shared/Workspace.h"
#include "model/options/BrightnessRange.h"
#include "model/options/StandardOptions.h"

namespace vantor {

DisplayWindow::DisplayWindow(Workspace& work, DisplayRequests& peers)
    : Form("DisplayWindow"), m_look(work.store, work.options), m_workspace(work), m_peers(peers) {
    setCaption("回転体表示 （データ名未定）");
    setBorderStyle(BorderStyle::Sizeable);
    setMinClientSize(PictureWidth, PictureTop + PictureHeight);
    layoutControls();
    buildMenus();
    createDisplayBitmap();
    m_lightDirection = std::make_unique<LightDirectionDialog>(work);
    m_lightAngles = std::make_unique<LightAnglesDialog>(work);
    m_shiftPicture = std::make_unique<ShiftPictureDialog>(work);
    m_export = std::make_unique<ExportDialog>(work);
    m_storeListener = work.store.subscribe([this] { followStore(); });
    work.clock.serve(TimerClient::Simulation, [this] { simuTimerTimer(); });
}

DisplayWindow::~DisplayWindow() {
    m_workspace.store.unsubscribe(m_storeListener);
    m_workspace.clock.serve(TimerClient::Simulation, nullptr);
}

std::vector<Form*> DisplayWindow::partnerForms() const {
    return {m_lightDirection.get(), m_lightAngles.get(), m_shiftPicture.get(), m_export.get()};
}

// No picture of figures that changed may stay on screen: kept open while
// editing, the display draws the store anew; otherwise it goes.
void DisplayWindow::followStore() {
    if (!changesPicture(m_workspace.store.lastChange())) return;
    if (liveSolid() && visible()) redrawSolid();
    else hide();
}

void DisplayWindow::redrawSolid() {
    if (simuRunning()) mnSimuEndClick();
    FigureStore& store = m_workspace.store;
    if (store.VertexCount == 0) {
        hide();
        return;
    }
    store.moveVerticesOffAxis();
    mnDispRunClick();
}

void DisplayWindow::layoutControls() {
    Font lime;
    lime.color = colors::Lime;
    Font yellow;
    yellow.color = colors::Yellow;

    Bevel1.setBounds(0, 0, PictureWidth, 2);
    Bevel2.setBounds(0, 23, PictureWidth, 2);
    Label1.setFont(yellow);
    Label1.setColor(colors::Black);
    Label1.setBounds(4, 5, 40, 14);
    lblDegree.setFont(lime);
    lblDegree.setColor(colors::Black);
    lblDegree.setBounds(46, 5, 28, 14);
    lblImageAnim.setFont(lime);
    lblImageAnim.setColor(colors::Black);
    lblImageAnim.setBounds(84, 5, 110, 14);
    lblBrightIndi.setBounds(206, 5, 40, 14);
    scbBright.setBounds(248, 4, 200, 16);
    pgbAngle.setBounds(460, 5, 134, 14);
    imgSolid.setBounds(0, PictureTop, PictureWidth, PictureHeight);
    imgSolid.onMouseDown = [this](MouseButton b, unsigned shift, int x, int y) { imgSolidMouseDown(b, shift, x, y); };
    imgSolid.onMouseUp = [this](MouseButton b, unsigned shift, int x, int y) { imgSolidMouseUp(b, shift, x, y); };
    imgSolid.onMouseMove = [this](unsigned shift, int x, int y) { imgSolidMouseMove(shift, x, y); };
    imgSolid.onMouseWheel = [this](int delta, unsigned shift, int x, int y) { imgSolidMouseWheel(delta, shift, x, y); };

    scbBright.setParams(700, BrightnessRange::Min, 7000);
    scbBright.setSmallChange(20);
    scbBright.setLargeChange(100);
    scbBright.onChange = [this] { scbBrightChange(); };
    lblBrightIndi.setVisible(false);
    scbBright.setVisible(false);
    pgbAngle.setRange(90, 270);
    pgbAngle.setVisible(false);
}

bool DisplayWindow::palettePath() const { return m_peers.colorDepth() == 8; }

void DisplayWindow::createDisplayBitmap() {
    const int w = m_picture ? m_picture->bitmap().width() : PictureWidth;
    const int h = m_picture ? m_picture->bitmap().height() : PictureHeight;
    m_simulation.reset();
    m_picture = std::make_unique<SolidPicture>(m_workspace.store, m_workspace.options,
                                               palettePath() ? ColourPath::Palette : ColourPath::TrueColour, w, h);
    m_simulation = std::make_unique<RotationSimulation>(m_workspace.store, m_workspace.options, *m_picture);
    imgSolid.setPicture(&m_picture->bitmap());
}

void DisplayWindow::renewDisplayBitmap() {
    m_picture->renew();
    imgSolid.setPicture(&m_picture->bitmap());
}

void DisplayWindow::FormCreate() {
    for (Form* dialog : partnerForms()) dialog->FormCreate();
    const ScreenInfo s = m_workspace.desktop.screen();
    // A screen too small for the usual place keeps the window on it.
    setBounds(std::max(0, s.width - 608 - 50), std::max(0, s.height - 471 - 100), 608, 471);
    Bevel1.setBounds(0, 0, clientWidth(), 2);
    Bevel2.setBounds(0, 23, clientWidth(), 2);
    imgSolid.setBounds(0, PictureTop, PictureWidth, PictureHeight);
    createDisplayBitmap();
    if (palettePath()) mnTint.setCaption("回転体の色調(&T)");

    DisplayOptions& o = m_workspace.options;
    setFactoryOptions(o);
    setFactoryMarks();
    pgbAngle.setVisible(false);
    m_workspace.clock.stop();
    backLoaded = false;

    // An unreadable standard file leaves the factory values in force.
    if (m_workspace.config.readStandardOptions &&
        readStandardOptions(m_workspace.files, m_workspace.standardOptionPathForReading(), o))
        optionsRead();
    scbUpdating = false;
    mnDispRunClick();
}

PictureScale DisplayWindow::pictureScale() const {
    const Bitmap& b = m_picture->bitmap();
    return PictureScale{b.width(), b.height()};
}

void DisplayWindow::FormResize() {
    const int w = std::max(PictureWidth, clientWidth());
    const int h = std::max(PictureHeight, clientHeight() - PictureTop);
    Bevel1.setBounds(0, 0, w, 2);
    Bevel2.setBounds(0, 23, w, 2);
    m_pendingSize = std::make_pair(w, h);
    applyPendingSize();
}

void DisplayWindow::applyPendingSize() {
    if (!m_pendingSize || m_passRunning || m_drag.active || m_look.active()) return;
    const auto [w, h] = *m_pendingSize;
    m_pendingSize.reset();
    if (w == m_picture->bitmap().width() && h == m_picture->bitmap().height()) return;
    // The line animation's inverted lines belong to the old picture: the
    // simulation ends before the picture changes under it.
    if (simuRunning()) mnSimuEndClick();
    m_picture->setSize(w, h);
    imgSolid.setBounds(0, PictureTop, w, h);
    showPicture();
    displayStartFromOption();
}

void DisplayWindow::setDegreeLabel() {
    const DisplayOptions& o = m_workspace.options;
    lblDegree.setCaption(std::to_string(o.displayMode == DisplayMode::Still ? o.unitAngle : o.simuUnitAngle));
}

}  // namespace vantor
