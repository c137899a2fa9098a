// SPDX-License-Identifier: GPL-3.0-or-later
// The display window's menu bar: which items exist, in which order, which
// of them form radio groups, and which handler each one calls. The option
// menu's lists of fixed values come from the option menu table.
#include <initializer_list>

#include "windows/display/DisplayWindow.h"
#include "windows/display/OptionMenuTable.h"

namespace vantor {

namespace {
// Links the items under the parent; value items become one radio group.
void addItems(MenuItem& parent, std::initializer_list<MenuItem*> items) {
    for (MenuItem* m : items) parent.add(*m);
}
void addRadioItems(MenuItem& parent, std::initializer_list<MenuItem*> items) {
    for (MenuItem* m : items) {
        parent.add(*m);
        if (!m->isSeparator()) m->setRadio(1);
    }
}
}  // namespace

// Each list of fixed values is one radio group under its entry, its free
// value last; a list with a sub-menu of further values is laid out by hand.
void DisplayWindow::buildOptionLists() {
    for (const OptionMenu& row : optionMenus()) {
        for (MenuItem DisplayWindow::*member : row.items) {
            MenuItem& item = this->*member;
            item.onClick = [this, &row, &item] { optionValueClick(row, item); };
        }
        if (row.subMenu) continue;
        MenuItem& menu = this->*row.menu;
        for (MenuItem DisplayWindow::*member : row.items) {
            menu.add(this->*member);
            (this->*member).setRadio(1);
        }
        if (row.other) {
            menu.add(this->*row.other);
            (this->*row.other).setRadio(1);
        }
    }
}

void DisplayWindow::buildMenus() {
    mainMenu.add(mnDisplayFile);
    addItems(mnDisplayFile, {&mnSave, &N1, &mnReadOptions, &mnWriteOptions, &N2, &mnMakeStandardOptions, &mnInitStandard, &N3,
                            &mnBackBitmap, &mnBackBitmapErase, &N7, &mnExportMesh, &mnMeasure});
    mnSave.onClick = [this] { mnSaveClick(); };
    mnReadOptions.onClick = [this] { mnReadOptionsClick(); };
    mnWriteOptions.onClick = [this] { mnWriteOptionsClick(); };
    mnMakeStandardOptions.onClick = [this] { mnMakeStandardOptionsClick(); };
    mnInitStandard.onClick = [this] { mnInitStandardClick(); };
    mnBackBitmap.onClick = [this] { mnBackBitmapClick(); };
    mnBackBitmapErase.onClick = [this] { mnBackBitmapEraseClick(); };
    mnExportMesh.onClick = [this] { mnExportMeshClick(); };
    mnMeasure.onClick = [this] { mnMeasureClick(); };

    mainMenu.add(mnDispRun);
    mnDispRun.onClick = [this] { mnDispRunClick(); };

    mainMenu.add(mnSimu);
    buildSimuMenu();

    mainMenu.add(mnOption);
    addItems(mnOption, {&mnBright, &mnLdist, &mnUnitAngle, &N4, &mnLPos, &mnVdist, &mnVPos, &mnMethod, &mnTint, &mnZoom,
                        &mnBack, &mnInc, &mnScroll, &mnInitAll, &N8, &mnLiveSolid});
    mnLiveSolid.onClick = [this] { mnLiveSolid.setChecked(!mnLiveSolid.checked()); };

    buildOptionLists();
    mnBREtc.onClick = [this] { mnBREtcClick(); };
    mnLDEtc.onClick = [this] { mnLDEtcClick(); };

    addItems(mnLPos, {&mnLDirSimple, &mnLDirAngle});
    mnLDirSimple.onClick = [this] { mnLDirSimpleClick(); };
    mnLDirAngle.onClick = [this] { mnLDirAngleClick(); };

    mnVDEtc.onClick = [this] { mnVDEtcClick(); };
    mnVHEtc.onClick = [this] { mnVHEtcClick(); };

    addRadioItems(mnMethod, {&mnWire, &mnSurface, &mnMesh});
    mnWire.onClick = [this] { mnWireClick(); };
    mnSurface.onClick = [this] { mnSurfaceClick(); };
    mnMesh.onClick = [this] { mnMeshClick(); };

    addItems(mnTint, {&mnTintStandard, &mnTintFree});
    mnTintStandard.onClick = [this] { mnTintStandardClick(); };
    mnTintFree.onClick = [this] { mnTintFreeClick(); };

    mnZMEtc.onClick = [this] { mnZMEtcClick(); };

    addItems(mnBack, {&mnBackStandard, &mnBackFree});
    mnBackStandard.onClick = [this] { mnBackStandardClick(); };
    mnBackFree.onClick = [this] { mnBackFreeClick(); };

    addRadioItems(mnInc, {&mnInToRev, &mnIn1, &mnIn2, &mnIn3, &mnIn4, &mnIn5, &mnIn6, &mnIn7, &mnIn8, &mnIn9, &mnIn10,
                          &mnIn11, &mnIn12, &mnIn13, &mnInEtc});
    mnInToRev.add(mnInRev);
    mnInRev.setEnabled(false);
    addRadioItems(mnInToRev, {&N5, &mnIn14, &mnIn15, &mnIn16, &mnIn17, &mnIn18, &mnIn19, &mnIn20, &mnIn21, &mnIn22,
                              &mnIn23, &mnIn24, &N6, &mnInNonRev});
    mnInNonRev.setVisible(false);
    mnInEtc.onClick = [this] { mnInEtcClick(); };

    addItems(mnScroll, {&mnScrollValue, &mnStandardPosition});
    mnScrollValue.onClick = [this] { mnScrollValueClick(); };
    mnStandardPosition.onClick = [this] { mnStandardPositionClick(); };
    mnInitAll.onClick = [this] { InitAllOptions(); };

    mainMenu.add(mnAnimation);
    mnAnimation.onClick = [this] { mnAnimationClick(); };
    mainMenu.add(mnFinish);
    mnFinish.onClick = [this] { mnFinishClick(); };
}

}  // namespace vantor
