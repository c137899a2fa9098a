// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace vantor::qt {

QString gothicFamily() {
    static const QString family = [] {
        const QStringList families = QFontDatabase::families();
        for (const char* name : {"IPAPGothic", "IPAexGothic", "Noto Sans CJK JP", "IPAGothic", "VL PGothic", "Takao PGothic"})
            if (families.contains(QString::fromUtf8(name))) return QString::fromUtf8(name);
        return QString();
    }();
    return family;
}

QFont toQFont(const vantor::Font& font) {
    QFont f;
    QString family = gothicFamily();
    if (!family.isEmpty()) f.setFamily(family);
    if (font.pixelHeight > 0) f.setPixelSize(font.pixelHeight);
    else f.setPointSize(font.pointSize);
    f.setBold(font.bold);
    return f;
}

}  // namespace vantor::qt
