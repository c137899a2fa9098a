// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that open the light-direction and scroll dialogs and apply
// what was chosen or typed there. Typed values are taken field by field:
// a text that is not a plain signed decimal is ignored, a value out of its
// range ends the command.
#include <optional>
#include <string>

#include "windows/shared/Workspace.h"
#include "platform/numbers/SharedRoutines.h"
#include "platform/numbers/TextNumbers.h"
#include "windows/dialogs/LightAnglesDialog.h"
#include "windows/dialogs/LightDirectionDialog.h"
#include "windows/dialogs/ShiftPictureDialog.h"
#include "windows/display/DisplayWindow.h"
#include "platform/numbers/Numbers.h"

namespace vantor {

namespace {
// The typed number, or nothing when the text (blanks removed) is not a plain
// signed decimal.
std::optional<long double> typedNumber(const std::string& text) {
    const std::string t = removeSpaces(text);
    if (!isSignedDecimal(t)) return std::nullopt;
    return parseDecimal(t, Exponent::Refused);
}

bool inRange(long double v, long double low, long double high) { return v >= low && v <= high; }
}  // namespace

void DisplayWindow::mnLDirSimpleClick() {
    LightDirectionDialog& dialog = *m_lightDirection;
    DisplayOptions& o = m_workspace.options;
    const ScreenInfo screen = m_workspace.desktop.screen();
    dialog.setPosition((screen.width - dialog.width()) / 2, (screen.height - dialog.height()) / 2);
    dialog.pendingLightDirH = o.lightDirH;
    dialog.pendingLightDirV = o.lightDirV;
    dialog.SetCurrentButton();
    if (m_workspace.desktop.showModal(dialog) == mrOk) {
        if (dialog.pendingLightDirH != o.lightDirH || dialog.pendingLightDirV != o.lightDirV) {
            o.lightDirH = dialog.pendingLightDirH;
            o.lightDirV = dialog.pendingLightDirV;
            displayStartFromOption();
        }
    } else {
        dialog.pendingLightDirH = o.lightDirH;
        dialog.pendingLightDirV = o.lightDirV;
    }
    dialog.btnAllClearClick();
    dialog.hide();
}

void DisplayWindow::mnLDirAngleClick() {
    LightAnglesDialog& dialog = *m_lightAngles;
    DisplayOptions& o = m_workspace.options;
    const double keptH = o.lightDirH, keptV = o.lightDirV;
    // Shown in (-180, 180] for directions in [0, 360).
    double rightLeft = o.lightDirH - 270;
    if (rightLeft <= -180) rightLeft += 360;
    dialog.edtRightLeft.setText(formatGeneral15(rightLeft));
    dialog.edtUpDown.setText(formatGeneral15(o.lightDirV));
    if (m_workspace.desktop.showModal(dialog) != mrOk) return;
    dialog.hide();

    if (const auto x = typedNumber(dialog.edtRightLeft.text())) {
        if (!inRange(*x, -180, 180)) return;
        long double h = *x + 270;
        if (h >= 360) h -= 360;
        o.lightDirH = static_cast<double>(h);
    }
    // A horizontal angle taken above stays even when this one is refused.
    if (const auto y = typedNumber(dialog.edtUpDown.text())) {
        if (!inRange(*y, -90, 90)) return;
        o.lightDirV = static_cast<double>(*y);
    }
    if (o.lightDirH != keptH || o.lightDirV != keptV) {
        m_lightDirection->btnAllClearClick();
        displayStartFromOption();
    }
}

void DisplayWindow::mnScrollValueClick() {
    ShiftPictureDialog& dialog = *m_shiftPicture;
    // Offsets are pixels of the picture as shown, up to its own size.
    const PictureScale scale = pictureScale();
    dialog.setRanges(scale.width, scale.height);
    dialog.edtHori.setText("");
    dialog.edtVerti.setText("");
    if (m_workspace.desktop.showModal(dialog) != mrOk) return;
    dialog.hide();

    // Empty counts as 0; anything else that is not a number moves nothing.
    auto offset = [](const std::string& text, long double limit) -> std::optional<std::int64_t> {
        const auto v = typedNumber(text.empty() ? "0" : text);
        if (!v) return 0;
        if (!inRange(*v, -limit, limit)) return std::nullopt;
        return roundHalfEven(*v);
    };
    const auto dx = offset(dialog.edtHori.text(), scale.width);
    if (!dx) return;
    const auto dy = offset(dialog.edtVerti.text(), scale.height);
    if (!dy) return;
    if (*dx == 0 && *dy == 0) return;
    DisplayOptions& o = m_workspace.options;
    // Upwards is positive in the dialog, downwards in the picture; the
    // origin is kept in pixels of the 600 x 400 picture.
    o.centerX = clampToI32(static_cast<std::int64_t>(o.centerX) + scale.originOffset(*dx));
    o.centerY = clampToI32(static_cast<std::int64_t>(o.centerY) - scale.originOffset(*dy));
    displayStartFromOption();
}

}  // namespace vantor
