// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/options/OptionFile.h"
#include "platform/files/IoError.h"
#include "platform/files/ByteReader.h"
#include "platform/files/Files.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

DisplayOptions unusualOptions() {
    DisplayOptions o;
    o.setFactoryValues();
    o.centerX = -12;
    o.unitAngle = 45;
    o.defaultMethod = 3;
    o.bright = 1300;
    o.lightDistRate = 3.7;
    o.tintR = 0.2;
    o.viewHeight = -30;
    o.inclin = 12.5;
    o.backG = 128;
    o.backB = 255;
    o.lightDirH = 100.5;
    o.lightDirV = -7.25;
    o.simuUnitAngle = 18;
    o.simuInterval = 250;
    return o;
}

TEST(OptionFile, FactoryRecordLayout) {
    DisplayOptions o;
    o.setFactoryValues();
    const auto bytes = encodeOptions(o);
    ASSERT_EQ(bytes.size(), 116u);
    ByteReader in(bytes);
    EXPECT_EQ(in.i32(), 300);
    EXPECT_EQ(in.i32(), 200);
    EXPECT_EQ(in.i32(), 3);
    EXPECT_EQ(in.u8(), 2);
    in.skip(3);
    for (double d : {1000.0, 2.4, 1.0, 1.0, 1.0, 1.2, 15.0, 1.5, 0.0}) EXPECT_EQ(in.f64(), d);
    in.skip(4);  // background and padding
    EXPECT_EQ(in.f64(), 225) << "light direction at offset 92, a 4-byte boundary";
    EXPECT_EQ(in.f64(), 45);
    EXPECT_EQ(in.i32(), 6);
    EXPECT_EQ(in.i32(), 5);
}

TEST(OptionFile, ReadsBackEveryFieldFromTheFirst116Bytes) {
    TempDir dir;
    Files files(dir.path());
    writeOptionFile(files, "a.vop", unusualOptions());
    auto longer = dir.read("a.vop");
    ASSERT_EQ(longer.size(), 116u);
    longer[13] = longer[91] = 0x5A;  // padding is not significant
    longer.resize(200, 0xEE);
    dir.write("b.vop", longer);
    DisplayOptions read;
    read.setFactoryValues();
    readOptionFile(files, "b.vop", read);
    EXPECT_EQ(encodeOptions(read), encodeOptions(unusualOptions()));
    EXPECT_EQ(read.lightDirH, 100.5);
    EXPECT_EQ(read.lightDist, read.baseRadius * 3.7);
}

TEST(OptionFile, ShortFileIsRejectedAndChangesNothing) {
    TempDir dir;
    Files files(dir.path());
    const auto bytes = encodeOptions(unusualOptions());
    for (std::size_t size : {0u, 115u}) {
        SCOPED_TRACE(size);
        dir.write("short.vop", std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + static_cast<long>(size)));
        DisplayOptions o;
        o.setFactoryValues();
        const auto before = encodeOptions(o);
        EXPECT_THROW(readOptionFile(files, "short.vop", o), IoError);
        EXPECT_EQ(encodeOptions(o), before);
    }
}

TEST(OptionFile, RotationStepsOutsideTheMenusFallBack) {
    struct Case {
        std::int32_t unit, simu, unitRead, simuRead;
    } cases[] = {{4, 7, 3, 2}, {1, 2, 1, 2}, {45, 30, 45, 30}, {0, 6, 3, 6}, {-3, -6, 3, 2}, {360, 10, 3, 10}};
    for (const Case& c : cases) {
        DisplayOptions o = unusualOptions();
        o.unitAngle = c.unit;
        o.simuUnitAngle = c.simu;
        const auto bytes = encodeOptions(o);
        DisplayOptions read;
        decodeOptions(bytes.data(), bytes.size(), read);
        EXPECT_EQ(read.unitAngle, c.unitRead) << c.unit;
        EXPECT_EQ(read.simuUnitAngle, c.simuRead) << c.simu;
    }
}

}  // namespace
}  // namespace vantor::test
