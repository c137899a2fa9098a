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
    void insert(int index, std::string item);
    void remove(int index);
    void setItem(int index, std::string item);
    void clear();
    // -1 when nothing is selected; out-of-range values select nothing.
    int itemIndex() const { return m_index; }
    void setItemIndex(int i);
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    // The user's click on row i.
    void clickRow(int i);

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
