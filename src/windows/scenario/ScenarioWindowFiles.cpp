// SPDX-License-Identifier: GPL-3.0-or-later
// Scenario files: new, open, save, close, and the export as an animated picture.
#include <filesystem>
#include <optional>

#include "model/scenario/Scenario.h"
#include "windows/scenario/ScenarioWindow.h"
#include "windows/scenario/PlaybackWindow.h"
#include "export/animation/ScenarioExport.h"
#include "windows/shared/Workspace.h"
#include "platform/numbers/SharedRoutines.h"
#include "model/formats/DataSetFiles.h"
#include "platform/files/EscapedText.h"

namespace vantor {

namespace {

MsgAnswer ask(Workspace& p, const std::string& text) {
    return p.desktop.messageBox(text, Workspace::ApplicationTitle, MsgIcon::Warning, MsgButtons::YesNo);
}

void tell(Workspace& p, const std::string& text, MsgIcon icon) {
    p.desktop.messageBox(text, Workspace::ApplicationTitle, icon, MsgButtons::Ok);
}

// The lines a scenario file could not use as frame names, for the message.
std::string listRejected(const std::vector<std::string>& rejected) {
    constexpr std::size_t Shown = 5;
    std::string text;
    for (std::size_t i = 0; i < rejected.size() && i < Shown; ++i) {
        const std::string& line = rejected[i];
        text += '\r';
        text += line.empty() ? std::string("（空行）") : escapedText(line, 60);
    }
    if (rejected.size() > Shown) text += "\r…ほか " + std::to_string(rejected.size() - Shown) + " 行";
    return text;
}

bool sameFolder(const std::string& a, const std::string& b) {
    std::error_code ea, eb;
    const auto ca = std::filesystem::weakly_canonical(a.empty() ? "." : a, ea);
    const auto cb = std::filesystem::weakly_canonical(b.empty() ? "." : b, eb);
    return !ea && !eb && ca == cb;
}

}  // namespace

void ScenarioWindow::btnNewScenarioClick() {
    dlgSaveScenario.fileName.clear();
    if (!m_workspace.executeFileDialog(dlgSaveScenario)) return;
    const std::string path = dlgSaveScenario.fileName;
    Files& files = m_workspace.files;
    if (files.fileExists(path) &&
        ask(m_workspace, "このシナリオ名はすでにディスク上にあります\r内容を全て消していいですか？") == MsgAnswer::No)
        return;
    // Replacing the old file in one step: a failed write keeps it.
    files.writeAtomic(path, encodeScenario({}));
    setScenarioFile(path);

    if (m_workspace.store.VertexCount > 1 &&
        ask(m_workspace, "現在の折れ線データをシナリオ名と同名で\r拡張子.va4 を付けて保存しますか？") == MsgAnswer::Yes) {
        // Both names are made from the scenario's: neither follows a link,
        // and the two files commit as one set.
        const std::string stem = frameFolder() + "/" + scenarioName;
        m_peers.setSaveDataName(stem + ".va4");
        DataSetFiles(m_workspace.store, files).save(DataFormat::Va4, stem + ".va4", stem + ".zuk", {}, NameOrigin::Derived);
    }

    lstScenario.clear();
    enableScenarioButtons();
    FolderView();
    scenarioEdited = 0;
}

void ScenarioWindow::btnSnrOpenClick() {
    if (!m_workspace.executeFileDialog(dlgOPenScenario)) return;
    const std::string path = dlgOPenScenario.fileName;
    dlgSaveScenario.fileName = path;
    // Read before anything changes: a file that cannot be read leaves the
    // open scenario as it was.
    const ScenarioText text = readScenarioFile(m_workspace.files, path);
    lstScenario.setItems(text.frames);
    lstScenario.setItemIndex(-1);
    setScenarioFile(path);
    FolderView();
    SceneExistCheck();
    enableScenarioButtons();
    scenarioEdited = 0;
    if (!text.rejected.empty())
        tell(m_workspace, "次の行はコマ名として使えないので、シナリオから除きました" + listRejected(text.rejected),
             MsgIcon::Warning);
}

bool ScenarioWindow::inFrameFolder(const std::string& path) {
    std::string folder = folderOf(path);
    if (folder.size() > 1) folder.pop_back();
    if (sameFolder(folder, frameFolder())) return true;
    tell(m_workspace, "シナリオはコマと同じフォルダに保存してください\r（" + frameFolder() + "）", MsgIcon::Warning);
    return false;
}

void ScenarioWindow::btnSnrSaveClick() {
    if (lstScenario.count() == 0) return;
    if (!m_workspace.executeFileDialog(dlgSaveScenario)) return;
    const std::string path = dlgSaveScenario.fileName;
    // The frames stay where they are: a scenario saved elsewhere would lose
    // every frame to the existence check.
    if (!inFrameFolder(path)) return;
    SceneExistCheck();
    m_workspace.files.writeAtomic(path, encodeScenario(lstScenario.items()));
    setScenarioFile(path);
    scenarioEdited = 0;
}

void ScenarioWindow::btnFinishClick() {
    if (scenarioEdited != 0 && lstScenario.count() > 0 &&
        ask(m_workspace, "編集されたデータがあります。\r現在のデータを保存しますか？") == MsgAnswer::Yes)
        btnSnrSaveClick();
    close();
}

// The frame delay for the export, asked with the speed bar's setting as the
// default: each frame then stays as long as playback shows it. Blanks are
// removed; anything but a number from 1 to 65535 asks nothing more.
std::optional<int> ScenarioWindow::askExportDelay() {
    const int bar = m_playback->scbVelocity.position();
    const std::string answer = removeSpaces(m_workspace.desktop.inputBox(
        "GIF/PNG書き出し", "1 コマの表示時間をミリ秒で入れて下さい（1以上、65535以下）", std::to_string(bar)));
    if (!isDigits(answer) || answer.size() > 5) return std::nullopt;
    const int value = std::stoi(answer);
    if (value < 1 || value > 65535) return std::nullopt;
    return value;
}

void ScenarioWindow::btnExportClick() {
    if (lstScenario.count() == 0) return;
    const std::optional<int> delay = askExportDelay();
    if (!delay) return;
    dlgExport.fileName = frameFolder() + "/" + scenarioName + (dlgExport.filterIndex == 2 ? ".png" : ".gif");
    if (!m_workspace.executeFileDialog(dlgExport)) return;
    const std::string path = dlgExport.fileName;
    AnimationFormat format;
    if (!animationFormatOfPath(path, format)) {
        tell(m_workspace, "書き出すファイルの拡張子は .gif か .png にしてください", MsgIcon::Warning);
        return;
    }
    const ScenarioExport result = exportScenario(m_workspace.files, frameFolder(), lstScenario.items(), *delay, format, path);
    std::string text = path.substr(folderOf(path).size()) + " に " + std::to_string(result.frames) +
                       " コマを書き出しました（1 コマ " + std::to_string(result.delayMs) + " ミリ秒）";
    if (result.delayMs != *delay)
        text += "\rGIF は 1/100 秒単位で、20 ミリ秒より短い時間は多くの閲覧ソフトが 100 ミリ秒で表示するため、" +
                std::to_string(*delay) + " ミリ秒を " + std::to_string(result.delayMs) + " ミリ秒にしました";
    tell(m_workspace, text, MsgIcon::Information);
}

}  // namespace vantor
