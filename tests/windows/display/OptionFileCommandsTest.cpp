// SPDX-License-Identifier: GPL-3.0-or-later
// The display window's option-file commands and the standard options.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

#include "support/DisplayWindowFixture.h"
#include "model/options/OptionFile.h"

using namespace vantor;
using DisplayWindowTest = vantor::test::DisplayWindowFixture;

namespace {
std::vector<std::uint8_t> optionBytes(void (*edit)(DisplayOptions&)) {
    DisplayOptions o;
    o.setFactoryValues();
    edit(o);
    return encodeOptions(o);
}
}  // namespace

TEST_F(DisplayWindowTest, ReadingAFileOfTheWrongSize) {
    start();
    auto bytes = optionBytes([](DisplayOptions& o) { o.zoom = 3; });
    dir.write("short.vop", std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 115));
    auto longer = bytes;
    longer.resize(200, 0xEE);
    dir.write("long.vop", longer);

    desktop.choose(dir.file("short.vop"));
    EXPECT_FALSE(program->dispatch([&] { window().mnReadOptionsClick(); }));
    ASSERT_EQ(desktop.errors.size(), 1u);
    EXPECT_EQ(options().zoom, 1.5) << "nothing changed";

    desktop.choose(dir.file("long.vop"));
    EXPECT_TRUE(program->dispatch([&] { window().mnReadOptionsClick(); }));
    EXPECT_EQ(options().zoom, 3) << "read from its first 116 bytes";
    EXPECT_TRUE(window().mnZM5.checked());
    EXPECT_EQ(window().dlgSaveOptions.fileName, dir.file("long.vop")) << "the next save proposes it";
}

TEST_F(DisplayWindowTest, ReadingReplacesStepsThatNoMenuOffers) {
    start();
    dir.write("steps.vop", optionBytes([](DisplayOptions& o) {
        o.unitAngle = 4;
        o.simuUnitAngle = 7;
        o.defaultMethod = 9;
        o.bright = 1300;
        o.viewHeight = -45;
        o.inclin = -150;
    }));
    window().mnMesh.click();
    window().loadOptionFile(dir.file("steps.vop"));
    EXPECT_EQ(options().unitAngle, 3);
    EXPECT_TRUE(window().mn3d.checked());
    EXPECT_EQ(options().simuUnitAngle, 2);
    EXPECT_EQ(options().defaultMethod, 9) << "kept as read";
    EXPECT_TRUE(window().mnMesh.checked()) << "no method item takes the mark";
    EXPECT_TRUE(window().mnBREtc.checked());
    EXPECT_TRUE(window().mnVH10.checked());
    EXPECT_TRUE(window().mnIn21.checked());
    EXPECT_TRUE(window().mnInToRev.checked());
}

TEST_F(DisplayWindowTest, SavedOptionsReadBackBitForBit) {
    start();
    options().lightDirH = 100.5;
    options().lightDirV = -12.25;
    options().centerX = -7;
    options().bright = 1234.5678;
    options().simuInterval = 999;
    const std::vector<std::uint8_t> before = encodeOptions(options());
    desktop.choose(dir.file("mine.vop"));
    window().mnWriteOptionsClick();
    ASSERT_EQ(dir.read("mine.vop"), before);

    window().InitAllOptions();
    EXPECT_EQ(options().lightDirH, 225);
    desktop.choose(dir.file("mine.vop"));
    window().mnReadOptionsClick();
    EXPECT_EQ(encodeOptions(options()), before);
    EXPECT_EQ(desktop.fileDialogs.back().filter, "画像オプションファイル(*.vop)|*.vop");
    EXPECT_EQ(desktop.fileDialogs.back().defaultExt, "vop");
}

TEST_F(DisplayWindowTest, MakeStandardThenResetAllRestoresThoseOptions) {
    start();
    window().mnZM6.click();
    options().lightDirH = 300;
    desktop.colorAnswers.emplace_back(true, rgb(100, 200, 50));
    window().mnTintFreeClick();
    const std::vector<std::uint8_t> standard = encodeOptions(options());

    desktop.answer(MsgAnswer::Yes);
    window().mnMakeStandardOptionsClick();
    EXPECT_EQ(desktop.messages.back().text, "現在のオプションを標準の値にしていいですか？");
    EXPECT_EQ(desktop.messages.back().icon, MsgIcon::Warning);
    EXPECT_EQ(options().standardTint.r, 1.0) << "the standard tint is renewed only when the file is read";

    window().mnZM1.click();
    window().mnInitAll.click();
    EXPECT_EQ(encodeOptions(options()), standard);
    EXPECT_TRUE(window().mnZM6.checked());
    EXPECT_EQ(options().standardTint.g, 1.0);
    EXPECT_EQ(options().standardTint.b, 0.25);

    desktop.answer(MsgAnswer::No);
    window().mnInitStandardClick();
    desktop.answer(MsgAnswer::Yes);
    window().mnInitStandardClick();
    EXPECT_EQ(desktop.messages.back().text, "標準のオプションをソフト・インストール時の値に戻していいですか？");
    EXPECT_EQ(options().zoom, 0.8) << "the current options stay";
    window().mnInitAll.click();
    DisplayOptions factory;
    factory.setFactoryValues();
    EXPECT_EQ(encodeOptions(options()), encodeOptions(factory));
    EXPECT_TRUE(window().mnZM3.checked());
    EXPECT_TRUE(window().mnIn7.checked());
    EXPECT_EQ(options().standardTint.b, 1.0);
}

TEST_F(DisplayWindowTest, ReturningToTheInstallationStandardWithoutAFileAsksAndDoesNothing) {
    start();
    window().mnZM4.click();
    desktop.answer(MsgAnswer::Yes);
    window().mnInitStandardClick();
    EXPECT_EQ(options().zoom, 2);
    EXPECT_TRUE(desktop.errors.empty());
}

// Regression: with a read-only home "make standard" reported "No such file
// or directory" for the option file instead of why its folder could not be
// made; without a home folder it wrote into the program's own folder.
TEST_F(DisplayWindowTest, MakeStandardNamesWhyItCannotBeSaved) {
    struct Row {
        const char* name;
        std::function<std::string()> userFolder;  // prepares the home and gives the per-user folder
        std::string expected;                     // the whole message, or the start of it
    };
    const std::string home = dir.file("home");
    const Row rows[] = {
        {"no home folder", [] { return std::string(); }, NoHomeForStandardText},
        {"a file where the configuration folder goes",
         [&] {
             std::filesystem::create_directories(home);
             dir.writeText("home/.config", "");
             return home + "/.config/freevantor";
         },
         std::string(std::strerror(ENOTDIR)) + ": " + home + "/.config/freevantor"},
        {"read-only home",
         [&] {
             std::filesystem::create_directories(home);
             ::chmod(home.c_str(), 0555);
             return home + "/.config/freevantor";
         },
         std::string(std::strerror(EACCES)) + ": " + home + "/.config/freevantor"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (std::string(row.name) == "read-only home" && ::geteuid() == 0) continue;  // root writes anyway
        std::filesystem::remove_all(home);
        vantor::ProgramConfig config = vantor::test::configIn(dir);
        config.userConfigFolder = row.userFolder();
        desktop.errors.clear();
        startProgram(config);
        desktop.answer(MsgAnswer::Yes);
        EXPECT_FALSE(program->dispatch([&] { window().mnMakeStandardOptionsClick(); }));
        ASSERT_EQ(desktop.errors.size(), 1u);
        EXPECT_EQ(desktop.errors[0], row.expected);
        EXPECT_FALSE(std::filesystem::exists(config.programFolder + "standard.vop"));
        ::chmod(home.c_str(), 0755);
    }
}
