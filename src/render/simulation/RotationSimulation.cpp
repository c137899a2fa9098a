// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/simulation/RotationSimulation.h"

#include "model/options/DisplayOptions.h"
#include "render/picture/SolidPicture.h"
#include "render/simulation/AnglePicture.h"
#include "render/simulation/SimuAngles.h"

namespace vantor {

RotationSimulation::RotationSimulation(const FigureStore& store, const DisplayOptions& options, SolidPicture& picture)
    : m_store(store), m_options(options), m_picture(picture) {}

void RotationSimulation::paintAnglePicture(const Progress& progress) {
    if (!m_picture.palettePath()) return;
    const DisplayOptions& o = m_options;
    Bitmap& bitmap = m_picture.bitmap();
    StillDisplay& still = m_picture.still();
    still.geometry.setZoomScale(o, bitmap.width(), bitmap.height());
    still.geometry.PrepareViewPoint(o);
    still.geometry.prepareInclination(o);
    still.animSetPaletteOfWindow();
    still.sortByDepth();
    AnglePicture picture;
    picture.paint(m_store, still, bitmap, o.simuUnitAngle, lightSnapAngle(o.lightDirH, o.simuUnitAngle), progress);
}

void RotationSimulation::start() {
    const int step = m_options.simuUnitAngle;
    if (m_picture.palettePath()) {
        m_h = angleIndex(180, lightSnapAngle(m_options.lightDirH, step));
        m_band.start(m_picture.still().palette, m_h);
    } else {
        m_s1 = m_s2 = 180 - step;
        m_linesDrawn = false;
        m_sweep.forget();
    }
    m_running = true;
    m_ticks = 0;
}

void RotationSimulation::tick() {
    if (!m_running) return;
    ++m_ticks;
    const int step = m_options.simuUnitAngle;
    if (m_picture.palettePath()) {
        m_band.advance(m_picture.still().palette, step, m_picture.bitmap());
        m_h = m_band.highlight();
        return;
    }
    m_s1 += step;
    if (m_s1 > 360) m_s1 -= 360;
    if (m_linesDrawn) m_sweep.erase(m_picture.bitmap());
    m_s2 = m_s1;
    invertMeridian(m_s2);
    m_linesDrawn = true;
}

void RotationSimulation::invertMeridian(int a) {
    StillDisplay& still = m_picture.still();
    Bitmap& bitmap = m_picture.bitmap();
    still.geometry.setZoomScale(m_options, bitmap.width(), bitmap.height());
    m_sweep.draw(a, m_store, still.geometry, still.order, bitmap);
}

bool RotationSimulation::end(bool linesOnPicture) {
    if (!m_running) return false;
    m_running = false;
    if (m_picture.palettePath() || !m_linesDrawn) return false;
    if (linesOnPicture) m_sweep.erase(m_picture.bitmap());
    else m_sweep.forget();
    m_linesDrawn = false;
    return true;
}

int RotationSimulation::ticksPerTurn() const {
    const int step = m_options.simuUnitAngle;
    if (m_picture.palettePath()) {
        const int advance = step / 2;
        return advance < 1 ? 1 : (PaletteBand::RampEntries + advance - 1) / advance;
    }
    return step < 1 ? 1 : (360 + step - 1) / step;
}

}  // namespace vantor
