// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window: caption, outer bounds, visibility, main menu and the controls it
// owns. The handlers of a window are member functions of its subclass; the
// host (Qt or a test) forwards the user's events to them through the event
// dispatch. Forms are shown and hidden, never destroyed while the program runs.
#include <string>
#include <vector>

#include "platform/widgets/Control.h"
#include "platform/widgets/MenuItem.h"
#include "platform/signals/Observable.h"

namespace vantor {

enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7 };
enum class BorderStyle { Sizeable, Single, Dialog, ToolWindow };

// Window frame metrics of the platform the layouts were measured on; the
// host uses them to turn outer sizes into client sizes.
struct FrameMetrics {
    static constexpr int border = 4;
    static constexpr int caption = 19;
    static constexpr int menu = 19;
};

class Form : public Observable {
public:
    explicit Form(std::string name);
    ~Form() override = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return m_name; }
    const std::string& caption() const { return m_caption; }
    void setCaption(std::string c);

    // Outer bounds in screen pixels.
    int left() const { return m_left; }
    int top() const { return m_top; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    void setBounds(int left, int top, int width, int height);
    void setPosition(int left, int top) { setBounds(left, top, m_width, m_height); }
    void setSize(int width, int height) { setBounds(m_left, m_top, width, height); }
    int clientWidth() const;
    int clientHeight() const;
    // Sets the outer size from a client size.
    void setClientSize(int width, int height);

    BorderStyle borderStyle() const { return m_border; }
    void setBorderStyle(BorderStyle b) { m_border = b; }
    // A window with a sizeable frame lets the user resize it, down to its
    // smallest client size; every other window keeps the size it sets.
    bool resizable() const { return m_border == BorderStyle::Sizeable; }
    int minClientWidth() const { return m_minClientWidth; }
    int minClientHeight() const { return m_minClientHeight; }
    void setMinClientSize(int width, int height);
    // The user resized the window to this client size: a resizable window
    // takes it (never below its smallest) and hears of it in FormResize;
    // other windows ignore it.
    void resizeClient(int width, int height);
    int helpContext() const { return m_helpContext; }
    void setHelpContext(int h) { m_helpContext = h; }
    const Font& font() const { return m_font; }
    void setFont(Font f) { m_font = std::move(f); }
    TColor color() const { return m_color; }
    void setColor(TColor c) { m_color = c; changed(); }

    bool visible() const { return m_visible; }
    // show()/hide() run FormShow/FormHide when the visibility changes.
    void show();
    void hide();
    // Placed in the middle of the screen each time it is shown.
    bool centered() const { return m_centered; }
    void setCentered(bool c) { m_centered = c; }
    bool isModal() const { return m_modal; }
    void setModal(bool m) { m_modal = m; }
    // Set by a button with a modal result; ends a modal showing. Use
    // setModalResult so that a host waiting on the form hears of it.
    int modalResult = mrNone;
    void setModalResult(int result) {
        modalResult = result;
        changed();
    }

    // Root of the main menu; its children are the menu bar's items.
    MenuItem mainMenu{"MainMenu"};
    bool hasMenu() const { return !mainMenu.items().empty(); }
    const std::vector<Control*>& controls() const { return m_controls; }
    void addControl(Control* c) { m_controls.push_back(c); }
    Control* findControl(const std::string& name) const;

    // Window events. The host calls them; subclasses override what they use.
    virtual void FormCreate() {}
    virtual void FormShow() {}
    virtual void FormHide() {}
    virtual void FormActivate() {}
    // The user changed the client size (resizeClient).
    virtual void FormResize() {}
    // Asked before closing; false keeps the window open.
    virtual bool FormCloseQuery() { return true; }
    virtual void FormClose() {}
    // The user closes the window (title bar, Alt+F4) or the program calls close().
    void close();
    void activate() { FormActivate(); }
    // Key press on the form (Windows virtual-key code).
    virtual void FormKeyDown(int /*key*/, unsigned /*shift*/) {}
    // Enter (vk::Return) clicks the form's default button and Escape
    // (vk::Escape) its cancel button, as in any dialog. False when the form has
    // no such button that can be clicked; the key then goes to FormKeyDown.
    bool dialogKey(int key);
    // Mouse click on the form's background.
    virtual void FormClick() {}

private:
    std::string m_name;
    std::string m_caption;
    int m_left = 0;
    int m_top = 0;
    int m_width = 300;
    int m_height = 200;
    BorderStyle m_border = BorderStyle::Sizeable;
    int m_minClientWidth = 1;
    int m_minClientHeight = 1;
    int m_helpContext = 0;
    Font m_font;
    TColor m_color = colors::BtnFace;
    bool m_visible = false;
    bool m_modal = false;
    bool m_centered = false;
    std::vector<Control*> m_controls;
};

}  // namespace vantor
