// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/control/ControlWindow.h"
#include "windows/shared/Workspace.h"

namespace vantor {

// The language menu stands last in the menu bar, after Help: it chooses the
// interface's language for the next start, which the host keeps. The mark
// shows the language the program starts in next.
void ControlWindow::buildLanguageMenu() {
    mainMenu.add(mnLanguage);
    mnLanguage.add(mnJapanese);
    mnLanguage.add(mnEnglish);
    mnJapanese.setRadio(1);
    mnEnglish.setRadio(1);
    const bool english = m_workspace.config.language == Language::English;
    mnJapanese.setChecked(!english);
    mnEnglish.setChecked(english);
    mnJapanese.onClick = [this] { chooseStartLanguage(mnJapanese, "ja"); };
    mnEnglish.onClick = [this] { chooseStartLanguage(mnEnglish, "en"); };
}

void ControlWindow::chooseStartLanguage(MenuItem& item, const char* code) {
    mnJapanese.setChecked(&item == &mnJapanese);
    mnEnglish.setChecked(&item == &mnEnglish);
    m_workspace.desktop.setStartLanguage(code);
    m_workspace.desktop.messageBox("次に起動したときから、この言語で表示します。", "", MsgIcon::Information, MsgButtons::Ok);
}

}  // namespace vantor
