#include "anime/TAnimeMoveF.h"

#include "app/Program.h"

namespace vantor {

TAnimeMoveF::TAnimeMoveF(Program& program) : Form("AnimeMoveF"), m_program(program) {
    setCaption("");
    setBorderStyle(BorderStyle::Dialog);
    setCentered(true);
    setSize(623, 476);
}

void TAnimeMoveF::FormCreate() {}

void TAnimeMoveF::animeTimerTimer() { ++tickCount; }

}  // namespace vantor
