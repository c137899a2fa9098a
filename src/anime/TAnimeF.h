#pragma once
// Scenario editor: frames saved from the display, collected into a flip-book scenario.
#include "platform/widgets/Form.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/SpeedButton.h"

namespace vantor {

class Program;

class TAnimeF : public Form {
public:
    explicit TAnimeF(Program& program);
    void FormCreate() override;

private:
    Program& m_program;
};

}  // namespace vantor
