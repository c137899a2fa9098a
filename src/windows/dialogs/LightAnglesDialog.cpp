// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/dialogs/LightAnglesDialog.h"

#include "windows/shared/Workspace.h"

namespace vantor {

LightAnglesDialog::LightAnglesDialog(Workspace& work) : Form("LightAnglesDialog"), m_workspace(work) {
    setCaption("角度による光源方向設定");
    setBorderStyle(BorderStyle::Dialog);
    setCentered(true);
    setModal(true);
    setClientSize(360, 200);

    lblExplain1.setBounds(16, 12, 330, 14);
    lblExplain2.setBounds(16, 28, 330, 14);
    lblRightLeft.setBounds(16, 62, 100, 14);
    edtRightLeft.setBounds(118, 58, 64, 21);
    lblRightLeftRange.setBounds(190, 54, 160, 14);
    lblRightLeftSign.setBounds(190, 70, 160, 14);
    lblUpDown.setBounds(16, 112, 100, 14);
    edtUpDown.setBounds(118, 108, 64, 21);
    lblUpDownRange.setBounds(190, 104, 160, 14);
    lblUpDownSign.setBounds(190, 120, 160, 14);
    btnOK.setBounds(80, 160, 80, 25);
    btnCancel.setBounds(200, 160, 80, 25);
    makeOkCancel(btnOK, btnCancel);
}

void LightAnglesDialog::FormCreate() {}

}  // namespace vantor
