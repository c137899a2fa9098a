// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "windows/scenario/ScenarioWindow.h"
#include "windows/scenario/PlaybackWindow.h"
#include "app/Program.h"
#include "windows/control/ControlWindow.h"
#include "windows/display/DisplayWindow.h"
#include "windows/editor/EditorWindow.h"
#include "support/FigureBuilder.h"
#include "support/ProgramFixture.h"

using namespace vantor;

namespace {
struct ControlFixture : vantor::test::ProgramFixture {
    void SetUp() override {
        startProgram();
        program->controlWindow().activate();
    }
    ControlWindow& control() { return program->controlWindow(); }
    FigureStore& store() { return program->store; }
    // One figure per call, its vertices at heights 0, 1, 2...; consecutive
    // calls may share a number on purpose.
    void addFigure(const std::vector<float>& xs, int number) {
        test::Points points;
        for (float x : xs) points.emplace_back(x, static_cast<float>(points.size()));
        test::addFigure(store(), points, number);
    }
    std::vector<float> xs() {
        std::vector<float> v;
        for (int k = 1; k <= store().VertexCount; ++k) v.push_back(store().x(k));
        return v;
    }
};
}  // namespace

TEST_F(ControlFixture, LayoutAndColourDepth) {
    EXPECT_EQ(control().caption(), "FreeVantor for Win32");
    EXPECT_EQ(control().width(), 450);
    EXPECT_EQ(control().height(), 100);
    EXPECT_EQ(control().left(), 0);
    EXPECT_EQ(control().top(), 0);
    EXPECT_EQ(control().lblDataName.caption(), "（未定）");
    EXPECT_EQ(control().spbRotate.hint(), "回転体を表示する　（データが空のときはアニメ）");
    EXPECT_EQ(control().ColorDepth, 32);

    desktop.screenInfo.bitsPerPixel = 16;
    EXPECT_EQ(startProgram().controlWindow().ColorDepth, 16);
    desktop.screenInfo.bitsPerPixel = 4;
    desktop.screenInfo.planes = 2;
    EXPECT_EQ(startProgram().controlWindow().ColorDepth, 8);
}

TEST_F(ControlFixture, FirstActivationResetsTheTableWithTheDisplayDefaults) {
    Program& p = startProgram();  // not yet activated
    p.options.tintB = 0.5;  // as if the standard options had set it
    p.options.defaultMethod = 3;
    p.controlWindow().activate();
    EXPECT_FALSE(p.controlWindow().firstActivation());
    EXPECT_EQ(p.store.slot(2500).tintB, 0.5);
    EXPECT_EQ(p.store.slot(1).method, 3);
    p.store.allocFigure();
    p.controlWindow().activate();  // later activations leave the table alone
    EXPECT_EQ(p.store.HighestFigure, 1);
}

TEST_F(ControlFixture, WantToSaveAsksOnlyForEditedData) {
    EXPECT_FALSE(control().WantToSave());
    store().DataEdited = 1;
    EXPECT_FALSE(control().WantToSave());  // nothing to save
    addFigure({1, 2}, 1);
    desktop.answer(MsgAnswer::Yes);
    EXPECT_TRUE(control().WantToSave());
    desktop.answer(MsgAnswer::No);
    EXPECT_FALSE(control().WantToSave());
    ASSERT_EQ(desktop.messages.size(), 2u);
    EXPECT_EQ(desktop.messages[0].text, "編集されたデータがあります。\r現在のデータを保存しますか？");
    EXPECT_EQ(desktop.messages[0].icon, MsgIcon::Warning);
    EXPECT_EQ(desktop.messages[0].buttons, MsgButtons::YesNo);
}

TEST_F(ControlFixture, RotateWithoutDataShowsMessageOrScenarioWindow) {
    control().mnRotate.click();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "データが何もありません。先に、編集するか\rファイルから読み込んでください");
    EXPECT_EQ(desktop.messages[0].icon, MsgIcon::Error);
    EXPECT_FALSE(program->displayWindow().visible());
    control().spbRotate.mouseUp(MouseButton::Right);
    EXPECT_TRUE(program->scenarioWindow().visible());
    EXPECT_EQ(desktop.messages.size(), 1u);
}

TEST_F(ControlFixture, RotateWithDataShowsTheDisplay) {
    addFigure({5, 0, 5}, 1);
    control().spbRotate.mouseUp(MouseButton::Left);
    EXPECT_TRUE(program->displayWindow().visible());
    EXPECT_EQ(store().x(2), 0.0001f);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(ControlFixture, TimerTicksGoToTheClientThatStartedIt) {
    AnimationClock& clock = program->clock;
    clock.timer.setEnabled(true);
    clock.timer.tick();  // no client yet: ignored
    program->displayWindow().mnSimuStartClick();  // the simulation counts the ticks it receives
    clock.timer.tick();
    clock.start(TimerClient::Playback, 100);
    clock.timer.tick();
    clock.timer.tick();
    clock.start(static_cast<TimerClient>(7), 100);
    clock.timer.tick();
    EXPECT_EQ(program->displayWindow().simulationTicks(), 1);
    EXPECT_EQ(program->scenarioWindow().playbackWindow().tickCount, 2);
}

TEST_F(ControlFixture, ExitAsksOnceAndEndsTheProgram) {
    addFigure({1, 2}, 1);
    store().DataEdited = 1;
    control().show();
    desktop.answer(MsgAnswer::No);
    control().mnExit.click();
    EXPECT_EQ(desktop.messages.size(), 1u);
    EXPECT_TRUE(program->terminated());
    EXPECT_TRUE(desktop.quitRequested);
}

TEST_F(ControlFixture, CloseStaysOpenWhenTheWantedSaveDidNotHappen) {
    addFigure({1, 2}, 1);
    store().DataEdited = 1;
    control().show();
    desktop.answer(MsgAnswer::Yes);
    desktop.cancelFile();  // the save dialog is cancelled
    control().close();
    EXPECT_EQ(store().DataEdited, 1);
    EXPECT_FALSE(program->terminated());
    EXPECT_TRUE(control().visible());
    EXPECT_TRUE(desktop.allAnswersUsed());
}

TEST_F(ControlFixture, EditorButtonShowsTheEditor) {
    control().spbEditor.mouseUp(MouseButton::Middle);
    EXPECT_TRUE(program->editorWindow().visible());
}

// The Help menu keeps its documented entries first; the licence and the
// examples come after them.
TEST_F(ControlFixture, HelpMenuEndsWithTheLicenceAndTheExamples) {
    const std::vector<MenuItem*>& items = control().mnHelp.items();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0], &control().mnAbout);
    EXPECT_EQ(items[1], &control().mnHelpContents);
    EXPECT_EQ(items[2], &control().mnLicence);
    EXPECT_EQ(items[3], &control().mnExamples);

    control().mnLicence.click();
    ASSERT_FALSE(desktop.helpRequests.empty());
    EXPECT_EQ(desktop.helpRequests.back(), "licence");
}

TEST_F(ControlFixture, ExamplesOpensTheInstalledExamplesFolder) {
    ProgramConfig config = test::configIn(dir);
    config.examplesFolder = dir.path() + "/share/freevantor/examples";
    startProgram(config).controlWindow().mnExamples.click();
    ASSERT_EQ(desktop.openedFolders.size(), 1u);
    EXPECT_EQ(desktop.openedFolders[0], config.examplesFolder);
    EXPECT_TRUE(desktop.messages.empty());
}

// Without installed examples the entry says so instead of opening nothing.
TEST_F(ControlFixture, ExamplesWithoutAnInstalledFolderSaysTheyWereNotFound) {
    control().mnExamples.click();
    EXPECT_TRUE(desktop.openedFolders.empty());
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_NE(desktop.messages[0].text.find("見本のデータが見つかりません"), std::string::npos);
}

// The language menu stands last in the menu bar, marks the language
// the program started in, and hands the choice to the host for the next
// start: the windows keep the language they have.
TEST_F(ControlFixture, LanguageMenuChoosesTheLanguageOfTheNextStart) {
    const std::vector<MenuItem*>& menus = control().mainMenu.items();
    ASSERT_FALSE(menus.empty());
    EXPECT_EQ(menus.back(), &control().mnLanguage);
    EXPECT_TRUE(control().mnJapanese.checked());
    EXPECT_FALSE(control().mnEnglish.checked());

    control().mnEnglish.click();
    EXPECT_EQ(desktop.startLanguages, std::vector<std::string>{"en"});
    EXPECT_TRUE(control().mnEnglish.checked());
    EXPECT_FALSE(control().mnJapanese.checked());
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(control().caption(), "FreeVantor for Win32");

    control().mnJapanese.click();
    EXPECT_EQ(desktop.startLanguages, (std::vector<std::string>{"en", "ja"}));
    EXPECT_TRUE(control().mnJapanese.checked());
}

TEST_F(ControlFixture, LanguageMenuMarksEnglishInAnEnglishStart) {
    ProgramConfig config = test::configIn(dir);
    config.language = Language::English;
    ControlWindow& english = startProgram(config).controlWindow();
    EXPECT_TRUE(english.mnEnglish.checked());
    EXPECT_FALSE(english.mnJapanese.checked());
}
