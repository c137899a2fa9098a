// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture of the solid as the display shows it, with or without a
// window: a bitmap of a given size in the format of the colour path (Indexed8
// with the display palette on a 256-colour screen, Rgb32 otherwise) and the
// still display that paints it. The display window shows this picture; the
// command line writes it.
#include <string>

#include "model/options/DisplayOptions.h"
#include "platform/pixels/Bitmap.h"
#include "render/shading/ColourPath.h"
#include "render/still/StillDisplay.h"

namespace vantor {

class FigureStore;
class Files;

class SolidPicture {
public:
    // The display window's picture size.
    static constexpr int StandardWidth = DisplayPictureWidth;
    static constexpr int StandardHeight = DisplayPictureHeight;

    SolidPicture(const FigureStore& store, const DisplayOptions& options, ColourPath path,
                 int width = StandardWidth, int height = StandardHeight);
    SolidPicture(const SolidPicture&) = delete;
    SolidPicture& operator=(const SolidPicture&) = delete;

    ColourPath colourPath() const { return m_path; }
    bool palettePath() const { return m_path == ColourPath::Palette; }
    Bitmap& bitmap() { return m_bitmap; }
    const Bitmap& bitmap() const { return m_bitmap; }
    StillDisplay& still() { return m_still; }
    const StillDisplay& still() const { return m_still; }

    // A blank picture of the given size in the same format; the view is
    // scaled to fill it at the next pass. On the palette path it holds black
    // and the background until then.
    void setSize(int width, int height);
    // A blank picture of the same size.
    void renew() { setSize(m_bitmap.width(), m_bitmap.height()); }

    // The whole still pass (brightness, view, depth order, palette,
    // background, elements), drawn over `background` when one is given.
    void drawStill(const Bitmap* background = nullptr, const StillDisplay::Progress& progress = {});

    // The picture as PNG when the name ends in ".png" (any case), else BMP:
    // 8-bit with its palette on the palette path, 24-bit otherwise.
    void save(const Files& files, const std::string& fileName) const;

private:
    const ColourPath m_path;
    Bitmap m_bitmap;
    StillDisplay m_still;
};

}  // namespace vantor
