// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moves the picture by a typed number of pixels: horizontal (left negative)
// and vertical (down negative), each at most the picture's width or height
// (-600..600 and -400..400 at the window's starting size). The command that
// opens the dialog sets the ranges, empties and reads the two edits.
#include "platform/widgets/Form.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/ListBox.h"
#include "platform/widgets/SpeedButton.h"

namespace vantor {

class Workspace;

class ShiftPictureDialog : public Form {
public:
    explicit ShiftPictureDialog(Workspace& work);
    void FormCreate() override;
    // The ranges the labels name: the picture's width and height.
    void setRanges(int width, int height);
    int horizontalRange() const { return m_width; }
    int verticalRange() const { return m_height; }

    Label lblExplain1{*this, "lblExplain1", "画像をスクロールさせる量を"};
    Label lblExplain2{*this, "lblExplain2", "ドット数で指定する"};
    Label lblHori{*this, "lblHori", "横方向"};
    Edit edtHori{*this, "edtHori"};
    Label lblHoriRange{*this, "lblHoriRange", "(-600 ～ +600)"};
    Label lblHoriSign{*this, "lblHoriSign", "（左が －，　右が ＋）"};
    Label lblVerti{*this, "lblVerti", "縦方向"};
    Edit edtVerti{*this, "edtVerti"};
    Label lblVertiRange{*this, "lblVertiRange", "(-400 ～ +400)"};
    Label lblVertiSign{*this, "lblVertiSign", "（下が －，　上が ＋）"};
    Button btnOK{*this, "btnOK", "OK"};
    Button btnCancel{*this, "btnCancel", "ｷｬﾝｾﾙ"};

private:
    Workspace& m_workspace;
    int m_width = 600;
    int m_height = 400;
};

}  // namespace vantor
