#include "about/TAboutF.h"

#include "app/Program.h"

namespace vantor {

namespace {
// Kept scrambled in the program file so the text is not found by a plain
// search of the binary; unscrambled when the box is refreshed.
constexpr unsigned char ScrambledComment[] = {
    0x08, 0x34, 0x37, 0x32, 0x3f, 0x28, 0x7b, 0x34, 0x3d, 0x7b, 0x29, 0x3e, 0x2d, 0x34, 0x37, 0x2e, 0x2f, 0x32, 0x34, 0x35, 0x77, 0x7b, 0x3f, 0x29, 0x3a, 0x2c, 0x35, 0x7b, 0x39, 0x22, 0x7b, 0x33, 0x3a, 0x35, 0x3f, 0x75};
constexpr unsigned char Key = 0x5b;

std::string unscramble() {
    std::string s;
    for (unsigned char c : ScrambledComment) s += static_cast<char>(c ^ Key);
    return s;
}
}  // namespace

TAboutF::TAboutF(Program& program) : Form("AboutF"), m_program(program) {
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
    lblVersion.setCaption(std::string("Version ") + VANTOR_VERSION);
    lblVersion.setBounds(20, 50, 260, 16);
    lblComment.setBounds(20, 76, 260, 16);
    btnOk.setBounds(110, 110, 80, 26);
    btnOk.modalResult = mrOk;
    btnOk.isDefault = true;
    btnOk.isCancel = true;
}

void TAboutF::FormCreate() {}

void TAboutF::setActivationText() { lblComment.setCaption(unscramble()); }

}  // namespace vantor
