// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Desktop port on Qt: message boxes, input boxes, file and colour
// dialogs, modal forms, the screen's colour depth. The program's texts in
// them are shown in the interface's language.
#include <QUrl>
#include <functional>
#include <map>

#include "language/English.h"
#include "platform/widgets/Desktop.h"

namespace vantor::qt {

class FormHost;

class QtDesktop : public vantor::Desktop {
public:
    // colorDepthOverride > 0 makes the screen report that depth (8 emulates
    // a 256-colour screen).
    explicit QtDesktop(int colorDepthOverride = 0, vantor::Language language = vantor::Language::Japanese)
        : m_colorDepth(colorDepthOverride), m_language(language) {}

    void registerHost(vantor::Form& form, FormHost* host) { m_hosts[&form] = host; }

    MsgAnswer messageBox(const std::string& text, const std::string& caption, MsgIcon icon, MsgButtons buttons) override;
    std::string inputBox(const std::string& caption, const std::string& prompt, const std::string& initial) override;
    bool runFileDialog(FileDialog& dialog) override;
    bool runColorDialog(ColorDialog& dialog) override;
    int showModal(vantor::Form& form) override;
    void showHelp(const std::string& keyword) override;
    void openFolder(const std::string& path) override;
    void setStartLanguage(const std::string& code) override;
    // Where the host keeps its settings (the language of the next start).
    void setSettingsFile(const QString& path) { m_settingsFile = path; }
    // The folder the next open dialog starts in, once, whatever the program
    // asks (the examples, on the first start).
    void setFirstOpenFolder(const QString& folder) { m_firstOpenFolder = folder; }
    ScreenInfo screen() const override;
    void reportError(const std::string& text) override;
    void processEvents() override;
    void setBusyCursor(bool busy) override;
    void quit() override;

    // The last help page asked for; tests replace the browser with a recorder.
    QUrl lastHelpUrl;
    void setHelpOpener(std::function<void(const QUrl&)> open) { m_openHelp = std::move(open); }

private:
    // A text of the program as this interface shows it, lines split at "\r".
    QString shown(const std::string& text) const;

    std::function<void(const QUrl&)> m_openHelp;
    int m_colorDepth;
    vantor::Language m_language;
    QString m_firstOpenFolder;
    QString m_settingsFile;
    std::map<vantor::Form*, FormHost*> m_hosts;
};

}  // namespace vantor::qt
