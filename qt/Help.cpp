#include "Help.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "Conversions.h"

namespace vantor::qt {

QString helpFolder(const QString& language) {
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QStringList candidates = {
        exeDir + "/../share/freevantor/help/" + language,
#ifdef VANTOR_SOURCE_DIR
        QStringLiteral(VANTOR_SOURCE_DIR) + "/docs/help/" + language,
#endif
    };
    for (const QString& c : candidates)
        if (QFileInfo::exists(c + "/index.html")) return QDir(c).canonicalPath();
    return {};
}

QUrl helpUrl(const QString& folder, const std::string& topic) {
    QUrl url = QUrl::fromLocalFile(folder + "/index.html");
    if (!topic.empty()) url.setFragment(q(topic));
    return url;
}

}  // namespace vantor::qt
