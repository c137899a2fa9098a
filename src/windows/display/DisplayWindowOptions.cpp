// The option menu's value commands: light distance, still-display step,
// default drawing method, view distance and height, zoom, inclination and
// the standard position. Fixed items read their value from their caption;
// "その他(&E)..." asks for a free value; the check routines move the radio
// mark to the fixed item whose value equals the stored one.
#include <cmath>
#include <initializer_list>
#include <limits>

#include "windows/shared/Workspace.h"
#include "platform/numbers/SharedRoutines.h"
#include "platform/numbers/TextNumbers.h"
#include "windows/display/DisplayWindow.h"

namespace vantor {

namespace {
// The value of a fixed item, read from its caption as its handler reads it.
long double captionValue(const MenuItem& item) { return parseDecimal(item.caption(), Exponent::Refused).value_or(0); }

void checkMatching(std::initializer_list<MenuItem*> items, long double offset, double stored) {
    for (MenuItem* m : items)
        if (sameFloat(static_cast<double>(captionValue(*m) + offset), stored)) m->setChecked(true);
}
}  // namespace

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

void DisplayWindow::mnLdistClick(MenuItem& sender) {
    DisplayOptions& o = m_workspace.options;
    sender.setChecked(true);
    o.lightDistRate = static_cast<double>(captionValue(sender) + 1);
    if (sameFloat(o.baseRadius * o.lightDistRate, o.lightDist) && o.displayMode == DisplayMode::Still) return;
    o.updateLightDist();
    mnDispRunClick();
}

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
    SetLDCheck();
}

void DisplayWindow::SetLDCheck() {
    checkMatching({&mnLD1, &mnLD2, &mnLD3, &mnLD4, &mnLD5, &mnLD6, &mnLDm1, &mnLDm2}, 1, m_workspace.options.lightDistRate);
}

// Still-display step and default method.

void DisplayWindow::mnUnitDegreeClick(MenuItem& sender) {
    DisplayOptions& o = m_workspace.options;
    const std::int32_t value = parseInteger(sender.caption()).value_or(o.unitAngle);
    if (value == o.unitAngle && o.displayMode == DisplayMode::Still) return;
    sender.setChecked(true);
    o.unitAngle = value;
    lblDegree.setCaption(std::to_string(value));
    mnDispRunClick();
}

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

// View distance, view height, zoom: a fixed item redraws the current picture
// when the value changes.

namespace {
void chooseValue(DisplayWindow& window, MenuItem& sender, double& field) {
    sender.setChecked(true);
    const double value = static_cast<double>(captionValue(sender));
    if (sameFloat(value, field)) return;
    field = value;
    window.displayStartFromOption();
}
}  // namespace

void DisplayWindow::mnVdistClick(MenuItem& sender) { chooseValue(*this, sender, m_workspace.options.viewDist); }
void DisplayWindow::mnVheightClick(MenuItem& sender) { chooseValue(*this, sender, m_workspace.options.viewHeight); }
void DisplayWindow::mnZMClick(MenuItem& sender) { chooseValue(*this, sender, m_workspace.options.zoom); }

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
    SetVDCheck();
}

void DisplayWindow::mnVHEtcClick() {
    if (!takeTypedValue(m_workspace.options.viewHeight, "視点の高さ（その他）", "視点の高さを角度で指定（-90以上90以下）", -90, 90)) return;
    mnVHEtc.setChecked(true);
    displayStartFromOption();
    SetVHCheck();
}

void DisplayWindow::mnZMEtcClick() {
    if (!takeTypedValue(m_workspace.options.zoom, "ズーム（その他）", "拡大倍率を指定して下さい（0.1以上）", 0.1, Unbounded)) return;
    mnZMEtc.setChecked(true);
    displayStartFromOption();
    SetZMCheck();
}

void DisplayWindow::SetVDCheck() {
    checkMatching({&mnVD1, &mnVD2, &mnVD3, &mnVD4, &mnVD5, &mnVD6, &mnVD7}, 0, m_workspace.options.viewDist);
}

void DisplayWindow::SetVHCheck() {
    checkMatching({&mnVH1, &mnVH2, &mnVH3, &mnVH4, &mnVH5, &mnVH6, &mnVH7, &mnVH8, &mnVH9, &mnVH10, &mnVH11, &mnVH12,
                   &mnVH13},
                  0, m_workspace.options.viewHeight);
}

void DisplayWindow::SetZMCheck() {
    checkMatching({&mnZM1, &mnZM2, &mnZM3, &mnZM4, &mnZM5, &mnZM6, &mnZM7}, 0, m_workspace.options.zoom);
}

// Inclination: the upright angles in the main list, the upside-down ones in
// a sub-menu whose entry carries the main list's mark for them.

void DisplayWindow::mnInclinClick(MenuItem& sender) {
    double& field = m_workspace.options.inclin;
    sender.setChecked(true);
    const double value = static_cast<double>(captionValue(sender));
    if (sameFloat(value, field)) return;
    field = value;
    SetInCheck();
    displayStartFromOption();
}

void DisplayWindow::mnInEtcClick() {
    if (!takeTypedValue(m_workspace.options.inclin, "画像全体の傾き（その他）", "傾ける角度を指定（-180以上180以下）", -180, 180)) return;
    mnInEtc.setChecked(true);
    displayStartFromOption();
    mnInNonRev.setChecked(true);
    SetInCheck();
}

void DisplayWindow::SetInCheck() {
    const double inclin = m_workspace.options.inclin;
    for (MenuItem* m : {&mnIn1, &mnIn2, &mnIn3, &mnIn4, &mnIn5, &mnIn6, &mnIn7, &mnIn8, &mnIn9, &mnIn10, &mnIn11, &mnIn12,
                        &mnIn13}) {
        if (static_cast<double>(captionValue(*m)) == inclin) {
            m->setChecked(true);
            mnInNonRev.setChecked(true);
        }
    }
    for (MenuItem* m : {&mnIn14, &mnIn15, &mnIn16, &mnIn17, &mnIn18, &mnIn19, &mnIn20, &mnIn21, &mnIn22, &mnIn23,
                        &mnIn24}) {
        if (static_cast<double>(captionValue(*m)) == inclin) {
            m->setChecked(true);
            mnInToRev.setChecked(true);
        }
    }
}

void DisplayWindow::mnStandardPositionClick() {
    DisplayOptions& o = m_workspace.options;
    if (o.centerX == 300 && o.centerY == 200) return;
    o.centerX = 300;
    o.centerY = 200;
    displayStartFromOption();
}

}  // namespace vantor
