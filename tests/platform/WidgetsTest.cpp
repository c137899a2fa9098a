// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/widgets/Form.h"
#include "platform/widgets/ListBox.h"
#include "platform/widgets/MenuItem.h"
#include "platform/widgets/ScrollBar.h"
#include "platform/widgets/SpeedButton.h"
#include "platform/widgets/Timer.h"
#include "platform/widgets/VirtualKey.h"

using namespace vantor;

TEST(MenuItem, CheckingARadioItemUnchecksOnlyItsGroupSiblings) {
    MenuItem parent("parent");
    MenuItem a("a"), b("b"), c("c"), other("other"), plain("plain");
    for (MenuItem* m : {&a, &b, &c}) m->setRadio(1);
    other.setRadio(2);
    for (MenuItem* m : {&a, &b, &c, &other, &plain}) parent.add(*m);
    other.setChecked(true);
    plain.setChecked(true);
    a.setChecked(true);
    b.setChecked(true);
    EXPECT_FALSE(a.checked());
    EXPECT_TRUE(b.checked());
    EXPECT_TRUE(other.checked());
    EXPECT_TRUE(plain.checked());
    // Unchecking is explicit only: no item unchecks itself when clicked.
    int clicks = 0;
    b.onClick = [&] { ++clicks; };
    b.click();
    EXPECT_TRUE(b.checked());
    EXPECT_EQ(clicks, 1);
}

TEST(MenuItem, DisabledOrHiddenItemsIgnoreClicks) {
    MenuItem m("m");
    int clicks = 0;
    m.onClick = [&] { ++clicks; };
    m.setEnabled(false);
    m.click();
    m.setEnabled(true);
    m.setVisible(false);
    m.click();
    EXPECT_EQ(clicks, 0);
}

TEST(ScrollBar, ChangeFiresForProgramMovesAndLoweredMaximum) {
    Form f("f");
    ScrollBar s(f, "s");
    s.setParams(50, 0, 100);
    std::vector<int> seen;
    s.onChange = [&] { seen.push_back(s.position()); };
    s.setPosition(60);
    s.setPosition(60);  // no move, no event
    s.setMax(40);       // pulls the position down
    s.setPosition(-5);  // clamped to min
    s.setMax(200);      // position unchanged
    EXPECT_EQ(seen, (std::vector<int>{60, 40, 0}));
    EXPECT_EQ(s.max(), 200);
}

TEST(SpeedButton, GroupedButtonsBehaveAsRadioButtons) {
    Form f("f");
    SpeedButton a(f, "a"), b(f, "b"), lone(f, "lone");
    a.setGroupIndex(3);
    b.setGroupIndex(3);
    a.mouseUp(MouseButton::Left);
    EXPECT_TRUE(a.down());
    b.mouseUp(MouseButton::Left);
    EXPECT_FALSE(a.down());
    EXPECT_TRUE(b.down());
    b.setDown(false);  // without allowAllUp one stays down
    EXPECT_TRUE(b.down());
    int ups = 0;
    lone.onMouseUp = [&](MouseButton, int, int) { ++ups; };
    lone.mouseUp(MouseButton::Right);
    EXPECT_EQ(ups, 1);
    EXPECT_FALSE(lone.down());
}

TEST(Timer, TicksReachTheHandlerOnlyWhileEnabled) {
    Timer t;
    int ticks = 0;
    t.onTimer = [&] { ++ticks; };
    t.tick();
    t.setEnabled(false);
    t.tick();
    EXPECT_EQ(ticks, 1);
}

TEST(ListBox, SelectionStaysInRange) {
    Form f("f");
    ListBox l(f, "l");
    l.setItems({"a", "b"});
    l.setItemIndex(5);
    EXPECT_EQ(l.itemIndex(), -1);
    l.setItemIndex(1);
    l.remove(1);
    EXPECT_EQ(l.itemIndex(), 0);
    l.remove(7);  // ignored
    EXPECT_EQ(l.count(), 1);
}

TEST(Form, CloseQueryCanKeepTheWindowOpen) {
    struct Guarded : Form {
        bool allow = false;
        int closes = 0;
        Guarded() : Form("g") {}
        bool FormCloseQuery() override { return allow; }
        void FormClose() override { ++closes; }
    } g;
    g.show();
    g.close();
    EXPECT_TRUE(g.visible());
    g.allow = true;
    g.close();
    EXPECT_FALSE(g.visible());
    EXPECT_EQ(g.closes, 1);
}

// Enter and Escape were passed to the window's key handler only, so no
// dialog could be answered from the keyboard.
TEST(Form, EnterAndEscapeAnswerTheDialogButtons) {
    Form dialog("dialog");
    Button ok(dialog, "ok"), cancel(dialog, "cancel");
    makeOkCancel(ok, cancel);
    const struct {
        const char* name;
        int key;
        bool cancelEnabled;
        bool taken;
        int result;
    } rows[] = {
        {"Enter clicks OK", vk::Return, true, true, mrOk},
        {"Escape clicks Cancel", vk::Escape, true, true, mrCancel},
        {"a disabled Cancel leaves Escape to the window", vk::Escape, false, false, mrNone},
        {"other keys go to the window", 'A', true, false, mrNone},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        dialog.modalResult = mrNone;
        cancel.setEnabled(r.cancelEnabled);
        EXPECT_EQ(dialog.dialogKey(r.key), r.taken);
        EXPECT_EQ(dialog.modalResult, r.result);
    }
}
