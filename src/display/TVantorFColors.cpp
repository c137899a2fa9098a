// The default tint of figures without a tint of their own, and the
// background colour. On a 256-colour screen both live in the palette, so a
// change reloads it instead of drawing the solid again.
#include <algorithm>

#include "app/Program.h"
#include "control/FigureStore.h"
#include "display/TVantorF.h"
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

void TVantorF::colourChanged() {
    if (palettePath()) ImmediatePaletteChange();
    else displayStartFromOption();
}

void TVantorF::mnTintFreeClick() {
    DisplayOptions& o = m_program.options;
    const double keptR = o.tintR, keptG = o.tintG, keptB = o.tintB;
    dlgVantorColor.color = rgb(tintByte(o.tintR), tintByte(o.tintG), tintByte(o.tintB));
    if (!m_program.desktop.runColorDialog(dlgVantorColor)) return;
    const std::uint8_t r = colorR(dlgVantorColor.color);
    const std::uint8_t g = colorG(dlgVantorColor.color);
    const std::uint8_t b = colorB(dlgVantorColor.color);
    std::uint8_t m = r;
    if (g > m) m = g;
    if (b > m) m = b;
    // A tint needs at least one channel that is not black.
    if (m == 0) return;
    o.tintR = std::max(static_cast<double>(static_cast<long double>(r) / m), 0.2);
    o.tintG = std::max(static_cast<double>(static_cast<long double>(g) / m), 0.2);
    o.tintB = std::max(static_cast<double>(static_cast<long double>(b) / m), 0.2);
    if (o.tintR == keptR && o.tintG == keptG && o.tintB == keptB) return;
    m_program.store.applyDefaultTint();
    colourChanged();
}

void TVantorF::mnTintStandardClick() {
    DisplayOptions& o = m_program.options;
    if (o.tintR == o.standardTintR && o.tintG == o.standardTintG && o.tintB == o.standardTintB) return;
    o.tintR = o.standardTintR;
    o.tintG = o.standardTintG;
    o.tintB = o.standardTintB;
    m_program.store.applyDefaultTint();
    colourChanged();
}

void TVantorF::mnBackFreeClick() {
    DisplayOptions& o = m_program.options;
    dlgBackColor.color = rgb(o.backR, o.backG, o.backB);
    if (!m_program.desktop.runColorDialog(dlgBackColor)) return;
    const std::uint8_t r = colorR(dlgBackColor.color);
    const std::uint8_t g = colorG(dlgBackColor.color);
    const std::uint8_t b = colorB(dlgBackColor.color);
    if (r == o.backR && g == o.backG && b == o.backB) return;
    o.backR = r;
    o.backG = g;
    o.backB = b;
    colourChanged();
}

void TVantorF::mnBackStandardClick() {
    DisplayOptions& o = m_program.options;
    if (o.backR == o.standardBackR && o.backG == o.standardBackG && o.backB == o.standardBackB) return;
    o.backR = o.standardBackR;
    o.backG = o.standardBackG;
    o.backB = o.standardBackB;
    colourChanged();
}

}  // namespace vantor
