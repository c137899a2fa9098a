// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Menu item model. Radio items of one group index under one parent behave as
// in the toolkit: checking one unchecks its siblings of the same group;
// nothing unchecks itself otherwise.
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/signals/Observable.h"

namespace vantor {

class MenuItem : public Observable {
public:
    explicit MenuItem(std::string name, std::string caption = "");
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& name() const { return m_name; }
    const std::string& caption() const { return m_caption; }
    void setCaption(std::string c);
    bool isSeparator() const { return m_caption == "-"; }

    bool checked() const { return m_checked; }
    void setChecked(bool c);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool e);
    bool visible() const { return m_visible; }
    void setVisible(bool v);
    bool radioItem() const { return m_radio; }
    int groupIndex() const { return m_group; }
    // Makes the item a radio item of the given group.
    void setRadio(int groupIndex);
    int helpContext() const { return m_helpContext; }
    void setHelpContext(int h) { m_helpContext = h; }
    int tag() const { return m_tag; }
    void setTag(int t) { m_tag = t; }
    // The keys that do the same as the item ("Ctrl+Z"), shown beside its
    // caption; the window handles the keys itself.
    const std::string& shortcutText() const { return m_shortcutText; }
    void setShortcutText(std::string keys) { m_shortcutText = std::move(keys); }

    // Children are owned elsewhere (as members of the window); the menu only links them.
    void add(MenuItem& child);
    const std::vector<MenuItem*>& items() const { return m_items; }
    MenuItem* parent() const { return m_parent; }

    std::function<void()> onClick;
    // What the user's choice does: runs onClick (the host routes it through
    // the event dispatch). Disabled or invisible items do nothing.
    void click();

private:
    std::string m_name;
    std::string m_caption;
    bool m_checked = false;
    bool m_enabled = true;
    bool m_visible = true;
    bool m_radio = false;
    int m_group = 0;
    int m_helpContext = 0;
    int m_tag = 0;
    std::string m_shortcutText;
    std::vector<MenuItem*> m_items;
    MenuItem* m_parent = nullptr;
};

}  // namespace vantor
