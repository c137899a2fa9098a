// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two starting points of the display options: the factory values, and
// the standard option file a user keeps (or one installed with the program).
#include <string>

#include "model/options/DisplayOptions.h"

namespace vantor {

class Files;

// Every stored field to its factory value, the standard tint and background
// to none and black. The display mode is left alone.
void setFactoryOptions(DisplayOptions& options);

// Reads the standard option file over the options; its tint and background
// become the standard ones. False, and the options as they were, when there
// is no such file or it cannot be read as an option file.
bool readStandardOptions(const Files& files, const std::string& path, DisplayOptions& options);

}  // namespace vantor
