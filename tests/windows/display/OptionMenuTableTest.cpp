// SPDX-License-Identifier: GPL-3.0-or-later
// The option menu table wires every list of fixed values: a row that named
// the wrong menu, field or caption rule would store one option from another
// option's list, or leave a list's mark where the value is not.
#include <gtest/gtest.h>

#include <string>

#include "platform/numbers/TextNumbers.h"
#include "support/DisplayWindowFixture.h"
#include "windows/display/OptionMenuTable.h"

using namespace vantor;
using OptionMenuTable = vantor::test::DisplayWindowFixture;

namespace {

// What a fixed item means, from its caption, as the menu shows it to the user.
double meaningOf(OptionGroup group, const MenuItem& item) {
    const double shown = static_cast<double>(parseDecimal(item.caption(), Exponent::Refused).value_or(-1e9));
    switch (group) {
        case OptionGroup::Brightness: return shown * 1000;        // "1.2" is 1200 on the bar
        case OptionGroup::LightDistance: return shown + 1;        // the rate is the distance plus one
        default: return shown;
    }
}

const char* nameOf(OptionGroup group) {
    switch (group) {
        case OptionGroup::Brightness: return "brightness";
        case OptionGroup::LightDistance: return "light distance";
        case OptionGroup::UnitAngle: return "unit angle";
        case OptionGroup::ViewDistance: return "view distance";
        case OptionGroup::ViewHeight: return "view height";
        case OptionGroup::Zoom: return "zoom";
        case OptionGroup::Inclination: return "inclination";
    }
    return "?";
}

}  // namespace

TEST_F(OptionMenuTable, EveryFixedItemSitsInItsListAndStoresWhatItsCaptionSays) {
    start();
    DisplayWindow& w = window();
    for (const OptionMenu& row : optionMenus()) {
        SCOPED_TRACE(nameOf(row.group));
        ASSERT_FALSE(row.items.empty());
        for (MenuItem DisplayWindow::*member : row.items) {
            MenuItem& item = w.*member;
            SCOPED_TRACE(item.name());
            const MenuItem* parent = item.parent();
            EXPECT_TRUE(parent == &(w.*row.menu) || (row.subMenu && parent == &(w.*row.subMenu)));
            EXPECT_TRUE(item.radioItem());
            item.click();
            EXPECT_DOUBLE_EQ(row.stored(options()), meaningOf(row.group, item));
            EXPECT_TRUE(item.checked());
        }
        if (row.other) {
            EXPECT_EQ((w.*row.other).parent(), &(w.*row.menu));
        }
    }
}

TEST_F(OptionMenuTable, EveryListMarksTheItemOfTheStoredValueAndNoneForAnotherValue) {
    start();
    DisplayWindow& w = window();
    for (const OptionMenu& row : optionMenus()) {
        SCOPED_TRACE(nameOf(row.group));
        for (MenuItem DisplayWindow::*member : row.items) {
            MenuItem& item = w.*member;
            SCOPED_TRACE(item.name());
            if (row.other) (w.*row.other).setChecked(true);
            row.store(options(), meaningOf(row.group, item));
            w.markStoredValue(row.group);
            EXPECT_TRUE(item.checked());
            if (row.other) {
                EXPECT_FALSE((w.*row.other).checked());
            }
        }
        if (!row.other) continue;
        // A value that no item offers leaves the mark on the free value.
        (w.*row.other).setChecked(true);
        row.store(options(), 12.345);
        w.markStoredValue(row.group);
        EXPECT_TRUE((w.*row.other).checked());
    }
}

TEST_F(OptionMenuTable, EveryGroupHasOneRow) {
    for (OptionGroup g : {OptionGroup::Brightness, OptionGroup::LightDistance, OptionGroup::UnitAngle,
                          OptionGroup::ViewDistance, OptionGroup::ViewHeight, OptionGroup::Zoom, OptionGroup::Inclination}) {
        int rows = 0;
        for (const OptionMenu& row : optionMenus()) rows += row.group == g ? 1 : 0;
        EXPECT_EQ(rows, 1) << nameOf(g);
        EXPECT_EQ(optionMenu(g).group, g);
    }
}
