// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The still display written out plainly, one step after another: the
// exchange selection sort, every corner transformed for every element, and
// the Canvas's own polygon and line drawing. The tests hold the fast pass to
// exactly this picture.
#include <vector>

#include "render/shading/ColourPath.h"
#include "model/figures/FigureStore.h"
#include "model/options/DisplayOptions.h"
#include "platform/pixels/Bitmap.h"

namespace vantor::test {

// Draws into `bitmap` (Indexed8 on the palette path, Rgb32 otherwise) over
// the background image when one is given, and records the progress
// positions.
void plainStillDisplay(const FigureStore& store, const DisplayOptions& options, Bitmap& bitmap, ColourPath path,
                       std::vector<int>* progress = nullptr, const Bitmap* background = nullptr);

}  // namespace vantor::test
