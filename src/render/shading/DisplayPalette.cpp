// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/shading/DisplayPalette.h"

#include <vector>

#include "render/shading/Shading.h"
#include "platform/numbers/Numbers.h"

namespace vantor {

namespace {
// A ramp value without clamp at 255 but kept a byte: the angle ramp never
// exceeds 200 with tints up to 1.0; hand-edited tints are clamped.
std::uint8_t rampByte(double v) {
    if (!(v > 0)) return 0;
    if (v > 255) v = 255;
    return static_cast<std::uint8_t>(roundHalfEven(v));
}
}  // namespace

void DisplayPalette::buildStillRamp(double brightStep, const DisplayOptions& o) {
    for (int k = 0; k <= RampTop; ++k) {
        m_red[k] = channelByte(toF32(k * brightStep * o.tintR));
        m_green[k] = channelByte(toF32(k * brightStep * o.tintG));
        m_blue[k] = channelByte(toF32(k * brightStep * o.tintB));
    }
    m_red[BackgroundEntry] = o.backR;
    m_green[BackgroundEntry] = o.backG;
    m_blue[BackgroundEntry] = o.backB;
}

void DisplayPalette::buildAngleRamp(const DisplayOptions& o) {
    for (int k = 0; k <= 90; ++k) {
        m_red[k] = rampByte((110 + k) * o.tintR);
        m_green[k] = rampByte((110 + k) * o.tintG);
        m_blue[k] = rampByte((110 + k) * o.tintB);
    }
    for (int k = 91; k <= 179; ++k) {
        m_red[k] = m_red[180 - k];
        m_green[k] = m_green[180 - k];
        m_blue[k] = m_blue[180 - k];
    }
    m_red[BackgroundEntry] = o.backR;
    m_green[BackgroundEntry] = o.backG;
    m_blue[BackgroundEntry] = o.backB;
}

PaletteEntry DisplayPalette::entry(int k) const {
    if (k < 0 || k >= EntryCount) return PaletteEntry{};
    return PaletteEntry{m_red[k], m_green[k], m_blue[k], true};
}

std::shared_ptr<Palette> DisplayPalette::makePalette() const {
    std::vector<PaletteEntry> entries;
    entries.reserve(EntryCount);
    for (int k = 0; k < EntryCount; ++k) entries.push_back(entry(k));
    return std::make_shared<Palette>(std::move(entries));
}

void DisplayPalette::attachStill(Bitmap& bitmap) const {
    std::shared_ptr<Palette> p = makePalette();
    p->animateEntries(0, p->entries());
    bitmap.attachPalette(std::move(p));
}

void DisplayPalette::attachAngle(Bitmap& bitmap) const {
    std::shared_ptr<Palette> p = makePalette();
    bitmap.attachPalette(p);
    p->animateEntries(0, p->entries());
}

}  // namespace vantor
