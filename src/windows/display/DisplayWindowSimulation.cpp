// The rotation simulation: on a 256-colour screen a bright band travels
// around the solid by palette animation alone; on other screens one meridian
// of every figure sweeps around the still picture, drawn and erased with an
// inverting pen. The control window's shared timer drives both.
#include <cstdint>

#include "windows/shared/Workspace.h"
#include "platform/numbers/SharedRoutines.h"
#include "platform/numbers/TextNumbers.h"
#include "windows/display/DisplayWindow.h"
#include "render/simulation/AnglePicture.h"
#include "render/simulation/SimuAngles.h"

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

    StillDisplay& still = *m_still;
    still.geometry.setZoomScale(o, displayBitmap.width(), displayBitmap.height());
    still.geometry.PrepareViewPoint(o);
    still.geometry.prepareInclination(o);
    animSetPaletteOfWindow();
    still.sortByDepth();

    pgbAngle.setPosition(90);
    pgbAngle.setVisible(true);
    AnglePicture picture;
    picture.paint(m_workspace.store, still, displayBitmap, o.simuUnitAngle, lightSnapAngle(o.lightDirH, o.simuUnitAngle),
                  [this](int position) { pgbAngle.setPosition(position); });
    pgbAngle.setVisible(false);
    showPicture();
}

void DisplayWindow::mnSimuStartClick() {
    // A pass still drawing (this click reached us while it let the host
    // repaint) would paint over the simulation's picture.
    if (m_simu.running || m_passRunning) return;
    for (MenuItem* m : {&mnOption, &mnDisplayFile, &mnDispRun, &mnAnimation, &mnSimuStart, &mnSimuSpeed, &mnSimuUnitAngle})
        m->setEnabled(false);
    mnSimuEnd.setEnabled(true);

    DisplayOptions& o = m_workspace.options;
    const int step = o.simuUnitAngle;
    if (palettePath()) {
        AnimPrepare();
        m_simu.h = angleIndex(180, lightSnapAngle(o.lightDirH, step));
        m_band.start(still().palette, m_simu.h);
    } else {
        m_simu.s1 = m_simu.s2 = 180 - step;
        m_simu.linesDrawn = false;
        m_sweep.forget();
        o.displayMode = DisplayMode::Simulation;
        showSimulationLabels();
    }
    m_simu.running = true;
    simuTickCount = 0;

    m_workspace.clock.start(TimerClient::Simulation, o.simuInterval);
}

void DisplayWindow::simuTimerTimer() {
    DisplayOptions& o = m_workspace.options;
    // Ticks reach us only while the simulation owns the timer; one that
    // finds another picture shown (the still display ran meanwhile) would
    // mark that picture, so it is dropped.
    if (!m_simu.running || o.displayMode != DisplayMode::Simulation) return;
    ++simuTickCount;
    const int step = o.simuUnitAngle;
    if (palettePath()) {
        m_band.advance(still().palette, step, displayBitmap);
        m_simu.h = m_band.highlight();
        showPicture();
        return;
    }
    m_simu.s1 += step;
    if (m_simu.s1 > 360) m_simu.s1 -= 360;
    if (m_simu.linesDrawn) m_sweep.erase(displayBitmap);
    m_simu.s2 = m_simu.s1;
    invertMeridianTrueColour(m_simu.s2);
    m_simu.linesDrawn = true;
}

void DisplayWindow::invertMeridianTrueColour(int a) {
    StillDisplay& still = *m_still;
    still.geometry.setZoomScale(m_workspace.options, displayBitmap.width(), displayBitmap.height());
    m_sweep.draw(a, m_workspace.store, still.geometry, still.order, displayBitmap);
    showPicture();
}

void DisplayWindow::mnSimuEndClick() {
    if (!m_simu.running) return;
    m_simu.running = false;
    m_workspace.clock.stop();
    for (MenuItem* m : {&mnOption, &mnDisplayFile, &mnDispRun, &mnAnimation, &mnSimuStart, &mnSimuSpeed, &mnSimuUnitAngle})
        m->setEnabled(true);
    mnSimuEnd.setEnabled(false);
    // The simulation picture of a 256-colour screen stays, band and all.
    if (palettePath()) return;

    DisplayOptions& o = m_workspace.options;
    if (m_simu.linesDrawn) {
        // Only lines still on the picture are erased: a still display that
        // ran meanwhile has painted over them already.
        if (o.displayMode == DisplayMode::Simulation) m_sweep.erase(displayBitmap);
        else m_sweep.forget();
        m_simu.linesDrawn = false;
        showPicture();
    }
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

int DisplayWindow::simuTicksPerTurn() const {
    const int step = m_workspace.options.simuUnitAngle;
    if (palettePath()) {
        const int advance = step / 2;
        return advance < 1 ? 1 : (PaletteBand::RampEntries + advance - 1) / advance;
    }
    return step < 1 ? 1 : (360 + step - 1) / step;
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
