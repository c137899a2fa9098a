#pragma once
// A Desktop for running the program's logic without a screen or a user:
// questions get the cautious answer ("No", "OK", "Cancel"), dialogs are
// cancelled, and messages and errors go to a text stream.
#include <ostream>

#include "platform/widgets/Desktop.h"

namespace vantor::cli {

class HeadlessDesktop : public Desktop {
public:
    // `colorDepth` 8 reports a 256-colour palette screen; anything else a
    // true-colour one of that depth (32 by default).
    explicit HeadlessDesktop(std::ostream& messages, int colorDepth = 32);

    MsgAnswer messageBox(const std::string& text, const std::string& caption, MsgIcon icon, MsgButtons buttons) override;
    std::string inputBox(const std::string& caption, const std::string& prompt, const std::string& initial) override;
    bool runFileDialog(FileDialog& dialog) override;
    bool runColorDialog(ColorDialog& dialog) override;
    int showModal(Form& form) override;
    void showHelp(const std::string& keyword) override;
    ScreenInfo screen() const override { return m_screen; }
    void reportError(const std::string& text) override;

    // Number of errors reported so far.
    int errorCount() const { return m_errors; }

private:
    std::ostream& m_out;
    ScreenInfo m_screen;
    int m_errors = 0;
};

}  // namespace vantor::cli
