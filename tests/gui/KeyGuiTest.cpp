// SPDX-License-Identifier: GPL-3.0-or-later
// Keys reach the windows as platform virtual-key codes with the shift flags
// held, whatever code Qt gives the key.
#include <gtest/gtest.h>

#include <QTest>
#include <utility>
#include <vector>

#include "FormHost.h"
#include "app/Program.h"
#include "platform/widgets/Form.h"
#include "platform/widgets/Image.h"
#include "support/ProgramFixture.h"

using namespace vantor;

namespace {
struct KeyForm : Form {
    KeyForm() : Form("KeyF") {}
    std::vector<std::pair<int, unsigned>> keys;
    void FormKeyDown(int key, unsigned shift) override { keys.emplace_back(key, shift); }
};
using KeyHost = test::ProgramFixture;
}  // namespace

TEST_F(KeyHost, KeysArriveAsVirtualKeyCodes) {
    struct Row {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int virtualKey;
        unsigned shift;
    };
    const Row rows[] = {
        {"escape cancels a gesture", Qt::Key_Escape, Qt::NoModifier, 0x1B, ShiftNone},
        {"ctrl+z undoes", Qt::Key_Z, Qt::ControlModifier, 'Z', ShiftCtrl},
        {"ctrl+shift+z redoes", Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, 'Z', ShiftCtrl | ShiftShift},
        {"ctrl+y redoes", Qt::Key_Y, Qt::ControlModifier, 'Y', ShiftCtrl},
        {"digit", Qt::Key_7, Qt::NoModifier, '7', ShiftNone},
        {"return", Qt::Key_Return, Qt::NoModifier, 0x0D, ShiftNone},
        {"keypad enter", Qt::Key_Enter, Qt::KeypadModifier, 0x0D, ShiftNone},
        {"delete", Qt::Key_Delete, Qt::NoModifier, 0x2E, ShiftNone},
        {"left arrow", Qt::Key_Left, Qt::NoModifier, 0x25, ShiftNone},
        {"down arrow", Qt::Key_Down, Qt::NoModifier, 0x28, ShiftNone},
        {"alt+f2", Qt::Key_F2, Qt::AltModifier, 0x71, ShiftAlt},
    };
    startProgram();
    KeyForm form;
    qt::FormHost host(form, *program);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        form.keys.clear();
        QTest::keyClick(&host, r.key, r.modifiers);
        // The modifier keys come first, each as a key of its own.
        ASSERT_FALSE(form.keys.empty());
        EXPECT_EQ(form.keys.back().first, r.virtualKey);
        EXPECT_EQ(form.keys.back().second, r.shift);
    }
}

// Qt's code for "." equals the virtual-key code of Delete: passed on
// unmapped, a window would take the full stop for Delete.
TEST_F(KeyHost, FullStopDoesNotArriveAsDelete) {
    startProgram();
    KeyForm form;
    qt::FormHost host(form, *program);
    QTest::keyClick(&host, Qt::Key_Period);
    EXPECT_TRUE(form.keys.empty());
}
