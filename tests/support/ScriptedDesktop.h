// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Desktop for tests: answers are queued in advance, every question is
// recorded with its exact text. An unexpected question fails the test.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/widgets/Desktop.h"
#include "platform/widgets/Form.h"

namespace vantor::test {

struct AskedMessage {
    std::string text;
    std::string caption;
    MsgIcon icon;
    MsgButtons buttons;
};

struct AskedInput {
    std::string caption;
    std::string prompt;
    std::string initial;
};

class ScriptedDesktop : public Desktop {
public:
    ScreenInfo screenInfo;

    // Queued answers, consumed in order.
    std::deque<MsgAnswer> messageAnswers;
    // Input boxes: the text typed; std::nullopt-like empty optional means Cancel.
    std::deque<std::pair<bool, std::string>> inputAnswers;  // {ok, text}
    // File dialogs: {ok, file name, filter index (0 keeps the dialog's)}.
    struct FileAnswer {
        bool ok = true;
        std::string fileName;
        int filterIndex = 0;
    };
    std::deque<FileAnswer> fileAnswers;
    std::deque<std::pair<bool, TColor>> colorAnswers;
    // Modal forms: a script acting on the form, returning its modal result.
    std::deque<std::function<int(Form&)>> modalScripts;

    // What was asked.
    std::vector<AskedMessage> messages;
    std::vector<AskedInput> inputs;
    std::vector<FileDialog> fileDialogs;
    std::vector<std::string> modalForms;
    std::vector<std::string> helpRequests;
    std::vector<std::string> openedFolders;
    std::vector<std::string> startLanguages;
    std::vector<std::string> errors;
    int processEventsCalls = 0;
    bool quitRequested = false;

    MsgAnswer messageBox(const std::string& text, const std::string& caption, MsgIcon icon, MsgButtons buttons) override;
    std::string inputBox(const std::string& caption, const std::string& prompt, const std::string& initial) override;
    bool runFileDialog(FileDialog& dialog) override;
    bool runColorDialog(ColorDialog& dialog) override;
    int showModal(Form& form) override;
    void showHelp(const std::string& keyword) override { helpRequests.push_back(keyword); }
    void openFolder(const std::string& path) override { openedFolders.push_back(path); }
    void setStartLanguage(const std::string& code) override { startLanguages.push_back(code); }
    ScreenInfo screen() const override { return screenInfo; }
    void reportError(const std::string& text) override { errors.push_back(text); }
    void processEvents() override { ++processEventsCalls; }
    void quit() override { quitRequested = true; }

    // Convenience for queueing.
    void answer(MsgAnswer a) { messageAnswers.push_back(a); }
    void type(std::string text) { inputAnswers.emplace_back(true, std::move(text)); }
    void cancelInput() { inputAnswers.emplace_back(false, ""); }
    void choose(std::string fileName, int filterIndex = 0) { fileAnswers.push_back({true, std::move(fileName), filterIndex}); }
    void cancelFile() { fileAnswers.push_back({false, "", 0}); }
    bool allAnswersUsed() const {
        return messageAnswers.empty() && inputAnswers.empty() && fileAnswers.empty() && colorAnswers.empty() &&
               modalScripts.empty();
    }
};

}  // namespace vantor::test
