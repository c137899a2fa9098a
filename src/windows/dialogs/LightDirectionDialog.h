// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Simple light-direction dialog: a globe seen from the front with nine radio
// buttons, the light's direction turned 45 degrees up, down, left or right
// from the viewer's side. The chosen button is painted yellow. The choice
// waits in pendingLightDirH/V until the command that opened the dialog
// takes it.
#include <array>

#include "platform/widgets/Form.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/SpeedButton.h"

namespace vantor {

class Workspace;

class LightDirectionDialog : public Form {
public:
    explicit LightDirectionDialog(Workspace& work);
    void FormCreate() override;

    // The globe, drawn from shapes.
    Shape shpGlobe{*this, "shpGlobe"};
    Shape shpMeridian{*this, "shpMeridian"};
    Shape shpAxis{*this, "shpAxis"};
    Shape shpEquator{*this, "shpEquator"};
    Shape shpNorth{*this, "shpNorth"};
    Shape shpSouth{*this, "shpSouth"};
    Shape shpNoteFrame{*this, "shpNoteFrame"};
    Label lblFront{*this, "lblFront", "正面から見た図"};
    Label lblNote1{*this, "lblNote1", "手前方向から上下左右に"};
    Label lblNote2{*this, "lblNote2", "45度ずつ回転した方向"};
    // In tab order 0..8: upper row left to right, equator, lower row.
    RadioButton rdb1{*this, "rdb1", "", 1};
    RadioButton rdb2{*this, "rdb2", "", 1};
    RadioButton rdb3{*this, "rdb3", "", 1};
    RadioButton rdb4{*this, "rdb4", "", 1};
    RadioButton rdb5{*this, "rdb5", "", 1};
    RadioButton rdb6{*this, "rdb6", "", 1};
    RadioButton rdb7{*this, "rdb7", "", 1};
    RadioButton rdb8{*this, "rdb8", "", 1};
    RadioButton rdb9{*this, "rdb9", "", 1};
    Button btnOK{*this, "btnOK", "OK"};
    Button btnCancel{*this, "btnCancel", "ｷｬﾝｾﾙ"};
    // Invisible; the program presses it to clear the buttons.
    Button btnAllClear{*this, "btnAllClear"};

    double pendingLightDirH = 225;
    double pendingLightDirV = 45;

    // Shared by the nine buttons.
    void rdbLightEClick(RadioButton& sender);
    // Marks the button of the current light direction, if it is one of the nine.
    void SetCurrentButton();
    void btnAllClearClick();

    // The nine buttons in tab order.
    std::array<RadioButton*, 9> buttons() { return {&rdb1, &rdb2, &rdb3, &rdb4, &rdb5, &rdb6, &rdb7, &rdb8, &rdb9}; }
    // The direction of the button at a tab order.
    static constexpr std::array<double, 3> DirH{225, 270, 315};
    static constexpr std::array<double, 3> DirV{45, 0, -45};

private:
    void paintAllBlack();
    Workspace& m_workspace;
};

}  // namespace vantor
