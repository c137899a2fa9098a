// SPDX-License-Identifier: GPL-3.0-or-later
// The figure colour and drawing-method dialog, alone and through the editor.
#include "support/EditorHarness.h"
#include "windows/editor/FigurePropertiesDialog.h"

namespace vantor::test {
namespace {

class FigurePropertiesTest : public EditorTest {
protected:
    explicit FigurePropertiesTest(int bitsPerPixel = 32) : EditorTest(bitsPerPixel) {}
    FigurePropertiesDialog& dlg() { return program->editorWindow().figurePropertiesDialog(); }
    FigureRecord& rec() { return ed().propRecord; }
    // As the editor prepares the dialog before showing it.
    void open(const FigureRecord& r) {
        rec() = r;
        dlg().imgFill();
        dlg().setMethodLabel();
    }
    TColor swatch() { return dlg().swatchBitmap.pixelColor(40, 20); }
};

TEST_F(FigurePropertiesTest, ChosenColourBecomesATintOfRatios) {
    struct Case {
        const char* name;
        bool ok;
        TColor chosen;
        double r, g, b;
        std::uint8_t fixed;
        TColor swatch;
        bool ownTintDown;
    } cases[] = {
        {"orange: 0.1 is raised to 0.2", true, rgb(200, 100, 20), 1.0, 0.5, 0.2, 1, rgb(250, 125, 50), true},
        {"white", true, rgb(255, 255, 255), 1.0, 1.0, 1.0, 1, rgb(250, 250, 250), true},
        {"grey", true, rgb(128, 128, 128), 1.0, 1.0, 1.0, 1, rgb(250, 250, 250), true},
        {"black is ignored: nothing changes, the swatch is not repainted", true, rgb(0, 0, 0), 1.0, 0.5, 0.5, 0,
         rgb(250, 125, 125), true},
        {"cancelled: the tint stays and the swatch is repainted", false, rgb(10, 20, 30), 1.0, 0.5, 0.5, 0,
         rgb(250, 125, 125), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FigureRecord start;
        start.tintG = start.tintB = 0.5;
        open(start);
        EXPECT_TRUE(dlg().spbFigureStandardColor.down());
        desktop.colorAnswers.emplace_back(c.ok, c.chosen);
        dlg().spbFigureSetColor.mouseUp(MouseButton::Left);
        EXPECT_EQ(dlg().dlgFigureColor.color, c.ok ? c.chosen : rgb(250, 125, 125)) << "preset to the swatch";
        EXPECT_DOUBLE_EQ(rec().tintR, c.r);
        EXPECT_DOUBLE_EQ(rec().tintG, c.g);
        EXPECT_DOUBLE_EQ(rec().tintB, c.b);
        EXPECT_EQ(rec().tintFixed, c.fixed);
        EXPECT_EQ(swatch(), c.swatch);
        EXPECT_EQ(dlg().spbFigureSetColor.down(), c.ownTintDown);
    }
}

TEST_F(FigurePropertiesTest, StandardColourFollowsTheDisplay) {
    program->options.tintR = 0.4;
    program->options.tintG = 1.0;
    program->options.tintB = 0.6;
    FigureRecord start;
    start.tintFixed = 1;
    open(start);
    EXPECT_TRUE(dlg().spbFigureSetColor.down());
    dlg().spbFigureStandardColor.mouseUp(MouseButton::Left);
    EXPECT_EQ(rec().tintFixed, 0);
    EXPECT_DOUBLE_EQ(rec().tintR, 0.4);
    EXPECT_EQ(swatch(), rgb(100, 250, 150));
}

TEST_F(FigurePropertiesTest, MethodLabelsAndButtons) {
    program->options.defaultMethod = 1;
    FigureRecord start;  // method 2, not fixed
    open(start);
    EXPECT_EQ(dlg().lblFigureMethodFlag.caption(), "描方指定なし");
    EXPECT_EQ(dlg().lblFigureMethod.caption(), "サーフェイス");
    EXPECT_TRUE(dlg().spbFigureStandardMethod.down());

    struct Case {
        SpeedButton FigurePropertiesDialog::*button;
        std::uint8_t method, fixed;
        const char* flag;
        const char* name;
    } cases[] = {
        {&FigurePropertiesDialog::spbFigureMesh, 3, 1, "描画方法固定", "網付サーフェイス"},
        {&FigurePropertiesDialog::spbFigureWire, 1, 1, "描画方法固定", "ワイヤフレーム"},
        {&FigurePropertiesDialog::spbFigureSurface, 2, 1, "描画方法固定", "サーフェイス"},
        {&FigurePropertiesDialog::spbFigureStandardMethod, 1, 0, "描方指定なし", "ワイヤフレーム"},  // the display's default
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((dlg().*c.button).name());
        (dlg().*c.button).mouseUp(MouseButton::Left);
        EXPECT_EQ(rec().method, c.method);
        EXPECT_EQ(rec().methodFixed, c.fixed);
        EXPECT_EQ(dlg().lblFigureMethodFlag.caption(), c.flag);
        EXPECT_EQ(dlg().lblFigureMethod.caption(), c.name);
        EXPECT_TRUE((dlg().*c.button).down());
    }
}

TEST_F(FigurePropertiesTest, RightButtonAsksForHelpOnly) {
    FigureRecord start;
    open(start);
    for (SpeedButton* b : {&dlg().spbFigureSetColor, &dlg().spbFigureStandardColor, &dlg().spbFigureWire, &dlg().spbFigureSurface,
                           &dlg().spbFigureMesh, &dlg().spbFigureStandardMethod})
        b->mouseUp(MouseButton::Right);
    EXPECT_EQ(desktop.helpRequests, std::vector<std::string>(6, "HLP000061"));
    EXPECT_EQ(rec(), start);
    EXPECT_TRUE(dlg().spbFigureStandardMethod.down());
    EXPECT_TRUE(dlg().spbFigureStandardColor.down());
}

// The editor's operation: the dialog's choices become the figure's attributes.
TEST_F(FigurePropertiesTest, PropertyOperationStoresTheChoices) {
    addFigure({{50, 0}, {50, 20}});
    choose(ed().spbFigureProperties);
    EXPECT_EQ(ed().lblState.caption(), "図形の色調・描き方");
    desktop.colorAnswers.emplace_back(true, rgb(200, 100, 20));
    desktop.modalScripts.push_back([](Form& f) {
        auto& d = static_cast<FigurePropertiesDialog&>(f);
        d.spbFigureSetColor.mouseUp(MouseButton::Left);
        d.spbFigureMesh.mouseUp(MouseButton::Left);
        d.btnOK.click();
        return d.modalResult;
    });
    click(at(50, 20));
    EXPECT_EQ(desktop.modalForms, std::vector<std::string>{"FigurePropertiesDialog"});
    EXPECT_FALSE(dlg().visible());
    const FigureRecord& r = store().slot(store().figure(1));
    EXPECT_EQ(r.method, 3);
    EXPECT_EQ(r.methodFixed, 1);
    EXPECT_DOUBLE_EQ(r.tintB, 0.2);
    EXPECT_EQ(r.tintFixed, 1);
    EXPECT_EQ(figures().size(), 1u);
}

class FigurePropertiesPalette : public FigurePropertiesTest {
protected:
    FigurePropertiesPalette() : FigurePropertiesTest(8) {}
};

TEST_F(FigurePropertiesPalette, OnlyTheMethodIsOffered) {
    EXPECT_FALSE(dlg().spbFigureSetColor.visible());
    EXPECT_FALSE(dlg().spbFigureStandardColor.visible());
    EXPECT_FALSE(dlg().imgFigureColor.visible());
    EXPECT_EQ(dlg().caption(), "図形の描き方");
    EXPECT_EQ(ed().spbFigureProperties.hint(), "図形の描き方");

    addFigure({{50, 0}, {50, 20}});
    store().slot(1).tintFixed = 1;
    store().slot(1).tintG = 0.3;
    choose(ed().spbFigureProperties);
    EXPECT_EQ(ed().lblState.caption(), "図形の描き方");
    desktop.modalScripts.push_back([](Form& f) {
        auto& d = static_cast<FigurePropertiesDialog&>(f);
        d.spbFigureWire.mouseUp(MouseButton::Left);
        return int(mrOk);
    });
    click(at(50, 20));
    const FigureRecord& r = store().slot(store().figure(1));
    EXPECT_EQ(r.method, 1);
    EXPECT_DOUBLE_EQ(r.tintG, 0.3) << "the tint passes through";
    EXPECT_EQ(r.tintFixed, 1);
}

}  // namespace
}  // namespace vantor::test
