// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/picture/SolidPicture.h"

#include <cctype>

#include "platform/files/Files.h"
#include "platform/pixels/Bmp.h"
#include "platform/pixels/Png.h"

namespace vantor {

namespace {
bool hasPngExtension(const std::string& name) {
    if (name.size() < 4) return false;
    std::string ext = name.substr(name.size() - 4);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".png";
}
}  // namespace

SolidPicture::SolidPicture(const FigureStore& store, const DisplayOptions& options, ColourPath path, int width,
                           int height)
    : m_path(path),
      m_bitmap(width, height, path == ColourPath::Palette ? PixelFormat::Indexed8 : PixelFormat::Rgb32),
      m_still(store, options, m_bitmap, path) {
    if (palettePath()) m_still.palette.attachStill(m_bitmap);
}

void SolidPicture::setSize(int width, int height) {
    m_bitmap.resize(width, height, m_bitmap.format());
    if (palettePath()) m_still.palette.attachStill(m_bitmap);
}

void SolidPicture::drawStill(const Bitmap* background, const StillDisplay::Progress& progress) {
    m_still.run(background, progress);
}

void SolidPicture::save(const Files& files, const std::string& fileName) const {
    if (hasPngExtension(fileName)) files.writeAtomic(fileName, encodePng(m_bitmap));
    else files.writeAtomic(fileName, encodeBmp(m_bitmap));
}

}  // namespace vantor
