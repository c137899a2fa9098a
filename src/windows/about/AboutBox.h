// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About box: product title and version, shown modally from the control
// window's help menu.
#include <string>

#include "platform/widgets/Form.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/SpeedButton.h"

namespace vantor {

class Workspace;

class AboutBox : public Form {
public:
    explicit AboutBox(Workspace& work);
    void FormCreate() override;

    Label lblTitle{*this, "lblTitle", "FreeVantor for Win32"};
    Label lblVersion{*this, "lblVersion"};
    Label lblComment{*this, "lblComment"};
    Button btnOk{*this, "btnOk", "OK"};

    // Refreshed at every activation of the control window.
    void setActivationText();

private:
    Workspace& m_workspace;
};

}  // namespace vantor
