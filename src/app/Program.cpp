// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"

#include "windows/about/AboutBox.h"
#include "windows/scenario/ScenarioWindow.h"
#include "windows/control/ControlWindow.h"
#include "windows/display/DisplayWindow.h"
#include "windows/editor/EditorWindow.h"
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
    m_editorWindow = std::make_unique<EditorWindow>(*this, *this);
    m_editorWindow->FormCreate();
    m_about = std::make_unique<AboutBox>(*this);
    m_about->FormCreate();
    m_scenario = std::make_unique<ScenarioWindow>(*this, *this);
    m_scenario->FormCreate();
}

Program::~Program() = default;

std::vector<Form*> Program::forms() const {
    std::vector<Form*> all{m_control.get(), m_display.get()};
    for (Form* f : m_display->partnerForms()) all.push_back(f);
    all.push_back(m_editorWindow.get());
    for (Form* f : m_editorWindow->partnerForms()) all.push_back(f);
    all.push_back(m_about.get());
    all.push_back(m_scenario.get());
    for (Form* f : m_scenario->partnerForms()) all.push_back(f);
    return all;
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

void Program::showAndRunDisplay() {
    displayWindow().show();
    displayWindow().mnDispRun.click();
}

void Program::showDisplay() { displayWindow().show(); }
void Program::hideDisplay() { displayWindow().hide(); }
void Program::setDisplayCaption(const std::string& caption) { displayWindow().setCaption(caption); }
void Program::readDisplayOptions(const std::string& fileName) { displayWindow().loadOptionFile(fileName); }
const Image& Program::displayImage() const { return m_display->imgSolid; }
const Bitmap& Program::displayPicture() const { return m_display->displayPicture(); }

void Program::showScenarioEditor() { scenarioWindow().show(); }
void Program::hideScenarioEditor() { scenarioWindow().hide(); }

std::int32_t Program::colorDepth() const { return m_control->ColorDepth; }
std::int32_t Program::mainWindowHeight() const { return m_control->height(); }

void Program::clearDataName() {
    m_control->lblDataName.setCaption(ControlWindow::NoDataCaption);
    m_control->saveIO.fileName.clear();
}

void Program::setSaveDataName(const std::string& fileName) { controlWindow().saveIO.fileName = fileName; }

}  // namespace vantor
