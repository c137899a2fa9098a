#pragma once
// The figure editor window.
#include "platform/widgets/Form.h"

namespace vantor {

class Program;

class TGEditF : public Form {
public:
    explicit TGEditF(Program& program);
    void FormCreate() override;
    // Returns the editor to its idle state before it is shown from outside.
    void initStateFromOut();

private:
    Program& m_program;
};

}  // namespace vantor
