#pragma once
// Playback of a scenario's frames on the shared timer.
#include "platform/widgets/Form.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/SpeedButton.h"

namespace vantor {

class Program;

class TAnimeMoveF : public Form {
public:
    explicit TAnimeMoveF(Program& program);
    void FormCreate() override;
    // One tick of the shared timer while playback owns it.
    void animeTimerTimer();
    int tickCount = 0;  // ticks received; playback itself is not built yet

private:
    Program& m_program;
};

}  // namespace vantor
