// SPDX-License-Identifier: GPL-3.0-or-later
// Option files: reading one into the options with the menus brought in
// line, writing one, the standard option file, and resetting every option
// to the standard.
#include <initializer_list>

#include "windows/shared/Workspace.h"
#include "model/figures/FigureStore.h"
#include "model/options/OptionFile.h"
#include "model/options/StandardOptions.h"
#include "windows/display/DisplayWindow.h"
#include "windows/display/OptionMenuTable.h"

namespace vantor {

namespace {
// The item of a radio list whose caption is the given whole number.
void checkCaptionValue(std::initializer_list<MenuItem*> items, std::int32_t value) {
    const std::string text = std::to_string(value);
    for (MenuItem* m : items) {
        std::string caption = m->caption();
        caption.erase(0, caption.find_first_not_of(' '));
        if (caption == text) m->setChecked(true);
    }
}
}  // namespace

void DisplayWindow::loadOptionFile(const std::string& fileName) {
    // The reader replaces a step that no menu offers (3 for the still
    // display, 2 for the simulation) and renews lightDist.
    readOptionFile(m_workspace.files, fileName, m_workspace.options);
    optionsRead();
}

void DisplayWindow::optionsRead() {
    const DisplayOptions& o = m_workspace.options;
    SetSimuUnitAngleCheck();
    switch (static_cast<DrawMethod>(o.defaultMethod)) {
        case DrawMethod::Wire: mnWire.setChecked(true); break;
        case DrawMethod::Surface: mnSurface.setChecked(true); break;
        case DrawMethod::Mesh: mnMesh.setChecked(true); break;
        default: break;  // kept as read; no method item carries the mark
    }
    // A value no fixed item offers keeps the mark on its free-value item.
    for (const OptionMenu& row : optionMenus())
        if (row.other) (this->*row.other).setChecked(true);
    for (const OptionMenu& row : optionMenus()) markStoredValue(row.group);
    pgbAngle.setVisible(false);
    m_workspace.clock.stop();
    setDegreeLabel();
}

void DisplayWindow::saveOptionFile(const std::string& fileName) { writeOptionFile(m_workspace.files, fileName, m_workspace.options); }

void DisplayWindow::mnReadOptionsClick() {
    if (!m_workspace.executeFileDialog(dlgOpenOptions)) return;
    dlgSaveOptions.fileName = dlgOpenOptions.fileName;
    loadOptionFile(dlgOpenOptions.fileName);
    m_workspace.store.applyDefaultTint();
    m_workspace.store.applyDefaultMethod();
    displayStartFromOption();
}

void DisplayWindow::mnWriteOptionsClick() {
    if (!m_workspace.executeFileDialog(dlgSaveOptions)) return;
    saveOptionFile(dlgSaveOptions.fileName);
}

void DisplayWindow::mnMakeStandardOptionsClick() {
    if (m_workspace.desktop.messageBox("現在のオプションを標準の値にしていいですか？", Workspace::ApplicationTitle,
                                     MsgIcon::Warning, MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    saveOptionFile(m_workspace.standardOptionPathForWriting());
}

void DisplayWindow::mnInitStandardClick() {
    if (m_workspace.desktop.messageBox("標準のオプションをソフト・インストール時の値に戻していいですか？",
                                     Workspace::ApplicationTitle, MsgIcon::Warning, MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    // The user's own standard goes; a standard installed with the program
    // (read when the user has none) is the installation's and stays.
    if (m_workspace.config.userConfigFolder.empty()) return;
    const std::string path = m_workspace.standardOptionPathForWriting();
    if (m_workspace.files.fileExists(path)) m_workspace.files.deleteFile(path);
}

void DisplayWindow::InitAllOptions() {
    DisplayOptions& o = m_workspace.options;
    const std::string standard = m_workspace.standardOptionPathForReading();
    if (!standard.empty() && m_workspace.files.fileExists(standard)) {
        loadOptionFile(standard);
        o.takeColoursAsStandard();
    } else {
        setFactoryOptions(o);
        setFactoryMarks();
        pgbAngle.setVisible(false);
        m_workspace.clock.stop();
        setDegreeLabel();
    }
    m_workspace.store.applyDefaultTint();
    m_workspace.store.applyDefaultMethod();
    displayStartFromOption();
}

void DisplayWindow::setFactoryMarks() {
    mn3d.setChecked(true);
    mnSurface.setChecked(true);
    mnBR1.setChecked(true);
    mnLD3.setChecked(true);
    mnVD2.setChecked(true);
    mnVH6.setChecked(true);
    mnZM3.setChecked(true);
    mnIn7.setChecked(true);
    markStoredValue(OptionGroup::Inclination);
    SetSimuUnitAngleCheck();
}

}  // namespace vantor

namespace vantor {

void DisplayWindow::SetSimuUnitAngleCheck() {
    checkCaptionValue({&mns2d, &mns6d, &mns10d, &mns18d, &mns30d}, m_workspace.options.simuUnitAngle);
}

}  // namespace vantor
