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
class TControlF;
class TVantorF;
class TLightEF;
class TLightAF;
class TGEditF;
class TAboutF;
class TScrollDotF;
class TAnimeF;
class TAnimeMoveF;
class TZuPropF;
class TExportF;

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

    TControlF& ControlF() { return *m_control; }
    TVantorF& VantorF() { return *m_vantor; }
    TLightEF& LightEF() override { return *m_lightE; }
    TLightAF& LightAF() override { return *m_lightA; }
    TGEditF& GEditF() { return *m_gedit; }
    TAboutF& AboutF() { return *m_about; }
    TScrollDotF& ScrollDotF() override { return *m_scrollDot; }
    TAnimeF& AnimeF() { return *m_anime; }
    TAnimeMoveF& AnimeMoveF() override { return *m_animeMove; }
    TZuPropF& ZuPropF() override { return *m_zuProp; }
    TExportF& ExportF() override { return *m_export; }

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
    std::unique_ptr<TControlF> m_control;
    std::unique_ptr<TVantorF> m_vantor;
    std::unique_ptr<TLightEF> m_lightE;
    std::unique_ptr<TLightAF> m_lightA;
    std::unique_ptr<TGEditF> m_gedit;
    std::unique_ptr<TAboutF> m_about;
    std::unique_ptr<TScrollDotF> m_scrollDot;
    std::unique_ptr<TAnimeF> m_anime;
    std::unique_ptr<TAnimeMoveF> m_animeMove;
    std::unique_ptr<TZuPropF> m_zuProp;
    std::unique_ptr<TExportF> m_export;
    bool m_terminated = false;
};

}  // namespace vantor
