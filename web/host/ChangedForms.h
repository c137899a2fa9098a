// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The windows as the page last saw them. After an event the page is handed
// only the forms whose description differs from the one it has (a drag on
// the solid changes one picture, not ten windows), and a form's menu tree
// only when it changed; the first snapshot, and any the page asks for
// whole, carry everything.
#include <cstddef>
#include <string>
#include <vector>

#include "Json.h"
#include "PictureStamps.h"
#include "language/English.h"

namespace vantor {
class Form;
}

namespace vantor::web {

class ChangedForms {
public:
    explicit ChangedForms(Language language) : m_language(language) {}

    // Writes "count" (how many forms there are) and "forms", an object from
    // the index of each form written to its description. A description has
    // its "menu" only when the menu changed too.
    void write(Json& json, const std::vector<Form*>& forms, bool everything);
    // How many forms the last write carried.
    std::size_t lastWritten() const { return m_lastWritten; }

private:
    Language m_language;
    PictureStamps m_stamps;
    std::vector<std::string> m_sent;
    std::vector<std::string> m_sentMenus;
    Json m_scratch;
    Json m_menu;
    std::size_t m_lastWritten = 0;
};

}  // namespace vantor::web
