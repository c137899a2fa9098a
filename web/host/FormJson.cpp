// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormJson.h"

#include "Json.h"
#include "PictureStamps.h"
#include "platform/widgets/Form.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/ListBox.h"
#include "platform/widgets/ProgressBar.h"
#include "platform/widgets/ScrollBar.h"
#include "platform/widgets/SpeedButton.h"

namespace vantor::web {

namespace {

std::uintptr_t idOf(const void* p) { return reinterpret_cast<std::uintptr_t>(p); }

void colour(Json& json, std::string_view key, TColor c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", colorR(c), colorG(c), colorB(c));
    json.field(key, buf);
}

void font(Json& json, const Font& f) {
    json.key("font").open('{');
    json.field("size", f.pixelHeight > 0 ? f.pixelHeight : -f.pointSize);
    colour(json, "color", f.color);
    json.field("bold", f.bold);
    json.close('}');
}

const char* kindName(const Control& c) {
    switch (c.kind()) {
        case ControlKind::Label: return "label";
        case ControlKind::SpeedButton: return "speed";
        case ControlKind::ScrollBar: return "scroll";
        case ControlKind::ProgressBar: return "progress";
        case ControlKind::ListBox: return "list";
        case ControlKind::Edit: return "edit";
        case ControlKind::Image: return "image";
        case ControlKind::Bevel: return "bevel";
        case ControlKind::Shape: return "shape";
        case ControlKind::Button: return dynamic_cast<const RadioButton*>(&c) ? "radio" : "button";
        case ControlKind::Panel: return "panel";
    }
    return "unknown";
}

const char* cursorName(Cursor c) {
    switch (c) {
        case Cursor::Default: return "";
        case Cursor::Arrow: return "default";
        case Cursor::Cross: return "crosshair";
        case Cursor::Wait: return "wait";
        case Cursor::SizeAll: return "move";
        case Cursor::HandPoint: return "pointer";
    }
    return "";
}

// The properties that only one kind of control has.
void kindFields(Json& json, Control& c, Language language, PictureStamps& stamps) {
    auto shown = [language](const std::string& t) { return shownText(t, language); };
    switch (c.kind()) {
        case ControlKind::Label: json.field("caption", shown(static_cast<const Label&>(c).caption())); break;
        case ControlKind::SpeedButton: {
            const auto& b = static_cast<const SpeedButton&>(c);
            json.field("caption", shown(b.caption())).field("glyph", b.glyph()).field("down", b.down());
            json.field("grouped", b.groupIndex() != 0).field("flat", b.flat());
            break;
        }
        case ControlKind::ScrollBar: {
            const auto& s = static_cast<const ScrollBar&>(c);
            json.field("min", s.min()).field("max", s.max()).field("position", s.position());
            json.field("vertical", s.orientation() == Orientation::Vertical);
            json.field("small", s.smallChange()).field("large", s.largeChange());
            break;
        }
        case ControlKind::ProgressBar: {
            const auto& p = static_cast<const ProgressBar&>(c);
            json.field("min", p.min()).field("max", p.max()).field("position", p.position());
            break;
        }
        case ControlKind::ListBox: {
            const auto& l = static_cast<const ListBox&>(c);
            json.key("items").open('[');
            for (const std::string& item : l.items()) json.value(item);
            json.close(']');
            json.field("index", l.itemIndex());
            break;
        }
        case ControlKind::Edit: json.field("text", static_cast<const Edit&>(c).text()); break;
        case ControlKind::Image: {
            const auto& i = static_cast<const Image&>(c);
            const Bitmap* b = i.picture();
            json.field("stretch", i.stretch());
            json.field("pictureWidth", b ? b->width() : 0).field("pictureHeight", b ? b->height() : 0);
            json.field("wheel", static_cast<bool>(i.onMouseWheel));
            json.field("picture", stamps.stamp(static_cast<Image&>(c)));
            break;
        }
        case ControlKind::Shape: {
            const auto& s = static_cast<const Shape&>(c);
            json.field("ellipse", s.shape() == ShapeType::Ellipse);
            colour(json, "pen", s.penColor());
            json.field("clear", s.brush() == ShapeBrush::Clear);
            break;
        }
        case ControlKind::Button:
            if (const auto* r = dynamic_cast<const RadioButton*>(&c)) {
                json.field("caption", shown(r->caption())).field("checked", r->checked());
            } else {
                const auto& b = static_cast<const Button&>(c);
                json.field("caption", shown(b.caption())).field("default", b.isDefault);
            }
            break;
        case ControlKind::Bevel:
        case ControlKind::Panel: break;
    }
}

void describeControl(Json& json, Control& c, Language language, PictureStamps& stamps) {
    json.open('{');
    json.field("id", idOf(&c)).field("name", c.name()).field("kind", kindName(c));
    const IntRect& b = c.bounds();
    json.field("x", b.left).field("y", b.top).field("w", b.width()).field("h", b.height());
    json.field("visible", c.visible()).field("enabled", c.enabled());
    json.field("hint", shownText(c.hint(), language));
    colour(json, "color", c.color());
    json.field("transparent", c.transparent()).field("cursor", cursorName(c.cursor()));
    font(json, c.font());
    kindFields(json, c, language, stamps);
    json.close('}');
}

void describeMenu(Json& json, const MenuItem& item, Language language) {
    json.open('{');
    json.field("id", idOf(&item)).field("name", item.name()).field("caption", shownText(item.caption(), language));
    json.field("separator", item.isSeparator()).field("checked", item.checked()).field("radio", item.radioItem());
    json.field("enabled", item.enabled()).field("visible", item.visible());
    if (!item.items().empty()) {
        json.key("items").open('[');
        for (const MenuItem* child : item.items()) describeMenu(json, *child, language);
        json.close(']');
    }
    json.close('}');
}

MenuItem* findMenu(const MenuItem& item, std::uintptr_t id) {
    for (MenuItem* child : item.items()) {
        if (idOf(child) == id) return child;
        if (MenuItem* found = findMenu(*child, id)) return found;
    }
    return nullptr;
}

}  // namespace

void describeForm(Json& json, const Form& form, Language language, PictureStamps& stamps) {
    json.open('{');
    json.field("name", form.name()).field("caption", shownText(form.caption(), language));
    json.field("x", form.left()).field("y", form.top());
    json.field("clientWidth", form.clientWidth()).field("clientHeight", form.clientHeight());
    json.field("visible", form.visible()).field("modal", form.isModal()).field("centered", form.centered());
    json.field("sizeable", form.borderStyle() == BorderStyle::Sizeable);
    colour(json, "color", form.color());
    json.key("controls").open('[');
    for (Control* c : form.controls()) describeControl(json, *c, language, stamps);
    json.close(']');
    json.close('}');
}

void describeMenuBar(Json& json, const Form& form, Language language) {
    json.open('[');
    for (const MenuItem* top : form.mainMenu.items()) describeMenu(json, *top, language);
    json.close(']');
}

Control* controlById(const Form& form, std::uintptr_t id) {
    for (Control* c : form.controls())
        if (idOf(c) == id) return c;
    return nullptr;
}

MenuItem* menuItemById(const Form& form, std::uintptr_t id) { return findMenu(form.mainMenu, id); }

}  // namespace vantor::web
