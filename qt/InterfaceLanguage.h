#pragma once
// The language the windows speak when the command line names none: the
// locale's, as vantor-cli chooses it, so that every locale but a Japanese
// one gets the English interface.
#include "language/English.h"

namespace vantor::qt {

// Japanese when the first set of LC_ALL, LC_MESSAGES and LANG names a
// Japanese locale ("ja", "ja_JP.UTF-8", "ja.eucJP", "ja@..."); English for
// every other locale, for "C" and "POSIX", and when none is set.
Language interfaceLanguageOfLocale(const char* lcAll, const char* lcMessages, const char* lang);

}  // namespace vantor::qt
