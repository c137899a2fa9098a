// SPDX-License-Identifier: GPL-3.0-or-later
// Frames: the display picture added as a new frame, folder frames put into
// and taken out of the scenario, a frame's files deleted, the thumbnail and
// the start of playback.
#include "model/scenario/Scenario.h"
#include "windows/scenario/ScenarioWindow.h"
#include "windows/scenario/PlaybackWindow.h"
#include "windows/shared/Workspace.h"
#include "model/options/OptionFile.h"
#include "platform/pixels/Bmp.h"
#include "platform/pixels/Canvas.h"

namespace vantor {

void ScenarioWindow::putIntoScenario(const std::string& name) {
    const int selected = lstScenario.itemIndex();
    if (selected < 0) lstScenario.add(name);
    else lstScenario.insert(selected, name);
}

void ScenarioWindow::btnAddClick() {
    scenarioEdited = 1;
    if (m_workspace.store.VertexCount < 2) return;
    GetMaxSNum();
    const int number = maxFrameNumber + 1;
    if (number > MaxFrameNumber) {
        m_workspace.desktop.messageBox("コマ番号が 999 に達したので、このシナリオ名ではもうコマを追加できません。\r"
                                     "新しいシナリオ名で作成してください",
                                     Workspace::ApplicationTitle, MsgIcon::Warning, MsgButtons::Ok);
        return;
    }
    const std::string name = frameNameFor(scenarioName, number);
    const std::string picture = framePath(name, ".bmp");
    const std::string options = framePath(name, ".vop");

    frameBitmap = m_peers.displayPicture();
    // A frame is its picture and its options, one set under names made from
    // the scenario's: links there are replaced, never followed. The picture
    // comes last, so that a frame number counts as taken only once its
    // options are in place.
    m_workspace.files.writeSetAtomic({{options, encodeOptions(m_workspace.options)}, {picture, encodeBmp(frameBitmap)}});
    lstFolder.add(name);
    putIntoScenario(name);
}

void ScenarioWindow::btnFileAddClick() {
    scenarioEdited = 1;
    const int selected = lstFolder.itemIndex();
    if (selected < 0) return;
    putIntoScenario(lstFolder.items()[static_cast<std::size_t>(selected)]);
}

void ScenarioWindow::btnRemoveClick() {
    scenarioEdited = 1;
    const int selected = lstScenario.itemIndex();
    if (selected < 0) return;
    lstScenario.remove(selected);
    // As in the platform's list boxes, the removed entry takes the
    // selection with it.
    lstScenario.setItemIndex(-1);
}

void ScenarioWindow::btnDelFromFolderClick() {
    const int selected = lstFolder.itemIndex();
    if (selected < 0) return;
    const std::string name = lstFolder.items()[static_cast<std::size_t>(selected)];
    if (m_workspace.desktop.messageBox(name + ".bmp をディスクから削除しますか？\r（ごみ箱にも残りません）",
                                     Workspace::ApplicationTitle, MsgIcon::Warning, MsgButtons::YesNo) == MsgAnswer::No)
        return;
    Files& files = m_workspace.files;
    files.deleteFile(framePath(name, ".bmp"));
    const std::string options = framePath(name, ".vop");
    if (files.fileExists(options)) files.deleteFile(options);
    lstFolder.remove(selected);
    lstFolder.setItemIndex(-1);
    imgSmall.setVisible(false);
    SceneExistCheck();
}

void ScenarioWindow::lstFolderMouseUp(MouseButton) {
    const int selected = lstFolder.itemIndex();
    if (selected < 0) return;
    frameBitmap = loadFramePicture(m_workspace.files, frameFolder(), lstFolder.items()[static_cast<std::size_t>(selected)]);
    Canvas(thumbBitmap).stretchDraw(IntRect{0, 0, thumbBitmap.width(), thumbBitmap.height()}, frameBitmap);
    thumbBitmap.changed();
    imgSmall.setVisible(true);
    imgSmall.invalidate();
}

void ScenarioWindow::lstScenarioMouseUp(MouseButton button) {
    if (button == MouseButton::Right) lstScenario.setItemIndex(-1);
}

void ScenarioWindow::btnPlayClick() {
    if (lstScenario.count() == 0) return;
    PlaybackWindow& playback = *m_playback;
    playback.setCaption("アニメ表示　" + scenarioName);
    playback.show();
    playback.PlaybackStart();
}

}  // namespace vantor
