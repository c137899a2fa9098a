// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/options/OptionFile.h"
#include "model/options/StandardOptions.h"
#include "platform/files/Files.h"
#include "support/TempDir.h"

using namespace vantor;

namespace {
DisplayOptions factory() {
    DisplayOptions o;
    setFactoryOptions(o);
    return o;
}
}  // namespace

TEST(FactoryOptions, ResetEveryFieldAndTheStandardColoursButNotTheMode) {
    DisplayOptions o;
    o.zoom = 3;
    o.backR = 200;
    o.takeColoursAsStandard();
    o.displayMode = DisplayMode::Simulation;
    setFactoryOptions(o);
    EXPECT_EQ(encodeOptions(o), encodeOptions(DisplayOptions{}));
    EXPECT_EQ(o.standardBack.r, 0);
    EXPECT_EQ(o.displayMode, DisplayMode::Simulation);
}

// A standard file too short to be an option file leaves the factory options
// in force, its colours included: one byte short is refused, a whole record
// is read.
TEST(StandardOptions, OnlyAWholeRecordIsRead) {
    test::TempDir dir;
    const Files files(dir.path());
    DisplayOptions written = factory();
    written.zoom = 2;
    written.backG = 90;
    std::vector<std::uint8_t> bytes = encodeOptions(written);
    ASSERT_EQ(bytes.size(), static_cast<std::size_t>(OptionFileSize));

    struct Case {
        const char* name;
        std::size_t size;  // 0: no file
        bool read;
    };
    for (const Case& c : {Case{"no file", 0, false}, Case{"one byte short", OptionFileSize - 1u, false},
                          Case{"a whole record", OptionFileSize + 0u, true},
                          Case{"a record and a byte", OptionFileSize + 1u, true}}) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.file(std::string(c.name) + ".vop");
        if (c.size > 0) {
            std::vector<std::uint8_t> file = bytes;
            file.resize(c.size, 0);
            files.writeAtomic(path, file);
        }
        DisplayOptions o = factory();
        EXPECT_EQ(readStandardOptions(files, path, o), c.read);
        EXPECT_EQ(o.zoom, c.read ? 2 : factory().zoom);
        EXPECT_EQ(o.standardBack.g, c.read ? 90 : 0) << "the file's background becomes the standard one";
    }
    DisplayOptions o = factory();
    EXPECT_FALSE(readStandardOptions(files, "", o)) << "no standard file at all";
}
