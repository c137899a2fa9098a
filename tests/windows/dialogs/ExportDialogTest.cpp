// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "support/DisplayWindowFixture.h"
#include "support/Read3mf.h"
#include "platform/files/Files.h"
#include "support/FigureBuilder.h"
#include "support/MeshChecks.h"
#include "windows/dialogs/ExportDialog.h"
#include "windows/display/DisplayWindow.h"

using namespace vantor;

namespace {

struct ExportDialogTest : test::DisplayWindowFixture {
    ExportDialog& dialog() { return program->displayWindow().exportDialog(); }
    // Answers the next export dialog with these values and the button.
    void answerDialog(const char* segments, const char* wall, const char* scale, int result) {
        desktop.modalScripts.push_back([=](Form& f) {
            auto& d = static_cast<ExportDialog&>(f);
            d.rdb3mf.click();
            d.edtSegments.setText(segments);
            d.edtThickness.setText(wall);
            d.edtScale.setText(scale);
            return result;
        });
    }
};

// The natural vase: one open stroke from the axis. Until it has a wall it is
// no solid a printer can use, and the window once wrote it as an open
// surface without a word.
TEST_F(ExportDialogTest, AnOpenStrokeIsRefusedUntilItHasAWallThenPrintsClosedAndOutward) {
    start();
    test::addFigure(program->store, {{0, 0}, {20, 0}, {25, 30}, {18, 60}}, 1);
    answerDialog("x", "0", "1", mrOk);  // not a number of segments
    answerDialog("48", "0", "1", mrOk);  // no wall
    answerDialog("48", "2", "0.5", mrOk);  // a 2 mm wall at half scale: 4 data units
    desktop.choose(dir.file("vase.3mf"));
    window().mnExportMeshClick();

    ASSERT_EQ(desktop.messages.size(), 2u);
    EXPECT_EQ(desktop.messages[0].text, "分割数は 3 以上 100000 以下の整数で入れてください");
    EXPECT_NE(desktop.messages[1].text.find("図形 1 は開いた図形です"), std::string::npos) << desktop.messages[1].text;
    EXPECT_TRUE(desktop.allAnswersUsed());
    // The preview the dialog showed last: the printed size in millimetres.
    EXPECT_NE(dialog().lblPreview.caption().find("高さ 30.0 mm"), std::string::npos) << dialog().lblPreview.caption();

    const test::Model3mf model = test::read3mf(Files(dir.path()).readAll("vase.3mf"));
    EXPECT_TRUE(model.millimetres);
    ASSERT_EQ(model.objects.size(), 1u);
    EXPECT_TRUE(test::watertight(model.objects[0].mesh));
    EXPECT_GT(test::meshVolume(model.objects[0].mesh), 0);
    EXPECT_DOUBLE_EQ(dialog().preview().size.height, 30.0);
}

// Two figures that overlap print as one part; each its own object when asked,
// and a wall typed with an exponent is a number like any other.
TEST_F(ExportDialogTest, OverlappingFiguresAreOneObjectUnlessEachFigureIsAsked) {
    start();
    test::addFigure(program->store, {{10, 0}, {20, 0}, {20, 10}, {10, 10}, {10, 0}}, 1);
    test::addFigure(program->store, {{15, 5}, {25, 5}, {25, 15}, {15, 15}, {15, 5}}, 2);
    for (const bool perFigure : {false, true}) {
        SCOPED_TRACE(perFigure);
        desktop.modalScripts.push_back([=](Form& f) {
            auto& d = static_cast<ExportDialog&>(f);
            d.rdb3mf.click();
            (perFigure ? d.rdbPerFigure : d.rdbUnited).click();
            d.edtSegments.setText("32");
            d.edtThickness.setText("2e0");
            d.edtScale.setText("1e0");
            return mrOk;
        });
        const std::string name = perFigure ? "each.3mf" : "one.3mf";
        desktop.choose(dir.file(name));
        window().mnExportMeshClick();
        ASSERT_EQ(desktop.messages.size(), 1u);
        EXPECT_EQ(desktop.messages[0].text.rfind("書き出しました", 0), 0u) << desktop.messages[0].text;
        desktop.messages.clear();
        const test::Model3mf model = test::read3mf(Files(dir.path()).readAll(name));
        EXPECT_EQ(model.objects.size(), perFigure ? 2u : 1u);
    }
}

}  // namespace
