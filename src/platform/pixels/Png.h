// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// PNG pictures: the display bitmap as an 8-bit
// palette image (Indexed8, with the bitmap's colour table) or a 24-bit RGB
// image (Rgb32), compressed with zlib.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/pixels/Bitmap.h"

namespace vantor {

std::vector<std::uint8_t> encodePng(const Bitmap& bitmap);

}  // namespace vantor
