// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drag-to-look of the display window: a left-button drag turns the
// light round the solid (across) and tilts the view (up and down). While the
// button is held the picture is a preview of the options the drag has
// reached, drawn with a coarser unit angle on a half-size canvas when the
// exact pass would be too slow to follow the mouse, and on a canvas of at
// most the window's starting 600 x 400 pixels when the window is enlarged;
// the release hands the reached view height and light direction to the
// window, which stores them and draws the exact picture.
#include <memory>
#include <optional>
#include <vector>

#include "model/options/DisplayOptions.h"
#include "platform/pixels/Bitmap.h"
#include "render/shading/ColourPath.h"
#include "render/still/StillDisplay.h"

namespace vantor {

class FigureStore;

class LookGesture {
public:
    enum class Move {
        None,     // no drag, or the pointer has not left the press point
        Began,    // the first move away from the press point
        Continued,
    };
    // What a drag reached.
    struct View {
        double height = 0;
        double lightDir = 0;
    };

    LookGesture(const FigureStore& store, const DisplayOptions& options);

    bool active() const { return m_active; }
    // Starts a drag at the options' present view, on a picture enlarged by
    // `scale` (PictureScale::factor): a drag across the picture turns as far
    // at every size.
    void press(int x, int y, double scale = 1);
    // Moves the drag; on Began and Continued the preview options follow.
    Move move(int x, int y);
    // Ends the drag: the view it reached, nothing for a click without
    // movement.
    std::optional<View> release();

    // The preview of a drag: the unit angle it uses and its picture's size.
    int previewUnitAngle() const;
    bool previewHalfSize() const;
    // Each preview pixel covers a square of this many target pixels a side:
    // 2 for a half-size preview, more on an enlarged picture.
    int previewReduction(int width, int height) const;
    // Draws the preview of the reached view into `target`, each preview
    // pixel covering a block of it; on the palette path the target takes the
    // preview's palette.
    void drawPreview(Bitmap& target, ColourPath path, const Bitmap* background);

private:
    const FigureStore& m_store;
    const DisplayOptions& m_options;
    bool m_active = false;
    bool m_moved = false;
    int m_pressX = 0;
    int m_pressY = 0;
    double m_degreesPerPixel = 0;
    double m_startHeight = 0;
    double m_startLightDir = 0;
    DisplayOptions m_previewOptions;
    Bitmap m_previewBitmap;
    std::unique_ptr<StillDisplay> m_preview;
    std::vector<int> m_sourceColumns;
};

}  // namespace vantor
