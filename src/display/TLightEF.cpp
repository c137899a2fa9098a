#include "display/TLightEF.h"

#include "app/Program.h"

namespace vantor {

TLightEF::TLightEF(Program& program) : Form("LightEF"), m_program(program) {
    setCaption("光源方向簡易設定");
    setBorderStyle(BorderStyle::Dialog);
    setCentered(true);
    setModal(true);
    setColor(colors::Navy);
    setClientSize(300, 260);
}

void TLightEF::FormCreate() {}

}  // namespace vantor
