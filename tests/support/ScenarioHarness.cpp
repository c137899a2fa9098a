// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScenarioHarness.h"

#include <gif_lib.h>
#include <zlib.h>

#include <filesystem>

#include "windows/control/ControlWindow.h"
#include "platform/pixels/Bmp.h"
#include "support/FigureBuilder.h"

namespace vantor::test {

Bitmap solidPicture(TColor color, int width, int height, PixelFormat format) {
    Bitmap b(width, height, format);
    if (format == PixelFormat::Indexed8) {
        std::vector<PaletteEntry> entries(256);
        entries[3] = {static_cast<std::uint8_t>(colorR(color)), static_cast<std::uint8_t>(colorG(color)),
                      static_cast<std::uint8_t>(colorB(color)), false};
        b.attachPalette(std::make_shared<Palette>(entries));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) b.setRawPixel(x, y, 3);
    } else {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) b.setRawPixel(x, y, b.rawFor(color));
    }
    return b;
}

DecodedAnimation decodeGif(const std::vector<std::uint8_t>& bytes) {
    struct Source {
        const std::vector<std::uint8_t>* bytes;
        std::size_t at = 0;
    } source{&bytes};
    auto input = [](GifFileType* gif, GifByteType* out, int n) -> int {
        auto* s = static_cast<Source*>(gif->UserData);
        const int left = static_cast<int>(s->bytes->size() - s->at);
        const int k = std::min(n, left);
        std::copy_n(s->bytes->data() + s->at, k, out);
        s->at += static_cast<std::size_t>(k);
        return k;
    };
    int err = 0;
    GifFileType* gif = DGifOpen(&source, input, &err);
    DecodedAnimation out;
    if (!gif) {
        ADD_FAILURE() << "not a GIF: " << GifErrorString(err);
        return out;
    }
    if (DGifSlurp(gif) != GIF_OK) {
        ADD_FAILURE() << "GIF does not decode: " << GifErrorString(gif->Error);
        DGifCloseFile(gif, &err);
        return out;
    }
    out.width = gif->SWidth;
    out.height = gif->SHeight;
    // Frames as a viewer shows them: each image drawn over what its
    // predecessor's disposal left, its transparent pixels letting that through.
    std::vector<std::uint32_t> canvas(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height), 0);
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        const GifImageDesc& desc = image.ImageDesc;
        DecodedFrame f;
        f.width = out.width;
        f.height = out.height;
        GraphicsControlBlock gcb{};
        gcb.TransparentColor = NO_TRANSPARENT_COLOR;
        if (DGifSavedExtensionToGCB(gif, i, &gcb) == GIF_OK) f.delay = gcb.DelayTime;
        const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
        EXPECT_TRUE(desc.Left + desc.Width <= out.width && desc.Top + desc.Height <= out.height) << "frame " << i;
        const std::vector<std::uint32_t> before = canvas;
        for (int y = 0; y < desc.Height; ++y)
            for (int x = 0; x < desc.Width; ++x) {
                const int index = image.RasterBits[y * desc.Width + x];
                if (index == gcb.TransparentColor) continue;
                EXPECT_LT(index, map->ColorCount);
                const GifColorType c = map->Colors[index];
                canvas[static_cast<std::size_t>(desc.Top + y) * static_cast<std::size_t>(out.width) + static_cast<std::size_t>(desc.Left + x)] =
                    (std::uint32_t(c.Red) << 16) | (std::uint32_t(c.Green) << 8) | c.Blue;
            }
        f.pixels = canvas;
        if (gcb.DisposalMode == DISPOSE_PREVIOUS) canvas = before;
        if (gcb.DisposalMode == DISPOSE_BACKGROUND)
            for (int y = 0; y < desc.Height; ++y)
                for (int x = 0; x < desc.Width; ++x)
                    canvas[static_cast<std::size_t>(desc.Top + y) * static_cast<std::size_t>(out.width) + static_cast<std::size_t>(desc.Left + x)] = 0;
        for (int e = 0; e < image.ExtensionBlockCount; ++e) {
            const ExtensionBlock& b = image.ExtensionBlocks[e];
            if (b.Function == APPLICATION_EXT_FUNC_CODE && b.ByteCount == 11 &&
                std::string(reinterpret_cast<const char*>(b.Bytes), 11) == "NETSCAPE2.0" && e + 1 < image.ExtensionBlockCount) {
                const ExtensionBlock& sub = image.ExtensionBlocks[e + 1];
                out.loopsForever = sub.ByteCount == 3 && sub.Bytes[0] == 1 && sub.Bytes[1] == 0 && sub.Bytes[2] == 0;
            }
        }
        out.frames.push_back(std::move(f));
    }
    DGifCloseFile(gif, &err);
    return out;
}

namespace {
std::uint32_t be32(const std::uint8_t* p) {
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}
}  // namespace

DecodedAnimation decodeApng(const std::vector<std::uint8_t>& bytes) {
    DecodedAnimation out;
    std::uint32_t sequence = 0;
    int declared = -1;
    // Frames as a viewer shows them: each region put over the canvas its
    // predecessor's dispose op left (blend op "source": replaced whole).
    std::vector<std::uint32_t> canvas;
    struct Region {
        int width = 0, height = 0, x = 0, y = 0, delay = 0, dispose = 0;
    } region;
    for (std::size_t at = 8; at + 12 <= bytes.size();) {
        const std::uint32_t length = be32(&bytes[at]);
        if (at + 12 + length > bytes.size()) break;
        const std::string type(reinterpret_cast<const char*>(&bytes[at + 4]), 4);
        const std::uint8_t* data = &bytes[at + 8];
        EXPECT_EQ(crc32(0L, &bytes[at + 4], length + 4), be32(data + length)) << type;
        if (type == "IHDR") {
            out.width = static_cast<int>(be32(data));
            out.height = static_cast<int>(be32(data + 4));
            canvas.assign(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height), 0);
        } else if (type == "acTL") {
            declared = static_cast<int>(be32(data));
            out.loopsForever = be32(data + 4) == 0;
        } else if (type == "fcTL") {
            EXPECT_EQ(be32(data), sequence++);
            region = {static_cast<int>(be32(data + 4)), static_cast<int>(be32(data + 8)), static_cast<int>(be32(data + 12)),
                      static_cast<int>(be32(data + 16)), ((data[20] << 8) | data[21]) * 1000 / ((data[22] << 8) | data[23]),
                      data[24]};
            EXPECT_EQ(data[25], 0) << "blend: source";
            EXPECT_TRUE(region.x + region.width <= out.width && region.y + region.height <= out.height);
        } else if (type == "IDAT" || type == "fdAT") {
            const std::size_t skip = type == "fdAT" ? 4 : 0;
            if (skip) {
                EXPECT_EQ(be32(data), sequence++);
            }
            // Rows of 8-bit RGB, each behind its filter byte; the writer uses "Sub".
            const std::size_t stride = static_cast<std::size_t>(region.width) * 3 + 1;
            std::vector<std::uint8_t> raw(stride * static_cast<std::size_t>(region.height));
            uLongf size = static_cast<uLongf>(raw.size());
            EXPECT_EQ(uncompress(raw.data(), &size, data + skip, length - skip), Z_OK);
            const std::vector<std::uint32_t> before = canvas;
            for (int y = 0; y < region.height; ++y) {
                std::uint8_t* row = raw.data() + stride * static_cast<std::size_t>(y);
                EXPECT_EQ(row[0], 1);
                for (std::size_t i = 4; i < stride; ++i) row[i] = static_cast<std::uint8_t>(row[i] + row[i - 3]);
                for (int x = 0; x < region.width; ++x) {
                    const std::uint8_t* p = row + 1 + 3 * static_cast<std::size_t>(x);
                    canvas[static_cast<std::size_t>(region.y + y) * static_cast<std::size_t>(out.width) + static_cast<std::size_t>(region.x + x)] =
                        (std::uint32_t(p[0]) << 16) | (std::uint32_t(p[1]) << 8) | p[2];
                }
            }
            out.frames.push_back(DecodedFrame{out.width, out.height, region.delay, canvas});
            if (region.dispose == 2) canvas = before;
            if (region.dispose == 1)
                for (int y = 0; y < region.height; ++y)
                    for (int x = 0; x < region.width; ++x)
                        canvas[static_cast<std::size_t>(region.y + y) * static_cast<std::size_t>(out.width) + static_cast<std::size_t>(region.x + x)] = 0;
        }
        at += 12 + length;
    }
    EXPECT_EQ(declared, static_cast<int>(out.frames.size()));
    return out;
}

void ScenarioWindowFixture::SetUp() {
    ProgramConfig config = configIn(dir);
    config.readStandardOptions = false;
    startProgram(config);
    program->controlWindow().activate();
}

void ScenarioWindowFixture::frame(const std::string& name, TColor color, const std::string& folder) {
    const std::string base = folder.empty() ? name : folder + "/" + name;
    dir.write(base + ".bmp", encodeBmp(solidPicture(color)));
    dir.write(base + ".vop", std::vector<std::uint8_t>(116, 0));
}

void setVertices(FigureStore& s, int count) {
    s.clearVertices();
    s.HighestFigure = 0;
    s.FigureInUse[1] = 0;
    if (count == 0) return;
    Points profile;
    for (int i = 1; i <= count; ++i)
        profile.emplace_back(i == 1 ? 0.0f : 60.0f + 10.0f * static_cast<float>(i % 3),
                             -100.0f + 200.0f * static_cast<float>(i - 1) / static_cast<float>(std::max(count - 1, 1)));
    addFigure(s, profile, 1);
}

void ScenarioWindowFixture::vertices(int count) { setVertices(program->store, count); }

void ScenarioWindowFixture::openScenario(const std::string& file, const std::string& text) {
    dir.writeText(file, text);
    desktop.choose(dir.file(file));
    editor().btnSnrOpen.click();
}

void ScenarioWindowFixture::newScenario(const std::string& file) {
    desktop.choose(dir.file(file));
    editor().btnNewScenario.click();
}

bool ScenarioWindowFixture::exists(const std::string& name) const { return std::filesystem::exists(dir.file(name)); }

}  // namespace vantor::test
