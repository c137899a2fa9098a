// SPDX-License-Identifier: GPL-3.0-or-later
#include "Help.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "Conversions.h"

namespace vantor::qt {

QString helpFolder(const QString& language) {
    const QString exeDir = QCoreApplication::applicationDirPath();
    QStringList candidates = {exeDir + "/../share/freevantor/help/" + language};
    // A program run from its build folder has no installed manual: run.sh
    // and the tests name the source tree's.
    const QString fromEnvironment = qEnvironmentVariable("VANTOR_HELP_DIR");
    if (!fromEnvironment.isEmpty()) candidates << fromEnvironment + "/" + language;
    for (const QString& c : candidates)
        if (QFileInfo::exists(c + "/index.html")) return QDir(c).canonicalPath();
    return {};
}

QString examplesFolder() {
    QStringList candidates = {QCoreApplication::applicationDirPath() + "/../share/freevantor/examples"};
    const QString fromEnvironment = qEnvironmentVariable("VANTOR_EXAMPLES_DIR");
    if (!fromEnvironment.isEmpty()) candidates << fromEnvironment;
    for (const QString& c : candidates)
        if (QFileInfo::exists(c + "/vase.va4")) return QDir(c).canonicalPath();
    return {};
}

QUrl helpUrl(const QString& folder, const std::string& topic) {
    // A topic's own page leads to its section: openers such as xdg-open drop
    // the #section of a file link.
    const QString page = folder + "/topics/" + q(topic) + ".html";
    if (!topic.empty() && QFileInfo::exists(page)) return QUrl::fromLocalFile(page);
    QUrl url = QUrl::fromLocalFile(folder + "/index.html");
    if (!topic.empty()) url.setFragment(q(topic));
    return url;
}

}  // namespace vantor::qt
