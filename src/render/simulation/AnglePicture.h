// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The simulation picture of a 256-colour screen: every element of the solid
// painted in the palette entry of its angle about the axis (no light, no
// fall-off, no normal), so that animating the entries of the angle ramp moves
// a bright band around the solid without redrawing it.
#include <cstdint>
#include <functional>
#include <vector>

#include "render/geometry/ViewGeometry.h"

namespace vantor {

class Bitmap;
class StillDisplay;
class FigureStore;

class AnglePicture {
public:
    using Progress = std::function<void(int position)>;

    // Fills the bitmap with the background entry, then sweeps from the far
    // side (90 degrees) to the near side (270) in steps of `step`, both
    // mirror halves at once, with the depth tables of the last sort (the
    // 90-degree table before 180, the 270-degree one from 180 on). Wireframe
    // segments draw only their profile edge; every other method a filled
    // quadrilateral. `lightSnap` is the light's snapped horizontal angle.
    void paint(const FigureStore& store, const StillDisplay& still, Bitmap& bitmap, int step, std::int32_t lightSnap,
               const Progress& progress = {});

private:
    void transformAll(const FigureStore& store, const ViewGeometry& view, int count, int degrees, std::vector<Corner>& out);
    std::vector<Corner> m_at[4];
};

}  // namespace vantor
