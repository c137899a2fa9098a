#pragma once
// Simple light-direction dialog: nine directions on a drawn globe. Its behaviour comes with the display options.
#include "platform/widgets/Form.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/SpeedButton.h"

namespace vantor {

class Program;

class TLightEF : public Form {
public:
    explicit TLightEF(Program& program);
    void FormCreate() override;

private:
    Program& m_program;
};

}  // namespace vantor
