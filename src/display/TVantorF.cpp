#include "display/TVantorF.h"

#include <algorithm>

#include "app/Program.h"
#include "control/TControlF.h"
#include "display/OptionFile.h"

namespace vantor {

TVantorF::TVantorF(Program& program) : Form("VantorF"), m_program(program) {
    setCaption("回転体表示 （データ名未定）");
    mainMenu.add(mnDispRun);
    mnDispRun.onClick = [this] { mnDispRunClick(); };
}

void TVantorF::FormCreate() {
    ScreenInfo s = m_program.desktop.screen();
    setBounds(std::max(0, s.width - 608 - 50), std::max(0, s.height - 471 - 100), 608, 471);
    m_program.options.setFactoryValues();
    m_program.ControlF().animTimer.setEnabled(false);
}

void TVantorF::mnDispRunClick() {}

void TVantorF::YomiVop(const std::string& fileName) { readOptionFile(m_program.files, fileName, m_program.options); }

void TVantorF::KakiVop(const std::string& fileName) { writeOptionFile(m_program.files, fileName, m_program.options); }

void TVantorF::simuTimerTimer() { ++simuTickCount; }

}  // namespace vantor
