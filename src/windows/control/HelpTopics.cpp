// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/control/HelpTopics.h"

#include <cstdio>
#include <map>

#include "platform/widgets/Form.h"

namespace vantor {

std::string helpTopicFor(const Form& form) {
    if (form.helpContext() > 0) {
        char keyword[16];
        std::snprintf(keyword, sizeof keyword, "HLP%06d", form.helpContext());
        return keyword;
    }
    static const std::map<std::string, std::string> byWindow = {
        {"DisplayWindow", "display"},       {"LightDirectionDialog", "light-dialogs"}, {"LightAnglesDialog", "light-dialogs"},
        {"ShiftPictureDialog", "scroll"},    {"EditorWindow", "HLP000008"}, {"AboutBox", "HLP000028"},
        {"ScenarioWindow", "HLP000057"},      {"PlaybackWindow", "HLP000057"}, {"FigurePropertiesDialog", "HLP000061"},
        {"ControlWindow", "HLP000005"},   {"ExportDialog", "export"},
    };
    const auto it = byWindow.find(form.name());
    return it == byWindow.end() ? helpStartPage : it->second;
}

}  // namespace vantor
