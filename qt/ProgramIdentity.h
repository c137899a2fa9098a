// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the program names itself to the desktop: the application name that
// becomes the window class, the desktop entry it belongs to, and the icon
// every window shows.
#include <QIcon>

namespace vantor::qt {

// The icon in every size it is drawn in, built into the program so that a
// window shows it wherever the program runs from.
QIcon programIcon();
// Sets the window class "freevantor", the Wayland application id of
// freevantor.desktop and the windows' icon. Call after the QApplication is
// made.
void setProgramIdentity();

}  // namespace vantor::qt
