// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Button pictures, drawn for this program at 16 x 16.
#include <QIcon>
#include <string>

namespace vantor::qt {

// A null icon for unknown names (the button then shows its caption).
QIcon glyphIcon(const std::string& name);

}  // namespace vantor::qt
