// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scenario files (.snr) and the names of their frames. A scenario is a text
// of CR LF lines, one frame name per line in playing order; a frame F is the
// picture F.bmp and the display options F.vop beside the scenario file.
// Frame names come from files anyone can write, so a name is used only when
// it names a file of the scenario's own folder (see isSafeFrameName).
#include <cstdint>
#include <string>
#include <vector>

#include "platform/pixels/Bitmap.h"

namespace vantor {

class Files;

// The single line of a scenario created empty.
inline constexpr const char* EmptyScenarioLine = "-- empty --";
// Frame numbers run 001 ... 999.
inline constexpr int MaxFrameNumber = 999;
// Scenario files above this size are refused before reading: a list of that
// size holds about 100 000 frame names.
inline constexpr std::size_t MaxScenarioBytes = 1u << 20;
// Longer names cannot be file names with ".bmp" appended.
inline constexpr std::size_t MaxFrameNameBytes = 250;

struct ScenarioText {
    // Usable frame names in playing order.
    std::vector<std::string> frames;
    // Lines that cannot be frame names of this folder (folders, "..",
    // control characters, empty or overlong): left out of `frames`.
    std::vector<std::string> rejected;
};

// A frame name that stays inside the scenario's folder: not empty, at most
// MaxFrameNameBytes, no "/" or "\\" and no control character (a NUL would
// cut the path short).
bool isSafeFrameName(const std::string& name);

// The lines of a scenario; a first line "-- empty --" means no frames.
ScenarioText parseScenario(const std::vector<std::uint8_t>& bytes);
// Reads and parses a scenario file; IoError when it cannot be read or is
// larger than MaxScenarioBytes.
ScenarioText readScenarioFile(const Files& files, const std::string& path);
// Lines joined with CR LF after each; no lines give "-- empty --".
std::vector<std::uint8_t> encodeScenario(const std::vector<std::string>& frames);

// The last three characters of a frame name as a number when they are all
// digits, else -1.
int SeparateSceneNumber(const std::string& name);
// Scenario name followed by the number in three digits.
std::string frameNameFor(const std::string& scenarioName, int number);

// folder + "/" + name + extension, for a name that isSafeFrameName accepts;
// IoError for any other name, so that no path outside the folder is formed.
std::string framePath(const std::string& folder, const std::string& name, const char* extension);
// The frame's picture (name + ".bmp" in the folder); IoError when it is
// missing or not a readable BMP.
Bitmap loadFramePicture(const Files& files, const std::string& folder, const std::string& name);

}  // namespace vantor
