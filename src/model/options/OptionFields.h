// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stored fields of the display options by name, in the order of the
// option file, as text: for scripts and the command line, which set a view
// without the window. Values are checked against what the window's menus and
// dialogs can set.
#include <optional>
#include <string>
#include <vector>

#include "model/options/DisplayOptions.h"

namespace vantor {

struct OptionField {
    const char* name;
    // What the field accepts, for messages: "1 ... 1000", "0.2 ... 1".
    const char* accepted;
};

// Every stored field, in record order.
const std::vector<OptionField>& optionFields();

// The field's value as text that reads back to the identical value.
std::string optionValueText(const DisplayOptions& options, const std::string& name);

// Sets one field from text ("zoom", "2.5"). On success the derived lightDist
// follows. Returns an error message (the options unchanged) when the name is
// unknown, the text is not a number of the field's kind or the value lies
// outside what the field accepts.
std::optional<std::string> setOptionValue(DisplayOptions& options, const std::string& name, const std::string& text);

// "name=value" split and set; the same errors, plus one for a missing "=".
std::optional<std::string> setOptionAssignment(DisplayOptions& options, const std::string& assignment);

}  // namespace vantor
