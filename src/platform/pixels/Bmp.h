// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows bitmap files. The reader accepts every common variant (core and
// info headers v1-v5, 1/4/8/16/24/32 bits, RLE4/RLE8, bit fields, top-down)
// and rejects malformed input with an IoError naming the problem; it never
// reads past the data it was given and caps sizes before allocating.
#include <cstdint>
#include <functional>
#include <utility>
#include <string>
#include <vector>

#include "platform/pixels/Bitmap.h"

namespace vantor {

// Pictures of 1..8 bits come back as Indexed8 with their colour table as an
// attached palette; deeper pictures as Rgb32. fileName only labels errors.
Bitmap decodeBmp(const std::vector<std::uint8_t>& bytes, const std::string& fileName = "");
// Indexed8 -> 8-bit with its 256-entry palette; Rgb32 -> 24-bit. Bottom-up.
std::vector<std::uint8_t> encodeBmp(const Bitmap& bitmap);

// Reads the headers first and then only the pixel bytes they call for, so a
// padded file costs no more than its picture. Regular files only (see
// InputFile). `shownName` labels errors (default: the path).
Bitmap readBmpFile(const std::string& path, const std::string& shownName);
inline Bitmap readBmpFile(const std::string& path) { return readBmpFile(path, path); }
// The picture read straight into the size `fit` gives for its width and
// height (no larger than it): each pixel is the nearest source pixel,
// nearestSourcePixel along each side, so the result equals reading it whole
// and then picking those pixels, but only the rows picked are read and the
// memory used follows the size given, never the header's. Run-length
// pictures (capped at 4096 x 4096) are decoded whole first.
using FittedSize = std::function<std::pair<int, int>(int width, int height)>;
Bitmap readBmpFileFitted(const std::string& path, const std::string& shownName, const FittedSize& fit);
// The source pixel the `index`-th of `to` pixels takes from a line of `from`:
// the one under its centre.
int nearestSourcePixel(int index, std::int64_t from, int to);
// Atomic: a failed write leaves an existing file intact.
void writeBmpFile(const std::string& path, const Bitmap& bitmap);

}  // namespace vantor
