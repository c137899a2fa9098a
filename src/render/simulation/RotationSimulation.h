// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rotation simulation's frames, with or without a window. On a
// 256-colour screen the picture is painted once in the angle ramp and a
// bright band travels round the solid by palette alone; on other screens one
// meridian of every figure sweeps round the still picture, drawn and erased
// with an inverting pen. Each tick leaves the next frame in the picture;
// ticksPerTurn() ticks bring it back to where it started.
#include <functional>

#include "render/simulation/MeridianSweep.h"
#include "render/simulation/PaletteBand.h"

namespace vantor {

class FigureStore;
struct DisplayOptions;
class SolidPicture;

class RotationSimulation {
public:
    using Progress = std::function<void(int position)>;

    RotationSimulation(const FigureStore& store, const DisplayOptions& options, SolidPicture& picture);

    // Palette path: paints every element in the palette entry of its angle
    // about the axis and loads the angle ramp. Nothing on other paths.
    void paintAnglePicture(const Progress& progress = {});
    // Starts a turn from the light's side. On the palette path the angle
    // picture must be painted already; on other paths the still picture is
    // the first frame.
    void start();
    // The next frame.
    void tick();
    // Ends the turn. True colour: the lines on the picture are erased when
    // it still shows them (`linesOnPicture`), else forgotten (a still pass
    // painted over them). The palette path keeps its picture, band and all.
    // Nothing unless a turn runs. True when lines were erased or forgotten.
    bool end(bool linesOnPicture = true);

    bool running() const { return m_running; }
    // Ticks since the turn started.
    int ticks() const { return m_ticks; }
    int ticksPerTurn() const;
    // Palette path: the brightened entry; true colour: the angle of the lines
    // on the picture.
    int highlight() const { return m_h; }
    int sweepAngle() const { return m_s2; }
    // True colour: inverts the profile lines of every figure turned to a
    // (whole degrees) on the picture; the same call again erases them.
    void invertMeridian(int a);

private:
    const FigureStore& m_store;
    const DisplayOptions& m_options;
    SolidPicture& m_picture;
    MeridianSweep m_sweep;
    PaletteBand m_band;
    bool m_running = false;
    int m_ticks = 0;
    int m_h = 0;   // palette path: entry now brightened
    int m_s1 = 0;  // true colour: angle of the next line set
    int m_s2 = 0;  // true colour: angle of the set on the picture
    bool m_linesDrawn = false;
};

}  // namespace vantor
