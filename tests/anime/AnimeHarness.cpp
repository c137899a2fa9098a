#include "anime/AnimeHarness.h"

#include <gif_lib.h>
#include <zlib.h>

#include <filesystem>

#include "control/TControlF.h"
#include "platform/pixels/Bmp.h"

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

void unfilterInto(DecodedFrame& f, const std::vector<std::uint8_t>& z) {
    const std::size_t stride = static_cast<std::size_t>(f.width) * 3 + 1;
    std::vector<std::uint8_t> raw(stride * static_cast<std::size_t>(f.height));
    uLongf size = static_cast<uLongf>(raw.size());
    ASSERT_EQ(uncompress(raw.data(), &size, z.data(), static_cast<uLong>(z.size())), Z_OK);
    ASSERT_EQ(size, raw.size());
    std::vector<std::uint8_t> prev(stride - 1, 0);
    for (int y = 0; y < f.height; ++y) {
        std::uint8_t* row = raw.data() + stride * static_cast<std::size_t>(y);
        std::vector<std::uint8_t> cur(row + 1, row + stride);
        for (std::size_t i = 0; i < cur.size(); ++i) {
            const std::uint8_t left = i >= 3 ? cur[i - 3] : 0;
            switch (row[0]) {
                case 0: break;
                case 1: cur[i] = static_cast<std::uint8_t>(cur[i] + left); break;
                case 2: cur[i] = static_cast<std::uint8_t>(cur[i] + prev[i]); break;
                default: FAIL() << "filter " << int(row[0]) << " not expected";
            }
        }
        for (int x = 0; x < f.width; ++x)
            f.pixels.push_back((std::uint32_t(cur[3 * x]) << 16) | (std::uint32_t(cur[3 * x + 1]) << 8) | cur[3 * x + 2]);
        prev = cur;
    }
}
}  // namespace

DecodedAnimation decodeApng(const std::vector<std::uint8_t>& bytes) {
    DecodedAnimation out;
    static const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (bytes.size() < 8 || !std::equal(signature, signature + 8, bytes.begin())) {
        ADD_FAILURE() << "no PNG signature";
        return out;
    }
    std::size_t at = 8;
    std::uint32_t expectedSequence = 0;
    int declaredFrames = -1;
    DecodedFrame pending;
    bool havePending = false;
    while (at + 12 <= bytes.size()) {
        const std::uint32_t length = be32(&bytes[at]);
        if (at + 12 + length > bytes.size()) {
            ADD_FAILURE() << "chunk runs past the end";
            return out;
        }
        const std::string type(reinterpret_cast<const char*>(&bytes[at + 4]), 4);
        const std::uint8_t* data = &bytes[at + 8];
        const uLong crc = crc32(0L, &bytes[at + 4], static_cast<uInt>(length + 4));
        EXPECT_EQ(crc, be32(data + length)) << type << " CRC";
        if (type == "IHDR") {
            out.width = static_cast<int>(be32(data));
            out.height = static_cast<int>(be32(data + 4));
        } else if (type == "acTL") {
            declaredFrames = static_cast<int>(be32(data));
            out.loopsForever = be32(data + 4) == 0;
        } else if (type == "fcTL") {
            EXPECT_EQ(be32(data), expectedSequence++);
            pending = DecodedFrame{};
            pending.width = static_cast<int>(be32(data + 4));
            pending.height = static_cast<int>(be32(data + 8));
            const int num = (data[20] << 8) | data[21], den = (data[22] << 8) | data[23];
            pending.delay = den == 0 ? num * 10 : num * 1000 / den;
            havePending = true;
        } else if (type == "IDAT" || type == "fdAT") {
            std::vector<std::uint8_t> z;
            if (type == "fdAT") {
                EXPECT_EQ(be32(data), expectedSequence++);
                z.assign(data + 4, data + length);
            } else {
                z.assign(data, data + length);
            }
            EXPECT_TRUE(havePending) << type << " without fcTL";
            unfilterInto(pending, z);
            out.frames.push_back(pending);
            havePending = false;
        }
        at += 12 + length;
    }
    EXPECT_EQ(declaredFrames, static_cast<int>(out.frames.size()));
    return out;
}

void AnimeFixture::SetUp() {
    ProgramConfig config;
    config.currentFolder = dir.path();
    config.programFolder = dir.path() + "/";
    config.readStandardOptions = false;
    program = std::make_unique<Program>(desktop, config);
    program->ControlF().activate();
}

void AnimeFixture::frame(const std::string& name, TColor color, const std::string& folder) {
    const std::string base = folder.empty() ? name : folder + "/" + name;
    dir.write(base + ".bmp", encodeBmp(solidPicture(color)));
    dir.write(base + ".vop", std::vector<std::uint8_t>(116, 0));
}

void AnimeFixture::vertices(int count) {
    FigureStore& s = program->store;
    s.clearVertices();
    for (int i = 1; i <= count; ++i) {
        s.x(i) = static_cast<float>(10 * i);
        s.y(i) = static_cast<float>(i);
        s.link(i) = i < count ? 1 : 0;
        s.figure(i) = 1;
    }
    s.VertexCount = count;
}

void AnimeFixture::openScenario(const std::string& file, const std::string& text) {
    dir.writeText(file, text);
    desktop.choose(dir.file(file));
    editor().btnSnrOpen.click();
}

void AnimeFixture::newScenario(const std::string& file) {
    desktop.choose(dir.file(file));
    editor().btnInitSenario.click();
}

bool AnimeFixture::exists(const std::string& name) const { return std::filesystem::exists(dir.file(name)); }

}  // namespace vantor::test
