// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/scenario/FrameSource.h"
#include "model/scenario/Scenario.h"
#include "platform/files/IoError.h"
#include "platform/files/Files.h"
#include "platform/pixels/Bmp.h"
#include "support/TempDir.h"

using namespace vantor;

namespace {
std::vector<std::uint8_t> bytes(const std::string& s) { return {s.begin(), s.end()}; }
}  // namespace

TEST(Scenario, LinesBecomeFramesInOrder) {
    struct Row {
        const char* name;
        std::string text;
        std::vector<std::string> frames;
    };
    const Row rows[] = {
        {"CR LF lines", "car001\r\ncar003\r\ncar001\r\n", {"car001", "car003", "car001"}},
        {"LF lines, no final break", "a\nb", {"a", "b"}},
        {"empty marker first", "-- empty --\r\n", {}},
        {"empty marker followed by names", "-- empty --\r\ncar001\r\n", {}},
        {"no line at all", "", {}},
        {"marker later is just a bad name", "car001\r\n-- empty --\r\n", {"car001", "-- empty --"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const ScenarioText t = parseScenario(bytes(r.text));
        EXPECT_EQ(t.frames, r.frames);
    }
}

TEST(Scenario, NamesThatLeaveTheFolderAreRejected) {
    const std::string nul("car\0/../x", 9);
    const std::vector<std::string> bad = {"../secret", "sub/car001", "/etc/passwd", "..\\up", "", nul,
                                          "tab\there", std::string(251, 'a')};
    for (const std::string& name : bad) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(isSafeFrameName(name));
        EXPECT_THROW(framePath("/some/folder", name, ".bmp"), IoError);
    }
    for (const std::string& name : std::vector<std::string>{"car001", "..", "...", "シナリオ001", std::string(250, 'a')}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(isSafeFrameName(name));
    }
    // ".." as a whole name is the file "...bmp" in the folder itself.
    EXPECT_EQ(framePath("/f", "..", ".bmp"), "/f/...bmp");

    const ScenarioText t = parseScenario(bytes("car001\r\n../secret\r\nsub/x\r\n\r\ncar002\r\n"));
    EXPECT_EQ(t.frames, (std::vector<std::string>{"car001", "car002"}));
    EXPECT_EQ(t.rejected, (std::vector<std::string>{"../secret", "sub/x", ""}));
}

TEST(Scenario, OversizedFileIsRefusedBeforeReading) {
    test::TempDir dir;
    std::string big;
    while (big.size() <= MaxScenarioBytes) big += "car001\r\n";
    dir.writeText("big.snr", big);
    Files files(dir.path());
    EXPECT_THROW(readScenarioFile(files, "big.snr"), IoError);

    std::string thousand;
    for (int i = 0; i < 1000; ++i) thousand += frameNameFor("car", i % 999 + 1) + "\r\n";
    dir.writeText("long.snr", thousand);
    EXPECT_EQ(readScenarioFile(files, "long.snr").frames.size(), 1000u);
}

// Regression: a scenario listing one frame 100,000 times decoded its file
// 100,000 times.
TEST(FrameSource, EachPictureIsDecodedOnceWithinTheBudget) {
    test::TempDir dir;
    const Files files(dir.path());
    for (const char* name : {"a", "b"}) writeBmpFile(dir.file(std::string(name) + ".bmp"), Bitmap(10, 10, PixelFormat::Rgb32));
    const std::size_t onePicture = 10 * 10 * 4;
    struct Row {
        const char* name;
        std::size_t budget;
        std::vector<std::string> frames;
        std::size_t decodes;
    };
    const std::vector<Row> rows = {
        {"one frame repeated", onePicture, std::vector<std::string>(1000, "a"), 1},
        {"a frame over the budget is still kept while it repeats", 1, std::vector<std::string>(1000, "a"), 1},
        {"alternating, both fit", 2 * onePicture, {"a", "b", "a", "b", "a"}, 2},
        {"alternating, one fits: the older goes", onePicture, {"a", "b", "a", "b"}, 4},
        {"missing frames are never decoded", onePicture, {"x", "a", "x", "a"}, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FrameSource source(files, dir.path(), row.budget);
        for (const std::string& name : row.frames) source.frame(name);
        EXPECT_EQ(source.decodes(), row.decodes);
    }
}

TEST(FrameSource, ANameKeepsItsNumberAndAMissingPictureIsNull) {
    test::TempDir dir;
    const Files files(dir.path());
    writeBmpFile(dir.file("a.bmp"), Bitmap(3, 2, PixelFormat::Rgb32));
    FrameSource source(files, dir.path(), 0);
    const FrameSource::Frame a = source.frame("a");
    const FrameSource::Frame x = source.frame("x");
    ASSERT_TRUE(a.picture);
    EXPECT_EQ(a.picture->width(), 3);
    EXPECT_FALSE(x.picture);
    EXPECT_EQ(source.frame("a").id, a.id);
    EXPECT_NE(x.id, a.id);
    EXPECT_THROW(source.frame("../a"), IoError);
}
