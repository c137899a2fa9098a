// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/options/OptionFile.h"

#include <algorithm>
#include <array>

#include "platform/files/IoError.h"
#include "platform/files/ByteReader.h"
#include "platform/files/Files.h"

namespace vantor {

namespace {
// The stored fields in file order, the padding between them as byte counts:
// the one description of the record that reading and writing both follow.
template <typename Field, typename Padding>
void visitStoredFields(OptionRecord& o, Field field, Padding padding) {
    field(o.centerX);
    field(o.centerY);
    field(o.unitAngle);
    field(o.defaultMethod);
    padding(3);
    field(o.bright);
    field(o.lightDistRate);
    field(o.tintR);
    field(o.tintG);
    field(o.tintB);
    field(o.viewDist);
    field(o.viewHeight);
    field(o.zoom);
    field(o.inclin);
    field(o.backR);
    field(o.backG);
    field(o.backB);
    padding(1);
    field(o.lightDirH);
    field(o.lightDirV);
    field(o.simuUnitAngle);
    field(o.simuInterval);
}

void readField(ByteReader& in, std::int32_t& v) { v = in.i32(); }
void readField(ByteReader& in, std::uint8_t& v) { v = in.u8(); }
void readField(ByteReader& in, double& v) { v = in.f64(); }
void writeField(ByteWriter& out, std::int32_t v) { out.i32(v); }
void writeField(ByteWriter& out, std::uint8_t v) { out.u8(v); }
void writeField(ByteWriter& out, double v) { out.f64(v); }

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
    visitStoredFields(o, [&](auto& field) { readField(in, field); }, [&](std::size_t n) { in.skip(n); });

    if (!isUnitAngleChoice(o.unitAngle)) o.unitAngle = 3;
    if (!isSimuUnitAngleChoice(o.simuUnitAngle)) o.simuUnitAngle = 2;
    // The range the interval box accepts; a timer of 0 ms or of days is no simulation.
    o.simuInterval = std::clamp(o.simuInterval, 1, 1000);
    o.updateLightDist();
    options = o;
}

void readOptionFile(const Files& files, const std::string& path, DisplayOptions& options) {
    // A file holds one record; whatever follows it is never read.
    const auto bytes = files.readBounded(path, OptionFileSize, Excess::Ignored);
    decodeOptions(bytes.data(), bytes.size(), options, path);
}

std::vector<std::uint8_t> encodeOptions(const DisplayOptions& options) {
    ByteWriter out;
    // The visitor takes a mutable record; writing reads a copy.
    DisplayOptions o = options;
    visitStoredFields(o, [&](auto& field) { writeField(out, field); }, [&](std::size_t n) { out.zeros(n); });
    return out.bytes;
}

void writeOptionFile(const Files& files, const std::string& path, const DisplayOptions& options) {
    files.writeAtomic(path, encodeOptions(options));
}

}  // namespace vantor
