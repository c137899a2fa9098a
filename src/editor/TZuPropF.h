#pragma once
// Dialog for one figure's own tint and drawing method.
#include "platform/widgets/Form.h"

namespace vantor {

class Program;

class TZuPropF : public Form {
public:
    explicit TZuPropF(Program& program);
    void FormCreate() override;

private:
    Program& m_program;
};

}  // namespace vantor
