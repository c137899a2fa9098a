// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScriptedDesktop.h"

#include <gtest/gtest.h>

namespace vantor::test {

MsgAnswer ScriptedDesktop::messageBox(const std::string& text, const std::string& caption, MsgIcon icon, MsgButtons buttons) {
    messages.push_back({text, caption, icon, buttons});
    if (messageAnswers.empty()) {
        if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
        ADD_FAILURE() << "unexpected question: " << text;
        return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
    }
    MsgAnswer a = messageAnswers.front();
    messageAnswers.pop_front();
    return a;
}

std::string ScriptedDesktop::inputBox(const std::string& caption, const std::string& prompt, const std::string& initial) {
    inputs.push_back({caption, prompt, initial});
    if (inputAnswers.empty()) {
        ADD_FAILURE() << "unexpected input box: " << prompt;
        return initial;
    }
    auto a = inputAnswers.front();
    inputAnswers.pop_front();
    return a.first ? a.second : initial;
}

bool ScriptedDesktop::runFileDialog(FileDialog& dialog) {
    fileDialogs.push_back(dialog);
    if (fileAnswers.empty()) {
        ADD_FAILURE() << "unexpected file dialog";
        return false;
    }
    FileAnswer a = fileAnswers.front();
    fileAnswers.pop_front();
    if (!a.ok) return false;
    if (a.filterIndex != 0 && a.filterIndex != dialog.filterIndex) {
        dialog.filterIndex = a.filterIndex;
        if (dialog.onTypeChange) dialog.onTypeChange();
    }
    std::string name = a.fileName;
    if (!name.empty() && name.front() != '/' && !dialog.initialDir.empty()) name = dialog.initialDir + "/" + name;
    dialog.fileName = dialog.withDefaultExt(name);
    return true;
}

bool ScriptedDesktop::runColorDialog(ColorDialog& dialog) {
    if (colorAnswers.empty()) {
        ADD_FAILURE() << "unexpected colour dialog";
        return false;
    }
    auto a = colorAnswers.front();
    colorAnswers.pop_front();
    if (a.first) dialog.color = a.second;
    return a.first;
}

int ScriptedDesktop::showModal(Form& form) {
    modalForms.push_back(form.name());
    form.modalResult = mrNone;
    form.show();
    int result = mrCancel;
    if (!modalScripts.empty()) {
        auto script = modalScripts.front();
        modalScripts.pop_front();
        result = script(form);
    } else if (form.name() != "AboutBox") {
        ADD_FAILURE() << "unexpected modal form " << form.name();
    } else {
        result = mrOk;
    }
    form.hide();
    return result;
}

}  // namespace vantor::test
