// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The display settings: one record, stored field by field in option files in
// the order below. Beside it the values derived from it and the run-time
// values that several parts of the display share.
#include <cmath>
#include <cstdint>

namespace vantor {

// What the display window shows; decides what an option change redraws.
enum class DisplayMode : std::uint8_t {
    None = 0,        // before the first still display
    Still = 1,       // the lit still picture
    Simulation = 2,  // the rotation simulation's picture
};

// How a figure's surface is drawn. Records keep the code as a byte, which
// may hold any value a file gave it; a value outside these draws as a
// surface and carries no menu mark.
enum class DrawMethod : std::uint8_t {
    Wire = 1,     // wireframe
    Surface = 2,  // lit surface
    Mesh = 3,     // lit surface with its mesh drawn over it
};
constexpr std::uint8_t methodCode(DrawMethod m) { return static_cast<std::uint8_t>(m); }

// A tint: one factor per channel, 0.2 ... 1; all three 1 leave the light white.
struct Tint {
    double r = 1.0, g = 1.0, b = 1.0;
    friend bool operator==(const Tint&, const Tint&) = default;
};

// A colour of one byte per channel.
struct ByteColour {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const ByteColour&, const ByteColour&) = default;
};

// The stored record with its factory values.
struct OptionRecord {
    std::int32_t centerX = 300;
    std::int32_t centerY = 200;
    std::int32_t unitAngle = 3;
    std::uint8_t defaultMethod = methodCode(DrawMethod::Surface);
    double bright = 1000;            // menu value * 1000
    double lightDistRate = 2.4;      // menu value + 1
    double tintR = 1.0;
    double tintG = 1.0;
    double tintB = 1.0;
    double viewDist = 1.2;
    double viewHeight = 15;  // degrees of elevation
    double zoom = 1.5;
    double inclin = 0;  // degrees, counter-clockwise
    std::uint8_t backR = 0;
    std::uint8_t backG = 0;
    std::uint8_t backB = 0;
    double lightDirH = 225;  // degrees; 270 points towards the viewer
    double lightDirV = 45;
    std::int32_t simuUnitAngle = 6;
    std::int32_t simuInterval = 5;  // milliseconds

    Tint tint() const { return {tintR, tintG, tintB}; }
    void setTint(const Tint& t) {
        tintR = t.r;
        tintG = t.g;
        tintB = t.b;
    }
    ByteColour back() const { return {backR, backG, backB}; }
    void setBack(const ByteColour& c) {
        backR = c.r;
        backG = c.g;
        backB = c.b;
    }
};

// The display window's picture in pixels: the centre and zoom of the
// options are measured on it, and saved frames have its size.
constexpr int DisplayPictureWidth = 600;
constexpr int DisplayPictureHeight = 400;

struct DisplayOptions : OptionRecord {
    // Derived, never stored.
    static inline const double FactoryBaseRadius = std::sqrt(104400.0);
    double baseRadius = FactoryBaseRadius;
    double lightDist = baseRadius * lightDistRate;

    // Run-time values beside the record.
    Tint standardTint;
    ByteColour standardBack;
    DisplayMode displayMode = DisplayMode::None;

    // Every stored field and the derived values to their factory values.
    // The standard tint, background and displayMode are left alone.
    void setFactoryValues() {
        static_cast<OptionRecord&>(*this) = OptionRecord{};
        baseRadius = FactoryBaseRadius;
        updateLightDist();
    }
    void updateLightDist() { lightDist = baseRadius * lightDistRate; }

    // The standard tint and background back to no tint and black.
    void setFactoryStandardColours() {
        standardTint = Tint{};
        standardBack = ByteColour{};
    }
    // The current tint and background become the standard ones (after a
    // standard option file has been read).
    void takeColoursAsStandard() {
        standardTint = tint();
        standardBack = back();
    }
    // The current tint and background take the standard ones.
    void applyStandardColours() {
        setTint(standardTint);
        setBack(standardBack);
    }
};

}  // namespace vantor
