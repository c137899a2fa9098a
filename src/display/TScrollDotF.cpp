#include "display/TScrollDotF.h"

#include "app/Program.h"

namespace vantor {

TScrollDotF::TScrollDotF(Program& program) : Form("ScrollDotF"), m_program(program) {
    setCaption("スクロール量をドット数で指定");
    setBorderStyle(BorderStyle::Dialog);
    setCentered(true);
    setModal(true);
    setClientSize(320, 200);
}

void TScrollDotF::FormCreate() {}

}  // namespace vantor
