#include "editor/TZuPropF.h"

#include "app/Program.h"

namespace vantor {

TZuPropF::TZuPropF(Program& program) : Form("ZuPropF"), m_program(program) {
    setCaption("図形の色調と描き方");
    setBorderStyle(BorderStyle::Dialog);
    setModal(true);
    Font f;
    f.pixelHeight = 15;
    setFont(f);
    setClientSize(268, 147);
}

void TZuPropF::FormCreate() {}

}  // namespace vantor
