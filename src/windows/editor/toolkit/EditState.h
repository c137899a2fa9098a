// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The codes of the editor's tools and operations: one English name each, the
// name of the tool's class and file. The numbers are the state codes and
// never change.
#include <cstdint>

namespace vantor {

enum class EditState : std::uint8_t {
    Idle = 0,
    FreeCurve = 1,
    Line = 2,
    VerticalLine = 3,
    HorizontalLine = 4,
    Point = 5,
    Circle = 6,
    Ellipse = 7,
    Rectangle = 8,
    Move = 50,
    Copy = 55,
    Scale = 60,
    Rotate = 70,
    MoveAll = 80,
    Split = 90,
    Join = 91,
    Property = 95,
    Delete = 99,
    MoveVertex = 101,
};

}  // namespace vantor
