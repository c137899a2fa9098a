#include "app/Program.h"

#include "windows/about/AboutBox.h"
#include "windows/scenario/ScenarioWindow.h"
#include "windows/scenario/PlaybackWindow.h"
#include "windows/control/ControlWindow.h"
#include "windows/dialogs/LightAnglesDialog.h"
#include "windows/dialogs/LightDirectionDialog.h"
#include "windows/dialogs/ShiftPictureDialog.h"
#include "windows/display/DisplayWindow.h"
#include "windows/editor/EditorWindow.h"
#include "windows/editor/FigurePropertiesDialog.h"
#include "windows/dialogs/ExportDialog.h"
#include "platform/widgets/EventDispatch.h"

namespace vantor {

Program::Program(Desktop& desktop_, ProgramConfig config_) : Workspace(desktop_, std::move(config_)) {
    // Each window's creation handler runs as it is created, before the next
    // window exists: the control window measures the screen first, the
    // display then sets the display defaults.
    m_control = std::make_unique<ControlWindow>(*this, *this);
    m_control->FormCreate();
    m_display = std::make_unique<DisplayWindow>(*this, *this);
    m_display->FormCreate();
    m_lightDirection = std::make_unique<LightDirectionDialog>(*this);
    m_lightDirection->FormCreate();
    m_lightAngles = std::make_unique<LightAnglesDialog>(*this);
    m_lightAngles->FormCreate();
    m_editorWindow = std::make_unique<EditorWindow>(*this, *this);
    m_editorWindow->FormCreate();
    m_about = std::make_unique<AboutBox>(*this);
    m_about->FormCreate();
    m_shiftPicture = std::make_unique<ShiftPictureDialog>(*this);
    m_shiftPicture->FormCreate();
    m_scenario = std::make_unique<ScenarioWindow>(*this, *this);
    m_scenario->FormCreate();
    m_playback = std::make_unique<PlaybackWindow>(*this, *this, *m_scenario);
    m_playback->FormCreate();
    m_figureProperties = std::make_unique<FigurePropertiesDialog>(*this, *this, *m_editorWindow);
    m_figureProperties->FormCreate();
    m_export = std::make_unique<ExportDialog>(*this);
    m_export->FormCreate();
}

Program::~Program() = default;

std::vector<Form*> Program::forms() const {
    return {m_control.get(), m_display.get(), m_lightDirection.get(), m_lightAngles.get(), m_editorWindow.get(),
            m_about.get(),   m_shiftPicture.get(), m_scenario.get(), m_playback.get(), m_figureProperties.get(), m_export.get()};
}

bool Program::dispatch(const std::function<void()>& handler) { return dispatchEvent(desktop, handler); }

void Program::terminate() {
    m_terminated = true;
    desktop.quit();
}

void Program::aboutActivated() { aboutBox().setActivationText(); }

void Program::showAboutModal() {
    desktop.showModal(aboutBox());
    aboutBox().hide();
}

void Program::editorFromStore() { editorWindow().initStateFromOut(); }
void Program::showEditor() { editorWindow().show(); }
void Program::hideEditor() { editorWindow().hide(); }
void Program::setEditorCaption(const std::string& caption) { editorWindow().setCaption(caption); }
void Program::editorRecordsStoreChange() { editorWindow().recordStoreChange(); }

void Program::showAndRunDisplay() {
    displayWindow().show();
    displayWindow().mnDispRun.click();
}

void Program::endSimulation() {
    if (displayWindow().simuRunning()) displayWindow().mnSimuEndClick();
}

void Program::redrawDisplay() { displayWindow().mnDispRunClick(); }
void Program::showDisplay() { displayWindow().show(); }
void Program::hideDisplay() { displayWindow().hide(); }
void Program::setDisplayCaption(const std::string& caption) { displayWindow().setCaption(caption); }
void Program::readDisplayOptions(const std::string& fileName) { displayWindow().loadOptionFile(fileName); }
bool Program::liveSolidShown() const { return m_display->liveSolid() && m_display->visible(); }
const Image& Program::displayImage() const { return m_display->imgSolid; }
const Bitmap& Program::displayPicture() const { return m_display->displayPicture(); }

void Program::showScenarioEditor() { scenarioWindow().show(); }
void Program::hideScenarioEditor() { scenarioWindow().hide(); }

void Program::simulationTick() { displayWindow().simuTimerTimer(); }
void Program::playbackTick() { playbackWindow().playbackTimerTimer(); }

void Program::startAnimationTimer(TimerClient owner, std::int32_t interval) {
    ControlWindow& control = controlWindow();
    control.TimerOwner = owner;
    control.animTimer.setEnabled(true);
    control.animTimer.setInterval(interval);
}

void Program::restartAnimationTimer(std::int32_t interval) {
    Timer& timer = controlWindow().animTimer;
    timer.setEnabled(false);
    timer.setEnabled(true);
    timer.setInterval(interval);
}

void Program::stopAnimationTimer() { controlWindow().animTimer.setEnabled(false); }

std::int32_t Program::colorDepth() const { return m_control->ColorDepth; }
std::int32_t Program::mainWindowHeight() const { return m_control->height(); }

void Program::clearDataName() {
    m_control->lblDataName.setCaption(ControlWindow::NoDataCaption);
    m_control->saveIO.fileName.clear();
}

void Program::redrawSolid() { controlWindow().RedrawSolid(); }
void Program::setSaveDataName(const std::string& fileName) { controlWindow().saveIO.fileName = fileName; }

}  // namespace vantor
