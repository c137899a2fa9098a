// SPDX-License-Identifier: GPL-3.0-or-later
// The light's brightness: its free value and the scroll bar whose thumb
// position is the stored brightness itself (1000 = brightness 1); its fixed
// values are a row of the option menu table.
#include <cmath>

#include "windows/shared/Workspace.h"
#include "platform/numbers/SharedRoutines.h"
#include "platform/numbers/TextNumbers.h"
#include "windows/display/DisplayWindow.h"
#include "windows/display/OptionMenuTable.h"
#include "platform/numbers/Numbers.h"

namespace vantor {

void DisplayWindow::mnBREtcClick() {
    DisplayOptions& o = m_workspace.options;
    const std::string answer = removeSpaces(m_workspace.desktop.inputBox(
        "光源の明るさ（その他）", "光源の明るさを指定してください(0.2以上)", formatGeneral15(o.bright * 0.001)));
    if (!isSignedDecimal(answer)) return;
    const auto parsed = parseDecimal(answer, Exponent::Refused);
    if (!parsed) return;
    const double x = static_cast<double>(*parsed);
    const bool accepted = x >= 0.2;
    const bool unchanged = sameFloat(x * 1000, o.bright);
    // In the still display a refused or unchanged value ends the command;
    // elsewhere the command brings back the still display all the same.
    if ((!accepted || unchanged) && o.displayMode == DisplayMode::Still) return;
    if (accepted) o.bright = x * 1000;
    mnBREtc.setChecked(true);
    ChangeScbPosition();
    if (palettePath() && o.displayMode == DisplayMode::Still) ImmediatePaletteChange();
    else mnDispRunClick();
    markStoredValue(OptionGroup::Brightness);
}

void DisplayWindow::ChangeScbPosition() {
    scbUpdating = true;
    const double bright = m_workspace.options.bright;
    if (scbBright.max() >= bright) scbBright.setPosition(roundI32(bright));
    scbUpdating = false;
}

void DisplayWindow::scbBrightChange() {
    if (scbUpdating) return;
    DisplayOptions& o = m_workspace.options;
    o.bright = scbBright.position();
    mnBREtc.setChecked(true);
    markStoredValue(OptionGroup::Brightness);
    SetBrights();
    if (palettePath()) ImmediatePaletteChange();
    else mnDispRunClick();
}

}  // namespace vantor
