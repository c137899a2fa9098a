// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "render/shading/DisplayPalette.h"
#include "render/shading/Shading.h"

using namespace vantor;

namespace {
DisplayOptions factory() {
    DisplayOptions o;
    o.setFactoryValues();
    return o;
}
}  // namespace

TEST(Shading, FactoryBrightnessValues) {
    Brights b;
    b.SetBrights(factory(), ColourPath::Palette);
    EXPECT_NEAR(b.peakBright, 1000 / 1.96, 1e-3);
    EXPECT_NEAR(b.brightStep, 2.551, 1e-3);

    Brights trueColour;
    trueColour.SetBrights(factory(), ColourPath::TrueColour);
    EXPECT_NEAR(trueColour.peakBright, b.peakBright, 1e-12);
    EXPECT_EQ(trueColour.brightStep, 0) << "the step belongs to the palette path";
}

TEST(Shading, IntensityOfTheOriginUnderTheFactoryLight) {
    const DisplayOptions o = factory();
    const double d = o.baseRadius * 2.4;
    // Any point at the light distance from the origin will do.
    const f32 i = intensityAt(Vec3{0, 0, 0}, Vec3{0, d, 0}, o.bright, o.baseRadius);
    EXPECT_NEAR(i, 173.611, 1e-3);
    EXPECT_EQ(fullColor(i, {1, 1, 1}), rgb(174, 174, 174));
    Brights b;
    b.SetBrights(o, ColourPath::Palette);
    EXPECT_EQ(rampEntry(i, b.brightStep), 68);
    DisplayPalette p;
    p.buildStillRamp(b.brightStep, o);
    EXPECT_EQ(p.entry(68), (PaletteEntry{173, 173, 173, true}));
}

TEST(Shading, ColoursOfIntensities) {
    Brights b;
    b.SetBrights(factory(), ColourPath::Palette);
    struct Case {
        f32 intensity;
        double r, g, bl;
        TColor colour;
        int entry;
    };
    for (const Case& c : {Case{255, 1, 1, 1, rgb(255, 255, 255), 99}, Case{0, 1, 1, 1, rgb(0, 0, 0), 0},
                          Case{300, 1, 0.5, 0.2, rgb(255, 150, 60), 117}, Case{100.5f, 1, 1, 1, rgb(100, 100, 100), 39},
                          Case{101.5f, 1, 1, 1, rgb(102, 102, 102), 39}, Case{-20, 1, 1, 1, rgb(0, 0, 0), 0},
                          Case{5000, 1, 1, 1, rgb(255, 255, 255), 200}}) {
        EXPECT_EQ(fullColor(c.intensity, {c.r, c.g, c.bl}), c.colour) << c.intensity;
        EXPECT_EQ(rampEntry(c.intensity, b.brightStep), c.entry) << c.intensity;
    }
    EXPECT_EQ(rampEntry(std::numeric_limits<f32>::quiet_NaN(), b.brightStep), 0);
    // A zero step (brightness 0 from a file): any light is beyond the ramp.
    EXPECT_EQ(rampEntry(50, 0), 200);
    EXPECT_EQ(rampEntry(0, 0), 0);
}

TEST(Shading, LitAndMeshIntensities) {
    struct Case {
        f32 intensity;
        double k;
        f32 lit;
    };
    for (const Case& c : {Case{173.5f, 1, 173.5f}, Case{173.5f, 0, 98.5f}, Case{100, -1, 0}, Case{60, -0.5, 0},
                          Case{150, -1, 0}, Case{200, -1, 50}}) {
        EXPECT_FLOAT_EQ(litIntensity(c.intensity, c.k), c.lit) << c.intensity << " " << c.k;
    }
    EXPECT_EQ(litIntensity(std::numeric_limits<f32>::quiet_NaN(), 1), 0);
    EXPECT_FLOAT_EQ(meshIntensity(60), 50);
    EXPECT_FLOAT_EQ(meshIntensity(120), 70);
    EXPECT_FLOAT_EQ(meshIntensity(0), 50);
}

TEST(DisplayPalette, BrightnessRampInTheWindowTint) {
    DisplayOptions o = factory();
    o.tintR = 1.0;
    o.tintG = 0.5;
    o.tintB = 0.2;
    o.backR = 10;
    o.backG = 20;
    o.backB = 30;
    Brights b;
    b.SetBrights(o, ColourPath::Palette);
    DisplayPalette p;
    p.buildStillRamp(b.brightStep, o);
    EXPECT_EQ(p.entry(0), (PaletteEntry{0, 0, 0, true}));
    EXPECT_EQ(p.entry(100), (PaletteEntry{255, 128, 51, true}));  // 255.1 clamped; 127.55 -> 128; 51.02
    EXPECT_EQ(p.entry(200), (PaletteEntry{255, 255, 102, true}));
    EXPECT_EQ(p.entry(201), (PaletteEntry{10, 20, 30, true}));

    auto palette = p.makePalette();
    ASSERT_EQ(palette->size(), 202);
    for (const PaletteEntry& e : palette->entries()) EXPECT_TRUE(e.reserved);
}

TEST(DisplayPalette, AngleRampKeepsTheUpperBrightnessEntries) {
    DisplayOptions o = factory();
    Brights b;
    b.SetBrights(o, ColourPath::Palette);
    DisplayPalette p;
    p.buildStillRamp(b.brightStep, o);
    const PaletteEntry upper = p.entry(190);
    o.tintG = 0.5;
    p.buildAngleRamp(o);
    EXPECT_EQ(p.entry(0), (PaletteEntry{110, 55, 110, true}));
    EXPECT_EQ(p.entry(90), (PaletteEntry{200, 100, 200, true}));
    EXPECT_EQ(p.entry(91), p.entry(89));
    EXPECT_EQ(p.entry(179).r, 111);
    EXPECT_EQ(p.entry(190), upper);
}

TEST(DisplayPalette, BrightnessFromAHandWrittenFileStaysWithinBytes) {
    DisplayOptions o = factory();
    o.bright = -500;
    Brights b;
    b.SetBrights(o, ColourPath::Palette);
    DisplayPalette p;
    p.buildStillRamp(b.brightStep, o);
    EXPECT_EQ(p.entry(150), (PaletteEntry{0, 0, 0, true}));
    o.bright = 1000;
    o.lightDistRate = 1;  // light on the sphere: an infinite peak
    b.SetBrights(o, ColourPath::Palette);
    p.buildStillRamp(b.brightStep, o);
    EXPECT_EQ(p.entry(0).r, 0);
    EXPECT_EQ(p.entry(1).r, 255);
    EXPECT_EQ(rampEntry(400, b.brightStep), 0);
}

TEST(DisplayPalette, AttachingGivesTheBitmapANewPalette) {
    DisplayOptions o = factory();
    Brights b;
    b.SetBrights(o, ColourPath::Palette);
    DisplayPalette p;
    p.buildStillRamp(b.brightStep, o);
    Bitmap bitmap(4, 4, PixelFormat::Indexed8);
    p.attachStill(bitmap);
    auto first = bitmap.palette();
    ASSERT_TRUE(first);
    EXPECT_EQ(bitmap.colorTableEntry(68), (PaletteEntry{173, 173, 173, true}));
    o.bright = 2000;
    b.SetBrights(o, ColourPath::Palette);
    p.buildStillRamp(b.brightStep, o);
    p.attachStill(bitmap);
    EXPECT_NE(bitmap.palette(), first);
    EXPECT_EQ(bitmap.colorTableEntry(34).r, 173);
}
