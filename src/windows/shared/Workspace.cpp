// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/shared/Workspace.h"

#include <filesystem>

#include "platform/files/IoError.h"

namespace vantor {

const char* const NoHomeForStandardText =
    "ホームフォルダがわからないので、標準のオプションを保存できません（HOME も XDG_CONFIG_HOME も設定されていません）";

Workspace::Workspace(Desktop& desktop_, ProgramConfig config_)
    : desktop(desktop_), files(config_.currentFolder, config_.programFolder), config(std::move(config_)) {}

bool Workspace::executeFileDialog(FileDialog& dialog) {
    if (dialog.initialDir.empty()) dialog.initialDir = files.currentFolder();
    if (!desktop.runFileDialog(dialog)) return false;
    std::string folder = folderOf(dialog.fileName);
    if (!folder.empty()) files.setCurrentFolder(folder);
    dialog.initialDir = files.currentFolder();
    return true;
}

std::string Workspace::standardOptionPathForReading() const {
    if (!config.userConfigFolder.empty()) {
        std::string user = config.userConfigFolder + "/standard.vop";
        if (files.fileExists(user)) return user;
    }
    if (config.programFolder.empty()) return {};
    return files.programFolder() + "standard.vop";
}

std::string Workspace::standardOptionPathForWriting() const {
    // The program's own folder belongs to the installation (and is shared
    // by every user): without a home folder there is nowhere to keep them.
    if (config.userConfigFolder.empty()) throw IoError(NoHomeForStandardText, "", NamePlacement::InMessage);
    std::error_code ec;
    std::filesystem::create_directories(config.userConfigFolder, ec);
    // The folder that could not be made, and why; not the file that then
    // could not be written.
    if (ec) throw IoError(ec.message(), config.userConfigFolder);
    return config.userConfigFolder + "/standard.vop";
}

}  // namespace vantor
