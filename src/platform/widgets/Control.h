// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Base of every control model: name, bounds (client coordinates of the owning
// form), visibility, enabled state, hint and font.
#include <string>

#include "platform/pixels/Color.h"
#include "platform/signals/Observable.h"

namespace vantor {

class Form;

enum class ControlKind { Label, SpeedButton, ScrollBar, ProgressBar, ListBox, Edit, Image, Bevel, Shape, Button, Panel };
enum class MouseButton { Left, Right, Middle };
enum class Cursor { Default, Arrow, Cross, Wait, SizeAll, HandPoint };

struct Font {
    std::string name = "ＭＳ Ｐゴシック";
    int pointSize = 9;   // used when pixelHeight is 0
    int pixelHeight = 0;
    TColor color = colors::Black;
    bool bold = false;
};

class Control : public Observable {
public:
    Control(Form& owner, ControlKind kind, std::string name);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return m_kind; }
    const std::string& name() const { return m_name; }
    Form& owner() const { return m_owner; }

    const IntRect& bounds() const { return m_bounds; }
    void setBounds(int left, int top, int width, int height);
    int left() const { return m_bounds.left; }
    int top() const { return m_bounds.top; }
    int width() const { return m_bounds.width(); }
    int height() const { return m_bounds.height(); }

    bool visible() const { return m_visible; }
    void setVisible(bool v);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool e);
    const std::string& hint() const { return m_hint; }
    void setHint(std::string h);
    const Font& font() const { return m_font; }
    void setFont(Font f);
    TColor color() const { return m_color; }  // background / fill colour
    void setColor(TColor c);
    bool transparent() const { return m_transparent; }
    Cursor cursor() const { return m_cursor; }
    void setCursor(Cursor c) {
        if (c == m_cursor) return;
        m_cursor = c;
        changed();
    }
    void setTransparent(bool t);

    // Lets a control be re-announced after a change its owner made directly.
    void notifyChanged() { changed(); }

private:
    Form& m_owner;
    ControlKind m_kind;
    std::string m_name;
    IntRect m_bounds;
    bool m_visible = true;
    bool m_enabled = true;
    std::string m_hint;
    Font m_font;
    TColor m_color = colors::BtnFace;
    bool m_transparent = true;
    Cursor m_cursor = Cursor::Default;
};

}  // namespace vantor
