// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramIdentity.h"

#include <QApplication>

namespace vantor::qt {

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/freevantor.png").arg(size), QSize(size, size));
    return icon;
}

void setProgramIdentity() {
    // The window class and the Wayland application id both name the desktop
    // entry, so that desktops show the entry's icon and group the windows.
    QApplication::setApplicationName(QStringLiteral("freevantor"));
    QGuiApplication::setDesktopFileName(QStringLiteral("freevantor"));
    QApplication::setWindowIcon(programIcon());
}

}  // namespace vantor::qt
