// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user manual: HTML pages installed with the program (or, when it runs
// from its build folder, those of the folder VANTOR_HELP_DIR names), opened
// in the desktop's browser at the section of a help topic.
#include <QString>
#include <QUrl>
#include <string>

namespace vantor::qt {

// The manual's folder of the given language ("ja", "en"); empty when none
// is found.
QString helpFolder(const QString& language);
// The example data sets installed with the program (or those of the folder
// VANTOR_EXAMPLES_DIR names); empty when none are found.
QString examplesFolder();
// The page of a topic (topics/TOPIC.html, which leads to its section of
// index.html; index.html#TOPIC where there is none); an empty topic is the
// start page.
QUrl helpUrl(const QString& folder, const std::string& topic);

}  // namespace vantor::qt
