#pragma once
// Light direction typed in as two angles. Its behaviour comes with the display options.
#include "platform/widgets/Form.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/SpeedButton.h"

namespace vantor {

class Program;

class TLightAF : public Form {
public:
    explicit TLightAF(Program& program);
    void FormCreate() override;

private:
    Program& m_program;
};

}  // namespace vantor
