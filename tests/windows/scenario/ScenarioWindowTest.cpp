// SPDX-License-Identifier: GPL-3.0-or-later
#include <filesystem>

#include "support/ScenarioHarness.h"
#include "model/scenario/Scenario.h"
#include "windows/control/ControlWindow.h"
#include "windows/display/DisplayWindow.h"
#include "platform/pixels/Bmp.h"

using namespace vantor;
using namespace vantor::test;

using Strings = std::vector<std::string>;

TEST_F(ScenarioWindowFixture, CreatedAtTheTopRightWithPlaybackButtonsDisabled) {
    EXPECT_EQ(editor().caption(), "アニメ編集");
    EXPECT_EQ(editor().left(), desktop.screenInfo.width - 400);
    EXPECT_EQ(editor().top(), 0);
    EXPECT_EQ(editor().width(), 400);
    EXPECT_EQ(editor().height(), 470);
    EXPECT_EQ(editor().imgSmall.width(), 150);
    EXPECT_EQ(editor().imgSmall.height(), 100);
    EXPECT_EQ(editor().btnAdd.left() + editor().btnAdd.width(), editor().clientWidth() - 15);
    EXPECT_FALSE(editor().btnAdd.enabled());
    EXPECT_FALSE(editor().btnFileAdd.enabled());
    EXPECT_FALSE(editor().btnPlay.enabled());
    editor().FormClick();
    EXPECT_EQ(desktop.helpRequests, Strings{"HLP000057"});
}

TEST_F(ScenarioWindowFixture, AddedFrameTakesTheNextNumberAfterTwelve) {
    for (int i = 1; i <= 12; ++i) frame(frameNameFor("car", i));
    newScenario("car.snr");
    vertices(2);
    editor().btnAdd.click();
    EXPECT_TRUE(exists("car013.bmp"));
    EXPECT_TRUE(exists("car013.vop"));
    EXPECT_EQ(scenario(), Strings{"car013"});
    EXPECT_EQ(folder().back(), "car013");
    // The picture is the display's, the options file a full record.
    const Bitmap written = decodeBmp(dir.read("car013.bmp"));
    EXPECT_EQ(written.width(), DisplayWindow::PictureWidth);
    EXPECT_EQ(dir.read("car013.vop").size(), 116u);
    // Nothing but the two files appeared (no temporary files left behind).
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) files += e.is_regular_file();
    EXPECT_EQ(files, 12 * 2 + 1 + 2);
}

TEST_F(ScenarioWindowFixture, AnyPictureBeginningWithTheScenarioNameCounts) {
    frame("carton005");
    frame("bus020");
    newScenario("car.snr");
    vertices(3);
    editor().btnAdd.click();
    EXPECT_TRUE(exists("car006.bmp"));
    EXPECT_EQ(editor().maxFrameNumber, 5);
}

TEST_F(ScenarioWindowFixture, FrameNumber999StopsWithAMessageAndOverwritesNothing) {
    frame("car999", 0x123456);
    newScenario("car.snr");
    vertices(2);
    const auto before = dir.read("car999.bmp");
    editor().btnAdd.click();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_NE(desktop.messages[0].text.find("999"), std::string::npos);
    EXPECT_EQ(dir.read("car999.bmp"), before);
    EXPECT_FALSE(exists("car1000.bmp"));
    EXPECT_TRUE(scenario().empty());
}

TEST_F(ScenarioWindowFixture, AddingWithFewerThanTwoVerticesOnlyMarksTheScenarioEdited) {
    for (int count : {0, 1}) {
        SCOPED_TRACE(count);
        newScenario("car.snr");
        vertices(count);
        EXPECT_EQ(editor().scenarioEdited, 0);
        editor().btnAdd.click();
        EXPECT_EQ(editor().scenarioEdited, 1);
        EXPECT_FALSE(exists("car001.bmp"));
        EXPECT_TRUE(scenario().empty());
        desktop.answer(MsgAnswer::Yes);  // the next new scenario replaces this file
    }
    desktop.messageAnswers.clear();
}

TEST_F(ScenarioWindowFixture, OpeningDropsMissingPicturesAndReadsTheEmptyMarker) {
    frame("car001");
    frame("car003");
    openScenario("car.snr", "car001\r\ncar002\r\ncar003\r\ncar002\r\n");
    EXPECT_EQ(scenario(), (Strings{"car001", "car003"}));
    EXPECT_EQ(editor().lblScenarioName.caption(), " car ");
    EXPECT_TRUE(editor().btnPlay.enabled());
    EXPECT_EQ(editor().scenarioEdited, 0);
    EXPECT_TRUE(desktop.messages.empty());  // missing pictures go silently

    openScenario("empty.snr", "-- empty --\r\ncar001\r\n");
    EXPECT_TRUE(scenario().empty());
    EXPECT_EQ(editor().scenarioName, "empty");

    openScenario("nothing.snr", "");
    EXPECT_TRUE(scenario().empty());
    EXPECT_TRUE(desktop.errors.empty());
}

// Regression: each dropped entry rebuilt the whole list and its view, so
// 8,000 missing frames took ten seconds to open (the benchmark measures
// the time; here the list changes once).
TEST_F(ScenarioWindowFixture, OpeningThousandsOfMissingFramesDropsThemInOnePass) {
    frame("a");
    frame("b");
    std::string text;
    for (int i = 0; i < 8000; ++i) text += i % 4000 == 0 ? "a\r\n" : i % 4000 == 1 ? "b\r\n" : "gone" + std::to_string(i) + "\r\n";
    int changes = 0;
    editor().lstScenario.subscribe([&] { ++changes; });
    openScenario("s.snr", text);
    EXPECT_EQ(scenario(), (Strings{"a", "b", "a", "b"}));
    EXPECT_LE(changes, 3);  // the read list, the selection cleared, the check
}

TEST_F(ScenarioWindowFixture, SelectionStaysAtItsRowWhenEntriesAreDropped) {
    // Deleting the files of "a" drops its entries from "a b a b"; the
    // selection keeps its row while rows remain, else takes the last one.
    const std::vector<std::pair<int, int>> rows = {{-1, -1}, {0, 0}, {1, 1}, {2, 1}, {3, 1}};
    for (const auto& [selected, expected] : rows) {
        SCOPED_TRACE(selected);
        frame("a");
        frame("b");
        openScenario("s.snr", "a\r\nb\r\na\r\nb\r\n");
        editor().lstScenario.setItemIndex(selected);
        editor().lstFolder.mouseUp(MouseButton::Left, 0);  // "a"
        desktop.answer(MsgAnswer::Yes);
        editor().btnDelFromFolder.click();
        EXPECT_EQ(scenario(), (Strings{"b", "b"}));
        EXPECT_EQ(editor().lstScenario.itemIndex(), expected);
    }
}

TEST_F(ScenarioWindowFixture, NamesLeadingOutOfTheFolderAreDroppedWithAMessage) {
    // The scenario lies in a sub-folder; a picture of the same name lies
    // one level up, where no scenario line may reach.
    std::filesystem::create_directory(dir.file("scn"));
    frame("secret");
    frame("car001", 0x0000FF, "scn");
    openScenario("scn/car.snr", "car001\r\n../secret\r\n" + dir.path() + "/secret\r\n..\\secret\r\n");
    EXPECT_EQ(scenario(), Strings{"car001"});
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_NE(desktop.messages[0].text.find("../secret"), std::string::npos);
    EXPECT_EQ(editor().frameFolder(), dir.file("scn"));
}

TEST_F(ScenarioWindowFixture, NewScenarioOverAnExistingFile) {
    dir.writeText("car.snr", "car001\r\n");
    desktop.choose(dir.file("car.snr"));
    desktop.answer(MsgAnswer::No);
    editor().btnNewScenario.click();
    EXPECT_EQ(desktop.messages.at(0).text, "このシナリオ名はすでにディスク上にあります\r内容を全て消していいですか？");
    EXPECT_EQ(dir.read("car.snr"), std::vector<std::uint8_t>({'c', 'a', 'r', '0', '0', '1', '\r', '\n'}));
    EXPECT_FALSE(editor().btnAdd.enabled());

    desktop.choose(dir.file("car.snr"));
    desktop.answer(MsgAnswer::Yes);
    editor().btnNewScenario.click();
    const auto text = dir.read("car.snr");
    EXPECT_EQ(std::string(text.begin(), text.end()), "-- empty --\r\n");
    EXPECT_TRUE(editor().btnAdd.enabled());
}

TEST_F(ScenarioWindowFixture, NewScenarioOffersToSaveTheDataBesideIt) {
    vertices(3);
    desktop.choose(dir.file("vase.snr"));
    desktop.answer(MsgAnswer::Yes);
    editor().btnNewScenario.click();
    EXPECT_EQ(desktop.messages.at(0).text, "現在の折れ線データをシナリオ名と同名で\r拡張子.va4 を付けて保存しますか？");
    EXPECT_EQ(dir.read("vase.va4").size(), 3u * 16);
    EXPECT_TRUE(exists("vase.zuk"));
}

TEST_F(ScenarioWindowFixture, FramesGoBeforeTheSelectionOrAtTheEnd) {
    for (const char* n : {"a", "f", "g", "h"}) frame(n);
    openScenario("s.snr", "a\r\nh\r\n");
    auto pick = [&](const std::string& name) {
        const auto& items = folder();
        editor().lstFolder.mouseUp(MouseButton::Left, static_cast<int>(std::find(items.begin(), items.end(), name) - items.begin()));
    };
    editor().lstScenario.mouseUp(MouseButton::Left, 1);  // "h"
    pick("f");
    editor().btnFileAdd.click();
    pick("g");
    editor().btnFileAdd.click();
    EXPECT_EQ(scenario(), (Strings{"a", "f", "g", "h"}));
    EXPECT_EQ(editor().scenarioEdited, 1);

    // A right-button release clears the selection: the next one goes last.
    editor().lstScenario.mouseUp(MouseButton::Right, 0);
    EXPECT_EQ(editor().lstScenario.itemIndex(), -1);
    editor().btnFileAdd.click();
    EXPECT_EQ(scenario(), (Strings{"a", "f", "g", "h", "g"}));

    // The display picture added as a frame follows the same rule.
    vertices(2);
    editor().lstScenario.mouseUp(MouseButton::Left, 0);
    editor().btnAdd.click();
    EXPECT_EQ(scenario().front(), "s001");
}

TEST_F(ScenarioWindowFixture, RemovingAnEntryKeepsItsFilesDeletingTheFilesTakesEveryEntry) {
    frame("a");
    frame("b");
    openScenario("s.snr", "a\r\nb\r\na\r\nb\r\n");
    editor().lstScenario.mouseUp(MouseButton::Left, 3);
    editor().btnRemove.click();
    EXPECT_EQ(scenario(), (Strings{"a", "b", "a"}));
    EXPECT_TRUE(exists("b.bmp"));
    editor().lstFolder.mouseUp(MouseButton::Left, 0);  // "a"
    desktop.answer(MsgAnswer::No);
    editor().btnDelFromFolder.click();
    EXPECT_TRUE(exists("a.bmp"));
    EXPECT_EQ(desktop.messages.at(0).text, "a.bmp をディスクから削除しますか？\r（ごみ箱にも残りません）");

    desktop.answer(MsgAnswer::Yes);
    editor().btnDelFromFolder.click();
    EXPECT_FALSE(exists("a.bmp"));
    EXPECT_FALSE(exists("a.vop"));
    EXPECT_EQ(folder(), Strings{"b"});
    EXPECT_EQ(scenario(), Strings{"b"});
    EXPECT_FALSE(editor().imgSmall.visible());
}

TEST_F(ScenarioWindowFixture, SaveWritesTheExistingFramesBesideThem) {
    frame("a");
    frame("b");
    openScenario("s.snr", "a\r\nb\r\n");
    editor().lstScenario.mouseUp(MouseButton::Left, 0);
    editor().lstFolder.mouseUp(MouseButton::Left, 1);
    editor().btnFileAdd.click();
    std::filesystem::remove(dir.file("a.bmp"));
    desktop.choose(dir.file("t.snr"));
    editor().btnSnrSave.click();
    const auto text = dir.read("t.snr");
    EXPECT_EQ(std::string(text.begin(), text.end()), "b\r\nb\r\n");
    EXPECT_EQ(editor().scenarioName, "t");
    EXPECT_EQ(editor().scenarioEdited, 0);
}

TEST_F(ScenarioWindowFixture, SavingIntoAnotherFolderIsRefusedInsteadOfLosingEveryFrame) {
    frame("a");
    openScenario("s.snr", "a\r\n");
    std::filesystem::create_directory(dir.file("other"));
    desktop.choose(dir.file("other/s.snr"));
    editor().btnSnrSave.click();
    EXPECT_FALSE(exists("other/s.snr"));
    EXPECT_EQ(scenario(), Strings{"a"});
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].icon, MsgIcon::Warning);
}

TEST_F(ScenarioWindowFixture, CloseOffersToSaveAnEditedScenario) {
    frame("a");
    openScenario("s.snr", "a\r\n");
    editor().show();
    editor().lstFolder.mouseUp(MouseButton::Left, 0);
    editor().btnFileAdd.click();
    desktop.answer(MsgAnswer::No);
    editor().btnFinish.click();
    EXPECT_EQ(desktop.messages.at(0).text, "編集されたデータがあります。\r現在のデータを保存しますか？");
    EXPECT_FALSE(editor().visible());
    EXPECT_EQ(dir.read("s.snr").size(), 3u);  // "a\r\n" as before

    editor().show();
    desktop.answer(MsgAnswer::Yes);
    desktop.choose(dir.file("s.snr"));
    editor().btnFinish.click();
    EXPECT_EQ(dir.read("s.snr").size(), 6u);
}

TEST_F(ScenarioWindowFixture, FolderEntryShowsItsThumbnail) {
    frame("a", 0x00FF00);
    openScenario("s.snr", "a\r\n");
    EXPECT_FALSE(editor().imgSmall.visible());
    editor().lstFolder.mouseUp(MouseButton::Left, 0);
    EXPECT_TRUE(editor().imgSmall.visible());
    EXPECT_EQ(editor().thumbBitmap.pixelColor(75, 50), 0x00FF00u);
    EXPECT_EQ(editor().thumbBitmap.pixelColor(149, 99), 0x00FF00u);
    editor().activate();  // every activation lists the folder again
    EXPECT_FALSE(editor().imgSmall.visible());
}

TEST_F(ScenarioWindowFixture, ExportWritesTheScenarioAsAnimatedGif) {
    frame("a", 0x0000FF);
    frame("b", 0x00FF00);
    openScenario("s.snr", "a\r\nb\r\na\r\n");
    playback().scbVelocity.setPosition(250);
    desktop.cancelInput();  // the speed bar's setting
    desktop.choose(dir.file("s.gif"));
    editor().btnExport.click();
    EXPECT_EQ(desktop.inputs.back().initial, "250");
    const DecodedAnimation gif = decodeGif(dir.read("s.gif"));
    ASSERT_EQ(gif.frames.size(), 3u);
    EXPECT_EQ(gif.frames[1].delay, 25);
    EXPECT_EQ(gif.frames[1].pixels[0], 0x00FF00u);
    EXPECT_EQ(desktop.messages.back().icon, MsgIcon::Information);
}

TEST_F(ScenarioWindowFixture, PaletteScreenFramesKeepTheirPaletteThroughPlayback) {
    desktop.screenInfo.bitsPerPixel = 8;
    SetUp();  // the program again, on a palette screen
    vertices(12);
    program->controlWindow().RotateExecute();
    desktop.choose(dir.file("pal.snr"));
    desktop.answer(MsgAnswer::No);
    editor().btnNewScenario.click();
    editor().btnAdd.click();
    const Bitmap& shown = program->displayWindow().displayPicture();
    ASSERT_EQ(shown.format(), PixelFormat::Indexed8);
    const Bitmap written = decodeBmp(dir.read("pal001.bmp"));
    EXPECT_EQ(written.format(), PixelFormat::Indexed8);
    editor().btnPlay.click();
    const Bitmap& played = playback().frameBitmap;
    int solid = 0;
    for (int x = 0; x < 600; x += 7) solid += shown.pixelColor(x, 200) != shown.pixelColor(0, 0);
    EXPECT_GT(solid, 5);  // the picture is not just background
    for (auto [x, y] : {std::pair{0, 0}, {300, 200}, {340, 160}, {599, 399}}) {
        SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
        EXPECT_EQ(played.pixelColor(x, y), shown.pixelColor(x, y));
    }
}

// The delay the export reports is the one the file holds; an answer that is
// not a delay exports nothing.
TEST_F(ScenarioWindowFixture, ExportReportsTheStoredDelay) {
    struct Row {
        const char* typed;
        const char* file;
        int stored;  // 0: nothing written
        bool note;   // the GIF rounding is explained
    };
    const Row rows[] = {
        {"25", "d.gif", 30, true},  {"5", "d.gif", 20, true},   {"120", "d.gif", 120, false},
        {"5", "d.png", 5, false},   {"1 000", "d.png", 1000, false},
        {"0", "d.gif", 0, false},   {"65536", "d.png", 0, false}, {"ten", "d.gif", 0, false},
    };
    frame("a", 0x0000FF);
    openScenario("s.snr", "a\r\na\r\n");
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.typed) + " " + r.file);
        std::filesystem::remove(dir.file(r.file));
        desktop.messages.clear();
        desktop.type(r.typed);
        if (r.stored != 0) desktop.choose(dir.file(r.file));
        editor().btnExport.click();
        EXPECT_TRUE(desktop.allAnswersUsed());
        if (r.stored == 0) {
            EXPECT_FALSE(exists(r.file));
            continue;
        }
        const bool gif = std::string(r.file).ends_with(".gif");
        const DecodedAnimation a = gif ? decodeGif(dir.read(r.file)) : decodeApng(dir.read(r.file));
        ASSERT_EQ(a.frames.size(), 2u);
        EXPECT_EQ(a.frames[0].delay * (gif ? 10 : 1), r.stored);
        ASSERT_EQ(desktop.messages.size(), 1u);
        const std::string& text = desktop.messages[0].text;
        EXPECT_NE(text.find("1 コマ " + std::to_string(r.stored) + " ミリ秒"), std::string::npos) << text;
        EXPECT_EQ(text.find("1/100 秒") != std::string::npos, r.note) << text;
    }
}
