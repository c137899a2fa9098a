// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>

#include "windows/scenario/ScenarioWindow.h"
#include "app/Program.h"
#include "windows/control/ControlWindow.h"
#include "model/formats/BinaryVertexFormats.h"
#include "support/StoreBuilder.h"
#include "model/options/OptionFile.h"
#include "windows/display/DisplayWindow.h"
#include "windows/editor/EditorWindow.h"
#include "platform/files/ByteReader.h"
#include "support/ProgramFixture.h"
#include "support/ScriptedDesktop.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

const FigureRecord FixedRecord{0.25, 0.5, 1.0, 3, 1, 1, 0};

class DataSetFlows : public ProgramFixture {
protected:
    ScriptedDesktop& desk = desktop;

    void SetUp() override {
        startProgram();
        control().activate();
    }
    void TearDown() override { EXPECT_TRUE(desk.allAnswersUsed()); }

    ControlWindow& control() { return program->controlWindow(); }
    FigureStore& store() { return program->store; }

    // vase.va4 and vase.zuk (figure 1 follows the default tint, figure 2
    // keeps its own), and vase.vop when given, in the folder `sub`.
    void writeVase(const std::string& sub = ".", const DisplayOptions* vop = nullptr) {
        std::filesystem::create_directories(dir.file(sub));
        FreshStore v;
        buildVase(v.store);
        v.store.slot(1).tintR = 0.9;  // not fixed: a read replaces it
        v.store.slot(2) = FixedRecord;
        dir.write(sub + "/vase.va4", encodeVa4(v.store));
        v.store.writeFigureFile(Files(dir.path()), sub + "/vase.zuk");
        if (vop) dir.write(sub + "/vase.vop", encodeOptions(*vop));
    }
    void showOtherWindows() {
        for (Form* f : std::initializer_list<Form*>{&program->editorWindow(), &program->displayWindow(), &program->scenarioWindow()}) f->show();
    }
    void expectOtherWindowsHidden() {
        for (Form* f : std::initializer_list<Form*>{&program->editorWindow(), &program->displayWindow(), &program->scenarioWindow()})
            EXPECT_FALSE(f->visible()) << f->name();
    }
    void expectCaptions(const std::string& name) {
        EXPECT_EQ(control().lblDataName.caption(), " " + name + " ");
        EXPECT_EQ(program->editorWindow().caption(), "回転前図形編集 (" + name + ")");
        EXPECT_EQ(program->displayWindow().caption(), "回転体表示 (" + name + ")");
    }
};

TEST_F(DataSetFlows, SavingVaseWritesVertexFigureAndOptionFiles) {
    buildVase(store());
    store().DataEdited = 1;
    showOtherWindows();
    desk.choose("vase", 1);
    control().mnSave.click();
    EXPECT_EQ(desk.fileDialogs.at(0).fileName, "") << "DefaultSaveName is empty before any load";
    const auto va4 = dir.read("vase.va4");
    ASSERT_EQ(va4.size(), 80u);
    ByteReader in(va4);
    const int links[] = {1, 1, 0, 1, 0}, figures[] = {1, 1, 1, 2, 2};
    for (int k = 0; k < 5; ++k) {
        in.skip(8);
        EXPECT_EQ(in.u8(), links[k]);
        in.skip(3);
        EXPECT_EQ(in.i32(), figures[k]);
    }
    EXPECT_EQ(dir.read("vase.zuk").size(), 56u);
    EXPECT_EQ(dir.read("vase.vop"), encodeOptions(program->options));
    expectCaptions("vase");
    expectOtherWindowsHidden();
    EXPECT_EQ(store().DataEdited, 0);

    // Type 3 and a name typed without extension: the text format.
    desk.choose("vase", 3);
    control().SaveExecute();
    const auto csv = dir.read("vase.csv");
    EXPECT_EQ(std::string(csv.begin(), csv.end()), "0,0\r\n10,5\r\n20,40\r\n=\r\n5,-3\r\n7.5,2.25\r\n=\r\n");
}

// Regression: on a full disk the .zuk write failed after the new .va4 had
// replaced the old one, leaving new vertices beside old figure attributes.
TEST_F(DataSetFlows, SaveOnAFullDiskLeavesTheWholeOldDataSet) {
    buildVase(store());
    store().DataEdited = 1;
    desk.choose("vase", 1);
    control().SaveExecute();
    const auto oldVa4 = dir.read("vase.va4"), oldZuk = dir.read("vase.zuk"), oldVop = dir.read("vase.vop");

    addSinglePoints(store(), 2);
    program->options.zoom = 4;
    store().DataEdited = 1;
    for (const char* full : {"vase.va4", "vase.zuk", "vase.vop"}) {
        SCOPED_TRACE(full);
        program->files.setWriteFault([&](const std::string& path) { return path == dir.file(full) ? ENOSPC : 0; });
        EXPECT_FALSE(program->dispatch([&] {
            desk.choose("vase", 1);
            control().SaveExecute();
        }));
        EXPECT_EQ(dir.read("vase.va4"), oldVa4);
        EXPECT_EQ(dir.read("vase.zuk"), oldZuk);
        EXPECT_EQ(dir.read("vase.vop"), oldVop);
        EXPECT_EQ(store().DataEdited, 1) << "a failed save leaves the data marked as edited";
    }
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 4u) << "only the program folder and the three files of the set";
    EXPECT_EQ(desk.errors.size(), 3u);
}

// Regression: a kill between the renames of a save left the new .va4 with
// the old .zuk and .vop, which loaded without a word.
TEST_F(DataSetFlows, SaveKilledBetweenItsRenamesIsFinishedByTheNextLoad) {
    buildVase(store());
    desk.choose("vase", 1);
    control().SaveExecute();
    addSinglePoints(store(), 2);
    const int newCount = store().VertexCount;
    int renames = 0;
    program->files.setSaveInterrupt([&](SaveStep step, const std::string&) {
        return step == SaveStep::Rename && ++renames == 2;
    });
    desk.choose("vase", 1);
    EXPECT_THROW(control().SaveExecute(), SaveKilled);
    program->files.setSaveInterrupt({});
    store().DataEdited = 0;

    desk.choose(dir.file("vase.va4"));
    control().LoadExecute();
    ASSERT_EQ(desk.messages.size(), 1u);
    EXPECT_EQ(desk.messages[0].text, dir.file("vase.va4") +
                                         " の保存が途中で中断されていたので、保存を完了しました。\r"
                                         "新しいデータ一式がそろっています");
    EXPECT_EQ(desk.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(store().VertexCount, newCount);
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 4u) << "no temporary and no journal is left";
}

TEST_F(DataSetFlows, LoadReadsTheOptionsFirstAndTheFilesBesideTheChosenOne) {
    DisplayOptions vop;
    vop.setFactoryValues();
    vop.tintR = 0.2;
    vop.defaultMethod = 1;
    writeVase("sub", &vop);
    dir.write("vase.zuk", {});  // a decoy in the starting folder
    control().openIO.fileName = "earlier.va4";
    showOtherWindows();
    desk.choose(dir.file("sub/vase.va4"));
    control().mnLoad.click();

    EXPECT_EQ(desk.fileDialogs.at(0).fileName, "");
    ASSERT_EQ(store().VertexCount, 5);
    EXPECT_EQ(store().HighestFigure, 2);
    EXPECT_EQ(store().slot(1).tintR, 0.2) << "an unfixed tint follows the options just read";
    EXPECT_EQ(store().slot(1).method, 1);
    EXPECT_EQ(store().slot(2), FixedRecord);
    EXPECT_EQ(store().slot(9).tintR, 0.2) << "the reset took the new defaults";
    EXPECT_EQ(store().DataEdited, 0);
    expectCaptions("vase");
    expectOtherWindowsHidden();
    EXPECT_EQ(control().DefaultSaveName, "vase");

    // A format without figure attributes relies on the reset alone.
    dir.writeText("sub/plain.csv", "1,1\r\n2,2\r\n");
    vop.tintR = 0.3;
    dir.write("sub/plain.vop", encodeOptions(vop));
    desk.choose("plain.csv");
    control().LoadExecute();
    EXPECT_EQ(store().slot(1).tintR, 0.3);
    desk.choose("vase.va4");
    control().LoadExecute();

    // The next save proposes the loaded name in the loaded folder.
    store().DataEdited = 1;
    desk.choose("vase", 2);
    control().SaveExecute();
    EXPECT_EQ(desk.fileDialogs.back().fileName, "vase");
    EXPECT_EQ(dir.read("sub/vase.va2").size(), 60u);
}

// A data set named on the command line (a file manager's "open with").
TEST_F(DataSetFlows, DataSetNamedAtStartLoadsAsTheLoadCommandWould) {
    writeVase("sub");
    control().LoadFile(dir.file("sub/vase.va4"));
    EXPECT_EQ(store().VertexCount, 5);
    expectCaptions("vase");
    EXPECT_EQ(program->files.currentFolder(), dir.file("sub")) << "later dialogs start beside it";
    EXPECT_TRUE(desk.messages.empty());

    dir.writeText("sub/notes.txt", "1,1\r\n");
    for (const char* name : {"sub/missing.va4", "sub/notes.txt", "sub"}) {
        SCOPED_TRACE(name);
        desk.messages.clear();
        control().LoadFile(dir.file(name));
        ASSERT_EQ(desk.messages.size(), 1u);
        EXPECT_EQ(store().VertexCount, 5) << "the data set in memory stays";
    }
}

TEST_F(DataSetFlows, AddingVaseAtHighestFigureThreeAndTenVertices) {
    DisplayOptions vop;
    vop.setFactoryValues();
    vop.zoom = 3;
    writeVase(".", &vop);
    addFigure(store(), {{1, 1}, {2, 2}, {3, 3}, {4, 4}});
    addFigure(store(), {{1, 1}, {2, 2}, {3, 3}});
    addFigure(store(), {{1, 1}, {2, 2}, {3, 3}});
    control().openIO.fileName = dir.file("vase.va4");
    desk.choose(dir.file("vase.va4"));
    control().mnAdd.click();

    EXPECT_EQ(desk.fileDialogs.at(0).fileName, dir.file("vase.va4")) << "the previous name stays proposed";
    ASSERT_EQ(store().VertexCount, 15);
    const int figures[] = {4, 4, 4, 5, 5};
    for (int k = 11; k <= 15; ++k) EXPECT_EQ(store().figure(k), figures[k - 11]) << k;
    EXPECT_EQ(store().slot(5), FixedRecord);
    EXPECT_EQ(store().HighestFigure, 5);
    EXPECT_EQ(program->options.zoom, 1.5) << "add keeps the display options";
    EXPECT_EQ(control().lblDataName.caption(), ControlWindow::NoDataCaption);

    // Without its .zuk the figures are numbered from their links.
    program->files.deleteFile("vase.zuk");
    desk.choose("vase.va4");
    control().AddExecute();
    EXPECT_EQ(store().figure(16), 6);
    EXPECT_EQ(store().figure(20), 7);
    desk.choose("vase.va4");
    control().LoadExecute();
    EXPECT_EQ(store().figure(5), 2);
    EXPECT_EQ(store().slot(2).tintFixed, 0);
}

TEST_F(DataSetFlows, MissingFileCancelAndSaveQuestion) {
    buildVase(store());
    desk.choose("nothere.va4");
    control().LoadExecute();
    ASSERT_EQ(desk.messages.size(), 1u);
    EXPECT_EQ(desk.messages[0].text, "このフォルダには指定されたデータは存在しません\rもう一度お確かめください");
    EXPECT_EQ(desk.messages[0].icon, MsgIcon::Error);
    desk.cancelFile();
    control().AddExecute();
    EXPECT_EQ(store().VertexCount, 5);
    EXPECT_EQ(control().lblDataName.caption(), ControlWindow::NoDataCaption);

    writeVase();
    store().DataEdited = 1;
    desk.answer(MsgAnswer::Yes);
    desk.choose("mine", 1);   // the save asked for
    desk.choose("vase.va4");  // then the load
    control().LoadExecute();
    EXPECT_EQ(desk.messages.at(1).text, "編集されたデータがあります。\r現在のデータを保存しますか？");
    EXPECT_EQ(dir.read("mine.va4").size(), 80u);
    EXPECT_EQ(control().DefaultSaveName, "vase");
}

TEST_F(DataSetFlows, UnknownExtensionReadsAndWritesNoData) {
    dir.writeText("notes.txt", "1,1\r\n");
    addSinglePoints(store(), 3);
    store().LoadedHighest = 99;  // stale from an earlier read
    desk.choose("notes.txt");
    control().AddExecute();
    EXPECT_EQ(store().VertexCount, 3);
    EXPECT_EQ(store().HighestFigure, 3);

    store().DataEdited = 1;
    desk.choose("out.dat");
    control().SaveExecute();
    EXPECT_TRUE(program->files.fileExists("out.vop"));
    EXPECT_FALSE(program->files.fileExists("out.dat"));
    expectCaptions("out");
    EXPECT_EQ(store().DataEdited, 0);

    desk.choose("notes.txt");
    control().LoadExecute();
    EXPECT_EQ(store().VertexCount, 0);
    EXPECT_EQ(store().HighestFigure, 0);
    expectCaptions("notes");
}

TEST_F(DataSetFlows, ReadProblemIsReportedAfterTheStoreIsSettled) {
    dir.writeText("bad.van", "4\r\n1,1,1\r\n2,2,0\r\n3,3,1\r\n3;3;0\r\n");
    EXPECT_FALSE(program->dispatch([&] {
        desk.choose("bad.van");
        control().mnLoad.click();
    }));
    ASSERT_EQ(desk.errors.size(), 1u);
    EXPECT_NE(desk.errors[0].find("5 行目"), std::string::npos) << desk.errors[0];
    EXPECT_NE(desk.errors[0].find("bad.van"), std::string::npos);
    EXPECT_EQ(desk.errors[0].find("。: "), std::string::npos) << "the name belongs in the sentence";
    EXPECT_EQ(store().VertexCount, 3);
    EXPECT_EQ(store().HighestFigure, 2);
    EXPECT_TRUE(storeIsConsistent(store()));
    expectCaptions("bad");
}

TEST_F(DataSetFlows, SeparateDataNameSplitsTheLastNameAndExtension) {
    struct Case {
        const char *path, *name, *ext;
    } cases[] = {{"/d/fig/vase.old.va4", "vase.old", "va4"}, {"vase.VA4", "vase", "VA4"}, {"/d/x.y/vase", "vase", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        control().SeparateDataName(c.path);
        EXPECT_EQ(control().DataName, c.name);
        EXPECT_EQ(control().DataExt, c.ext);
    }
}

TEST_F(DataSetFlows, EveryFormatRoundTripsThroughSaveAndLoad) {
    writeVase();
    desk.choose("vase.va4");
    control().LoadExecute();
    const char* exts[] = {"va4", "va2", "csv", "van"};
    for (int type = 1; type <= 4; ++type) {
        SCOPED_TRACE(exts[type - 1]);
        desk.choose("copy", type);
        control().SaveExecute();
        EXPECT_EQ(control().saveIO.defaultExt, exts[type - 1]);
        desk.choose(std::string("copy.") + exts[type - 1]);
        control().LoadExecute();
        ASSERT_EQ(store().VertexCount, 5);
        EXPECT_EQ(store().HighestFigure, 2);
        EXPECT_EQ(store().y(5), type == 4 ? 2.0f : 2.25f) << ".van keeps whole numbers";
        EXPECT_EQ(store().slot(2).tintFixed, type == 1 ? 1 : 0);
    }
    desk.choose("vase.va4");
    control().AddExecute();
    EXPECT_EQ(store().VertexCount, 10);
    EXPECT_EQ(store().HighestFigure, 4);
    expectCaptions("copy");
}

}  // namespace
}  // namespace vantor::test

namespace vantor::test {
namespace {

// Regression: a folder named like a data file was reported as missing.
TEST_F(DataSetFlows, FolderNamedLikeADataFileIsReportedAsAFolder) {
    std::filesystem::create_directory(dir.file("folder.va4"));
    EXPECT_FALSE(program->dispatch([&] {
        desk.choose(dir.file("folder.va4"));
        control().LoadExecute();
    }));
    ASSERT_EQ(desk.errors.size(), 1u);
    EXPECT_EQ(desk.errors[0], std::string(std::strerror(EISDIR)) + ": " + dir.file("folder.va4"));
    EXPECT_TRUE(desk.messages.empty());
}

}  // namespace
}  // namespace vantor::test
