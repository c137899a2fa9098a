#pragma once
// Moves the picture by a typed number of pixels. Its behaviour comes with the display commands.
#include "platform/widgets/Form.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/SpeedButton.h"

namespace vantor {

class Program;

class TScrollDotF : public Form {
public:
    explicit TScrollDotF(Program& program);
    void FormCreate() override;

private:
    Program& m_program;
};

}  // namespace vantor
