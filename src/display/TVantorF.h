#pragma once
// The solid-of-revolution display window: the picture of the solid in the
// display bitmap, the labels above it, the brightness bar, the progress bar
// of a drawing pass and the menus of the display. The drawing itself is the
// StillDisplay; this class wires it to the window's controls.
#include <memory>
#include <string>

#include "display/simulation/MeridianSweep.h"
#include "display/simulation/PaletteBand.h"
#include "display/still/StillDisplay.h"
#include "platform/pixels/Bitmap.h"
#include "platform/widgets/Form.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/MenuItem.h"
#include "platform/widgets/ProgressBar.h"
#include "platform/widgets/ScrollBar.h"

namespace vantor {

class Program;

class TVantorF : public Form {
public:
    static constexpr int PictureWidth = 600;
    static constexpr int PictureHeight = 400;

    explicit TVantorF(Program& program);
    void FormCreate() override;

    // Controls.
    Bevel Bevel1{*this, "Bevel1"};
    Bevel Bevel2{*this, "Bevel2"};
    Label Label1{*this, "Label1", "単位角"};
    Label lblDegree{*this, "lblDegree"};
    Label lblImageAnim{*this, "lblImageAnim"};
    Label lblBrightIndi{*this, "lblBrightIndi", "明るさ"};
    ScrollBar scbBright{*this, "scbBright"};
    ProgressBar pgbAngle{*this, "pgbAngle"};
    Image imgVantor{*this, "imgVantor"};

    // Menu bar.
    MenuItem mnVantorFile{"mnVantorFile", "ファイル(&G)"};
    MenuItem mnSave{"mnSave", "画像を保存(&S)..."};
    MenuItem N1{"N1", "-"};
    MenuItem mnYomidasi{"mnYomidasi", "オプションを読込(&Y)..."};
    MenuItem mnKakikomi{"mnKakikomi", "オプションを保存(&K)..."};
    MenuItem N2{"N2", "-"};
    MenuItem mnKakiStandard{"mnKakiStandard", "現オプションを標準のオプションにする(&H)"};
    MenuItem mnInitStandard{"mnInitStandard", "ソフト導入時の標準オプションに戻す(&I)"};
    MenuItem N3{"N3", "-"};
    MenuItem mnBackBitmap{"mnBackBitmap", "背景画像の読込(&B)..."};
    MenuItem mnBackBitmapErase{"mnBackBitmapErase", "背景画像をなくす(&E)"};
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
    MenuItem mnUnitAngle{"mnUnitAngle", "単位回転角度(&U)  （度）"};
    MenuItem N4{"N4", "-"};
    MenuItem mnLPos{"mnLPos", "光源の方向(&L)    ((↓立体 ・ シミュ ))"};
    MenuItem mnVdist{"mnVdist", "視点との距離(&K)"};
    MenuItem mnVPos{"mnVPos", "視点の高さ（角度）(&H)"};
    MenuItem mnMethod{"mnMethod", "未設定図形の描画方法(&M) "};
    MenuItem mnTint{"mnTint", "未設定図形の色調(&T)"};
    MenuItem mnZoom{"mnZoom", "ズーム(&Z)"};
    MenuItem mnBack{"mnBack", "背景色(&G)"};
    MenuItem mnInc{"mnInc", "回転体の傾き(角度)(&I)"};
    MenuItem mnScroll{"mnScroll", "平行移動(&P)"};
    MenuItem mnInitAll{"mnInitAll", "全てのオプションを標準の値に戻す(&C)"};
    MenuItem mnAnime{"mnAnime", "アニメ(&A)"};
    MenuItem mnFinish{"mnFinish", "回転体表示終了(&X)"};

    // The picture: Indexed8 with the display palette on a 256-colour
    // screen, Rgb32 otherwise.
    Bitmap displayBitmap;
    // A picture stretched behind the solid instead of the background colour.
    Bitmap backBitmap;
    bool backLoaded = false;
    // True while the program itself moves the brightness bar.
    bool scbUpdating = false;

    // The still display (steps in TVantorFDisplay.cpp).
    void mnDispRunClick();
    // Renews the picture after an option change, in the current mode.
    void displayStartFromOption();
    // 256-colour screens: new brightness values and palette, no redraw.
    void ImmediatePaletteChange();
    void SetBrights() { m_still->SetBrights(); }
    // 256-colour screens: the brightness ramp into the palette, then the
    // picture is shown again. Nothing on other screens.
    void SetPaletteOfWindow();
    void animSetPaletteOfWindow();

    // Brightness (TVantorFBrightness.cpp).
    void mnBrightClick(MenuItem& sender);
    void mnBREtcClick();
    void SetBRCheck();
    void ChangeScbPosition();
    void scbBrightChange();

    void mnFinishClick() { close(); }

    // Reads an option file into the options and brings the window in line (no redraw).
    void YomiVop(const std::string& fileName);
    // Writes the options to an option file.
    void KakiVop(const std::string& fileName);

    // ---- Rotation simulation and the light and scroll dialogs --------------
    // (TVantorFSimulation.cpp, TVantorFDialogs.cpp)
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
    void fulcolRotate1Ua(int a);
    void mnSimuSpeedClick();
    void mnAUnitDegreeClick(MenuItem& sender);
    void FormHide() override;

    // Headless use (command line, benchmarks): after mnSimuStartClick, each
    // simuTimerTimer() leaves the next frame in displayBitmap (on the palette
    // path only its palette changes). simuTicksPerTurn() ticks bring the
    // picture back to where it started.
    bool simuRunning() const { return m_simu.running; }
    int simuTicksPerTurn() const;
    // Ticks handled since the simulation started.
    int simuTickCount = 0;
    // Palette path: the brightened entry; true colour: the angle of the line
    // set on the picture (the sweep's s2).
    int simuHighlight() const { return m_simu.h; }
    int simuSweepAngle() const { return m_simu.s2; }

    void mnLDirSimpleClick();
    void mnLDirAngleClick();
    void mnScrollValueClick();

private:
    void buildSimuMenu();
    void showSimulationLabels();
    struct SimuState {
        bool running = false;
        int h = 0;   // palette path: entry now brightened
        int s1 = 0;  // true colour: angle of the next line set
        int s2 = 0;  // true colour: angle of the set on the picture
        bool linesDrawn = false;
    } m_simu;
    MeridianSweep m_sweep;
    PaletteBand m_band;

public:
    // ------------------------------------------------------------------------

    StillDisplay& still() { return *m_still; }
    bool palettePath() const;
    // True while a still display pass is drawing.
    bool drawing() const { return m_passRunning; }

private:
    void buildMenus();
    void layoutControls();
    void createDisplayBitmap();
    void showPicture();
    void setDegreeLabel();
    void showProgress(int position);

    Program& m_program;
    std::unique_ptr<StillDisplay> m_still;
    bool m_passRunning = false;
    bool m_drawingStarted = false;
    bool m_rerunRequested = false;
    long long m_lastEventsMs = 0;
};

}  // namespace vantor
