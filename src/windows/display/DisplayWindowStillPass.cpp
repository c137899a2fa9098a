// SPDX-License-Identifier: GPL-3.0-or-later
// The still display as the window runs it: the pass of its SolidPicture with
// the window's labels, brightness bar and progress bar around it.
#include <algorithm>
#include <chrono>

#include "windows/shared/Workspace.h"
#include "windows/display/DisplayWindow.h"
#include "model/options/BrightnessRange.h"
#include "platform/numbers/Numbers.h"

namespace vantor {

namespace {
long long nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
}  // namespace

void DisplayWindow::mnDispRunClick() {
    if (m_passRunning) {
        // Asked again from within a pass (the brightness bar pulled down by
        // the new maximum, or an event handled while the progress bar is
        // repainted). Before the drawing has begun, this pass already uses
        // the new brightness; once it has begun, one more pass follows.
        if (m_drawingStarted) m_rerunRequested = true;
        return;
    }
    m_passRunning = true;
    do {
        m_rerunRequested = false;
        m_drawingStarted = false;
        DisplayOptions& o = m_workspace.options;

        o.displayMode = DisplayMode::Still;
        labelPicture("立体表示", o.unitAngle);

        lblBrightIndi.setVisible(true);
        scbBright.setVisible(true);
        // A maximum below the thumb pulls it down, which sets the brightness
        // through scbBrightChange before the pass reads it.
        scbBright.setMax(BrightnessRange::maxOf(o));
        ChangeScbPosition();

        pgbAngle.setPosition(90);
        pgbAngle.setVisible(true);
        m_drawingStarted = true;
        m_lastEventsMs = nowMs();
        m_picture->drawStill(backLoaded ? &backBitmap : nullptr, [this](int position) { showProgress(position); });
        pgbAngle.setVisible(false);
        showPicture();
    } while (m_rerunRequested);
    m_drawingStarted = false;
    m_passRunning = false;
    applyPendingSize();
}

void DisplayWindow::showProgress(int position) {
    pgbAngle.setPosition(position);
    const long long now = nowMs();
    if (now - m_lastEventsMs >= eventsIntervalMs) {
        // Only the progress bar is meant to move: the picture is handed over
        // when the pass ends.
        m_lastEventsMs = now;
        m_workspace.desktop.processEvents();
    }
}

void DisplayWindow::showPicture() {
    Bitmap& picture = m_picture->bitmap();
    imgSolid.setPicture(&picture);
    picture.changed();
    imgSolid.invalidate();
}

void DisplayWindow::SetPaletteOfWindow() {
    if (!palettePath()) return;
    m_picture->still().SetPaletteOfWindow();
    showPicture();
}

void DisplayWindow::animSetPaletteOfWindow() {
    if (!palettePath()) return;
    m_picture->still().animSetPaletteOfWindow();
    showPicture();
}

void DisplayWindow::ImmediatePaletteChange() {
    SetBrights();
    if (m_workspace.options.displayMode == DisplayMode::Still) SetPaletteOfWindow();
    else if (m_workspace.options.displayMode == DisplayMode::Simulation) animSetPaletteOfWindow();
}

void DisplayWindow::displayStartFromOption() {
    if (m_workspace.options.displayMode == DisplayMode::Still) mnDispRunClick();
    else if (m_workspace.options.displayMode == DisplayMode::Simulation) AnimPrepare();
}

}  // namespace vantor
