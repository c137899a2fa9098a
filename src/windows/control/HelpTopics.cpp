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
        {"VantorF", "display"},       {"LightEF", "options"},  {"LightAF", "options"},
        {"ScrollDotF", "options"},    {"GEditF", "HLP000008"}, {"AboutF", "HLP000028"},
        {"AnimeF", "HLP000057"},      {"AnimeMoveF", "HLP000057"}, {"ZuPropF", "HLP000061"},
        {"ControlF", "HLP000005"},   {"ExportF", "export"},
    };
    const auto it = byWindow.find(form.name());
    return it == byWindow.end() ? helpStartPage : it->second;
}

}  // namespace vantor
