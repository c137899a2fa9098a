// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/widgets/Control.h"

namespace vantor {

class ListBox : public Control {
public:
    ListBox(Form& owner, std::string name) : Control(owner, ControlKind::ListBox, std::move(name)) {}
    const std::vector<std::string>& items() const { return m_items; }
    int count() const { return static_cast<int>(m_items.size()); }
    void setItems(std::vector<std::string> items);
    void add(std::string item);
    // The selection stays on its item, which moves down when the new one
    // goes before it.
    void insert(int index, std::string item);
    void remove(int index);
    void setItem(int index, std::string item);
    void clear();
    // -1 when nothing is selected; out-of-range values select nothing.
    int itemIndex() const { return m_index; }
    void setItemIndex(int i);
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    // A mouse button released over the list, after a left button has
    // selected the row under it.
    std::function<void(MouseButton)> onMouseUp;
    // The user's click on row i.
    void clickRow(int i);
    // The user's release of `button` over row `row` (-1: below the rows).
    // Only the left button selects, as in the platform's list boxes.
    void mouseUp(MouseButton button, int row);

private:
    std::vector<std::string> m_items;
    int m_index = -1;
};

class Edit : public Control {
public:
    Edit(Form& owner, std::string name) : Control(owner, ControlKind::Edit, std::move(name)) {}
    const std::string& text() const { return m_text; }
    // Fires onChange when the text differs.
    void setText(std::string t);
    std::function<void()> onChange;

private:
    std::string m_text;
};

}  // namespace vantor
