// SPDX-License-Identifier: GPL-3.0-or-later
#include "Placement.h"

#include <algorithm>

namespace vantor::qt {

namespace {
// The start of a span of `length` moved into [low, low + room), the start
// winning where the span is longer than the room.
int keptInside(int start, int length, int low, int room) {
    return std::max(low, std::min(start, low + room - length));
}
}  // namespace

QPoint framePositionOnScreen(const QRect& frame, const QRect& available) {
    return {keptInside(frame.x(), frame.width(), available.x(), available.width()),
            keptInside(frame.y(), frame.height(), available.y(), available.height())};
}

}  // namespace vantor::qt
