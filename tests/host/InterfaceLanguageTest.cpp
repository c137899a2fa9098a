// The language of the windows when the command line names none.
#include <gtest/gtest.h>

#include <string>

#include "InterfaceLanguage.h"

namespace vantor::qt {
namespace {

struct LocaleRow {
    const char *lcAll, *lcMessages, *lang;
    Language expected;
};

// The rule vantor-cli follows: Japanese only for a Japanese locale, English
// for every other one (de, fr, C, POSIX) and when none is set.
const LocaleRow OnlyAJapaneseLocaleGetsJapanese[] = {
    {nullptr, nullptr, "de_DE.UTF-8", Language::English},
    {nullptr, nullptr, "C", Language::English},
    {nullptr, nullptr, "C.UTF-8", Language::English},
    {nullptr, nullptr, "POSIX", Language::English},
    {nullptr, nullptr, "en_US.UTF-8", Language::English},
    {nullptr, nullptr, "ja_JP.UTF-8", Language::Japanese},
    {nullptr, nullptr, "ja", Language::Japanese},
    {nullptr, nullptr, "ja.eucJP", Language::Japanese},
    {nullptr, nullptr, "ja@latin", Language::Japanese},
    {nullptr, nullptr, nullptr, Language::English},
    {"", "", "", Language::English},
    // "jam" (Jamaican) and "jv" only look alike.
    {nullptr, nullptr, "jam_JM.UTF-8", Language::English},
    {nullptr, nullptr, "j", Language::English},
};

// LC_ALL before LC_MESSAGES before LANG; an empty value counts as unset.
const LocaleRow TheFirstSetVariableDecides[] = {
    {"de_DE.UTF-8", "ja_JP.UTF-8", "ja_JP.UTF-8", Language::English},
    {"ja_JP.UTF-8", "de_DE.UTF-8", "C", Language::Japanese},
    {nullptr, "ja_JP.UTF-8", "de_DE.UTF-8", Language::Japanese},
    {"", "C", "ja_JP.UTF-8", Language::English},
    {"", "", "ja_JP.UTF-8", Language::Japanese},
};

void expectRows(const LocaleRow* begin, const LocaleRow* end) {
    for (const LocaleRow* r = begin; r != end; ++r) {
        SCOPED_TRACE(std::string(r->lcAll ? r->lcAll : "-") + " " + (r->lcMessages ? r->lcMessages : "-") + " " +
                     (r->lang ? r->lang : "-"));
        EXPECT_EQ(interfaceLanguageOfLocale(r->lcAll, r->lcMessages, r->lang), r->expected);
    }
}

TEST(InterfaceLanguage, OnlyAJapaneseLocaleGetsJapanese) {
    expectRows(std::begin(OnlyAJapaneseLocaleGetsJapanese), std::end(OnlyAJapaneseLocaleGetsJapanese));
}

TEST(InterfaceLanguage, TheFirstSetVariableDecides) {
    expectRows(std::begin(TheFirstSetVariableDecides), std::end(TheFirstSetVariableDecides));
}

}  // namespace
}  // namespace vantor::qt
