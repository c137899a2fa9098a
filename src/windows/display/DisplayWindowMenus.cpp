// The display window's menu bar: which items exist, in which order, which
// of them form radio groups, and which handler each one calls.
#include <initializer_list>

#include "windows/display/DisplayWindow.h"

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
// Items whose handler reads the value from the clicked item's caption.
template <typename Handler>
void onEachClick(std::initializer_list<MenuItem*> items, Handler handler) {
    for (MenuItem* m : items) m->onClick = [m, handler] { handler(*m); };
}
}  // namespace

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

    addRadioItems(mnBright, {&mnBR1, &mnBR2, &mnBR3, &mnBR4, &mnBREtc});
    onEachClick({&mnBR1, &mnBR2, &mnBR3, &mnBR4}, [this](MenuItem& m) { mnBrightClick(m); });
    mnBREtc.onClick = [this] { mnBREtcClick(); };

    addRadioItems(mnLdist, {&mnLDm2, &mnLDm1, &mnLD1, &mnLD2, &mnLD3, &mnLD4, &mnLD5, &mnLD6, &mnLDEtc});
    onEachClick({&mnLDm2, &mnLDm1, &mnLD1, &mnLD2, &mnLD3, &mnLD4, &mnLD5, &mnLD6},
                [this](MenuItem& m) { mnLdistClick(m); });
    mnLDEtc.onClick = [this] { mnLDEtcClick(); };

    addRadioItems(mnUnitAngle, {&mn1d, &mn2d, &mn3d, &mn5d, &mn6d, &mn9d, &mn10d, &mn15d, &mn18d, &mn30d, &mn45d});
    onEachClick({&mn1d, &mn2d, &mn3d, &mn5d, &mn6d, &mn9d, &mn10d, &mn15d, &mn18d, &mn30d, &mn45d},
                [this](MenuItem& m) { mnUnitDegreeClick(m); });

    addItems(mnLPos, {&mnLDirSimple, &mnLDirAngle});
    mnLDirSimple.onClick = [this] { mnLDirSimpleClick(); };
    mnLDirAngle.onClick = [this] { mnLDirAngleClick(); };

    addRadioItems(mnVdist, {&mnVD7, &mnVD6, &mnVD5, &mnVD1, &mnVD2, &mnVD3, &mnVD4, &mnVDEtc});
    onEachClick({&mnVD7, &mnVD6, &mnVD5, &mnVD1, &mnVD2, &mnVD3, &mnVD4}, [this](MenuItem& m) { mnVdistClick(m); });
    mnVDEtc.onClick = [this] { mnVDEtcClick(); };

    addRadioItems(mnVPos, {&mnVH1, &mnVH2, &mnVH3, &mnVH4, &mnVH5, &mnVH6, &mnVH7, &mnVH8, &mnVH9, &mnVH10, &mnVH11,
                           &mnVH12, &mnVH13, &mnVHEtc});
    onEachClick({&mnVH1, &mnVH2, &mnVH3, &mnVH4, &mnVH5, &mnVH6, &mnVH7, &mnVH8, &mnVH9, &mnVH10, &mnVH11, &mnVH12,
                 &mnVH13},
                [this](MenuItem& m) { mnVheightClick(m); });
    mnVHEtc.onClick = [this] { mnVHEtcClick(); };

    addRadioItems(mnMethod, {&mnWire, &mnSurface, &mnMesh});
    mnWire.onClick = [this] { mnWireClick(); };
    mnSurface.onClick = [this] { mnSurfaceClick(); };
    mnMesh.onClick = [this] { mnMeshClick(); };

    addItems(mnTint, {&mnTintStandard, &mnTintFree});
    mnTintStandard.onClick = [this] { mnTintStandardClick(); };
    mnTintFree.onClick = [this] { mnTintFreeClick(); };

    addRadioItems(mnZoom, {&mnZM7, &mnZM6, &mnZM1, &mnZM2, &mnZM3, &mnZM4, &mnZM5, &mnZMEtc});
    onEachClick({&mnZM7, &mnZM6, &mnZM1, &mnZM2, &mnZM3, &mnZM4, &mnZM5}, [this](MenuItem& m) { mnZMClick(m); });
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
    onEachClick({&mnIn1, &mnIn2, &mnIn3, &mnIn4, &mnIn5, &mnIn6, &mnIn7, &mnIn8, &mnIn9, &mnIn10, &mnIn11, &mnIn12,
                 &mnIn13, &mnIn14, &mnIn15, &mnIn16, &mnIn17, &mnIn18, &mnIn19, &mnIn20, &mnIn21, &mnIn22, &mnIn23,
                 &mnIn24},
                [this](MenuItem& m) { mnInclinClick(m); });
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
