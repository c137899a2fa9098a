// SPDX-License-Identifier: GPL-3.0-or-later
// The rotation simulation as the window runs it: the frames of its
// RotationSimulation, driven by the control window's shared timer, with the
// window's menus, labels and progress bar around them.
#include <cstdint>

#include "windows/shared/Workspace.h"
#include "platform/numbers/SharedRoutines.h"
#include "platform/numbers/TextNumbers.h"
#include "windows/display/DisplayWindow.h"

namespace vantor {

namespace {
constexpr int MaxInterval = 1000;
}  // namespace

void DisplayWindow::buildSimuMenu() {
    for (MenuItem* m : {&mnSimuStart, &mnSimuEnd, &NSimu1, &mnSimuUnitAngle, &mnSimuSpeed}) mnSimu.add(*m);
    for (MenuItem* m : {&mns2d, &mns6d, &mns10d, &mns18d, &mns30d}) {
        mnSimuUnitAngle.add(*m);
        m->setRadio(1);
        m->onClick = [this, m] { mnAUnitDegreeClick(*m); };
    }
    mns6d.setChecked(true);
    mnSimuStart.onClick = [this] { mnSimuStartClick(); };
    mnSimuEnd.onClick = [this] { mnSimuEndClick(); };
    mnSimuEnd.setEnabled(false);
    mnSimuSpeed.onClick = [this] { mnSimuSpeedClick(); };
}

void DisplayWindow::showSimulationLabels() {
    lblBrightIndi.setVisible(false);
    scbBright.setVisible(false);
    labelPicture("シミュレーション", m_workspace.options.simuUnitAngle);
}

void DisplayWindow::AnimPrepare() {
    if (!palettePath()) return;
    DisplayOptions& o = m_workspace.options;
    o.displayMode = DisplayMode::Simulation;
    showSimulationLabels();
    pgbAngle.setPosition(90);
    pgbAngle.setVisible(true);
    m_simulation->paintAnglePicture([this](int position) { pgbAngle.setPosition(position); });
    pgbAngle.setVisible(false);
    showPicture();
}

void DisplayWindow::mnSimuStartClick() {
    // A pass still drawing (this click reached us while it let the host
    // repaint) would paint over the simulation's picture.
    if (m_simulation->running() || m_passRunning) return;
    for (MenuItem* m : {&mnOption, &mnDisplayFile, &mnDispRun, &mnAnimation, &mnSimuStart, &mnSimuSpeed, &mnSimuUnitAngle})
        m->setEnabled(false);
    mnSimuEnd.setEnabled(true);

    DisplayOptions& o = m_workspace.options;
    if (palettePath()) {
        AnimPrepare();
    } else {
        o.displayMode = DisplayMode::Simulation;
        showSimulationLabels();
    }
    m_simulation->start();
    m_workspace.clock.start(TimerClient::Simulation, o.simuInterval);
}

void DisplayWindow::simuTimerTimer() {
    // Ticks reach us only while the simulation owns the timer; one that
    // finds another picture shown (the still display ran meanwhile) would
    // mark that picture, so it is dropped.
    if (!m_simulation->running() || m_workspace.options.displayMode != DisplayMode::Simulation) return;
    m_simulation->tick();
    showPicture();
}

void DisplayWindow::invertMeridianTrueColour(int a) {
    m_simulation->invertMeridian(a);
    showPicture();
}

void DisplayWindow::mnSimuEndClick() {
    if (!m_simulation->running()) return;
    DisplayOptions& o = m_workspace.options;
    // Only lines still on the picture are erased: a still display that ran
    // meanwhile has painted over them already.
    const bool linesHandled = m_simulation->end(o.displayMode == DisplayMode::Simulation);
    m_workspace.clock.stop();
    for (MenuItem* m : {&mnOption, &mnDisplayFile, &mnDispRun, &mnAnimation, &mnSimuStart, &mnSimuSpeed, &mnSimuUnitAngle})
        m->setEnabled(true);
    mnSimuEnd.setEnabled(false);
    // The simulation picture of a 256-colour screen stays, band and all.
    if (palettePath()) return;

    if (linesHandled) showPicture();
    o.displayMode = DisplayMode::Still;
    lblBrightIndi.setVisible(true);
    scbBright.setVisible(true);
    labelPicture("立体表示", o.unitAngle);
}

void DisplayWindow::FormHide() {
    // A hidden window has nothing to animate, and the data or the options
    // may change before it is shown again.
    mnSimuEndClick();
}

void DisplayWindow::mnSimuSpeedClick() {
    DisplayOptions& o = m_workspace.options;
    const std::string answer = removeSpaces(m_workspace.desktop.inputBox(
        "画像描き換え時間間隔の設定", "1以上、1000以下の数値を入れて下さい", std::to_string(o.simuInterval)));
    if (!isDigits(answer)) return;
    long long value = 0;
    for (char c : answer) {
        value = value * 10 + (c - '0');
        if (value > MaxInterval) return;
    }
    if (value < 1) return;
    o.simuInterval = static_cast<std::int32_t>(value);
}

void DisplayWindow::mnAUnitDegreeClick(MenuItem& sender) {
    DisplayOptions& o = m_workspace.options;
    const std::optional<std::int32_t> value = parseInteger(sender.caption());
    if (!value) return;
    if (*value == o.simuUnitAngle && o.displayMode == DisplayMode::Simulation) return;
    o.simuUnitAngle = *value;
    sender.setChecked(true);
    lblDegree.setCaption(std::to_string(*value));
    if (palettePath()) AnimPrepare();
}

}  // namespace vantor
