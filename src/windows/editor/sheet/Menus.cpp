// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's menus: vertex spacing, settings reset and the grid.
#include <string>

#include "windows/shared/Workspace.h"
#include "platform/numbers/SharedRoutines.h"
#include "platform/numbers/TextNumbers.h"
#include "windows/editor/EditorWindow.h"

namespace vantor {

namespace {

enum RadioGroup { SpacingGroup = 1, GridOnOffGroup = 2, GridStepGroup = 3, PlacementGroup = 4 };

// The value of a menu caption such as " 5" or "20".
int captionValue(const MenuItem& item) { return std::stoi(removeSpaces(item.caption())); }

}  // namespace

void EditorWindow::buildMenus() {
    mainMenu.add(mnSmooth);
    mnSmooth.setHelpContext(9);
    mnSmooth.add(mnNDots);
    for (MenuItem* m : {&mnND2, &mnND5, &mnND10, &mnND20, &mnND40}) {
        mnNDots.add(*m);
        m->setRadio(SpacingGroup);
        m->onClick = [this, m] { mnNDotClick(*m); };
    }
    mnNDots.add(mnNDEtc);
    mnNDEtc.setRadio(SpacingGroup);
    mnNDEtc.onClick = [this] { mnNDEtcClick(); };
    mnSmooth.add(mnStandard);
    mnStandard.onClick = [this] { mnStandardClick(); };

    mainMenu.add(mnGrid);
    mnGrid.setHelpContext(9);
    mnGrid.add(mnGridOnOff);
    mnGridOnOff.add(mnGridOn);
    mnGridOnOff.add(mnGridOff);
    mnGridOn.setRadio(GridOnOffGroup);
    mnGridOff.setRadio(GridOnOffGroup);
    mnGridOn.onClick = [this] { mnGridOnClick(); };
    mnGridOff.onClick = [this] { mnGridOffClick(); };
    mnGrid.add(mnGridInt);
    for (MenuItem* m : {&mnG4, &mnG5, &mnG6, &mnG10, &mnG12, &mnG15, &mnG20, &mnG30, &mnG60}) {
        mnGridInt.add(*m);
        m->setRadio(GridStepGroup);
        m->onClick = [this, m] { mnGIntClick(*m); };
    }
    mnGrid.add(mnEndpointMethod);
    mnEndpointMethod.add(mnGFix);
    mnEndpointMethod.add(mnGFree);
    mnGFix.setRadio(PlacementGroup);
    mnGFree.setRadio(PlacementGroup);
    mnGFix.onClick = [this] { mnGFixClick(); };
    mnGFree.onClick = [this] { mnGFreeClick(); };
}

void EditorWindow::mnNDotClick(MenuItem& sender) {
    sender.setChecked(true);
    m_settings.vertexSpacing = static_cast<float>(captionValue(sender));
}

void EditorWindow::mnNDEtcClick() {
    long double value = 0;
    if (!askDecimal("頂点の間隔（その他）", "頂点の間隔をドット数で指定して下さい(１以上)", shortestDecimal(m_settings.vertexSpacing),
                    value))
        return;
    // The typed value is checked as typed, before it is stored in single precision.
    if (!(value >= 1) || value == m_settings.vertexSpacing) return;
    m_settings.vertexSpacing = static_cast<float>(value);
    mnNDEtc.setChecked(true);
    for (MenuItem* m : {&mnND2, &mnND5, &mnND10, &mnND20, &mnND40})
        if (static_cast<float>(captionValue(*m)) == m_settings.vertexSpacing) m->setChecked(true);
}

void EditorWindow::mnGridOnClick() {
    mnGridOn.setChecked(true);
    mnGridInt.setVisible(true);
    mnEndpointMethod.setVisible(true);
    if (m_settings.savedGridFix) mnGFix.setChecked(true);
    else mnGFree.setChecked(true);
    redrawSheet();
}

// Without a visible grid, snapping to it would surprise: placement becomes
// free until the grid is shown again.
void EditorWindow::mnGridOffClick() {
    mnGridOff.setChecked(true);
    m_settings.savedGridFix = mnGFix.checked();
    mnGFree.setChecked(true);
    mnGridInt.setVisible(false);
    mnEndpointMethod.setVisible(false);
    redrawSheet();
}

void EditorWindow::mnGIntClick(MenuItem& sender) {
    sender.setChecked(true);
    m_settings.gridStep = captionValue(sender);
    redrawSheet();
}

void EditorWindow::mnGFixClick() { mnGFix.setChecked(true); }
void EditorWindow::mnGFreeClick() { mnGFree.setChecked(true); }
void EditorWindow::mnStandardClick() { initAll(); }
void EditorWindow::mnHelpClick() { m_workspace.desktop.showHelp("HLP000008"); }

}  // namespace vantor
