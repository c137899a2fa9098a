#include "display/TLightAF.h"

#include "app/Program.h"

namespace vantor {

TLightAF::TLightAF(Program& program) : Form("LightAF"), m_program(program) {
    setCaption("角度による光源方向設定");
    setBorderStyle(BorderStyle::Dialog);
    setCentered(true);
    setModal(true);
    setClientSize(340, 200);
}

void TLightAF::FormCreate() {}

}  // namespace vantor
