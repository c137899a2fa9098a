#include "app/Program.h"

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
#include "windows/dialogs/TExportF.h"
#include "platform/widgets/EventDispatch.h"

namespace vantor {

Program::Program(Desktop& desktop_, ProgramConfig config_) : Workspace(desktop_, std::move(config_)) {
    // Each window's creation handler runs as it is created, before the next
    // window exists: the control window measures the screen first, the
    // display then sets the display defaults.
    m_control = std::make_unique<TControlF>(*this, *this);
    m_control->FormCreate();
    m_vantor = std::make_unique<TVantorF>(*this, *this);
    m_vantor->FormCreate();
    m_lightE = std::make_unique<TLightEF>(*this);
    m_lightE->FormCreate();
    m_lightA = std::make_unique<TLightAF>(*this);
    m_lightA->FormCreate();
    m_gedit = std::make_unique<TGEditF>(*this, *this);
    m_gedit->FormCreate();
    m_about = std::make_unique<TAboutF>(*this);
    m_about->FormCreate();
    m_scrollDot = std::make_unique<TScrollDotF>(*this);
    m_scrollDot->FormCreate();
    m_anime = std::make_unique<TAnimeF>(*this, *this);
    m_anime->FormCreate();
    m_animeMove = std::make_unique<TAnimeMoveF>(*this, *this, *m_anime);
    m_animeMove->FormCreate();
    m_zuProp = std::make_unique<TZuPropF>(*this, *this, *m_gedit);
    m_zuProp->FormCreate();
    m_export = std::make_unique<TExportF>(*this);
    m_export->FormCreate();
}

Program::~Program() = default;

std::vector<Form*> Program::forms() const {
    return {m_control.get(), m_vantor.get(), m_lightE.get(), m_lightA.get(), m_gedit.get(),
            m_about.get(),   m_scrollDot.get(), m_anime.get(), m_animeMove.get(), m_zuProp.get(), m_export.get()};
}

bool Program::dispatch(const std::function<void()>& handler) { return dispatchEvent(desktop, handler); }

void Program::terminate() {
    m_terminated = true;
    desktop.quit();
}

void Program::aboutActivated() { AboutF().setActivationText(); }

void Program::showAboutModal() {
    desktop.showModal(AboutF());
    AboutF().hide();
}

void Program::editorFromStore() { GEditF().initStateFromOut(); }
void Program::showEditor() { GEditF().show(); }
void Program::hideEditor() { GEditF().hide(); }
void Program::setEditorCaption(const std::string& caption) { GEditF().setCaption(caption); }
void Program::editorRecordsStoreChange() { GEditF().recordStoreChange(); }

void Program::showAndRunDisplay() {
    VantorF().show();
    VantorF().mnDispRun.click();
}

void Program::endSimulation() {
    if (VantorF().simuRunning()) VantorF().mnSimuEndClick();
}

void Program::redrawDisplay() { VantorF().mnDispRunClick(); }
void Program::showDisplay() { VantorF().show(); }
void Program::hideDisplay() { VantorF().hide(); }
void Program::setDisplayCaption(const std::string& caption) { VantorF().setCaption(caption); }
void Program::readDisplayOptions(const std::string& fileName) { VantorF().YomiVop(fileName); }
bool Program::liveSolidShown() const { return m_vantor->liveSolid() && m_vantor->visible(); }
const Image& Program::displayImage() const { return m_vantor->imgVantor; }
const Bitmap& Program::displayPicture() const { return m_vantor->displayPicture(); }

void Program::showScenarioEditor() { AnimeF().show(); }
void Program::hideScenarioEditor() { AnimeF().hide(); }

void Program::simulationTick() { VantorF().simuTimerTimer(); }
void Program::playbackTick() { AnimeMoveF().animeTimerTimer(); }

void Program::startAnimationTimer(TimerClient owner, std::int32_t interval) {
    TControlF& control = ControlF();
    control.TimerOwner = owner;
    control.animTimer.setEnabled(true);
    control.animTimer.setInterval(interval);
}

void Program::restartAnimationTimer(std::int32_t interval) {
    Timer& timer = ControlF().animTimer;
    timer.setEnabled(false);
    timer.setEnabled(true);
    timer.setInterval(interval);
}

void Program::stopAnimationTimer() { ControlF().animTimer.setEnabled(false); }

std::int32_t Program::colorDepth() const { return m_control->ColorDepth; }
std::int32_t Program::mainWindowHeight() const { return m_control->height(); }

void Program::clearDataName() {
    m_control->lblDataName.setCaption(TControlF::NoDataCaption);
    m_control->saveIO.fileName.clear();
}

void Program::redrawSolid() { ControlF().RedrawSolid(); }
void Program::setSaveDataName(const std::string& fileName) { ControlF().saveIO.fileName = fileName; }

}  // namespace vantor
