// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The solid-of-revolution display window: the picture of the solid in the
// display bitmap, the labels above it, the brightness bar, the progress bar
// of a drawing pass and the menus of the display. The picture and its
// drawing are the SolidPicture, the simulation's frames the
// RotationSimulation, the drag-to-look the LookGesture; this class wires them
// to the window's controls.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "render/geometry/PictureScale.h"
#include "render/picture/SolidPicture.h"
#include "render/simulation/RotationSimulation.h"
#include "render/still/StillDisplay.h"
#include "platform/pixels/Bitmap.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/Form.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/MenuItem.h"
#include "platform/widgets/ProgressBar.h"
#include "platform/widgets/ScrollBar.h"
#include "windows/display/LookGesture.h"
#include "windows/shared/Peers.h"

namespace vantor {

class Workspace;
struct OptionMenu;
enum class OptionGroup : std::uint8_t;
class ExportDialog;
class LightAnglesDialog;
class LightDirectionDialog;
class ShiftPictureDialog;

class DisplayWindow : public Form {
public:
    // The picture's starting and smallest size, and its place below the labels.
    static constexpr int PictureWidth = DisplayPictureWidth;
    static constexpr int PictureHeight = DisplayPictureHeight;
    static constexpr int PictureTop = 25;

    DisplayWindow(Workspace& work, DisplayRequests& peers);
    ~DisplayWindow() override;
    void FormCreate() override;
    // The picture fills the window: a larger window gets a larger picture
    // of the same view, as `vantor-cli render --size` draws it.
    void FormResize() override;
    // How the picture's size enlarges the view drawn for 600 x 400.
    PictureScale pictureScale() const;

    // The dialogs the display owns and drives, for the host to show.
    std::vector<Form*> partnerForms() const;
    LightDirectionDialog& lightDirectionDialog() { return *m_lightDirection; }
    LightAnglesDialog& lightAnglesDialog() { return *m_lightAngles; }
    ShiftPictureDialog& shiftPictureDialog() { return *m_shiftPicture; }
    ExportDialog& exportDialog() { return *m_export; }

    // The solid drawn again from the figures as they are now: a running
    // simulation ends, vertices on the axis move just off it, then the still
    // display; with no figures the window goes. The display does this
    // itself when the figures change while it is kept open during editing.
    void redrawSolid();

    // Controls.
    Bevel Bevel1{*this, "Bevel1"};
    Bevel Bevel2{*this, "Bevel2"};
    Label Label1{*this, "Label1", "単位角"};
    Label lblDegree{*this, "lblDegree"};
    Label lblImageAnim{*this, "lblImageAnim"};
    Label lblBrightIndi{*this, "lblBrightIndi", "明るさ"};
    ScrollBar scbBright{*this, "scbBright"};
    ProgressBar pgbAngle{*this, "pgbAngle"};
    Image imgSolid{*this, "imgSolid"};

    // Menu bar.
    MenuItem mnDisplayFile{"mnDisplayFile", "ファイル(&G)"};
    MenuItem mnSave{"mnSave", "画像を保存(&S)..."};
    MenuItem N1{"N1", "-"};
    MenuItem mnReadOptions{"mnReadOptions", "オプションを読込(&Y)..."};
    MenuItem mnWriteOptions{"mnWriteOptions", "オプションを保存(&K)..."};
    MenuItem N2{"N2", "-"};
    MenuItem mnMakeStandardOptions{"mnMakeStandardOptions", "現オプションを標準のオプションにする(&H)"};
    MenuItem mnInitStandard{"mnInitStandard", "ソフト導入時の標準オプションに戻す(&I)"};
    MenuItem N3{"N3", "-"};
    MenuItem mnBackBitmap{"mnBackBitmap", "背景画像の読込(&B)..."};
    MenuItem mnBackBitmapErase{"mnBackBitmapErase", "背景画像をなくす(&E)"};
    // After the menu's fixed items, so their places never move: the solid
    // for 3-D printing and its measures.
    MenuItem N7{"N7", "-"};
    MenuItem mnExportMesh{"mnExportMesh", "立体を書き出す（3Dプリント用）(&M)..."};
    MenuItem mnMeasure{"mnMeasure", "体積と表面積(&V)..."};
    MenuItem mnDispRun{"mnDispRun", "立体表示(&D)"};
    MenuItem mnSimu{"mnSimu", "シミュレーション(&S)"};
    MenuItem mnOption{"mnOption", "オプション(&O)"};
    MenuItem mnBright{"mnBright", "光源の明るさ(&B)        ((↓立体表示))"};
    MenuItem mnBR1{"mnBR1", "1"};
    MenuItem mnBR2{"mnBR2", "1.2"};
    MenuItem mnBR3{"mnBR3", "1.4"};
    MenuItem mnBR4{"mnBR4", "1.6"};
    MenuItem mnBREtc{"mnBREtc", "その他(&E)..."};
    MenuItem mnLdist{"mnLdist", "光源との距離(&D)"};
    MenuItem mnLDm2{"mnLDm2", "0.6"};
    MenuItem mnLDm1{"mnLDm1", "0.8"};
    MenuItem mnLD1{"mnLD1", "1"};
    MenuItem mnLD2{"mnLD2", "1.2"};
    MenuItem mnLD3{"mnLD3", "1.4"};
    MenuItem mnLD4{"mnLD4", "1.6"};
    MenuItem mnLD5{"mnLD5", "1.8"};
    MenuItem mnLD6{"mnLD6", "2.0"};
    MenuItem mnLDEtc{"mnLDEtc", "その他(&E)..."};
    MenuItem mnUnitAngle{"mnUnitAngle", "単位回転角度(&U)  （度）"};
    MenuItem mn1d{"mn1d", " 1"};
    MenuItem mn2d{"mn2d", " 2"};
    MenuItem mn3d{"mn3d", " 3"};
    MenuItem mn5d{"mn5d", " 5"};
    MenuItem mn6d{"mn6d", " 6"};
    MenuItem mn9d{"mn9d", " 9"};
    MenuItem mn10d{"mn10d", "10"};
    MenuItem mn15d{"mn15d", "15"};
    MenuItem mn18d{"mn18d", "18"};
    MenuItem mn30d{"mn30d", "30"};
    MenuItem mn45d{"mn45d", "45"};
    MenuItem N4{"N4", "-"};
    MenuItem mnLPos{"mnLPos", "光源の方向(&L)    ((↓立体 ・ シミュ ))"};
    MenuItem mnLDirSimple{"mnLDirSimple", "簡易設定(&E)..."};
    MenuItem mnLDirAngle{"mnLDirAngle", "角度による設定(&A)..."};
    MenuItem mnVdist{"mnVdist", "視点との距離(&K)"};
    MenuItem mnVD7{"mnVD7", "0.4"};
    MenuItem mnVD6{"mnVD6", "0.6"};
    MenuItem mnVD5{"mnVD5", "0.8"};
    MenuItem mnVD1{"mnVD1", "1"};
    MenuItem mnVD2{"mnVD2", "1.2"};
    MenuItem mnVD3{"mnVD3", "1.4"};
    MenuItem mnVD4{"mnVD4", "1.6"};
    MenuItem mnVDEtc{"mnVDEtc", "その他(&E)..."};
    MenuItem mnVPos{"mnVPos", "視点の高さ（角度）(&H)"};
    MenuItem mnVH1{"mnVH1", "90"};
    MenuItem mnVH2{"mnVH2", "75"};
    MenuItem mnVH3{"mnVH3", "60"};
    MenuItem mnVH4{"mnVH4", "45"};
    MenuItem mnVH5{"mnVH5", "30"};
    MenuItem mnVH6{"mnVH6", "15"};
    MenuItem mnVH7{"mnVH7", " 0"};
    MenuItem mnVH8{"mnVH8", "-15"};
    MenuItem mnVH9{"mnVH9", "-30"};
    MenuItem mnVH10{"mnVH10", "-45"};
    MenuItem mnVH11{"mnVH11", "-60"};
    MenuItem mnVH12{"mnVH12", "-75"};
    MenuItem mnVH13{"mnVH13", "-90"};
    MenuItem mnVHEtc{"mnVHEtc", "その他(&E)..."};
    MenuItem mnMethod{"mnMethod", "未設定図形の描画方法(&M) "};
    MenuItem mnWire{"mnWire", "ワイヤフレーム(&W)"};
    MenuItem mnSurface{"mnSurface", "サーフェイス(&S)"};
    MenuItem mnMesh{"mnMesh", "網付サーフェイス(M)"};
    MenuItem mnTint{"mnTint", "未設定図形の色調(&T)"};
    MenuItem mnTintStandard{"mnTintStandard", "標準の色調(&S)"};
    MenuItem mnTintFree{"mnTintFree", "任意設定(&F)..."};
    MenuItem mnZoom{"mnZoom", "ズーム(&Z)"};
    MenuItem mnZM7{"mnZM7", "0.5"};
    MenuItem mnZM6{"mnZM6", "0.8"};
    MenuItem mnZM1{"mnZM1", "1"};
    MenuItem mnZM2{"mnZM2", "1.2"};
    MenuItem mnZM3{"mnZM3", "1.5"};
    MenuItem mnZM4{"mnZM4", "2"};
    MenuItem mnZM5{"mnZM5", "3"};
    MenuItem mnZMEtc{"mnZMEtc", "その他(&E)..."};
    MenuItem mnBack{"mnBack", "背景色(&G)"};
    MenuItem mnBackStandard{"mnBackStandard", "標準の色(&S)"};
    MenuItem mnBackFree{"mnBackFree", "任意設定(&F)..."};
    MenuItem mnInc{"mnInc", "回転体の傾き(角度)(&I)"};
    // The upside-down angles live in a sub-menu whose entry is itself a
    // radio item of the main list, so the list can show where the value is.
    MenuItem mnInToRev{"mnInToRev", "　(上下逆さ)"};
    MenuItem mnInRev{"mnInRev", "--上下逆さ--"};
    MenuItem N5{"N5", "-"};
    MenuItem mnIn14{"mnIn14", "105"};
    MenuItem mnIn15{"mnIn15", "120"};
    MenuItem mnIn16{"mnIn16", "135"};
    MenuItem mnIn17{"mnIn17", "150"};
    MenuItem mnIn18{"mnIn18", "165"};
    MenuItem mnIn19{"mnIn19", "180"};
    MenuItem mnIn20{"mnIn20", "-165"};
    MenuItem mnIn21{"mnIn21", "-150"};
    MenuItem mnIn22{"mnIn22", "-135"};
    MenuItem mnIn23{"mnIn23", "-120"};
    MenuItem mnIn24{"mnIn24", "-105"};
    MenuItem N6{"N6", "-"};
    // Hidden: holds the sub-menu's mark while the value is outside it.
    MenuItem mnInNonRev{"mnInNonRev", "該当なし"};
    MenuItem mnIn1{"mnIn1", "90"};
    MenuItem mnIn2{"mnIn2", "75"};
    MenuItem mnIn3{"mnIn3", "60"};
    MenuItem mnIn4{"mnIn4", "45"};
    MenuItem mnIn5{"mnIn5", "30"};
    MenuItem mnIn6{"mnIn6", "15"};
    MenuItem mnIn7{"mnIn7", " 0"};
    MenuItem mnIn8{"mnIn8", "-15"};
    MenuItem mnIn9{"mnIn9", "-30"};
    MenuItem mnIn10{"mnIn10", "-45"};
    MenuItem mnIn11{"mnIn11", "-60"};
    MenuItem mnIn12{"mnIn12", "-75"};
    MenuItem mnIn13{"mnIn13", "-90"};
    MenuItem mnInEtc{"mnInEtc", "その他(&E)..."};
    MenuItem mnScroll{"mnScroll", "平行移動(&P)"};
    MenuItem mnScrollValue{"mnScrollValue", "ドット数で指定(&D)..."};
    MenuItem mnStandardPosition{"mnStandardPosition", "標準の位置に戻す(&S)"};
    MenuItem mnInitAll{"mnInitAll", "全てのオプションを標準の値に戻す(&C)"};
    // After the fixed items: the solid stays on screen while the
    // editor changes the figures, redrawn after each committed change.
    MenuItem N8{"N8", "-"};
    MenuItem mnLiveSolid{"mnLiveSolid", "編集中も立体を表示し続ける(&E)"};
    bool liveSolid() const { return mnLiveSolid.checked(); }
    MenuItem mnAnimation{"mnAnimation", "アニメ(&A)"};
    MenuItem mnFinish{"mnFinish", "回転体表示終了(&X)"};

    // The picture: Indexed8 with the display palette on a 256-colour
    // screen, Rgb32 otherwise.
    const Bitmap& displayPicture() const { return m_picture->bitmap(); }
    // A picture is loaded to stand behind the solid.
    bool backgroundLoaded() const { return backLoaded; }

    // The still display (steps in DisplayWindowStillPass.cpp).
    void mnDispRunClick();
    // Renews the picture after an option change, in the current mode.
    void displayStartFromOption();
    // 256-colour screens: new brightness values and palette, no redraw.
    void ImmediatePaletteChange();
    void SetBrights() { m_picture->still().SetBrights(); }
    // 256-colour screens: the brightness ramp into the palette, then the
    // picture is shown again. Nothing on other screens.
    void SetPaletteOfWindow();
    void animSetPaletteOfWindow();

    // The lists of fixed values of the option menu, one row each in the
    // option menu table (OptionMenuTable.h; DisplayWindowOptions.cpp): a
    // click on a fixed item, and the list's mark moved to the item of the
    // stored value (left alone when no item offers it).
    void optionValueClick(const OptionMenu& row, MenuItem& item);
    void markStoredValue(OptionGroup group);

    // Brightness: the free value and the bar (DisplayWindowBrightness.cpp).
    void mnBREtcClick();
    void ChangeScbPosition();
    void scbBrightChange();

    // The free values of the light distance, view, zoom and inclination, the
    // default method and the standard position (DisplayWindowOptions.cpp).
    void mnLDEtcClick();
    void mnWireClick();
    void mnSurfaceClick();
    void mnMeshClick();
    void mnVDEtcClick();
    void mnVHEtcClick();
    void mnZMEtcClick();
    void mnInEtcClick();
    void mnStandardPositionClick();

    // Default tint and background colour (DisplayWindowColors.cpp).
    void mnTintStandardClick();
    void mnTintFreeClick();
    void mnBackStandardClick();
    void mnBackFreeClick();
    ColorDialog dlgTintColor;
    ColorDialog dlgBackColor;

    // Option files and the standard options (DisplayWindowOptionFiles.cpp).
    // Reads an option file into the options and brings the menus in line (no redraw).
    void loadOptionFile(const std::string& fileName);
    // Brings the menus in line with options just read (no redraw).
    void optionsRead();
    // Writes the options to an option file.
    void saveOptionFile(const std::string& fileName);
    void mnReadOptionsClick();
    void mnWriteOptionsClick();
    void mnMakeStandardOptionsClick();
    void mnInitStandardClick();
    void InitAllOptions();
    FileDialog dlgOpenOptions{FileDialogKind::Open, "画像オプションファイル(*.vop)|*.vop", "vop"};
    FileDialog dlgSaveOptions{FileDialogKind::Save, "画像オプションファイル(*.vop)|*.vop", "vop"};

    // The picture: moving it, saving it, a background image behind it
    // (DisplayWindowPicture.cpp).
    void imgSolidMouseDown(MouseButton button, unsigned shift, int x, int y);
    void imgSolidMouseUp(MouseButton button, unsigned shift, int x, int y);
    // Looking by hand: a left-button drag turns the light round the solid
    // (across) and tilts the view (up and down), drawing a quick preview
    // while the button is held and the exact picture when it is released;
    // the wheel zooms; the arrow keys step the same values.
    void imgSolidMouseMove(unsigned shift, int x, int y);
    void imgSolidMouseWheel(int delta, unsigned shift, int x, int y);
    void FormKeyDown(int key, unsigned shift) override;
    bool looking() const { return m_look.active(); }
    // The preview of a drag: the unit angle it uses and its picture's size.
    int previewUnitAngle() const;
    bool previewHalfSize() const;
    // Target pixels a side that each preview pixel covers.
    int previewReduction() const;
    // Draws the preview of the current options into the display bitmap.
    void drawLookPreview();
    void mnSaveClick();
    void mnBackBitmapClick();
    void mnBackBitmapEraseClick();
    // The solid as a mesh for 3-D printing, set in the export dialog, and
    // its exact measures in a message (DisplayWindowSolid.cpp).
    void mnExportMeshClick();
    void mnMeasureClick();
    void mnFinishClick() { close(); }
    void mnAnimationClick();
    // Writes the display bitmap: PNG when the name ends in ".png", else BMP
    // (8-bit with its palette on a 256-colour screen, 24-bit otherwise).
    void savePicture(const std::string& fileName) const;
    FileDialog dlgSaveBitmap{FileDialogKind::Save, "画像ファイル（*.bmp)|*.bmp", "bmp"};
    FileDialog dlgOpenBackBitmap{FileDialogKind::Open, "背景画像(*.bmp)|*.bmp", "*.bmp"};
    // True between a press and a release of a button that moves the picture.
    bool dragging() const { return m_drag.active; }

    // ---- Rotation simulation and the light and scroll dialogs --------------
    // (DisplayWindowSimulation.cpp, DisplayWindowDialogs.cpp)
    MenuItem mnSimuStart{"mnSimuStart", "開始(&S)"};
    MenuItem mnSimuEnd{"mnSimuEnd", "終了(&E)"};
    MenuItem NSimu1{"NSimu1", "-"};
    MenuItem mnSimuUnitAngle{"mnSimuUnitAngle", "単位回転角度(&U)  （度）"};
    MenuItem mns2d{"mns2d", " 2"};
    MenuItem mns6d{"mns6d", " 6"};
    MenuItem mns10d{"mns10d", "10"};
    MenuItem mns18d{"mns18d", "18"};
    MenuItem mns30d{"mns30d", "30"};
    MenuItem mnSimuSpeed{"mnSimuSpeed", "画像描き換え時間間隔(&T)..."};

    // 256-colour screens: paints the simulation picture, each element in the
    // palette entry of its angle about the axis, and loads the angle ramp.
    // Does nothing on other screens.
    void AnimPrepare();
    void mnSimuStartClick();
    // Safe to call at any time; does nothing unless the simulation runs.
    void mnSimuEndClick();
    // One tick of the shared timer while the simulation owns it.
    void simuTimerTimer();
    // True colour: inverts the profile lines of every figure turned to a
    // (whole degrees) on the picture; the same call again erases them.
    void invertMeridianTrueColour(int a);
    void mnSimuSpeedClick();
    void mnAUnitDegreeClick(MenuItem& sender);
    void FormHide() override;

    // After mnSimuStartClick, each simuTimerTimer() leaves the next frame in
    // the picture (on the palette path only its palette changes).
    // simuTicksPerTurn() ticks bring the picture back to where it started.
    bool simuRunning() const { return m_simulation->running(); }
    int simuTicksPerTurn() const { return m_simulation->ticksPerTurn(); }
    // Ticks handled since the simulation started.
    int simulationTicks() const { return m_simulation->ticks(); }
    // Palette path: the brightened entry; true colour: the angle of the line
    // set on the picture.
    int simuHighlight() const { return m_simulation->highlight(); }
    int simuSweepAngle() const { return m_simulation->sweepAngle(); }

    void mnLDirSimpleClick();
    void mnLDirAngleClick();
    void mnScrollValueClick();

    StillDisplay& still() { return m_picture->still(); }
    bool palettePath() const;
    // True while a still display pass is drawing.
    bool drawing() const { return m_passRunning; }

    // How often (milliseconds) a long pass lets the host repaint its
    // progress bar; 0 at every step.
    void setEventsInterval(long long ms) { eventsIntervalMs = ms; }

private:
    void buildSimuMenu();
    void showSimulationLabels();

    struct Drag {
        bool active = false;
        int pressX = 0;
        int pressY = 0;
        std::string savedCaption;
    };
    void drawGrabRing(int x, int y);
    LookGesture m_look;
    void lookRelease();
    // Stores a view height and light direction reached by hand, with the
    // marks their typed-value commands leave, and draws the exact picture.
    void lookCommit(double height, double lightDir);
    // The labels above the picture say what it is ("立体表示", "シミュレーション",
    // "平行移動"), in lime; the step label follows when `degrees` is given.
    void labelPicture(const std::string& what, std::optional<int> degrees = std::nullopt);
    // The free-value steps shared by the input boxes: the answer with blanks
    // removed, as a number when it is a plain signed decimal.
    std::optional<double> askValue(const std::string& caption, const std::string& prompt, double current);
    // A typed value for a field of the view: stored, and true, only when it
    // lies within low ... high and differs from the stored value.
    bool takeTypedValue(double& field, const char* caption, const char* prompt, double low, double high);
    // 256-colour screen: palette reload; otherwise the current picture is renewed.
    void colourChanged();
    // Marks the menu items of the factory values.
    void setFactoryMarks();
    // The simulation step's mark follows the stored step.
    void SetSimuUnitAngleCheck();

    void buildMenus();
    void buildOptionLists();
    void layoutControls();
    // The picture in the colour path of the screen, blank.
    void createDisplayBitmap();
    // A new blank picture of the same size and format.
    void renewDisplayBitmap();
    void showPicture();
    // Gives the picture the size the window asked for, once nothing draws
    // on it: not during a pass, a move of the picture or a look.
    void applyPendingSize();
    std::optional<std::pair<int, int>> m_pendingSize;
    void setDegreeLabel();
    void showProgress(int position);

    Workspace& m_workspace;
    DisplayRequests& m_peers;
    std::unique_ptr<LightDirectionDialog> m_lightDirection;
    std::unique_ptr<LightAnglesDialog> m_lightAngles;
    std::unique_ptr<ShiftPictureDialog> m_shiftPicture;
    std::unique_ptr<ExportDialog> m_export;
    int m_storeListener = 0;
    // Follows the figure store's changes (see redrawSolid).
    void followStore();
    std::unique_ptr<SolidPicture> m_picture;
    std::unique_ptr<RotationSimulation> m_simulation;
    Drag m_drag;
    bool m_passRunning = false;
    bool m_drawingStarted = false;
    bool m_rerunRequested = false;
    long long m_lastEventsMs = 0;
    long long eventsIntervalMs = 40;

    // A picture stretched behind the solid instead of the background colour.
    Bitmap backBitmap;
    bool backLoaded = false;
    // True while the program itself moves the brightness bar.
    bool scbUpdating = false;
};

}  // namespace vantor
