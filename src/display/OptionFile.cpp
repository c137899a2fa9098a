#include "display/OptionFile.h"

#include <algorithm>
#include <array>

#include "platform/IoError.h"
#include "platform/files/ByteReader.h"
#include "platform/files/Files.h"

namespace vantor {

namespace {
constexpr std::array<std::int32_t, 11> UnitAngles{1, 2, 3, 5, 6, 9, 10, 15, 18, 30, 45};
constexpr std::array<std::int32_t, 5> SimuUnitAngles{2, 6, 10, 18, 30};
}  // namespace

bool isUnitAngleChoice(std::int32_t degrees) {
    return std::find(UnitAngles.begin(), UnitAngles.end(), degrees) != UnitAngles.end();
}

bool isSimuUnitAngleChoice(std::int32_t degrees) {
    return std::find(SimuUnitAngles.begin(), SimuUnitAngles.end(), degrees) != SimuUnitAngles.end();
}

void decodeOptions(const std::uint8_t* data, std::size_t size, DisplayOptions& options, const std::string& fileName) {
    if (size < static_cast<std::size_t>(OptionFileSize))
        throw IoError("読み込みエラー（ファイルの長さが " + std::to_string(OptionFileSize) + " バイトに足りません）", fileName);
    ByteReader in(data, OptionFileSize, fileName);
    // Decoded into a copy, so that nothing changes unless the whole record was read.
    DisplayOptions o = options;
    o.centerX = in.i32();
    o.centerY = in.i32();
    o.unitAngle = in.i32();
    o.defaultMethod = in.u8();
    in.skip(3);
    o.bright = in.f64();
    o.lightDistRate = in.f64();
    o.tintR = in.f64();
    o.tintG = in.f64();
    o.tintB = in.f64();
    o.viewDist = in.f64();
    o.viewHeight = in.f64();
    o.zoom = in.f64();
    o.inclin = in.f64();
    o.backR = in.u8();
    o.backG = in.u8();
    o.backB = in.u8();
    in.skip(1);
    o.lightDirH = in.f64();
    o.lightDirV = in.f64();
    o.simuUnitAngle = in.i32();
    o.simuInterval = in.i32();

    if (!isUnitAngleChoice(o.unitAngle)) o.unitAngle = 3;
    if (!isSimuUnitAngleChoice(o.simuUnitAngle)) o.simuUnitAngle = 2;
    o.updateLightDist();
    options = o;
}

void readOptionFile(const Files& files, const std::string& path, DisplayOptions& options) {
    const auto bytes = files.readAll(path);
    decodeOptions(bytes.data(), bytes.size(), options, path);
}

std::vector<std::uint8_t> encodeOptions(const DisplayOptions& o) {
    ByteWriter out;
    out.i32(o.centerX);
    out.i32(o.centerY);
    out.i32(o.unitAngle);
    out.u8(o.defaultMethod);
    out.zeros(3);
    out.f64(o.bright);
    out.f64(o.lightDistRate);
    out.f64(o.tintR);
    out.f64(o.tintG);
    out.f64(o.tintB);
    out.f64(o.viewDist);
    out.f64(o.viewHeight);
    out.f64(o.zoom);
    out.f64(o.inclin);
    out.u8(o.backR);
    out.u8(o.backG);
    out.u8(o.backB);
    out.zeros(1);
    out.f64(o.lightDirH);
    out.f64(o.lightDirV);
    out.i32(o.simuUnitAngle);
    out.i32(o.simuInterval);
    return out.bytes;
}

void writeOptionFile(const Files& files, const std::string& path, const DisplayOptions& options) {
    files.writeAtomic(path, encodeOptions(options));
}

}  // namespace vantor
