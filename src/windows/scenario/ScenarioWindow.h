// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scenario editor: pictures of the display window become numbered frames
// (picture and display options) in the scenario's folder, and scenarios of
// frames are created, edited, saved, opened, played and exported.
#include <cstdint>
#include <memory>
#include <vector>
#include <optional>
#include <string>

#include "platform/pixels/Bitmap.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/Form.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/ListBox.h"
#include "platform/widgets/SpeedButton.h"
#include "windows/shared/Peers.h"

namespace vantor {

class Workspace;
class PlaybackWindow;

class ScenarioWindow : public Form {
public:
    static constexpr const char* NoScenarioCaption = "（未定）";

    ScenarioWindow(Workspace& work, ScenarioRequests& peers);
    ~ScenarioWindow() override;

    // The playback window the scenario editor owns and drives, for the host
    // to show.
    PlaybackWindow& playbackWindow() { return *m_playback; }
    std::vector<Form*> partnerForms() const;

    // Controls.
    Button btnNewScenario{*this, "btnNewScenario", "新規作成"};
    Button btnSnrOpen{*this, "btnSnrOpen", "シナリオ読込"};
    Button btnSnrSave{*this, "btnSnrSave", "シナリオ保存"};
    Label lblScenarioName{*this, "lblScenarioName", NoScenarioCaption};
    Button btnAdd{*this, "btnAdd", "コマとして追加"};
    Label Label1{*this, "Label1", "シナリオ"};
    Label Label2{*this, "Label2", "フォルダ内のコマ一覧"};
    ListBox lstScenario{*this, "lstScenario"};
    Button btnFileAdd{*this, "btnFileAdd", "<<"};
    Button btnRemove{*this, "btnRemove", "×"};
    ListBox lstFolder{*this, "lstFolder"};
    Button btnDelFromFolder{*this, "btnDelFromFolder", "×"};
    Image imgSmall{*this, "imgSmall"};
    Button btnPlay{*this, "btnPlay", "アニメ開始"};
    Button btnFinish{*this, "btnFinish", "閉じる"};
    // Writes the scenario as an animated GIF or PNG.
    Button btnExport{*this, "btnExport", "GIF/PNG書き出し..."};
    FileDialog dlgOPenScenario;
    FileDialog dlgSaveScenario;
    FileDialog dlgExport;

    // State.
    std::string scenarioName;
    std::uint8_t scenarioEdited = 0;
    std::int32_t maxFrameNumber = 0;
    // The display picture copied for saving, and folder pictures loaded for
    // the thumbnail.
    Bitmap frameBitmap;
    Bitmap thumbBitmap;

    // Window events.
    void FormCreate() override;
    void FormActivate() override;
    void FormClick() override;

    // Handlers.
    void btnNewScenarioClick();
    void btnSnrOpenClick();
    void btnSnrSaveClick();
    void btnFinishClick();
    void btnAddClick();
    void btnFileAddClick();
    void btnRemoveClick();
    void btnDelFromFolderClick();
    void btnPlayClick();
    void btnExportClick();
    std::optional<int> askExportDelay();
    void lstFolderMouseUp(MouseButton button);
    void lstScenarioMouseUp(MouseButton button);

    // Routines.
    void SeparateScenarioName(const std::string& path);
    void GetMaxSNum();
    void SceneExistCheck();
    void FolderView();

    // The folder of the scenario file: frames are read, written and deleted
    // there only, even when another window's dialog has since moved the
    // current folder. Before any scenario, the current folder.
    std::string frameFolder() const;
    // Frame name + extension in the frame folder.
    std::string framePath(const std::string& name, const char* extension) const;

private:
    void layoutControls();
    void enableScenarioButtons();
    // Appends without a scenario selection, else inserts before it.
    void putIntoScenario(const std::string& name);
    void setScenarioFile(const std::string& path);
    // False when `path` lies in another folder than the frames (told).
    bool inFrameFolder(const std::string& path);

    Workspace& m_workspace;
    ScenarioRequests& m_peers;
    std::unique_ptr<PlaybackWindow> m_playback;
    std::string m_folder;
};

}  // namespace vantor
