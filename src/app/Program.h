// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The owner of everything a running program has: the workspace (figure
// store, display options, file-system view) and the windows. It answers
// the windows' requests of each other, so a window knows only the interface
// of its own requests. Nothing is global, so every test builds a fresh
// Program over a scripted desktop.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "windows/shared/Peers.h"
#include "windows/shared/Workspace.h"

namespace vantor {

class Form;
class ControlWindow;
class DisplayWindow;
class EditorWindow;
class AboutBox;
class ScenarioWindow;

class Program final : public Workspace,
                      public ControlRequests,
                      public DisplayRequests,
                      public EditorRequests,
                      public ScenarioRequests {
public:
    // Creates the top windows in this fixed order: control, display,
    // editor, About, scenario editor; each window's creation handler runs as
    // it is created. Each window creates the dialogs it drives itself.
    Program(Desktop& desktop, ProgramConfig config = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    ControlWindow& controlWindow() { return *m_control; }
    DisplayWindow& displayWindow() { return *m_display; }
    EditorWindow& editorWindow() { return *m_editorWindow; }
    AboutBox& aboutBox() { return *m_about; }
    ScenarioWindow& scenarioWindow() { return *m_scenario; }

    // Every form for the host to show: the top windows in creation order,
    // each followed by the dialogs it owns; the first is the main window.
    std::vector<Form*> forms() const;

    // Runs a handler as the host's event dispatch does: errors go to the
    // application's error box. Returns false when the handler failed.
    bool dispatch(const std::function<void()>& handler);

    // True once the main window has closed.
    bool terminated() const { return m_terminated; }
    void terminate() override;

    // The windows' requests of each other, forwarded to the window concerned.
    void aboutActivated() override;
    void showAboutModal() override;
    void editorFromStore() override;
    void showEditor() override;
    void hideEditor() override;
    void setEditorCaption(const std::string& caption) override;
    void showAndRunDisplay() override;
    void showDisplay() override;
    void hideDisplay() override;
    void setDisplayCaption(const std::string& caption) override;
    void readDisplayOptions(const std::string& fileName) override;
    void showScenarioEditor() override;
    void hideScenarioEditor() override;
    std::int32_t colorDepth() const override;
    std::int32_t mainWindowHeight() const override;
    void clearDataName() override;
    const Image& displayImage() const override;
    const Bitmap& displayPicture() const override;
    void setSaveDataName(const std::string& fileName) override;

private:
    std::unique_ptr<ControlWindow> m_control;
    std::unique_ptr<DisplayWindow> m_display;
    std::unique_ptr<EditorWindow> m_editorWindow;
    std::unique_ptr<AboutBox> m_about;
    std::unique_ptr<ScenarioWindow> m_scenario;
    bool m_terminated = false;
};

}  // namespace vantor
