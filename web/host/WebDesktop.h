#pragma once
// The desktop port in a page. Each question is put to the page, which shows
// its own dialog and answers later; the program waits for the answer
// (Asyncify keeps its stack meanwhile). A question asked while another is
// still open (a handler run from within a modal window that itself asks) is
// answered at once as if cancelled, since the one wasm stack cannot wait
// twice.
#include <string>

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

private:
    std::string shown(const std::string& text) const { return shownText(text, m_language); }
    Language m_language;
    int m_colorDepth;
    bool m_waiting = false;
};

}  // namespace vantor::web
