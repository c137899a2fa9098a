// SPDX-License-Identifier: GPL-3.0-or-later
// The scenario window's saves: its data set commits as one, its frames
// never go through links planted beside them.
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "support/ScenarioHarness.h"

using namespace vantor;
using namespace vantor::test;
namespace fs = std::filesystem;

namespace {
std::string textOf(const std::vector<std::uint8_t>& b) { return std::string(b.begin(), b.end()); }
}  // namespace

// Regression: the data saved beside a scenario was two separate saves, so a
// full disk left the new .va4 with the old .zuk.
TEST_F(ScenarioWindowFixture, FullDiskDuringTheDataSaveBesideTheScenarioKeepsTheOldSet) {
    for (const char* failing : {"vase.va4", "vase.zuk"}) {
        SCOPED_TRACE(failing);
        dir.writeText("vase.va4", "old va4");
        dir.writeText("vase.zuk", "old zuk");
        fs::remove(dir.file("vase.snr"));
        vertices(3);
        program->files.setWriteFault([&](const std::string& path) { return path == dir.file(failing) ? ENOSPC : 0; });
        desktop.errors.clear();
        desktop.choose(dir.file("vase.snr"));
        desktop.answer(MsgAnswer::Yes);
        EXPECT_FALSE(program->dispatch([&] { editor().btnNewScenario.click(); }));
        program->files.setWriteFault({});
        ASSERT_EQ(desktop.errors.size(), 1u);
        EXPECT_NE(desktop.errors[0].find(std::strerror(ENOSPC)), std::string::npos) << desktop.errors[0];
        EXPECT_EQ(textOf(dir.read("vase.va4")), "old va4");
        EXPECT_EQ(textOf(dir.read("vase.zuk")), "old zuk");
    }
}

// Regression: "add frame" wrote through links planted at the next frame's
// names, out of the scenario's folder, and the frame count did not see a
// dangling link.
TEST_F(ScenarioWindowFixture, AddedFrameGoesThroughNoPlantedLink) {
    fs::create_directory(dir.file("scn"));
    fs::create_directory(dir.file("o"));
    dir.writeText("o/victim.txt", "keep");
    frame("car001", 0x0000FF, "scn");
    fs::create_symlink("../o/new.bmp", dir.file("scn/car002.bmp"));
    fs::create_symlink("../o/victim.txt", dir.file("scn/car002.vop"));
    newScenario("scn/car.snr");
    vertices(3);
    editor().btnAdd.click();
    EXPECT_TRUE(desktop.errors.empty());
    EXPECT_EQ(scenario(), std::vector<std::string>{"car003"});
    EXPECT_EQ(fs::symlink_status(dir.file("scn/car003.bmp")).type(), fs::file_type::regular);
    EXPECT_FALSE(fs::exists(dir.file("o/new.bmp")));
    EXPECT_EQ(textOf(dir.read("o/victim.txt")), "keep");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.file("o")), fs::directory_iterator()), 1);
}

// A frame save killed before its picture was in place is finished before
// the next frame takes a number, and leaves no file of its own behind.
TEST_F(ScenarioWindowFixture, KilledFrameSaveIsFinishedBeforeTheNextFrame) {
    frame("car001");
    newScenario("car.snr");
    vertices(3);
    program->files.setSaveInterrupt(
        [](SaveStep step, const std::string& path) { return step == SaveStep::Rename && path.ends_with(".bmp"); });
    EXPECT_THROW(editor().btnAdd.click(), SaveKilled);
    program->files.setSaveInterrupt({});
    EXPECT_FALSE(exists("car002.bmp"));
    editor().btnAdd.click();
    EXPECT_TRUE(exists("car002.bmp"));
    EXPECT_TRUE(exists("car003.bmp"));
    for (const auto& e : fs::directory_iterator(dir.path())) {
        const std::string name = e.path().filename().string();
        EXPECT_FALSE(name.ends_with(".tmp") || name.ends_with(".journal")) << name;
    }
}
