// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The port for everything modal or system-wide. QtDesktop implements it for
// the real program; the tests' scripted desktop queues answers and records
// every question.
#include <functional>
#include <string>

#include "platform/widgets/Dialogs.h"

namespace vantor {

class Form;

enum class MsgIcon { None, Information, Warning, Error, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct ScreenInfo {
    int width = 1024;
    int height = 768;
    int bitsPerPixel = 32;
    int planes = 1;
};

class Desktop {
public:
    virtual ~Desktop() = default;
    // Texts keep their "\r" line breaks; the host shows them as new lines.
    virtual MsgAnswer messageBox(const std::string& text, const std::string& caption, MsgIcon icon, MsgButtons buttons) = 0;
    // Cancel returns the initial text.
    virtual std::string inputBox(const std::string& caption, const std::string& prompt, const std::string& initial) = 0;
    // True on OK; the dialog's fileName and filterIndex then hold the choice.
    virtual bool runFileDialog(FileDialog& dialog) = 0;
    virtual bool runColorDialog(ColorDialog& dialog) = 0;
    // Shows the form modally and returns its modal result.
    virtual int showModal(Form& form) = 0;
    virtual void showHelp(const std::string& keyword) = 0;

    // The same questions for a host that answers later (a page in a browser
    // cannot block while the user thinks): THEN receives the answer, at once
    // or after the call has returned. A host that can block keeps these
    // defaults, which ask the question above and answer at once. A caller
    // that asks this way must not rely on the answer before THEN runs.
    virtual void askMessage(const std::string& text, const std::string& caption, MsgIcon icon, MsgButtons buttons,
                            std::function<void(MsgAnswer)> then) {
        then(messageBox(text, caption, icon, buttons));
    }
    virtual void askInput(const std::string& caption, const std::string& prompt, const std::string& initial,
                          std::function<void(const std::string&)> then) {
        then(inputBox(caption, prompt, initial));
    }
    // DIALOG must outlive the answer; it holds the choice when THEN runs.
    virtual void askFile(FileDialog& dialog, std::function<void(bool)> then) { then(runFileDialog(dialog)); }
    virtual void askColor(ColorDialog& dialog, std::function<void(bool)> then) { then(runColorDialog(dialog)); }
    virtual void askModal(Form& form, std::function<void(int)> then) { then(showModal(form)); }
    // Shows a folder in the desktop's file manager.
    virtual void openFolder(const std::string& /*path*/) {}
    // The interface's language ("ja", "en") from the next start on, kept in
    // the host's settings.
    virtual void setStartLanguage(const std::string& /*code*/) {}
    virtual ScreenInfo screen() const = 0;
    // The application's default error box.
    virtual void reportError(const std::string& text) = 0;
    // Lets the host repaint during a long pass (the progress bar moves).
    virtual void processEvents() {}
    virtual void setBusyCursor(bool /*busy*/) {}
    // Ends the application (the main window closed).
    virtual void quit() {}
};

}  // namespace vantor
