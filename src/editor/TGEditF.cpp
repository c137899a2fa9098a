#include "editor/TGEditF.h"

#include "app/Program.h"
#include "control/TControlF.h"

namespace vantor {

TGEditF::TGEditF(Program& program) : Form("GEditF"), m_program(program) {
    setCaption("回転前図形編集 （データ名未定）");
    setColor(colors::Black);
}

void TGEditF::FormCreate() { setBounds(0, m_program.ControlF().height(), 420, 345); }

void TGEditF::initStateFromOut() {}

}  // namespace vantor
