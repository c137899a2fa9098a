// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/about/AboutBox.h"

#include "windows/shared/Workspace.h"

namespace vantor {

namespace {
// Kept scrambled in the program file so the text is not found by a plain
// search of the binary; unscrambled when the box is refreshed.
constexpr unsigned char ScrambledComment[] = {
    0xbd, 0xd2, 0xd0, 0xb8, 0xda, 0xfc, 0xbd, 0xd4, 0xd4, 0xb8, 0xda, 0xd4,
    0xbe, 0xc0, 0xc5, 0xb3, 0xe0, 0xf9, 0xbf, 0xe6, 0xc8, 0xb8, 0xdb, 0xd9};
constexpr unsigned char Key = 0x5b;

std::string unscramble() {
    std::string s;
    for (unsigned char c : ScrambledComment) s += static_cast<char>(c ^ Key);
    return s;
}
}  // namespace

AboutBox::AboutBox(Workspace& work) : Form("AboutBox"), m_workspace(work) {
    setCaption("バージョン情報");
    setBorderStyle(BorderStyle::Dialog);
    setCentered(true);
    setModal(true);
    setClientSize(300, 150);
    Font title;
    title.pixelHeight = 20;
    title.bold = true;
    title.color = colors::Navy;
    lblTitle.setFont(title);
    lblTitle.setBounds(20, 16, 260, 24);
    lblVersion.setCaption(std::string("バージョン ") + VANTOR_VERSION);
    lblVersion.setBounds(20, 50, 260, 16);
    lblComment.setBounds(20, 76, 260, 16);
    btnOk.setBounds(110, 110, 80, 26);
    btnOk.modalResult = mrOk;
    btnOk.isDefault = true;
    btnOk.isCancel = true;
}

void AboutBox::FormCreate() {}

void AboutBox::setActivationText() { lblComment.setCaption(unscramble()); }

}  // namespace vantor
