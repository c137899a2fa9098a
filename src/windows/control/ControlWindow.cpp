// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/control/ControlWindow.h"

#include "windows/control/HelpTopics.h"

#include "windows/shared/Workspace.h"

namespace vantor {

namespace {
const char* const NoExamplesText = "見本のデータが見つかりません。FreeVantor をインストールし直してください。";
constexpr const char* DataFilter =
    "Ver.2.4 データ (*.va4)|*.va4|Ver.2.1 データ (*.va2)|*.va2|CSV データ (*.csv)|*.csv|Ver.１ データ (*.van)|*.van";
}

ControlWindow::ControlWindow(Workspace& work, ControlRequests& peers)
    : Form("ControlWindow"),
      openIO(FileDialogKind::Open, DataFilter, "va4"),
      saveIO(FileDialogKind::Save, DataFilter, "va4"),
      m_workspace(work), m_peers(peers) {
    setCaption("FreeVantor for Win32");
    setBorderStyle(BorderStyle::Single);
    setHelpContext(5);

    struct ButtonSpec {
        SpeedButton& button;
        int left, width;
        const char* hint;
        const char* glyph;
    };
    for (const ButtonSpec& b : {ButtonSpec{spbLoad, 8, 18, "データをディスクから読み込む", "load"},
                                ButtonSpec{spbAdd, 26, 20, "追加データを読み込む", "add"},
                                ButtonSpec{spbSave, 45, 20, "データをディスクに保存する", "save"},
                                ButtonSpec{spbEditor, 64, 20, "回転前の図形を編集する", "editor"},
                                ButtonSpec{spbRotate, 83, 20, "回転体を表示する　（データが空のときはアニメ）", "rotate"}}) {
        b.button.setBounds(b.left, 13, b.width, 20);
        b.button.setHint(b.hint);
        b.button.setGlyph(b.glyph);
    }
    // Buttons act on the release of any mouse button.
    spbLoad.onMouseUp = [this](MouseButton, int, int) { LoadExecute(); };
    spbAdd.onMouseUp = [this](MouseButton, int, int) { AddExecute(); };
    spbSave.onMouseUp = [this](MouseButton, int, int) { SaveExecute(); };
    spbEditor.onMouseUp = [this](MouseButton, int, int) { EditorExecute(); };
    spbRotate.onMouseUp = [this](MouseButton b, int, int) { spbRotateMouseUp(b); };

    Bevel1.setBounds(0, 0, 442, 3);
    Font small;
    small.pixelHeight = 13;
    small.color = colors::Navy;
    Label1.setFont(small);
    Label1.setBounds(128, 16, 0, 0);  // sized to its text
    small.color = colors::Lime;
    lblDataName.setFont(small);
    lblDataName.setColor(colors::Black);
    lblDataName.setBounds(192, 16, 0, 0);

    mainMenu.add(mnFile);
    mnFile.setHelpContext(6);
    for (MenuItem* m : {&mnLoad, &mnAdd, &mnSave, &N1, &mnExit}) mnFile.add(*m);
    mainMenu.add(mnEditor);
    mainMenu.add(mnRotate);
    mainMenu.add(mnHelp);
    mnHelp.add(mnAbout);
    mnHelp.add(mnHelpContents);
    mnHelpContents.onClick = [this] { m_workspace.desktop.showHelp(helpStartPage); };
    mnHelp.add(mnLicence);
    mnHelp.add(mnExamples);
    mnLicence.onClick = [this] { m_workspace.desktop.showHelp(LicenceTopic); };
    mnExamples.onClick = [this] { mnExamplesClick(); };
    buildLanguageMenu();
    for (MenuItem* m : {&mnLoad, &mnAdd, &mnSave, &mnExit, &mnEditor, &mnRotate, &mnHelp}) m->setHelpContext(5);
    mnAbout.setHelpContext(28);

    mnLoad.onClick = [this] { LoadExecute(); };
    mnAdd.onClick = [this] { AddExecute(); };
    mnSave.onClick = [this] { SaveExecute(); };
    mnExit.onClick = [this] { mnExitClick(); };
    mnEditor.onClick = [this] { EditorExecute(); };
    mnRotate.onClick = [this] { mnRotateClick(); };
    mnAbout.onClick = [this] { mnAboutClick(); };

    initDataSetDialogs();
}

void ControlWindow::FormCreate() {
    ScreenInfo s = m_workspace.desktop.screen();
    ColorDepth = s.bitsPerPixel * s.planes;
    m_firstActivation = true;
    setBounds(0, 0, 450, 100);
    Bevel1.setBounds(0, 0, clientWidth(), 3);
    m_workspace.store.clearVertices();
    // The figure table waits for the display defaults: see FormActivate.
}

void ControlWindow::FormActivate() {
    m_peers.aboutActivated();
    if (m_firstActivation) {
        m_workspace.store.resetFigureTable();
        m_firstActivation = false;
    }
}

bool ControlWindow::WantToSave() {
    const FigureStore& s = m_workspace.store;
    if (s.VertexCount == 0 || s.DataEdited == 0) return false;
    return m_workspace.desktop.messageBox("編集されたデータがあります。\r現在のデータを保存しますか？", Workspace::ApplicationTitle,
                                        MsgIcon::Warning, MsgButtons::YesNo) == MsgAnswer::Yes;
}

void ControlWindow::EditorExecute() {
    m_peers.editorFromStore();
    m_peers.showEditor();
}

void ControlWindow::RotateExecute() {
    m_workspace.store.moveVerticesOffAxis();
    m_peers.editorFromStore();
    m_peers.showAndRunDisplay();
}

void ControlWindow::spbRotateMouseUp(MouseButton) {
    if (m_workspace.store.VertexCount == 0) m_peers.showScenarioEditor();
    else RotateExecute();
}

void ControlWindow::mnRotateClick() {
    if (m_workspace.store.VertexCount == 0) {
        m_workspace.desktop.messageBox("データが何もありません。先に、編集するか\rファイルから読み込んでください",
                                     Workspace::ApplicationTitle, MsgIcon::Error, MsgButtons::Ok);
        return;
    }
    RotateExecute();
}

void ControlWindow::mnAboutClick() {
    m_peers.showAboutModal();
}

void ControlWindow::mnExamplesClick() {
    const std::string& folder = m_workspace.config.examplesFolder;
    if (folder.empty()) {
        m_workspace.desktop.messageBox(NoExamplesText, "", MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    m_workspace.desktop.openFolder(folder);
}

void ControlWindow::mnExitClick() {
    // The save question is asked once, by the close itself.
    close();
}

bool ControlWindow::FormCloseQuery() {
    // Asking here rather than in FormClose lets a save that did not happen
    // (dialog cancelled) keep the window open instead of losing the edits.
    if (WantToSave()) {
        SaveExecute();
        if (m_workspace.store.DataEdited != 0) return false;
    }
    return true;
}

void ControlWindow::FormClose() { m_peers.terminate(); }

}  // namespace vantor
