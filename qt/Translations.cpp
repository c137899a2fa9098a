// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translations.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vantor::qt {

namespace {
const QString TranslatorName = QStringLiteral("vantorQtTranslations");
}

bool installQtTranslations(QApplication& app, Language language) {
    if (auto* previous = app.findChild<QTranslator*>(TranslatorName, Qt::FindDirectChildrenOnly)) {
        QApplication::removeTranslator(previous);
        delete previous;
    }
    if (language == Language::English) return true;
    auto* translator = new QTranslator(&app);
    translator->setObjectName(TranslatorName);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QStringLiteral("qtbase_ja"), folder)) {
        delete translator;
        return false;
    }
    QApplication::installTranslator(translator);
    return true;
}

}  // namespace vantor::qt
