#include <gtest/gtest.h>

#include "anime/Scenario.h"
#include "platform/IoError.h"
#include "platform/files/Files.h"
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
