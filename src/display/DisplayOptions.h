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

struct DisplayOptions {
    std::int32_t centerX = 300;
    std::int32_t centerY = 200;
    std::int32_t unitAngle = 3;
    std::uint8_t defaultMethod = 2;  // 1 wireframe, 2 surface, 3 surface with mesh
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

    // Derived, never stored.
    double baseRadius = std::sqrt(104400.0);
    double lightDist = std::sqrt(104400.0) * 2.4;

    // Run-time values beside the record.
    double standardTintR = 1.0;
    double standardTintG = 1.0;
    double standardTintB = 1.0;
    std::uint8_t standardBackR = 0;
    std::uint8_t standardBackG = 0;
    std::uint8_t standardBackB = 0;
    DisplayMode displayMode = DisplayMode::None;

    // Every stored field and the derived values to their factory values.
    // The standard tint, background and displayMode are left alone.
    void setFactoryValues();
    void updateLightDist() { lightDist = baseRadius * lightDistRate; }

    // The standard tint and background back to 1.0 each (no tint) and black.
    void setFactoryStandardColours() {
        standardTintR = standardTintG = standardTintB = 1.0;
        standardBackR = standardBackG = standardBackB = 0;
    }
    // The current tint and background become the standard ones (after a
    // standard option file has been read).
    void takeColoursAsStandard() {
        standardTintR = tintR;
        standardTintG = tintG;
        standardTintB = tintB;
        standardBackR = backR;
        standardBackG = backG;
        standardBackB = backB;
    }
    // The current tint and background take the standard ones.
    void applyStandardColours() {
        tintR = standardTintR;
        tintG = standardTintG;
        tintB = standardTintB;
        backR = standardBackR;
        backG = standardBackG;
        backB = standardBackB;
    }
};

inline void DisplayOptions::setFactoryValues() {
    centerX = 300;
    centerY = 200;
    unitAngle = 3;
    defaultMethod = 2;
    bright = 1000;
    lightDistRate = 2.4;
    tintR = tintG = tintB = 1.0;
    viewDist = 1.2;
    viewHeight = 15;
    zoom = 1.5;
    inclin = 0;
    backR = backG = backB = 0;
    lightDirH = 225;
    lightDirV = 45;
    simuUnitAngle = 6;
    simuInterval = 5;
    baseRadius = std::sqrt(104400.0);
    updateLightDist();
}

}  // namespace vantor
