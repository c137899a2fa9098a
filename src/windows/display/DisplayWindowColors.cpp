// SPDX-License-Identifier: GPL-3.0-or-later
// The default tint of figures without a tint of their own, and the
// background colour. On a 256-colour screen both live in the palette, so a
// change reloads it instead of drawing the solid again.
#include <algorithm>

#include "windows/shared/Workspace.h"
#include "model/figures/FigureStore.h"
#include "windows/display/DisplayWindow.h"
#include "platform/numbers/Numbers.h"

namespace vantor {

namespace {
// A tint factor as a colour-dialog byte: 1.0 shows as 250, so the factory
// tint opens as a light grey rather than pure white. Factors from a file
// edited by hand may lie outside 0..1; the byte is kept in range.
std::uint8_t tintByte(double factor) {
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(roundHalfEven(factor * 250.0L), 0, 255));
}
}  // namespace

void DisplayWindow::colourChanged() {
    if (palettePath()) ImmediatePaletteChange();
    else displayStartFromOption();
}

void DisplayWindow::mnTintFreeClick() {
    DisplayOptions& o = m_workspace.options;
    const Tint kept = o.tint();
    dlgTintColor.color = rgb(tintByte(o.tintR), tintByte(o.tintG), tintByte(o.tintB));
    if (!m_workspace.desktop.runColorDialog(dlgTintColor)) return;
    const std::uint8_t r = colorR(dlgTintColor.color);
    const std::uint8_t g = colorG(dlgTintColor.color);
    const std::uint8_t b = colorB(dlgTintColor.color);
    std::uint8_t m = r;
    if (g > m) m = g;
    if (b > m) m = b;
    // A tint needs at least one channel that is not black.
    if (m == 0) return;
    // Only the ratios count: the brightest channel becomes 1.
    const auto factor = [m](std::uint8_t c) { return std::max(static_cast<double>(static_cast<long double>(c) / m), 0.2); };
    o.setTint({factor(r), factor(g), factor(b)});
    if (o.tint() == kept) return;
    m_workspace.store.applyDefaultTint();
    colourChanged();
}

void DisplayWindow::mnTintStandardClick() {
    DisplayOptions& o = m_workspace.options;
    if (o.tint() == o.standardTint) return;
    o.setTint(o.standardTint);
    m_workspace.store.applyDefaultTint();
    colourChanged();
}

void DisplayWindow::mnBackFreeClick() {
    DisplayOptions& o = m_workspace.options;
    dlgBackColor.color = rgb(o.backR, o.backG, o.backB);
    if (!m_workspace.desktop.runColorDialog(dlgBackColor)) return;
    const ByteColour chosen{colorR(dlgBackColor.color), colorG(dlgBackColor.color), colorB(dlgBackColor.color)};
    if (chosen == o.back()) return;
    o.setBack(chosen);
    colourChanged();
}

void DisplayWindow::mnBackStandardClick() {
    DisplayOptions& o = m_workspace.options;
    if (o.back() == o.standardBack) return;
    o.setBack(o.standardBack);
    colourChanged();
}

}  // namespace vantor
