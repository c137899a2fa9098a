#pragma once
// The solid-of-revolution display window: the picture of the solid in the
// display bitmap, the labels above it, the brightness bar, the progress bar
// of a drawing pass and the menus of the display. The drawing itself is the
// StillDisplay; this class wires it to the window's controls.
#include <memory>
#include <string>

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
    // Filled in with the rotation simulation; until then displayMode never
    // becomes 2, so nothing calls it.
    void AnimPrepare() {}

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
    // One tick of the shared timer while the simulation owns it.
    void simuTimerTimer();
    int simuTickCount = 0;  // ticks received; the simulation itself is not built yet

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
