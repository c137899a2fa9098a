#include "app/Program.h"

#include <filesystem>

#include "windows/about/TAboutF.h"
#include "windows/scenario/TAnimeF.h"
#include "windows/scenario/TAnimeMoveF.h"
#include "windows/control/TControlF.h"
#include "windows/dialogs/TLightAF.h"
#include "windows/dialogs/TLightEF.h"
#include "windows/dialogs/TScrollDotF.h"
#include "windows/display/TVantorF.h"
#include "windows/editor/TGEditF.h"
#include "windows/editor/TZuPropF.h"
#include "platform/widgets/EventDispatch.h"
#include "platform/files/IoError.h"

namespace vantor {

const char* const NoHomeForStandardText =
    "ホームフォルダがわからないので、標準のオプションを保存できません（HOME も XDG_CONFIG_HOME も設定されていません）";

Program::Program(Desktop& desktop_, ProgramConfig config_)
    : desktop(desktop_), files(config_.currentFolder, config_.programFolder), config(std::move(config_)) {
    // Each window's creation handler runs as it is created, before the next
    // window exists: the control window measures the screen first, the
    // display then sets the display defaults.
    m_control = std::make_unique<TControlF>(*this);
    m_control->FormCreate();
    m_vantor = std::make_unique<TVantorF>(*this);
    m_vantor->FormCreate();
    m_lightE = std::make_unique<TLightEF>(*this);
    m_lightE->FormCreate();
    m_lightA = std::make_unique<TLightAF>(*this);
    m_lightA->FormCreate();
    m_gedit = std::make_unique<TGEditF>(*this);
    m_gedit->FormCreate();
    m_about = std::make_unique<TAboutF>(*this);
    m_about->FormCreate();
    m_scrollDot = std::make_unique<TScrollDotF>(*this);
    m_scrollDot->FormCreate();
    m_anime = std::make_unique<TAnimeF>(*this);
    m_anime->FormCreate();
    m_animeMove = std::make_unique<TAnimeMoveF>(*this);
    m_animeMove->FormCreate();
    m_zuProp = std::make_unique<TZuPropF>(*this);
    m_zuProp->FormCreate();
}

Program::~Program() = default;

std::vector<Form*> Program::forms() const {
    return {m_control.get(), m_vantor.get(), m_lightE.get(), m_lightA.get(), m_gedit.get(),
            m_about.get(),   m_scrollDot.get(), m_anime.get(), m_animeMove.get(), m_zuProp.get()};
}

bool Program::dispatch(const std::function<void()>& handler) { return dispatchEvent(desktop, handler); }

bool Program::executeFileDialog(FileDialog& dialog) {
    if (dialog.initialDir.empty()) dialog.initialDir = files.currentFolder();
    if (!desktop.runFileDialog(dialog)) return false;
    std::string folder = folderOf(dialog.fileName);
    if (!folder.empty()) files.setCurrentFolder(folder);
    dialog.initialDir = files.currentFolder();
    return true;
}

std::string Program::standardOptionPathForReading() const {
    if (!config.userConfigFolder.empty()) {
        std::string user = config.userConfigFolder + "/standard.vop";
        if (files.fileExists(user)) return user;
    }
    if (config.programFolder.empty()) return {};
    return files.programFolder() + "standard.vop";
}

std::string Program::standardOptionPathForWriting() const {
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

void Program::terminate() {
    m_terminated = true;
    desktop.quit();
}

}  // namespace vantor
