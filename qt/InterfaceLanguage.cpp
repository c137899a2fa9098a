#include "InterfaceLanguage.h"

#include <string_view>

namespace vantor::qt {

namespace {
bool isJapaneseLocale(std::string_view value) {
    if (value.substr(0, 2) != "ja") return false;
    return value.size() == 2 || value[2] == '_' || value[2] == '.' || value[2] == '@';
}
}  // namespace

Language interfaceLanguageOfLocale(const char* lcAll, const char* lcMessages, const char* lang) {
    for (const char* value : {lcAll, lcMessages, lang})
        if (value && *value) return isJapaneseLocale(value) ? Language::Japanese : Language::English;
    return Language::English;
}

}  // namespace vantor::qt
