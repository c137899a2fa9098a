#pragma once
#include <string>

#include "platform/widgets/Control.h"

namespace vantor {

class Label : public Control {
public:
    Label(Form& owner, std::string name, std::string caption = "");
    const std::string& caption() const { return m_caption; }
    void setCaption(std::string c);

private:
    std::string m_caption;
};

// A bevel line or box; purely decorative.
class Bevel : public Control {
public:
    Bevel(Form& owner, std::string name) : Control(owner, ControlKind::Bevel, std::move(name)) {}
};

// A filled rectangle (shape) whose brush colour the program changes.
class Shape : public Control {
public:
    Shape(Form& owner, std::string name) : Control(owner, ControlKind::Shape, std::move(name)) { setTransparent(false); }
};

// A container with a raised border; holds no behaviour.
class Panel : public Control {
public:
    Panel(Form& owner, std::string name) : Control(owner, ControlKind::Panel, std::move(name)) { setTransparent(false); }
};

}  // namespace vantor
