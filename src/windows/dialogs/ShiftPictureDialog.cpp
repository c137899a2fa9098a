// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/dialogs/ShiftPictureDialog.h"

#include <string>

#include "windows/shared/Workspace.h"

namespace vantor {

ShiftPictureDialog::ShiftPictureDialog(Workspace& work) : Form("ShiftPictureDialog"), m_workspace(work) {
    setCaption("スクロール量をドット数で指定");
    setBorderStyle(BorderStyle::Dialog);
    setCentered(true);
    setModal(true);
    setClientSize(320, 200);

    lblExplain1.setBounds(16, 12, 290, 14);
    lblExplain2.setBounds(16, 28, 290, 14);
    lblHori.setBounds(16, 62, 50, 14);
    edtHori.setBounds(70, 58, 64, 21);
    lblHoriRange.setBounds(144, 54, 170, 14);
    lblHoriSign.setBounds(144, 70, 170, 14);
    lblVerti.setBounds(16, 112, 50, 14);
    edtVerti.setBounds(70, 108, 64, 21);
    lblVertiRange.setBounds(144, 104, 170, 14);
    lblVertiSign.setBounds(144, 120, 170, 14);
    btnOK.setBounds(60, 160, 80, 25);
    btnCancel.setBounds(180, 160, 80, 25);
    makeOkCancel(btnOK, btnCancel);
}

void ShiftPictureDialog::FormCreate() {}

void ShiftPictureDialog::setRanges(int width, int height) {
    m_width = width;
    m_height = height;
    lblHoriRange.setCaption("(-" + std::to_string(width) + " ～ +" + std::to_string(width) + ")");
    lblVertiRange.setCaption("(-" + std::to_string(height) + " ～ +" + std::to_string(height) + ")");
}

}  // namespace vantor
