// SPDX-License-Identifier: GPL-3.0-or-later
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

enum class ShapeType { Rectangle, Ellipse };
enum class ShapeBrush { Solid, Clear };

// A rectangle or an ellipse inscribed in the bounds, filled with the brush
// colour (color()) and outlined with a one-pixel pen. A rectangle one pixel
// high or wide with a clear brush is a line.
class Shape : public Control {
public:
    Shape(Form& owner, std::string name) : Control(owner, ControlKind::Shape, std::move(name)) { setTransparent(false); }
    ShapeType shape() const { return m_shape; }
    void setShape(ShapeType s) {
        m_shape = s;
        notifyChanged();
    }
    TColor penColor() const { return m_penColor; }
    void setPenColor(TColor c) {
        m_penColor = c;
        notifyChanged();
    }
    ShapeBrush brush() const { return m_brush; }
    void setBrush(ShapeBrush b) {
        m_brush = b;
        setTransparent(b == ShapeBrush::Clear);
    }

private:
    ShapeType m_shape = ShapeType::Rectangle;
    TColor m_penColor = colors::Black;
    ShapeBrush m_brush = ShapeBrush::Solid;
};

// A container with a raised border; holds no behaviour.
class Panel : public Control {
public:
    Panel(Form& owner, std::string name) : Control(owner, ControlKind::Panel, std::move(name)) { setTransparent(false); }
};

}  // namespace vantor
