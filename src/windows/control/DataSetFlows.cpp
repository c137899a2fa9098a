// SPDX-License-Identifier: GPL-3.0-or-later
// The control window's load, add and save of data sets. The data file is
// opened by the full path from the dialog; its .zuk and .vop are opened by
// bare name, relative to the current folder, which the dialog has just moved
// to the chosen file's folder, so they are found beside the data file.
#include "windows/shared/Workspace.h"
#include "windows/control/ControlWindow.h"
#include "model/formats/DataSetFiles.h"
#include "model/formats/DataSetLoad.h"
#include "model/formats/FormatMessages.h"
#include "model/options/OptionFile.h"
#include "platform/files/IoError.h"

#include <cerrno>
#include <cstring>

namespace vantor {

namespace {
constexpr const char* UnknownFormatText =
    "データの形式がわかりません\r読み込めるのは .va4 .va2 .csv .van のファイルです";
constexpr const char* MissingDataText = "このフォルダには指定されたデータは存在しません\rもう一度お確かめください";

// What the load found of a save that a kill interrupted, and did about it.
std::string repairText(const std::string& fileName, Repair repaired) {
    if (repaired == Repair::Completed)
        return fileName + " の保存が途中で中断されていたので、保存を完了しました。\r新しいデータ一式がそろっています";
    if (repaired == Repair::Incomplete)
        return fileName + " の保存が途中で中断されていましたが、片付けられませんでした。\r次の読み込みか保存でもう一度片付けます";
    return fileName + " の保存が途中で中断されていたので、保存を取り消しました。\r保存前のデータ一式がそのまま残っています";
}

// The default extension that follows the file type chosen in a data dialog.
void followFileType(FileDialog& dialog) {
    switch (dialog.filterIndex) {
        case 1: dialog.defaultExt = "va4"; break;
        case 2: dialog.defaultExt = "va2"; break;
        case 3: dialog.defaultExt = "csv"; break;
        case 4: dialog.defaultExt = "van"; break;
        default: break;
    }
}
}  // namespace

void ControlWindow::initDataSetDialogs() {
    openIO.onTypeChange = [this] { openIOTypeChange(); };
    saveIO.onTypeChange = [this] { saveIOTypeChange(); };
}

void ControlWindow::openIOTypeChange() { followFileType(openIO); }

void ControlWindow::saveIOTypeChange() { followFileType(saveIO); }

void ControlWindow::SeparateDataName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    const bool hasExt = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
    DataExt = hasExt ? path.substr(dot + 1) : std::string();
    DataName = path.substr(start, (hasExt ? dot : path.size()) - start);
}

void ControlWindow::hideOtherWindows() {
    m_peers.hideEditor();
    m_peers.hideDisplay();
    m_peers.hideScenarioEditor();
}

void ControlWindow::showDataNameInCaptions(const std::string& name) {
    lblDataName.setCaption(" " + name + " ");
    m_peers.setEditorCaption("回転前図形編集 (" + name + ")");
    m_peers.setDisplayCaption("回転体表示 (" + name + ")");
}

bool ControlWindow::chooseExistingDataFile() {
    if (!m_workspace.executeFileDialog(openIO)) return false;
    // A folder named like a data file is there, just not readable as data.
    if (m_workspace.files.folderExists(openIO.fileName)) throw IoError(std::strerror(EISDIR), openIO.fileName);
    if (!m_workspace.files.fileExists(openIO.fileName)) {
        m_workspace.desktop.messageBox(MissingDataText, Workspace::ApplicationTitle, MsgIcon::Error, MsgButtons::Ok);
        return false;
    }
    return true;
}

void ControlWindow::readChosenDataFile(LoadMode mode) {
    SeparateDataName(openIO.fileName);
    const std::string name = DataName;
    bool optionsFailed = false;
    auto readOptions = [&](const std::string& optionFile) {
        try {
            m_peers.readDisplayOptions(optionFile);
        } catch (...) {
            optionsFailed = true;
            throw;
        }
    };
    // A load names the data set once its options are in, also when the
    // data file then fails: the store holds what was read of it.
    auto nameDataSet = [&] {
        if (mode != LoadMode::Replace || optionsFailed) return;
        showDataNameInCaptions(name);
        DefaultSaveName = name;
    };
    ReadResult result;
    try {
        result = loadDataSet(m_workspace.store, m_workspace.files, dataFormatOfExtension(DataExt), openIO.fileName, name,
                             mode, readOptions);
    } catch (...) {
        nameDataSet();
        throw;
    }
    nameDataSet();
    if (result.repaired != Repair::None)
        m_workspace.desktop.messageBox(repairText(openIO.fileName, result.repaired), Workspace::ApplicationTitle,
                                     MsgIcon::Information, MsgButtons::Ok);
    // The store is consistent with what was read; now say why the read stopped.
    if (!result.complete())
        throw IoError(formatMessages::readStopped(openIO.fileName, result.problem), openIO.fileName, NamePlacement::InMessage);
}

void ControlWindow::LoadExecute() {
    hideOtherWindows();
    if (WantToSave()) SaveExecute();
    openIO.fileName.clear();
    if (!chooseExistingDataFile()) return;
    readChosenDataFile(LoadMode::Replace);
}

void ControlWindow::LoadFile(const std::string& path) {
    hideOtherWindows();
    if (WantToSave()) SaveExecute();
    openIO.fileName = m_workspace.files.resolve(path);
    if (!m_workspace.files.fileExists(openIO.fileName)) {
        m_workspace.desktop.messageBox(MissingDataText, Workspace::ApplicationTitle, MsgIcon::Error, MsgButtons::Ok);
        return;
    }
    if (dataFormatOfExtension(extensionOfPath(openIO.fileName)) == DataFormat::Unknown) {
        m_workspace.desktop.messageBox(UnknownFormatText, Workspace::ApplicationTitle, MsgIcon::Error, MsgButtons::Ok);
        return;
    }
    const std::string folder = folderOf(openIO.fileName);
    if (!folder.empty()) m_workspace.files.setCurrentFolder(folder);
    readChosenDataFile(LoadMode::Replace);
}

void ControlWindow::AddExecute() {
    hideOtherWindows();
    if (WantToSave()) SaveExecute();
    if (!chooseExistingDataFile()) return;
    readChosenDataFile(LoadMode::Add);
}

void ControlWindow::SaveExecute() {
    FigureStore& store = m_workspace.store;
    if (store.VertexCount == 0) return;
    hideOtherWindows();
    saveIO.fileName = DefaultSaveName;
    if (!m_workspace.executeFileDialog(saveIO)) return;
    SeparateDataName(saveIO.fileName);
    const std::string name = DataName;
    // The option file joins the data set's files: all are written before
    // any old file is replaced.
    DataSetFiles(store, m_workspace.files)
        .save(dataFormatOfExtension(DataExt), saveIO.fileName, name + ".zuk", {{name + ".vop", encodeOptions(m_workspace.options)}});
    showDataNameInCaptions(name);
    store.markSaved();
}

void ControlWindow::SaveV4() { DataSetFiles(m_workspace.store, m_workspace.files).SaveV4(saveIO.fileName); }

}  // namespace vantor
