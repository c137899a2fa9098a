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
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        DecodedFrame f;
        f.width = image.ImageDesc.Width;
        f.height = image.ImageDesc.Height;
        GraphicsControlBlock gcb{};
        if (DGifSavedExtensionToGCB(gif, i, &gcb) == GIF_OK) f.delay = gcb.DelayTime;
        const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
        for (int p = 0; p < f.width * f.height; ++p) {
            const GifColorType c = map->Colors[image.RasterBits[p]];
            f.pixels.push_back((std::uint32_t(c.Red) << 16) | (std::uint32_t(c.Green) << 8) | c.Blue);
        }
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
    DecodedFrame frame;
    for (std::size_t at = 8; at + 12 <= bytes.size();) {
        const std::uint32_t length = be32(&bytes[at]);
        if (at + 12 + length > bytes.size()) break;
        const std::string type(reinterpret_cast<const char*>(&bytes[at + 4]), 4);
        const std::uint8_t* data = &bytes[at + 8];
        EXPECT_EQ(crc32(0L, &bytes[at + 4], length + 4), be32(data + length)) << type;
        if (type == "IHDR") {
            out.width = static_cast<int>(be32(data));
            out.height = static_cast<int>(be32(data + 4));
        } else if (type == "acTL") {
            declared = static_cast<int>(be32(data));
            out.loopsForever = be32(data + 4) == 0;
        } else if (type == "fcTL") {
            EXPECT_EQ(be32(data), sequence++);
            frame = DecodedFrame{static_cast<int>(be32(data + 4)), static_cast<int>(be32(data + 8)),
                                 ((data[20] << 8) | data[21]) * 1000 / ((data[22] << 8) | data[23]), {}};
        } else if (type == "IDAT" || type == "fdAT") {
            const std::size_t skip = type == "fdAT" ? 4 : 0;
            if (skip) {
                EXPECT_EQ(be32(data), sequence++);
            }
            // Rows of 8-bit RGB, each behind its filter byte; the writer uses "Sub".
            const std::size_t stride = static_cast<std::size_t>(frame.width) * 3 + 1;
            std::vector<std::uint8_t> raw(stride * static_cast<std::size_t>(frame.height));
            uLongf size = static_cast<uLongf>(raw.size());
            EXPECT_EQ(uncompress(raw.data(), &size, data + skip, length - skip), Z_OK);
            for (std::size_t row = 0; row < raw.size(); row += stride) {
                EXPECT_EQ(raw[row], 1);
                for (std::size_t i = 4; i < stride; ++i) raw[row + i] = static_cast<std::uint8_t>(raw[row + i] + raw[row + i - 3]);
                for (std::size_t i = 1; i < stride; i += 3)
                    frame.pixels.push_back((std::uint32_t(raw[row + i]) << 16) | (std::uint32_t(raw[row + i + 1]) << 8) | raw[row + i + 2]);
            }
            out.frames.push_back(frame);
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
