// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Maps the fonts the windows name to fonts installed here: the Japanese UI
// font becomes an installed proportional Gothic.
#include <QFont>

#include "platform/widgets/Control.h"

namespace vantor::qt {

QString gothicFamily();
QFont toQFont(const vantor::Font& font);

}  // namespace vantor::qt
