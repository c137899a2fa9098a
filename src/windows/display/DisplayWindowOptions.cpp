// SPDX-License-Identifier: GPL-3.0-or-later
// The option menu's value commands. A fixed item of a list reads its value
// from its caption and is answered from the row of its list in the option
// menu table; "その他(&E)..." asks for a free value; the lists' marks move
// to the fixed item whose value equals the stored one. Also the default
// drawing method and the standard position.
#include <cmath>
#include <limits>

#include "windows/shared/Workspace.h"
#include "platform/numbers/SharedRoutines.h"
#include "platform/numbers/TextNumbers.h"
#include "windows/display/DisplayWindow.h"
#include "windows/display/OptionMenuTable.h"

namespace vantor {

namespace {
// The number a fixed item's caption shows.
long double captionValue(const MenuItem& item) { return parseDecimal(item.caption(), Exponent::Refused).value_or(0); }
}  // namespace

void DisplayWindow::optionValueClick(const OptionMenu& row, MenuItem& item) {
    DisplayOptions& o = m_workspace.options;
    const bool still = o.displayMode == DisplayMode::Still;
    const double value = row.valueOf(captionValue(item));
    if (row.markFirst) item.setChecked(true);
    if (row.storeFirst) row.store(o, value);
    // Outside the still display some lists bring it back all the same.
    if (row.isCurrent(o, value) && (still || !row.stillOnly)) return;
    if (!row.markFirst) item.setChecked(true);
    row.store(o, value);
    switch (row.answer) {
        case OptionAnswer::Brightness:
            ChangeScbPosition();
            if (palettePath() && still) ImmediatePaletteChange();
            else mnDispRunClick();
            break;
        case OptionAnswer::LightDistance:
            o.updateLightDist();
            mnDispRunClick();
            break;
        case OptionAnswer::StillStep:
            lblDegree.setCaption(std::to_string(o.unitAngle));
            mnDispRunClick();
            break;
        case OptionAnswer::Renew: displayStartFromOption(); break;
        case OptionAnswer::Inclination:
            markStoredValue(row.group);
            displayStartFromOption();
            break;
    }
}

void DisplayWindow::markStoredValue(OptionGroup group) {
    const OptionMenu& row = optionMenu(group);
    const double stored = row.stored(m_workspace.options);
    for (MenuItem DisplayWindow::*member : row.items) {
        MenuItem& item = this->*member;
        const double value = row.valueOf(captionValue(item));
        if (row.exactMark ? value != stored : !sameFloat(value, stored)) continue;
        item.setChecked(true);
        if (!row.subMenu) continue;
        // The list's mark goes to the sub-menu's entry for a value inside
        // it; the sub-menu's own mark leaves it for a value outside.
        if (item.parent() == &(this->*row.subMenu)) (this->*row.subMenu).setChecked(true);
        else (this->*row.outsideSubMenu).setChecked(true);
    }
}

std::optional<double> DisplayWindow::askValue(const std::string& caption, const std::string& prompt, double current) {
    const std::string answer = removeSpaces(m_workspace.desktop.inputBox(caption, prompt, formatGeneral15(current)));
    if (!isSignedDecimal(answer)) return std::nullopt;
    const std::optional<long double> parsed = parseDecimal(answer, Exponent::Refused);
    // Digits enough to leave the double range are refused like any other
    // unusable text.
    if (!parsed || !std::isfinite(static_cast<double>(*parsed))) return std::nullopt;
    return static_cast<double>(*parsed);
}

// Light distance.

void DisplayWindow::mnLDEtcClick() {
    DisplayOptions& o = m_workspace.options;
    const std::optional<double> x = askValue("光源との距離（その他）", "光源との距離を指定してください(0.5以上)",
                                             o.lightDist / o.baseRadius - 1);
    if (!x) return;
    const bool accepted = *x >= 0.5;
    const bool unchanged = sameFloat(*x + 1.0L, o.lightDistRate);
    // Outside the still display the command brings it back all the same.
    if ((!accepted || unchanged) && o.displayMode == DisplayMode::Still) return;
    if (accepted) {
        o.lightDistRate = static_cast<double>(*x + 1.0L);
        o.updateLightDist();
    }
    mnLDEtc.setChecked(true);
    mnDispRunClick();
    markStoredValue(OptionGroup::LightDistance);
}

// The default drawing method.

namespace {
void chooseMethod(Workspace& program, DisplayWindow& window, MenuItem& item, DrawMethod method) {
    DisplayOptions& o = program.options;
    if (methodCode(method) == o.defaultMethod) return;
    item.setChecked(true);
    o.defaultMethod = methodCode(method);
    program.store.applyDefaultMethod();
    window.displayStartFromOption();
}
}  // namespace

void DisplayWindow::mnWireClick() { chooseMethod(m_workspace, *this, mnWire, DrawMethod::Wire); }
void DisplayWindow::mnSurfaceClick() { chooseMethod(m_workspace, *this, mnSurface, DrawMethod::Surface); }
void DisplayWindow::mnMeshClick() { chooseMethod(m_workspace, *this, mnMesh, DrawMethod::Mesh); }

namespace {
constexpr double Unbounded = std::numeric_limits<double>::infinity();
}  // namespace

bool DisplayWindow::takeTypedValue(double& field, const char* caption, const char* prompt, double low, double high) {
    const std::optional<double> x = askValue(caption, prompt, field);
    if (!x || !(*x >= low && *x <= high) || sameFloat(*x, field)) return false;
    field = *x;
    return true;
}

void DisplayWindow::mnVDEtcClick() {
    if (!takeTypedValue(m_workspace.options.viewDist, "視点との距離（その他）", "視点との距離を指定してください (0以上)", 0, Unbounded)) return;
    mnVDEtc.setChecked(true);
    displayStartFromOption();
    markStoredValue(OptionGroup::ViewDistance);
}

void DisplayWindow::mnVHEtcClick() {
    if (!takeTypedValue(m_workspace.options.viewHeight, "視点の高さ（その他）", "視点の高さを角度で指定（-90以上90以下）", -90, 90)) return;
    mnVHEtc.setChecked(true);
    displayStartFromOption();
    markStoredValue(OptionGroup::ViewHeight);
}

void DisplayWindow::mnZMEtcClick() {
    if (!takeTypedValue(m_workspace.options.zoom, "ズーム（その他）", "拡大倍率を指定して下さい（0.1以上）", 0.1, Unbounded)) return;
    mnZMEtc.setChecked(true);
    displayStartFromOption();
    markStoredValue(OptionGroup::Zoom);
}

// Inclination: the upright angles in the main list, the upside-down ones in
// a sub-menu whose entry carries the main list's mark for them.

void DisplayWindow::mnInEtcClick() {
    if (!takeTypedValue(m_workspace.options.inclin, "画像全体の傾き（その他）", "傾ける角度を指定（-180以上180以下）", -180, 180)) return;
    mnInEtc.setChecked(true);
    displayStartFromOption();
    mnInNonRev.setChecked(true);
    markStoredValue(OptionGroup::Inclination);
}

void DisplayWindow::mnStandardPositionClick() {
    DisplayOptions& o = m_workspace.options;
    if (o.centerX == 300 && o.centerY == 200) return;
    o.centerX = 300;
    o.centerY = 200;
    displayStartFromOption();
}

}  // namespace vantor
