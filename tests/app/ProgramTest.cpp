// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>

#include "windows/about/AboutBox.h"
#include "app/Program.h"
#include "windows/control/ControlWindow.h"
#include "windows/dialogs/ExportDialog.h"
#include "windows/dialogs/LightAnglesDialog.h"
#include "windows/dialogs/LightDirectionDialog.h"
#include "windows/dialogs/ShiftPictureDialog.h"
#include "windows/display/DisplayWindow.h"
#include "windows/editor/EditorWindow.h"
#include "windows/editor/FigurePropertiesDialog.h"
#include "windows/scenario/PlaybackWindow.h"
#include "windows/scenario/ScenarioWindow.h"
#include "model/options/OptionFile.h"
#include "platform/files/IoError.h"
#include "support/ProgramFixture.h"
#include "support/ScriptedDesktop.h"
#include "support/TempDir.h"

using namespace vantor;
using vantor::test::ScriptedDesktop;
using vantor::test::TempDir;

struct ProgramInTempFolder : vantor::test::ProgramFixture {};

TEST_F(ProgramInTempFolder, CreatesItsWindowsInOrder) {
    Program& p = startProgram();
    std::vector<std::string> names;
    for (Form* f : p.forms()) names.push_back(f->name());
    EXPECT_EQ(names, (std::vector<std::string>{"ControlWindow", "DisplayWindow", "LightDirectionDialog", "LightAnglesDialog",
                                               "ShiftPictureDialog", "ExportDialog", "EditorWindow", "FigurePropertiesDialog",
                                               "AboutBox", "ScenarioWindow", "PlaybackWindow"}));
    // The display's creation set the display defaults before anything reads them.
    EXPECT_DOUBLE_EQ(p.options.lightDist, 775.4637322273685);
    EXPECT_DOUBLE_EQ(p.options.baseRadius * p.options.viewDist + p.options.baseRadius, 710.8417545417545);
    EXPECT_FALSE(p.clock.timer.enabled());
}

// The host shows only what forms() lists: a dialog a window drives but the
// list misses (or a second copy of it) would never appear on screen.
TEST_F(ProgramInTempFolder, EveryDialogAWindowDrivesIsListedForTheHostOnce) {
    Program& p = startProgram();
    const std::vector<Form*> forms = p.forms();
    struct Row {
        const char* name;
        Form& dialog;
    };
    const Row rows[] = {
        {"light direction", p.displayWindow().lightDirectionDialog()},
        {"light angles", p.displayWindow().lightAnglesDialog()},
        {"shift picture", p.displayWindow().shiftPictureDialog()},
        {"export", p.displayWindow().exportDialog()},
        {"figure properties", p.editorWindow().figurePropertiesDialog()},
        {"playback", p.scenarioWindow().playbackWindow()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(std::count(forms.begin(), forms.end(), &row.dialog), 1);
    }
    for (Form* f : forms) EXPECT_EQ(std::count(forms.begin(), forms.end(), f), 1) << f->name();
}

TEST(Program, TwoProgramsShareNothing) {
    ScriptedDesktop d1, d2;
    Program a(d1), b(d2);
    a.store.VertexCount = 3;
    a.options.zoom = 9;
    EXPECT_EQ(b.store.VertexCount, 0);
    EXPECT_EQ(b.options.zoom, 1.5);
}

TEST_F(ProgramInTempFolder, DispatchReportsErrorsInTheErrorBox) {
    Program& p = startProgram();
    EXPECT_FALSE(p.dispatch([] { throw IoError("No such file or directory", "vase.zuk"); }));
    EXPECT_FALSE(p.dispatch([] { throw std::runtime_error("boom"); }));
    EXPECT_TRUE(p.dispatch([] {}));
    EXPECT_EQ(desktop.errors, (std::vector<std::string>{"No such file or directory: vase.zuk", "boom"}));
}

TEST_F(ProgramInTempFolder, FileDialogMovesTheCurrentFolder) {
    Program& p = startProgram();
    FileDialog dlg(FileDialogKind::Open, "x|*.va4", "va4");
    desktop.choose(dir.file("sub/vase"));
    EXPECT_TRUE(p.executeFileDialog(dlg));
    EXPECT_EQ(dlg.fileName, dir.file("sub/vase.va4"));
    EXPECT_EQ(p.files.currentFolder(), dir.file("sub"));
    desktop.cancelFile();
    EXPECT_FALSE(p.executeFileDialog(dlg));
}

TEST_F(ProgramInTempFolder, AboutBoxShowsModallyWithItsText) {
    Program& p = startProgram();
    p.controlWindow().activate();
    p.controlWindow().mnAbout.click();
    EXPECT_EQ(desktop.modalForms, (std::vector<std::string>{"AboutBox"}));
    EXPECT_FALSE(p.aboutBox().visible());
    EXPECT_FALSE(p.aboutBox().lblComment.caption().empty());
    EXPECT_NE(p.aboutBox().lblVersion.caption().find(VANTOR_VERSION), std::string::npos);
}

TEST(Program, StandardOptionFilePrefersTheUserFolder) {
    TempDir prog, user;
    ScriptedDesktop d;
    ProgramConfig c;
    c.programFolder = prog.path();
    c.userConfigFolder = user.path() + "/freevantor";
    Program p(d, c);
    EXPECT_EQ(p.standardOptionPathForReading(), prog.path() + "/standard.vop");
    std::string w = p.standardOptionPathForWriting();
    EXPECT_EQ(w, user.path() + "/freevantor/standard.vop");
    user.writeText("freevantor/standard.vop", "x");
    EXPECT_EQ(p.standardOptionPathForReading(), w);
}

// Regression: a standard.vop in the folder the tests ran in was read by
// every Program built with the default configuration.
TEST(Program, StandardOptionFileInTheWorkingFolderIsNotRead) {
    TempDir cwd;
    DisplayOptions planted;
    planted.setFactoryValues();
    planted.zoom = 7;
    writeOptionFile(Files(cwd.path()), "standard.vop", planted);
    char before[4096];
    ASSERT_NE(::getcwd(before, sizeof before), nullptr);
    ASSERT_EQ(::chdir(cwd.path().c_str()), 0);
    ScriptedDesktop d;
    double zoom = 0;
    {
        Program p(d);
        zoom = p.options.zoom;
    }
    ASSERT_EQ(::chdir(before), 0);
    EXPECT_EQ(zoom, 1.5);
}

TEST_F(ProgramInTempFolder, ReadsTheStandardOptionFileOfItsProgramFolder) {
    DisplayOptions standard;
    standard.setFactoryValues();
    standard.zoom = 3;
    const ProgramConfig config = vantor::test::configIn(dir);
    writeOptionFile(Files(dir.path()), config.programFolder + "standard.vop", standard);
    EXPECT_EQ(startProgram(config).options.zoom, 3);
}
