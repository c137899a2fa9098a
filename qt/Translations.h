#pragma once
// Qt's own texts (standard buttons, file and colour dialogs, input boxes) in
// the interface's language, from the distribution's Qt translations.
class QApplication;

namespace vantor::qt {

// Installs Qt's Japanese translations; false when the distribution's
// translation files are not installed (Qt then speaks English).
bool installQtTranslations(QApplication& app);

}  // namespace vantor::qt
