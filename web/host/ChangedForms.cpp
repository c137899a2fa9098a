// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChangedForms.h"

#include "FormJson.h"

namespace vantor::web {

void ChangedForms::write(Json& json, const std::vector<Form*>& forms, bool everything) {
    if (m_sent.size() != forms.size()) {
        m_sent.assign(forms.size(), std::string());
        m_sentMenus.assign(forms.size(), std::string());
        everything = true;
    }
    json.field("count", static_cast<long long>(forms.size()));
    json.key("forms").open('{');
    m_lastWritten = 0;
    for (std::size_t i = 0; i < forms.size(); ++i) {
        m_scratch.clear();
        describeForm(m_scratch, *forms[i], m_language, m_stamps);
        m_menu.clear();
        describeMenuBar(m_menu, *forms[i], m_language);
        const bool menuChanged = everything || m_menu.text() != m_sentMenus[i];
        if (!menuChanged && m_scratch.text() == m_sent[i]) continue;
        m_sent[i] = m_scratch.text();
        json.key(std::to_string(i));
        if (menuChanged) {
            m_sentMenus[i] = m_menu.text();
            // The description is an object: the menu goes in before its end.
            std::string text = m_sent[i];
            text.pop_back();
            text += ",\"menu\":" + m_sentMenus[i] + '}';
            json.raw(text);
        } else {
            json.raw(m_sent[i]);
        }
        ++m_lastWritten;
    }
    json.close('}');
}

}  // namespace vantor::web
