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
class LightDirectionDialog;
class LightAnglesDialog;
class EditorWindow;
class AboutBox;
class ShiftPictureDialog;
class ScenarioWindow;
class PlaybackWindow;
class FigurePropertiesDialog;
class ExportDialog;

class Program final : public Workspace,
                      public ControlRequests,
                      public DisplayRequests,
                      public EditorRequests,
                      public ScenarioRequests {
public:
    // Creates the windows in this fixed order: control, display, the two
    // light-direction dialogs, editor, About, scroll dialog, scenario editor,
    // playback, figure properties, and last the solid's export dialog; each
    // window's creation handler runs as it is created.
    Program(Desktop& desktop, ProgramConfig config = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    ControlWindow& controlWindow() { return *m_control; }
    DisplayWindow& displayWindow() { return *m_display; }
    LightDirectionDialog& lightDirectionDialog() override { return *m_lightDirection; }
    LightAnglesDialog& lightAnglesDialog() override { return *m_lightAngles; }
    EditorWindow& editorWindow() { return *m_editorWindow; }
    AboutBox& aboutBox() { return *m_about; }
    ShiftPictureDialog& shiftPictureDialog() override { return *m_shiftPicture; }
    ScenarioWindow& scenarioWindow() { return *m_scenario; }
    PlaybackWindow& playbackWindow() override { return *m_playback; }
    FigurePropertiesDialog& figurePropertiesDialog() override { return *m_figureProperties; }
    ExportDialog& exportDialog() override { return *m_export; }

    // The windows in creation order; the first is the main window.
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
    void editorRecordsStoreChange() override;
    void showAndRunDisplay() override;
    void endSimulation() override;
    void redrawDisplay() override;
    void showDisplay() override;
    void hideDisplay() override;
    void setDisplayCaption(const std::string& caption) override;
    void readDisplayOptions(const std::string& fileName) override;
    void showScenarioEditor() override;
    void hideScenarioEditor() override;
    void simulationTick() override;
    void playbackTick() override;
    void startAnimationTimer(TimerClient owner, std::int32_t interval) override;
    void restartAnimationTimer(std::int32_t interval) override;
    void stopAnimationTimer() override;
    std::int32_t colorDepth() const override;
    std::int32_t mainWindowHeight() const override;
    void clearDataName() override;
    bool liveSolidShown() const override;
    void redrawSolid() override;
    const Image& displayImage() const override;
    const Bitmap& displayPicture() const override;
    void setSaveDataName(const std::string& fileName) override;

private:
    std::unique_ptr<ControlWindow> m_control;
    std::unique_ptr<DisplayWindow> m_display;
    std::unique_ptr<LightDirectionDialog> m_lightDirection;
    std::unique_ptr<LightAnglesDialog> m_lightAngles;
    std::unique_ptr<EditorWindow> m_editorWindow;
    std::unique_ptr<AboutBox> m_about;
    std::unique_ptr<ShiftPictureDialog> m_shiftPicture;
    std::unique_ptr<ScenarioWindow> m_scenario;
    std::unique_ptr<PlaybackWindow> m_playback;
    std::unique_ptr<FigurePropertiesDialog> m_figureProperties;
    std::unique_ptr<ExportDialog> m_export;
    bool m_terminated = false;
};

}  // namespace vantor
