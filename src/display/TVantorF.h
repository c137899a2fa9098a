#pragma once
// The solid-of-revolution display window.
#include <string>

#include "platform/widgets/Form.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/MenuItem.h"

namespace vantor {

class Program;

class TVantorF : public Form {
public:
    explicit TVantorF(Program& program);
    void FormCreate() override;

    MenuItem mnDispRun{"mnDispRun", "立体表示(&D)"};

    void mnDispRunClick();
    // Reads an option file into the options and brings the window in line (no redraw).
    void YomiVop(const std::string& fileName);
    // Writes the options to an option file.
    void KakiVop(const std::string& fileName);
    // One tick of the shared timer while the simulation owns it.
    void simuTimerTimer();
    int simuTickCount = 0;  // ticks received; the simulation itself is not built yet

private:
    Program& m_program;
};

}  // namespace vantor
