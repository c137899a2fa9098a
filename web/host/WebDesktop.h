// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop port in a page. Each question is put to the page, which shows
// its own dialog and answers later; the program waits for the answer
// (Asyncify keeps its stack meanwhile). The one wasm stack cannot wait
// twice, so a question asked while another is open (a handler of a modal
// window that itself asks, such as the figure properties' colour dialog) is
// answered at once as cancelled and left for the page: the page asks the
// user, prepares the answer and runs the same event again, which then gets
// the prepared answer at once.
#include <optional>
#include <string>
#include <utility>

#include "language/English.h"
#include "platform/widgets/Desktop.h"

namespace vantor::web {

class WebDesktop : public Desktop {
public:
    WebDesktop(Language language, int colorDepth) : m_language(language), m_colorDepth(colorDepth) {}

    MsgAnswer messageBox(const std::string& text, const std::string& caption, MsgIcon icon, MsgButtons buttons) override;
    std::string inputBox(const std::string& caption, const std::string& prompt, const std::string& initial) override;
    bool runFileDialog(FileDialog& dialog) override;
    bool runColorDialog(ColorDialog& dialog) override;
    int showModal(Form& form) override;
    void showHelp(const std::string& keyword) override;
    ScreenInfo screen() const override;
    void reportError(const std::string& text) override;
    void quit() override;

    // True while a question waits for the page's answer.
    bool waiting() const { return m_waiting; }
    // The question (as JSON) that was answered as cancelled because another
    // was open; empty when there is none. Taking it clears it.
    std::string takeLeftQuestion() { return std::exchange(m_leftQuestion, {}); }
    // The answer the same question gets when it is asked next.
    void prepareAnswer(std::string question, std::string answer) {
        m_prepared = std::make_pair(std::move(question), std::move(answer));
    }

private:
    // The files the program saved go to the user before it asks anything,
    // so that a message of success never comes before a failed write: that
    // failure throws IoError, which ends the command as a failed save does.
    void deliverSavedFiles();
    std::string shown(const std::string& text) const { return shownText(text, m_language); }
    // While another question is open: the prepared answer of `question` if
    // there is one; otherwise nothing, and the question is left for the page.
    std::optional<std::string> answerWhileWaiting(const std::string& question);
    Language m_language;
    int m_colorDepth;
    bool m_waiting = false;
    std::string m_leftQuestion;
    std::optional<std::pair<std::string, std::string>> m_prepared;
};

}  // namespace vantor::web
