// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/scenario/ScenarioWindow.h"
#include "windows/scenario/PlaybackWindow.h"

#include <algorithm>
#include <filesystem>
#include <unordered_set>

#include "model/scenario/Scenario.h"
#include "windows/shared/Workspace.h"

namespace vantor {

namespace {
constexpr const char* ScenarioFilter = "シナリオ(*.snr)|*.snr";
constexpr const char* ExportFilter = "アニメGIF(*.gif)|*.gif|アニメPNG(*.png)|*.png";
}  // namespace

ScenarioWindow::ScenarioWindow(Workspace& work, ScenarioRequests& peers)
    : Form("ScenarioWindow"),
      dlgOPenScenario(FileDialogKind::Open, ScenarioFilter, "snr"),
      dlgSaveScenario(FileDialogKind::Save, ScenarioFilter, "snr"),
      dlgExport(FileDialogKind::Save, ExportFilter, "gif"),
      m_workspace(work), m_peers(peers) {
    m_playback = std::make_unique<PlaybackWindow>(work, peers, *this);
    setCaption("アニメ編集");
    setBorderStyle(BorderStyle::Dialog);

    btnNewScenario.onClick = [this] { btnNewScenarioClick(); };
    btnSnrOpen.onClick = [this] { btnSnrOpenClick(); };
    btnSnrSave.onClick = [this] { btnSnrSaveClick(); };
    btnFinish.onClick = [this] { btnFinishClick(); };
    btnAdd.onClick = [this] { btnAddClick(); };
    btnFileAdd.onClick = [this] { btnFileAddClick(); };
    btnRemove.onClick = [this] { btnRemoveClick(); };
    btnDelFromFolder.onClick = [this] { btnDelFromFolderClick(); };
    btnPlay.onClick = [this] { btnPlayClick(); };
    btnExport.onClick = [this] { btnExportClick(); };
    lstFolder.onMouseUp = [this](MouseButton b) { lstFolderMouseUp(b); };
    lstScenario.onMouseUp = [this](MouseButton b) { lstScenarioMouseUp(b); };

    btnFileAdd.setHint("シナリオに追加");
    btnRemove.setHint("シナリオから除去");
    btnDelFromFolder.setHint("フォルダから削除");
}

void ScenarioWindow::layoutControls() {
    // Client area 392 x 435.
    btnNewScenario.setBounds(8, 8, 88, 25);
    btnSnrOpen.setBounds(100, 8, 88, 25);
    btnSnrSave.setBounds(192, 8, 88, 25);
    lblScenarioName.setBounds(8, 44, 0, 0);
    Label1.setBounds(8, 72, 0, 0);
    Label2.setBounds(222, 72, 0, 0);
    lstScenario.setBounds(8, 90, 170, 286);
    btnFileAdd.setBounds(184, 150, 32, 25);
    btnRemove.setBounds(184, 190, 32, 25);
    lstFolder.setBounds(222, 90, 162, 150);
    btnDelFromFolder.setBounds(222, 244, 32, 25);
    btnPlay.setBounds(8, 400, 88, 25);
    btnExport.setBounds(100, 400, 130, 25);
    btnFinish.setBounds(304, 400, 80, 25);
}

void ScenarioWindow::FormCreate() {
    const ScreenInfo screen = m_workspace.desktop.screen();
    setBounds(screen.width - 400, 0, 400, 470);
    layoutControls();
    const Image& picture = m_peers.displayImage();
    const int pw = picture.width() > 0 ? picture.width() : DisplayPictureWidth;
    const int ph = picture.height() > 0 ? picture.height() : DisplayPictureHeight;
    imgSmall.setBounds(clientWidth() - 8 - pw / 4, 276, pw / 4, ph / 4);
    imgSmall.setStretch(true);
    btnAdd.setBounds(clientWidth() - 15 - 100, 40, 100, 25);
    frameBitmap.resize(pw, ph, PixelFormat::Rgb32);
    thumbBitmap.resize(pw / 4, ph / 4, PixelFormat::Rgb32);
    imgSmall.setPicture(&thumbBitmap);
    imgSmall.setVisible(false);
    lstScenario.clear();
    maxFrameNumber = 0;
    btnAdd.setEnabled(false);
    btnFileAdd.setEnabled(false);
    btnPlay.setEnabled(false);
    btnExport.setEnabled(false);
    scenarioEdited = 0;
    m_playback->FormCreate();
}

ScenarioWindow::~ScenarioWindow() = default;

std::vector<Form*> ScenarioWindow::partnerForms() const { return {m_playback.get()}; }

void ScenarioWindow::FormActivate() { FolderView(); }

void ScenarioWindow::FormClick() { m_workspace.desktop.showHelp("HLP000057"); }

std::string ScenarioWindow::frameFolder() const { return m_folder.empty() ? m_workspace.files.currentFolder() : m_folder; }

std::string ScenarioWindow::framePath(const std::string& name, const char* extension) const {
    return vantor::framePath(frameFolder(), name, extension);
}

void ScenarioWindow::SeparateScenarioName(const std::string& path) { scenarioName = baseNameOf(path); }

void ScenarioWindow::setScenarioFile(const std::string& path) {
    SeparateScenarioName(path);
    lblScenarioName.setCaption(" " + scenarioName + " ");
    std::string folder = folderOf(path);
    if (folder.size() > 1) folder.pop_back();
    m_folder = folder.empty() ? m_workspace.files.currentFolder() : folder;
}

void ScenarioWindow::enableScenarioButtons() {
    btnAdd.setEnabled(true);
    btnFileAdd.setEnabled(true);
    btnPlay.setEnabled(true);
    btnExport.setEnabled(true);
}

void ScenarioWindow::GetMaxSNum() {
    // Every picture whose name begins with the scenario name counts, so
    // "carton005" raises the count of scenario "car" too. The prefix is
    // compared as text: a name with "*" or "?" is not a pattern.
    maxFrameNumber = 0;
    const Files folder(frameFolder());
    // A frame save that a kill interrupted is finished or undone first, so
    // that its number counts as the save left it and its journal goes.
    for (const std::string& journal : folder.findTakenNames(".*.journal")) {
        const std::string stem = journal.substr(1, journal.size() - 9);
        if (stem.compare(0, scenarioName.size(), scenarioName) == 0) folder.repairSet(stem + ".bmp");
    }
    // Links count too, dangling ones included: a new frame must not be
    // written through a name that is already taken.
    for (const std::string& file : folder.findTakenNames("*.bmp")) {
        if (file.compare(0, scenarioName.size(), scenarioName) != 0) continue;
        maxFrameNumber = std::max(maxFrameNumber, SeparateSceneNumber(file.substr(0, file.size() - 4)));
    }
}

void ScenarioWindow::SceneExistCheck() {
    // One pass and one change of the list: removing entries one at a time
    // would move the rest of the list, and notify its view, for each.
    const std::vector<std::string>& items = lstScenario.items();
    const std::unordered_set<std::string> distinct(items.begin(), items.end());
    // Many names: one listing of the folder costs less than a look-up each.
    constexpr std::size_t ListingFrom = 64;
    std::unordered_set<std::string> pictures;
    if (distinct.size() >= ListingFrom) {
        const Files folder(frameFolder());
        for (std::string& file : folder.findFiles("*.bmp")) pictures.insert(std::move(file));
    }
    std::unordered_set<std::string> present;
    for (const std::string& name : distinct) {
        if (!isSafeFrameName(name)) continue;
        const bool exists = distinct.size() >= ListingFrom ? pictures.count(name + ".bmp") != 0
                                                           : m_workspace.files.fileExists(framePath(name, ".bmp"));
        if (exists) present.insert(name);
    }
    std::vector<std::string> kept;
    kept.reserve(items.size());
    for (const std::string& name : items)
        if (present.count(name)) kept.push_back(name);
    if (kept.size() == items.size()) return;
    // The selection stays at its row, as after removals one by one: on the
    // entry that moved into its place, or the last one.
    const int selected = lstScenario.itemIndex();
    const int count = static_cast<int>(kept.size());
    lstScenario.setItems(std::move(kept));
    lstScenario.setItemIndex(selected < 0 ? -1 : std::min(selected, count - 1));
}

void ScenarioWindow::FolderView() {
    std::vector<std::string> names;
    const Files folder(frameFolder());
    // Links count too, dangling ones included: a new frame must not be
    // written through a name that is already taken.
    for (const std::string& file : folder.findTakenNames("*.bmp")) {
        std::string name = file.substr(0, file.size() - 4);
        if (isSafeFrameName(name)) names.push_back(std::move(name));
    }
    lstFolder.clear();
    lstFolder.setItems(std::move(names));
    imgSmall.setVisible(false);
}

}  // namespace vantor
