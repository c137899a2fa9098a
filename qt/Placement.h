// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a window goes on the screen: inside the area that panels and docks
// leave free, title bar included.
#include <QPoint>
#include <QRect>

namespace vantor::qt {

// The top left corner of `frame` (the window with its title bar and border)
// moved as little as it takes to lie inside `available`. A frame larger
// than the area keeps its top left corner, and so its title bar, inside.
QPoint framePositionOnScreen(const QRect& frame, const QRect& available);

}  // namespace vantor::qt
