// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet: mapping, placement rules, the redraw, the buttons, the menus and
// delete-all.
#include "windows/scenario/ScenarioWindow.h"
#include "windows/display/DisplayWindow.h"
#include "support/EditorHarness.h"

namespace vantor::test {
namespace {

TEST(EditorMapping, PixelsAndDataRoundHalvesToEven) {
    struct Case {
        float data;
        int column;
    } cases[] = {{0, 302}, {2.5f, 300}, {3.5f, 298}, {300, 2}, {-1.5f, 304}, {0.4999f, 302}};
    for (const Case& c : cases) EXPECT_EQ(EditorWindow::dataToSheetX(c.data), c.column) << c.data;
    EXPECT_EQ(EditorWindow::dataToSheetY(0), 122);
    EXPECT_EQ(EditorWindow::dataToSheetY(0.5f), 122);  // 121.5 -> 122
    EXPECT_EQ(EditorWindow::dataToSheetY(1.5f), 120);  // 120.5 -> 120
    EXPECT_EQ(EditorWindow::dataToSheetY(-120), 242);
    EXPECT_EQ(EditorWindow::sheetToDataX(0), 302.0f);
    EXPECT_EQ(EditorWindow::sheetToDataY(0), 122.0f);
    EXPECT_EQ(EditorWindow::sheetToDataX(304), -2.0f);
}

using EditorSheet = EditorTest;

// A single point lands where the placement rules put the release point.
TEST_F(EditorSheet, PlacementSnapsToGridAndClampsToAxis) {
    struct Case {
        const char* name;
        bool snapping;
        IntPoint click;
        Vertex expected;
    } cases[] = {
        {"data (5, -5): both halves go to the even 0", true, {297, 127}, {0, 0}},
        {"data (6, -4)", true, {296, 126}, {10, 0}},
        {"right of the axis: onto it, then snapped", true, {303, 50}, {0, 70}},
        {"right of the axis: clamped whatever the mode", false, {304, 50}, {0, 72}},
        {"free placement", false, {297, 127}, {5, -5}},
    };
    choose(ed().spbPoint);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.snapping) ed().mnGFix.click();
        else ed().mnGFree.click();
        click(c.click);
        const Figure last = figures().back();
        expectFigure(last, {c.expected, c.expected});
    }
    EXPECT_EQ(figures().size(), 5u);
}

TEST_F(EditorSheet, RedrawShowsBorderAxisGridAndMarkers) {
    // Three vertices at data y 50 (row 72), and a point of two equal vertices.
    addFigure({{100, 50}, {80, 50}, {60, 50}});
    addFigure({{30, -40}, {30, -40}});
    ed().activate();
    const TColor markerOf[] = {colors::Red, colors::Black, colors::Red};
    const int columns[] = {202, 222, 242};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(pixel({columns[i], 71}), markerOf[i]) << "vertex " << i + 1;
    EXPECT_EQ(pixel({272, 161}), colors::Black);  // the point shows one black marker
    EXPECT_EQ(pixel({212, 72}), colors::Black);   // line between vertices 1 and 2
    EXPECT_EQ(pixel({0, 0}), colors::White);
    EXPECT_EQ(pixel({1, 150}), colors::White);
    EXPECT_EQ(pixel({151, 100}), colors::Silver);
    EXPECT_EQ(pixel({303, 10}), colors::Fuchsia);  // axis
    EXPECT_EQ(pixel({150, 122}), colors::Fuchsia);  // base line
    EXPECT_EQ(pixel({292, 112}), colors::Black);    // grid point (10, 10)
    EXPECT_EQ(pixel({293, 112}), colors::Silver);

    ed().mnGridOff.click();
    EXPECT_EQ(pixel({292, 112}), colors::Silver);
}

// Regression: a vertex far off the sheet (a valid CSV line 10000000000,50)
// was clamped to the integer limits, its marker box overflowed and the
// whole sheet turned red. It must be drawn where it falls: its line leaves
// the sheet in its true direction, its marker is not on the sheet.
TEST_F(EditorSheet, FarOffSheetVertexFloodsTheSheet) {
    addFigure({{10000000000.0f, 50}, {10, 50}});             // straight to the left along row 72
    addFigure({{1.0e10f, 1.0e9f}, {10, -50}});               // slope one tenth, up to the left
    addFigure({{-3.0e38f, -3.0e38f}, {3.0e38f, 3.0e38f}});   // across the whole sheet, no vertex on it
    ed().activate();
    int red = 0;
    for (int y = 0; y < EditorWindow::SheetHeight; ++y)
        for (int x = 0; x < EditorWindow::SheetWidth; ++x) red += pixel({x, y}) == colors::Red;
    EXPECT_LE(red, 2 * 21) << "only the markers of the two vertices on the sheet";
    EXPECT_EQ(pixel(at(150, 50)), colors::Black);
    EXPECT_EQ(pixel(at(299, 50)), colors::Black);
    // (10, -50) to the far vertex: data y = -50 + (x - 10) / 10.
    EXPECT_EQ(pixel(at(110, -40)), colors::Black);
    EXPECT_EQ(pixel(at(210, -30)), colors::Black);
    for (int d : {1, 40, 100, 119}) EXPECT_EQ(pixel(at(d, d)), colors::Black) << "the diagonal crosses the sheet at " << d;
}

TEST_F(EditorSheet, MoveButtonAlternatesWithCopy) {
    choose(ed().spbMoveFigure);
    EXPECT_EQ(ed().state(), EditState::Idle) << "no figures: the operation buttons do nothing";
    EXPECT_EQ(ed().lblState.caption(), "何をします？");

    addFigure({{50, 0}, {50, 20}});
    const char* expected[] = {"平行移動", "コピー", "平行移動", "コピー"};
    for (const char* text : expected) {
        choose(ed().spbMoveFigure);
        EXPECT_EQ(ed().lblState.caption(), text);
    }
    choose(ed().spbScaleFigure);
    EXPECT_EQ(ed().lblState.caption(), "拡大・縮小");
    choose(ed().spbMoveFigure);
    EXPECT_EQ(ed().lblState.caption(), "平行移動");
    // Opening the editor from the control window forgets the last button.
    choose(ed().spbMoveFigure);
    program->controlWindow().EditorExecute();
    EXPECT_EQ(ed().state(), EditState::Idle);
    choose(ed().spbMoveFigure);
    EXPECT_EQ(ed().state(), EditState::Move);
}

TEST_F(EditorSheet, GridOffFreesPlacementAndGridOnRestoresIt) {
    ed().mnGridOff.click();
    EXPECT_TRUE(ed().mnGFree.checked());
    EXPECT_FALSE(ed().mnGridInt.visible());
    ed().mnGridOn.click();
    EXPECT_TRUE(ed().mnGFix.checked());
    EXPECT_TRUE(ed().mnEndpointMethod.visible());

    ed().mnGFree.click();
    ed().mnGridOff.click();
    ed().mnGridOn.click();
    EXPECT_TRUE(ed().mnGFree.checked()) << "free placement was active when the grid went off";

    ed().mnG20.click();
    EXPECT_EQ(ed().gridStep(), 20);
    EXPECT_FALSE(ed().mnG10.checked());
    ed().mnStandard.click();
    EXPECT_EQ(ed().gridStep(), 10);
    EXPECT_TRUE(ed().mnGFix.checked());
    EXPECT_EQ(ed().vertexSpacing(), 5.0f);
}

TEST_F(EditorSheet, VertexSpacingBox) {
    ed().mnND20.click();
    EXPECT_EQ(ed().vertexSpacing(), 20.0f);
    struct Case {
        const char* typed;
        float spacing;
        MenuItem EditorWindow::*checked;
    } cases[] = {
        {" 7.5", 7.5f, &EditorWindow::mnNDEtc},  // spaces are removed
        {"10", 10.0f, &EditorWindow::mnND10},    // a preset value checks the preset
        {"0.5", 10.0f, &EditorWindow::mnND10},   // below 1: ignored
        {"1e3", 10.0f, &EditorWindow::mnND10},   // not a plain decimal: ignored
        {"+2.", 2.0f, &EditorWindow::mnND2},
        // Below 1 as typed, though it would round to 1 in single precision.
        {"0.99999999999", 2.0f, &EditorWindow::mnND2},
    };
    for (const Case& c : cases) {
        setSpacing(c.typed);
        EXPECT_EQ(ed().vertexSpacing(), c.spacing) << c.typed;
        EXPECT_TRUE((ed().*c.checked).checked()) << c.typed;
    }
    setSpacing("3.25");
    desktop.cancelInput();
    ed().mnNDEtc.click();
    const AskedInput& asked = desktop.inputs.back();
    EXPECT_EQ(asked.caption, "頂点の間隔（その他）");
    EXPECT_EQ(asked.prompt, "頂点の間隔をドット数で指定して下さい(１以上)");
    EXPECT_EQ(asked.initial, "3.25");
    EXPECT_EQ(ed().vertexSpacing(), 3.25f);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(EditorSheet, DeleteAllAsksAndClearsNames) {
    addFigure({{50, 0}, {50, 20}});
    program->controlWindow().lblDataName.setCaption(" vase ");
    program->controlWindow().saveIO.fileName = "/tmp/vase.va4";
    choose(ed().spbLine);

    desktop.answer(MsgAnswer::No);
    choose(ed().spbAllClear);
    EXPECT_EQ(desktop.messages.back().text, "図形をすべて削除してもいいんですね？");
    EXPECT_EQ(ed().lblState.caption(), "直線");
    EXPECT_EQ(ed().state(), EditState::Line);
    EXPECT_EQ(store().VertexCount, 2);

    program->displayWindow().show();
    program->scenarioWindow().show();
    desktop.answer(MsgAnswer::Yes);
    choose(ed().spbAllClear);
    EXPECT_EQ(store().VertexCount, 0);
    EXPECT_EQ(store().HighestFigure, 0);
    EXPECT_EQ(program->controlWindow().lblDataName.caption(), "（未定）");
    EXPECT_EQ(ed().caption(), "回転前図形編集 (データ名未定)");
    EXPECT_EQ(program->displayWindow().caption(), "回転体表示 (データ名未定)");
    EXPECT_TRUE(program->controlWindow().saveIO.fileName.empty());
    EXPECT_EQ(store().DataEdited, 1);
    EXPECT_FALSE(program->displayWindow().visible()) << "no picture of the old data stays";
    EXPECT_FALSE(program->scenarioWindow().visible());
    EXPECT_EQ(ed().state(), EditState::Idle);

    choose(ed().spbAllClear);  // nothing left: no question
    EXPECT_EQ(desktop.messages.size(), 2u);
}

// The print checks mark what they find on the drawn segment itself, in the
// colour the legend gives its kind, and say when nothing was found.
class PrintCheck : public EditorTest {};

TEST_F(PrintCheck, FindingsAreMarkedOnTheirSegmentAndListed) {
    const struct {
        const char* name;
        Figure figure;
        const char* said;
        IntPoint marked;  // a pixel of the marked segment; {-1, -1}: none
    } cases[] = {
        {"a cap over a stem", {{0, 0}, {10, 0}, {10, 20}, {40, 20}, {40, 30}, {0, 30}}, "図形 1: 張り出し 90.0 度", at(25, 20)},
        {"a cylinder on the bed", {{0, 0}, {20, 0}, {20, 10}, {0, 10}}, "問題は見つかりませんでした", {-1, -1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        restart();
        addFigure(c.figure);
        ed().redrawSheet();
        desktop.messages.clear();
        ed().mnPrintCheck.click();
        ASSERT_EQ(desktop.messages.size(), 1u);
        EXPECT_NE(desktop.messages[0].text.find(c.said), std::string::npos) << desktop.messages[0].text;
        if (c.marked.x >= 0) {
            EXPECT_EQ(ed().sheetBitmap.pixelColor(c.marked.x, c.marked.y), colors::Red);
        }
    }
}

// Closing the findings' message gives the editor the keyboard back; its
// marks must outlast that activation, or the user never sees them. A change
// of the figures outdates them, and the next activation draws the sheet anew.
TEST_F(PrintCheck, MarksOutlastTheMessageTillTheFiguresChange) {
    addFigure({{0, 0}, {10, 0}, {10, 20}, {40, 20}, {40, 30}, {0, 30}});
    ed().activate();
    ed().mnPrintCheck.click();
    ASSERT_EQ(ed().sheetBitmap.pixelColor(at(25, 20).x, at(25, 20).y), colors::Red);

    ed().activate();  // the message box has closed
    EXPECT_EQ(ed().sheetBitmap.pixelColor(at(25, 20).x, at(25, 20).y), colors::Red) << "the marks are kept";

    store().clearFigures();  // as a load from the control window would
    ed().activate();
    EXPECT_NE(ed().sheetBitmap.pixelColor(at(25, 20).x, at(25, 20).y), colors::Red) << "marks of figures as they were";
}

}  // namespace
}  // namespace vantor::test
