// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own texts (standard buttons, file and colour dialogs, input boxes) in
// the interface's language, from the distribution's Qt translations.
#include "language/English.h"

class QApplication;

namespace vantor::qt {

// Makes Qt's own texts speak `language`, replacing what an earlier call
// installed: Japanese loads the distribution's Japanese translations,
// English is Qt's own. False when the Japanese files are not installed (Qt
// then speaks English).
bool installQtTranslations(QApplication& app, Language language = Language::Japanese);

}  // namespace vantor::qt
