// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The option menu's lists of fixed values as one table. Each row ties an
// option field to its menu group: the items that offer its fixed values,
// the item that asks for a free one, how an item's caption reads as a value
// and how the display answers a new value. The display window builds every
// list, answers every click on a value and moves every list's mark to the
// stored value from this table, not by a routine of its own per group.
#include <cstdint>
#include <vector>

#include "model/options/DisplayOptions.h"
#include "platform/widgets/MenuItem.h"

namespace vantor {

class DisplayWindow;

enum class OptionGroup : std::uint8_t {
    Brightness,
    LightDistance,
    UnitAngle,
    ViewDistance,
    ViewHeight,
    Zoom,
    Inclination,
};

// How the display answers a value chosen from a list.
enum class OptionAnswer : std::uint8_t {
    Brightness,     // the bar follows; a 256-colour still display changes only its palette, else a still pass
    LightDistance,  // the light's distance follows the rate, then a still pass
    StillStep,      // the step label follows, then a still pass
    Renew,          // the current picture is renewed
    Inclination,    // the marks of both inclination lists follow, then the current picture is renewed
};

struct OptionMenu {
    OptionGroup group;
    MenuItem DisplayWindow::*menu;                 // the group's entry in the option menu
    std::vector<MenuItem DisplayWindow::*> items;  // the fixed values, in menu order
    MenuItem DisplayWindow::*other;                // the free value ("その他(&E)..."), or null
    // A fixed item's value from the number its caption shows.
    double (*valueOf)(long double caption);
    // The stored value the marks follow, and storing a value.
    double (*stored)(const DisplayOptions&);
    void (*store)(DisplayOptions&, double);
    // True when a chosen value changes nothing.
    bool (*isCurrent)(const DisplayOptions&, double value);
    bool markFirst;   // the item takes the mark before the value is compared
    bool storeFirst;  // the value is stored before it is compared
    bool stillOnly;   // an unchanged value ends the command only in the still display
    bool exactMark;   // the mark goes to an item of exactly the stored value (else of nearly it)
    OptionAnswer answer;
    // Lists with a sub-menu of further values: the sub-menu's entry, which
    // carries the main list's mark for them, and the hidden item that holds
    // the sub-menu's mark while the value lies outside it. Null elsewhere.
    MenuItem DisplayWindow::*subMenu;
    MenuItem DisplayWindow::*outsideSubMenu;
};

// Every row, in the order of the option menu.
const std::vector<OptionMenu>& optionMenus();
const OptionMenu& optionMenu(OptionGroup group);

}  // namespace vantor
