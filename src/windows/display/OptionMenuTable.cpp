// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/display/OptionMenuTable.h"

#include "platform/numbers/SharedRoutines.h"
#include "windows/display/DisplayWindow.h"

namespace vantor {

namespace {
using W = DisplayWindow;
using O = DisplayOptions;

double plain(long double c) { return static_cast<double>(c); }
bool nearly(double stored, double value) { return sameFloat(value, stored); }

std::vector<OptionMenu> buildTable() {
    return {
        {OptionGroup::Brightness, &W::mnBright, {&W::mnBR1, &W::mnBR2, &W::mnBR3, &W::mnBR4}, &W::mnBREtc,
         [](long double c) { return static_cast<double>(c) * 1000; },
         [](const O& o) { return o.bright; },
         [](O& o, double v) { o.bright = v; },
         [](const O& o, double v) { return nearly(o.bright, v); },
         true, false, true, false, OptionAnswer::Brightness, nullptr, nullptr},
        {OptionGroup::LightDistance, &W::mnLdist,
         {&W::mnLDm2, &W::mnLDm1, &W::mnLD1, &W::mnLD2, &W::mnLD3, &W::mnLD4, &W::mnLD5, &W::mnLD6}, &W::mnLDEtc,
         [](long double c) { return static_cast<double>(c + 1); },
         [](const O& o) { return o.lightDistRate; },
         [](O& o, double v) { o.lightDistRate = v; },
         // The distance in force, not the rate, tells whether anything changes.
         [](const O& o, double v) { return sameFloat(o.baseRadius * v, o.lightDist); },
         true, true, true, false, OptionAnswer::LightDistance, nullptr, nullptr},
        {OptionGroup::UnitAngle, &W::mnUnitAngle,
         {&W::mn1d, &W::mn2d, &W::mn3d, &W::mn5d, &W::mn6d, &W::mn9d, &W::mn10d, &W::mn15d, &W::mn18d, &W::mn30d, &W::mn45d},
         nullptr, plain,
         [](const O& o) { return static_cast<double>(o.unitAngle); },
         [](O& o, double v) { o.unitAngle = static_cast<std::int32_t>(v); },
         [](const O& o, double v) { return v == o.unitAngle; },
         false, false, true, true, OptionAnswer::StillStep, nullptr, nullptr},
        {OptionGroup::ViewDistance, &W::mnVdist,
         {&W::mnVD7, &W::mnVD6, &W::mnVD5, &W::mnVD1, &W::mnVD2, &W::mnVD3, &W::mnVD4}, &W::mnVDEtc, plain,
         [](const O& o) { return o.viewDist; },
         [](O& o, double v) { o.viewDist = v; },
         [](const O& o, double v) { return nearly(o.viewDist, v); },
         true, false, false, false, OptionAnswer::Renew, nullptr, nullptr},
        {OptionGroup::ViewHeight, &W::mnVPos,
         {&W::mnVH1, &W::mnVH2, &W::mnVH3, &W::mnVH4, &W::mnVH5, &W::mnVH6, &W::mnVH7, &W::mnVH8, &W::mnVH9, &W::mnVH10,
          &W::mnVH11, &W::mnVH12, &W::mnVH13},
         &W::mnVHEtc, plain,
         [](const O& o) { return o.viewHeight; },
         [](O& o, double v) { o.viewHeight = v; },
         [](const O& o, double v) { return nearly(o.viewHeight, v); },
         true, false, false, false, OptionAnswer::Renew, nullptr, nullptr},
        {OptionGroup::Zoom, &W::mnZoom, {&W::mnZM7, &W::mnZM6, &W::mnZM1, &W::mnZM2, &W::mnZM3, &W::mnZM4, &W::mnZM5},
         &W::mnZMEtc, plain,
         [](const O& o) { return o.zoom; },
         [](O& o, double v) { o.zoom = v; },
         [](const O& o, double v) { return nearly(o.zoom, v); },
         true, false, false, false, OptionAnswer::Renew, nullptr, nullptr},
        {OptionGroup::Inclination, &W::mnInc,
         {&W::mnIn1, &W::mnIn2, &W::mnIn3, &W::mnIn4, &W::mnIn5, &W::mnIn6, &W::mnIn7, &W::mnIn8, &W::mnIn9, &W::mnIn10,
          &W::mnIn11, &W::mnIn12, &W::mnIn13, &W::mnIn14, &W::mnIn15, &W::mnIn16, &W::mnIn17, &W::mnIn18, &W::mnIn19,
          &W::mnIn20, &W::mnIn21, &W::mnIn22, &W::mnIn23, &W::mnIn24},
         &W::mnInEtc, plain,
         [](const O& o) { return o.inclin; },
         [](O& o, double v) { o.inclin = v; },
         [](const O& o, double v) { return nearly(o.inclin, v); },
         true, false, false, true, OptionAnswer::Inclination, &W::mnInToRev, &W::mnInNonRev},
    };
}
}  // namespace

const std::vector<OptionMenu>& optionMenus() {
    static const std::vector<OptionMenu> table = buildTable();
    return table;
}

const OptionMenu& optionMenu(OptionGroup group) {
    for (const OptionMenu& m : optionMenus())
        if (m.group == group) return m;
    return optionMenus().front();
}

}  // namespace vantor
