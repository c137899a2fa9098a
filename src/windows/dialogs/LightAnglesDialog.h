// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Light direction typed in as two angles from the viewer's side: left/right
// (-180..180, left negative) and up/down (-90..90, down negative). The
// command that opens the dialog fills and reads the two edits.
#include "platform/widgets/Form.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/ListBox.h"
#include "platform/widgets/SpeedButton.h"

namespace vantor {

class Workspace;

class LightAnglesDialog : public Form {
public:
    explicit LightAnglesDialog(Workspace& work);
    void FormCreate() override;

    Label lblExplain1{*this, "lblExplain1", "回転軸の中心から画面手前へ向かう直線を"};
    Label lblExplain2{*this, "lblExplain2", "次のよう回転させた方向に光源を持ってくる"};
    Label lblRightLeft{*this, "lblRightLeft", "左右の回転角度 ："};
    Edit edtRightLeft{*this, "edtRightLeft"};
    Label lblRightLeftRange{*this, "lblRightLeftRange", "（ -180 ～ +180 度） "};
    Label lblRightLeftSign{*this, "lblRightLeftSign", "（左が － ， 右が ＋ ）"};
    Label lblUpDown{*this, "lblUpDown", "上下の回転角度 ："};
    Edit edtUpDown{*this, "edtUpDown"};
    Label lblUpDownRange{*this, "lblUpDownRange", "（ -90 ～ +90 度）"};
    Label lblUpDownSign{*this, "lblUpDownSign", "（下が － ， 上が ＋ ）"};
    Button btnOK{*this, "btnOK", "OK"};
    Button btnCancel{*this, "btnCancel", "ｷｬﾝｾﾙ"};

private:
    Workspace& m_workspace;
};

}  // namespace vantor
