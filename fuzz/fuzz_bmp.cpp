// SPDX-License-Identifier: GPL-3.0-or-later
// Any input must decode or fail with IoError. A decoded picture must respect
// the reader's size limits, carry a full colour table when indexed, and
// survive a round trip through the writer unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/files/IoError.h"
#include "platform/pixels/Bmp.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    try {
        const Bitmap picture = decodeBmp(bytes);
        const std::int64_t pixels = std::int64_t(picture.width()) * picture.height();
        if (picture.width() < 1 || picture.height() < 1 || picture.width() > 32768 || picture.height() > 32768 ||
            pixels > (std::int64_t(1) << 28))
            std::abort();
        const bool indexed = picture.format() == PixelFormat::Indexed8;
        if (indexed && (!picture.palette() || picture.palette()->size() != 256)) std::abort();
        // Keep the fuzzer fast and within its memory limit on huge run-length pictures.
        if (pixels > (1 << 16)) return 0;
        const Bitmap back = decodeBmp(encodeBmp(picture));
        if (back.format() != picture.format() || back.width() != picture.width() || back.height() != picture.height())
            std::abort();
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (back.rawPixel(x, y) != picture.rawPixel(x, y)) std::abort();
    } catch (const IoError&) {
    }
    return 0;
}
