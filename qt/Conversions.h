// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Conversions between the program's values and Qt's: UTF-8 texts, colours,
// mouse buttons, modifier states and key codes.
#include <QColor>
#include <QString>
#include <Qt>
#include <string>

#include "platform/pixels/Color.h"
#include "platform/widgets/Control.h"

namespace vantor::qt {

// The program's texts are UTF-8.
inline QString q(const std::string& s) { return QString::fromStdString(s); }

// A text with "\r" as line separator, as Qt shows several lines.
inline QString qText(const std::string& s) { return q(s).replace(QLatin1Char('\r'), QLatin1Char('\n')); }

inline QColor qColor(TColor c) { return QColor(colorR(c), colorG(c), colorB(c)); }

// Buttons other than right and middle act as the left one.
MouseButton toButton(Qt::MouseButton button);

// Shift, Ctrl and Alt as the program's shift flags.
unsigned toShift(Qt::KeyboardModifiers modifiers);
// The same, with the mouse buttons held down.
unsigned toShift(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

// The platform virtual-key code of a Qt key; 0 for keys without one.
int virtualKeyOf(int qtKey);

}  // namespace vantor::qt
