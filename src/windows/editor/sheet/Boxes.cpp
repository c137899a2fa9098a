// SPDX-License-Identifier: GPL-3.0-or-later
// The boxes and the dialog the tools ask through the editor.
#include <optional>
#include <string>

#include "platform/numbers/SharedRoutines.h"
#include "platform/numbers/TextNumbers.h"
#include "windows/editor/EditorWindow.h"
#include "windows/editor/FigurePropertiesDialog.h"
#include "windows/shared/Workspace.h"

namespace vantor {

bool EditorWindow::askDecimal(const std::string& caption, const std::string& prompt, const std::string& initial,
                         long double& value) {
    const std::string answer = removeSpaces(m_workspace.desktop.inputBox(caption, prompt, initial));
    if (!isSignedDecimal(answer)) return false;
    const std::optional<long double> parsed = parseDecimal(answer, Exponent::Refused);
    if (!parsed) return false;
    value = *parsed;
    return true;
}

bool EditorWindow::confirm(const std::string& question) {
    return m_workspace.desktop.messageBox(question, Workspace::ApplicationTitle, MsgIcon::Warning, MsgButtons::YesNo) ==
           MsgAnswer::Yes;
}

void EditorWindow::tell(const std::string& text, MsgIcon icon) {
    m_workspace.desktop.messageBox(text, Workspace::ApplicationTitle, icon, MsgButtons::Ok);
}

// The dialog edits propRecord; whatever it leaves there becomes the figure's.
void EditorWindow::askFigureAttributes() {
    propRecord = m_workRecord;
    FigurePropertiesDialog& dialog = *m_figureProperties;
    dialog.imgFill();
    dialog.setMethodLabel();
    m_workspace.desktop.showModal(dialog);
    dialog.hide();
    m_workRecord = propRecord;
}

}  // namespace vantor
