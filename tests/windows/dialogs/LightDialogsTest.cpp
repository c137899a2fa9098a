// SPDX-License-Identifier: GPL-3.0-or-later
// The light-direction and scroll dialogs as the display window's commands
// open them: what they show, and which typed values change what.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/Profiles.h"
#include "app/Program.h"
#include "windows/control/ControlWindow.h"
#include "windows/dialogs/LightAnglesDialog.h"
#include "windows/dialogs/LightDirectionDialog.h"
#include "windows/dialogs/ShiftPictureDialog.h"
#include "windows/display/DisplayWindow.h"
#include "support/DisplayWindowFixture.h"

using namespace vantor;

namespace {

struct LightDialogs : test::DisplayWindowFixture {
    void SetUp() override {
        start();
        test::addFigure(program->store, test::vaseProfile(12), 1);
    }
    LightDirectionDialog& simple() { return program->displayWindow().lightDirectionDialog(); }

    // Name of the marked (checked) button, "" when none; checks that exactly
    // the marked one is yellow.
    std::string marked() {
        std::string name;
        for (RadioButton* b : simple().buttons()) {
            EXPECT_EQ(b->color(), b->checked() ? colors::Yellow : colors::Black) << b->name();
            if (b->checked()) name = b->name();
        }
        return name;
    }
    // Opens the simple dialog; `act` runs while it is shown.
    void useSimple(int result, std::function<void(LightDirectionDialog&)> act = {}) {
        desktop.modalScripts.push_back([result, act](Form& f) {
            if (act) act(static_cast<LightDirectionDialog&>(f));
            return result;
        });
        window().mnLDirSimpleClick();
    }
    void useAngles(const std::string& rightLeft, const std::string& upDown, int result = mrOk) {
        desktop.modalScripts.push_back([=](Form& f) {
            auto& d = static_cast<LightAnglesDialog&>(f);
            d.edtRightLeft.setText(rightLeft);
            d.edtUpDown.setText(upDown);
            return result;
        });
        window().mnLDirAngleClick();
    }
    void useScroll(const std::string& hori, const std::string& verti, int result = mrOk) {
        desktop.modalScripts.push_back([=](Form& f) {
            auto& d = static_cast<ShiftPictureDialog&>(f);
            EXPECT_EQ(d.edtHori.text(), "");
            EXPECT_EQ(d.edtVerti.text(), "");
            d.edtHori.setText(hori);
            d.edtVerti.setText(verti);
            return result;
        });
        window().mnScrollValueClick();
    }
};

}  // namespace

TEST_F(LightDialogs, FactoryDirectionMarksTheUpperLeftButton) {
    std::string shown;
    passes = 0;
    useSimple(mrOk, [&](LightDirectionDialog& d) {
        shown = marked();
        EXPECT_TRUE(d.visible());
    });
    EXPECT_EQ(shown, "rdb1");
    EXPECT_EQ(options().lightDirH, 225);
    EXPECT_EQ(options().lightDirV, 45);
    EXPECT_EQ(passes, 0) << "no redraw";
    EXPECT_EQ(marked(), "") << "cleared after use";
    EXPECT_FALSE(simple().visible());
    EXPECT_EQ(simple().left(), (1024 - simple().width()) / 2);
    EXPECT_EQ(simple().top(), (768 - simple().height()) / 2);
}

TEST_F(LightDialogs, EachButtonGivesItsDirection) {
    const struct {
        int button;
        double h, v;
    } rows[] = {{0, 225, 45}, {1, 270, 45}, {2, 315, 45}, {3, 225, 0}, {4, 270, 0},
                {5, 315, 0},  {6, 225, -45}, {7, 270, -45}, {8, 315, -45}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.button);
        options().lightDirH = 100;
        options().lightDirV = 10;
        passes = 0;
        useSimple(mrOk, [&](LightDirectionDialog& d) { d.buttons()[static_cast<std::size_t>(r.button)]->click(); });
        EXPECT_EQ(options().lightDirH, r.h);
        EXPECT_EQ(options().lightDirV, r.v);
        EXPECT_EQ(passes, 1);
    }
}

TEST_F(LightDialogs, ChosenButtonAloneIsYellow) {
    useSimple(mrOk, [&](LightDirectionDialog& d) {
        d.rdb3.click();
        d.rdb5.click();
        EXPECT_EQ(marked(), "rdb5");
    });
    EXPECT_EQ(options().lightDirH, 270);
    EXPECT_EQ(options().lightDirV, 0);
}

TEST_F(LightDialogs, CancelKeepsTheDirectionAndForgetsTheChoice) {
    passes = 0;
    useSimple(mrCancel, [](LightDirectionDialog& d) { d.rdb9.click(); });
    EXPECT_EQ(options().lightDirH, 225);
    EXPECT_EQ(options().lightDirV, 45);
    EXPECT_EQ(simple().pendingLightDirH, 225);
    EXPECT_EQ(simple().pendingLightDirV, 45);
    EXPECT_EQ(passes, 0);
    EXPECT_EQ(marked(), "");
}

TEST_F(LightDialogs, DirectionOutsideTheNineMarksNoButton) {
    useAngles("-170", "10");
    EXPECT_EQ(options().lightDirH, 100);
    EXPECT_EQ(options().lightDirV, 10);
    std::string shown = "?";
    passes = 0;
    useSimple(mrOk, [&](LightDirectionDialog&) { shown = marked(); });
    EXPECT_EQ(shown, "");
    EXPECT_EQ(options().lightDirH, 100);
    EXPECT_EQ(options().lightDirV, 10);
    EXPECT_EQ(passes, 0);
}

TEST_F(LightDialogs, AngleDialogShowsLeftRightFromTheViewer) {
    const struct {
        double h;
        const char* shown;
    } rows[] = {{225, "-45"}, {315, "45"}, {90, "180"}, {0, "90"}, {270, "0"}, {100.5, "-169.5"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.h);
        options().lightDirH = r.h;
        options().lightDirV = -30;
        std::string rightLeft, upDown;
        desktop.modalScripts.push_back([&](Form& f) {
            auto& d = static_cast<LightAnglesDialog&>(f);
            rightLeft = d.edtRightLeft.text();
            upDown = d.edtUpDown.text();
            return mrCancel;
        });
        window().mnLDirAngleClick();
        EXPECT_EQ(rightLeft, r.shown);
        EXPECT_EQ(upDown, "-30");
    }
}

TEST_F(LightDialogs, TypedAnglesAreTakenFieldByField) {
    const struct {
        const char* name;
        const char* rightLeft;
        const char* upDown;
        int result;
        double h, v;
        int passes;
    } rows[] = {
        {"-180 wraps to 90", "-180", "45", mrOk, 90, 45, 1},
        {"180 stores 90 as well", "180", "45", mrOk, 90, 45, 1},
        {"100 stores 10", "100", "45", mrOk, 10, 45, 1},
        {"blanks removed", " 4 5 ", "- 1 0", mrOk, 315, -10, 1},
        {"up/down out of range keeps the horizontal angle, no redraw", "30", "95", mrOk, 300, 45, 0},
        {"left/right out of range ends the command", "181", "20", mrOk, 225, 45, 0},
        {"letters ignored, the other field taken", "abc", "20", mrOk, 225, 20, 1},
        {"full-width digits ignored", "３０", "２０", mrOk, 225, 45, 0},
        {"empty fields ignored", "", "", mrOk, 225, 45, 0},
        {"unchanged values do not redraw", "-45", "45", mrOk, 225, 45, 0},
        {"exponent refused", "1e2", "45", mrOk, 225, 45, 0},
        {"cancel", "90", "0", mrCancel, 225, 45, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        options().lightDirH = 225;
        options().lightDirV = 45;
        passes = 0;
        useAngles(r.rightLeft, r.upDown, r.result);
        EXPECT_EQ(options().lightDirH, r.h);
        EXPECT_EQ(options().lightDirV, r.v);
        EXPECT_EQ(passes, r.passes);
    }
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(LightDialogs, ScrollByTypedDots) {
    const struct {
        const char* name;
        const char* hori;
        const char* verti;
        int result;
        int dx, dy;  // change of centerX, centerY
    } rows[] = {
        {"2.5 and empty: 2 right (halves to even)", "2.5", "", mrOk, 2, 0},
        {"3.5 rounds to 4", "3.5", "0", mrOk, 4, 0},
        {"0 and 10: 10 up", "0", "10", mrOk, 0, -10},
        {"700 and 10: nothing", "700", "10", mrOk, 0, 0},
        {"10 and -401: nothing", "10", "-401", mrOk, 0, 0},
        {"bounds taken", "-600", "400", mrOk, -600, -400},
        {"letters count as 0", "abc", "-5", mrOk, 0, 5},
        {"blanks removed", "1 2", " ", mrOk, 12, 0},
        {"cancel", "5", "5", mrCancel, 0, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        options().centerX = 300;
        options().centerY = 200;
        passes = 0;
        useScroll(r.hori, r.verti, r.result);
        EXPECT_EQ(options().centerX, 300 + r.dx);
        EXPECT_EQ(options().centerY, 200 + r.dy);
        EXPECT_EQ(passes, r.dx != 0 || r.dy != 0 ? 1 : 0);
    }
}

TEST_F(LightDialogs, RepeatedScrollsAccumulateWithoutOverflow) {
    options().centerX = 2147483600;
    useScroll("600", "0");
    EXPECT_EQ(options().centerX, 2147483647);
}
