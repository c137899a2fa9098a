// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 116-byte display-option file: one little-endian record of the stored
// fields of DisplayOptions.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/options/DisplayOptions.h"

namespace vantor {

class Files;

constexpr int OptionFileSize = 116;

// Reads the first record of the file into the options and applies the value
// checks of a read (rotation steps, lightDist). A file shorter than one
// record throws IoError and changes nothing.
void readOptionFile(const Files& files, const std::string& path, DisplayOptions& options);
// Writes the record atomically.
void writeOptionFile(const Files& files, const std::string& path, const DisplayOptions& options);

std::vector<std::uint8_t> encodeOptions(const DisplayOptions& options);
// The reading step on bytes already in memory: bytes past the first record
// are ignored; fewer than a record throw IoError naming `fileName` and leave
// the options untouched.
void decodeOptions(const std::uint8_t* data, std::size_t size, DisplayOptions& options, const std::string& fileName = "");

// The still display's rotation steps; any other stored value reads as 3.
bool isUnitAngleChoice(std::int32_t degrees);
// The simulation's rotation steps; any other stored value reads as 2.
bool isSimuUnitAngleChoice(std::int32_t degrees);

}  // namespace vantor
