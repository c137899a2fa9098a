// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Flat speed button. Acts on the release of a mouse button (onMouseUp) or,
// for buttons that use it, on click. Buttons of one non-zero group behave as
// radio buttons through setDown; allowAllUp lets the down one be raised.
#include <functional>
#include <string>

#include "platform/widgets/Control.h"

namespace vantor {

class SpeedButton : public Control {
public:
    SpeedButton(Form& owner, std::string name);

    const std::string& caption() const { return m_caption; }
    void setCaption(std::string c);
    // Name of the glyph picture the host shows (a file under assets/glyphs).
    const std::string& glyph() const { return m_glyph; }
    void setGlyph(std::string g);
    int groupIndex() const { return m_group; }
    void setGroupIndex(int g) { m_group = g; }
    bool allowAllUp() const { return m_allowAllUp; }
    void setAllowAllUp(bool a) { m_allowAllUp = a; }
    bool down() const { return m_down; }
    // Pressing one button of a group raises the others of the same group.
    void setDown(bool d);
    bool flat() const { return m_flat; }
    void setFlat(bool f) { m_flat = f; }

    std::function<void(MouseButton, int x, int y)> onMouseUp;
    std::function<void()> onClick;
    // The user's press and release on the button (host or test). A grouped
    // button goes down on a left click, as the toolkit's speed buttons do.
    void mouseUp(MouseButton button, int x = 0, int y = 0);
    void click();

private:
    std::string m_caption;
    std::string m_glyph;
    int m_group = 0;
    bool m_allowAllUp = false;
    bool m_down = false;
    bool m_flat = true;
};

// Standard push button; modalResult (non-zero) closes a modal form with it.
class Button : public Control {
public:
    Button(Form& owner, std::string name, std::string caption = "");
    const std::string& caption() const { return m_caption; }
    void setCaption(std::string c);
    int modalResult = 0;
    bool isDefault = false;
    bool isCancel = false;
    std::function<void()> onClick;
    void click();

private:
    std::string m_caption;
};

// A dialog's closing pair: OK answers Enter and ends the dialog with OK,
// Cancel answers Escape and ends it with Cancel.
void makeOkCancel(Button& ok, Button& cancel);

// Radio button; checking one unchecks the others of the same group on the form.
class RadioButton : public Control {
public:
    RadioButton(Form& owner, std::string name, std::string caption = "", int group = 0);
    const std::string& caption() const { return m_caption; }
    bool checked() const { return m_checked; }
    void setChecked(bool c);
    int group() const { return m_group; }
    std::function<void()> onClick;
    void click();

private:
    std::string m_caption;
    bool m_checked = false;
    int m_group;
};

}  // namespace vantor
