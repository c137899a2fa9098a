// SPDX-License-Identifier: GPL-3.0-or-later
// The browser host: one running program and the entry points the page calls.
// The page keeps the handle vantor_create returns and passes it back with
// every event; nothing lives in globals.
#include <emscripten.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ChangedForms.h"
#include "FormJson.h"
#include "Json.h"
#include "WebDesktop.h"
#include "ZipFiles.h"
#include "app/Program.h"
#include "platform/files/Files.h"
#include "platform/widgets/Form.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/ListBox.h"
#include "platform/widgets/ScrollBar.h"
#include "platform/widgets/SpeedButton.h"
#include "windows/control/HelpTopics.h"
#include "windows/control/ControlWindow.h"

namespace vantor::web {

struct WebApp {
    WebApp(Language language, int colorDepth, ProgramConfig config)
        : language(language), desktop(language, colorDepth), program(desktop, std::move(config)), sent(language) {}
    Language language;
    WebDesktop desktop;
    Program program;
    ChangedForms sent;
    Json snapshot;
    std::string question;
    std::string zipError;
    std::vector<std::uint8_t> rgba;
    int pictureSize[3] = {0, 0, 0};

    Form* form(int index) {
        const std::vector<Form*> all = program.forms();
        return index >= 0 && index < static_cast<int>(all.size()) ? all[static_cast<std::size_t>(index)] : nullptr;
    }
    // False when the handler failed (the error box has been shown).
    bool run(const std::function<void()>& handler) { return program.dispatch(handler); }
};

// What the user did to a control, as the page reports it.
enum class ControlEvent {
    MouseDown = 0,
    MouseMove = 1,
    MouseUp = 2,
    Wheel = 3,
    Click = 4,
    DoubleClick = 5,
    ScrollTo = 6,
};

MouseButton buttonOf(int b) { return b == 2 ? MouseButton::Right : b == 1 ? MouseButton::Middle : MouseButton::Left; }

void controlEvent(Control& c, ControlEvent event, MouseButton button, unsigned shift, int x, int y, int extra) {
    switch (c.kind()) {
        case ControlKind::Image: {
            auto& image = static_cast<Image&>(c);
            if (event == ControlEvent::MouseDown && image.onMouseDown) image.onMouseDown(button, shift, x, y);
            if (event == ControlEvent::MouseMove && image.onMouseMove) image.onMouseMove(shift, x, y);
            if (event == ControlEvent::MouseUp && image.onMouseUp) image.onMouseUp(button, shift, x, y);
            if (event == ControlEvent::Wheel && image.onMouseWheel) image.onMouseWheel(extra, shift, x, y);
            if (event == ControlEvent::Click && image.onClick) image.onClick();
            if (event == ControlEvent::DoubleClick) {
                if (image.onDblClick) image.onDblClick(button, shift, x, y);
                else if (image.onMouseDown) image.onMouseDown(button, shift, x, y);
            }
            break;
        }
        case ControlKind::SpeedButton:
            if (event == ControlEvent::MouseUp) static_cast<SpeedButton&>(c).mouseUp(button, x, y);
            break;
        case ControlKind::Button:
            if (event != ControlEvent::Click) break;
            if (auto* radio = dynamic_cast<RadioButton*>(&c)) radio->click();
            else static_cast<Button&>(c).click();
            break;
        case ControlKind::ScrollBar:
            if (event == ControlEvent::ScrollTo) static_cast<ScrollBar&>(c).setPosition(extra);
            break;
        case ControlKind::ListBox: {
            auto& list = static_cast<ListBox&>(c);
            if (event == ControlEvent::Click) list.clickRow(extra);
            if (event == ControlEvent::MouseUp) list.mouseUp(button, extra);
            if (event == ControlEvent::DoubleClick && list.onDblClick) list.onDblClick();
            break;
        }
        default: break;
    }
}

// The picture of an image control as RGBA bytes, the canvas's own layout.
void pictureRgba(const Bitmap& b, std::vector<std::uint8_t>& out) {
    const std::size_t n = static_cast<std::size_t>(b.width()) * static_cast<std::size_t>(b.height());
    out.resize(n * 4);
    if (b.format() == PixelFormat::Rgb32) {
        const std::uint32_t* p = b.rgbData();
        for (std::size_t i = 0; i < n; ++i) {
            out[4 * i] = static_cast<std::uint8_t>(p[i] >> 16);
            out[4 * i + 1] = static_cast<std::uint8_t>(p[i] >> 8);
            out[4 * i + 2] = static_cast<std::uint8_t>(p[i]);
            out[4 * i + 3] = 255;
        }
        return;
    }
    PaletteEntry table[256];
    for (int i = 0; i < 256; ++i) table[i] = b.colorTableEntry(i);
    const std::uint8_t* p = b.indexData();
    for (std::size_t i = 0; i < n; ++i) {
        const PaletteEntry& e = table[p[i]];
        out[4 * i] = e.r;
        out[4 * i + 1] = e.g;
        out[4 * i + 2] = e.b;
        out[4 * i + 3] = 255;
    }
}

}  // namespace vantor::web

using vantor::web::WebApp;

extern "C" {

EMSCRIPTEN_KEEPALIVE WebApp* vantor_create(int english, int colorDepth) {
    vantor::ProgramConfig config;
    config.currentFolder = "/data";
    config.programFolder = "/app";
    config.userConfigFolder = "/config";
    config.language = english ? vantor::Language::English : vantor::Language::Japanese;
    return new WebApp(config.language, colorDepth, config);
}

// The start of the program as the desktop host does it: the main window
// shown and activated.
EMSCRIPTEN_KEEPALIVE void vantor_start(WebApp* app) {
    app->program.controlWindow().show();
    app->run([app] { app->program.controlWindow().activate(); });
}

// The windows that changed since the last snapshot (every window with
// `everything`), the shared timer and whether a question is open, as JSON.
EMSCRIPTEN_KEEPALIVE const char* vantor_snapshot(WebApp* app, int everything) {
    auto& json = app->snapshot;
    json.clear();
    json.open('{');
    const vantor::Timer& timer = app->program.clock.timer;
    json.key("timer").open('{').field("enabled", timer.enabled()).field("interval", timer.interval()).close('}');
    json.field("waiting", app->desktop.waiting()).field("terminated", app->program.terminated());
    app->sent.write(json, app->program.forms(), everything != 0);
    json.close('}');
    return json.text().c_str();
}

EMSCRIPTEN_KEEPALIVE void vantor_menu(WebApp* app, int form, double id) {
    vantor::Form* f = app->form(form);
    if (!f) return;
    if (vantor::MenuItem* item = vantor::web::menuItemById(*f, static_cast<std::uintptr_t>(id)))
        app->run([item] { item->click(); });
}

EMSCRIPTEN_KEEPALIVE void vantor_control(WebApp* app, int form, double id, int event, int button, int shift, int x, int y,
                                         int extra) {
    vantor::Form* f = app->form(form);
    if (!f) return;
    vantor::Control* c = vantor::web::controlById(*f, static_cast<std::uintptr_t>(id));
    if (!c || !c->enabled() || !c->visible()) return;
    app->run([=] {
        vantor::web::controlEvent(*c, static_cast<vantor::web::ControlEvent>(event), vantor::web::buttonOf(button),
                                  static_cast<unsigned>(shift), x, y, extra);
    });
}

EMSCRIPTEN_KEEPALIVE void vantor_edit(WebApp* app, int form, double id, const char* text) {
    vantor::Form* f = app->form(form);
    if (!f) return;
    auto* c = vantor::web::controlById(*f, static_cast<std::uintptr_t>(id));
    if (!c || c->kind() != vantor::ControlKind::Edit) return;
    const std::string t(text);
    app->run([c, t] { static_cast<vantor::Edit*>(c)->setText(t); });
}

// A key pressed in a window: F1 asks for help, Enter and Escape go to the
// dialog's buttons, the rest to the window.
EMSCRIPTEN_KEEPALIVE void vantor_key(WebApp* app, int form, int key, int shift) {
    vantor::Form* f = app->form(form);
    if (!f) return;
    app->run([f, key, shift] {
        if (!f->dialogKey(key)) f->FormKeyDown(key, static_cast<unsigned>(shift));
    });
}

// F1 in a window: the manual at the window's topic.
EMSCRIPTEN_KEEPALIVE void vantor_help(WebApp* app, int form) {
    vantor::Form* f = app->form(form);
    if (!f) return;
    app->run([app, f] { app->desktop.showHelp(vantor::helpTopicFor(*f)); });
}

EMSCRIPTEN_KEEPALIVE void vantor_window(WebApp* app, int form, int what, int x, int y) {
    vantor::Form* f = app->form(form);
    if (!f) return;
    switch (what) {
        case 0: app->run([f] { f->close(); }); break;
        case 1: app->run([f] { f->activate(); }); break;
        case 2: app->run([f] { f->FormClick(); }); break;
        case 3: f->setPosition(x, y); break;
        default: break;
    }
}

EMSCRIPTEN_KEEPALIVE void vantor_timer(WebApp* app) {
    app->run([app] { app->program.clock.timer.tick(); });
}

// The question a handler asked while another was open, as JSON (empty when
// none); the page asks the user and prepares the answer.
EMSCRIPTEN_KEEPALIVE const char* vantor_left_question(WebApp* app) {
    app->question = app->desktop.takeLeftQuestion();
    return app->question.c_str();
}

EMSCRIPTEN_KEEPALIVE void vantor_prepare_answer(WebApp* app, const char* question, const char* answer) {
    app->desktop.prepareAnswer(question, answer);
}

// True when the modal showing of a form has ended.
EMSCRIPTEN_KEEPALIVE int vantor_modal_done(WebApp* app, int form) {
    vantor::Form* f = app->form(form);
    return !f || !f->visible() || f->modalResult != vantor::mrNone;
}

// Loads a data set as the load command does; with `showSolid` the solid is
// shown as the rotate command shows it.
EMSCRIPTEN_KEEPALIVE void vantor_open(WebApp* app, const char* path, int showSolid) {
    const std::string p(path);
    if (!app->run([app, p] { app->program.controlWindow().LoadFile(p); })) return;
    if (showSolid) app->run([app] { app->program.controlWindow().mnRotateClick(); });
}

// The page could not hand a saved data set to the user: the figures count
// as edited again, so that loading another set or closing offers to save.
EMSCRIPTEN_KEEPALIVE void vantor_data_not_saved(WebApp* app) { app->program.store.setEdited(true); }

// Files of `folder` as one zip archive at `archive`, each under its own
// name; `names` has one a line. Answers the error's text, empty on success.
EMSCRIPTEN_KEEPALIVE const char* vantor_zip(WebApp* app, const char* archive, const char* folder, const char* names) {
    std::vector<vantor::web::ZipEntry> entries;
    for (const std::string& name : vantor::splitLines(names))
        if (!name.empty()) entries.push_back({name, std::string(folder) + "/" + name});
    app->zipError = vantor::web::writeZip(archive, entries);
    return app->zipError.c_str();
}

// The picture of an image control: {width, height, RGBA address}, valid
// until the next call.
EMSCRIPTEN_KEEPALIVE const int* vantor_picture(WebApp* app, int form, double id) {
    app->pictureSize[0] = app->pictureSize[1] = app->pictureSize[2] = 0;
    vantor::Form* f = app->form(form);
    if (!f) return app->pictureSize;
    auto* c = vantor::web::controlById(*f, static_cast<std::uintptr_t>(id));
    if (!c || c->kind() != vantor::ControlKind::Image) return app->pictureSize;
    const vantor::Bitmap* b = static_cast<vantor::Image*>(c)->picture();
    if (!b || b->isEmpty()) return app->pictureSize;
    vantor::web::pictureRgba(*b, app->rgba);
    app->pictureSize[0] = b->width();
    app->pictureSize[1] = b->height();
    app->pictureSize[2] = static_cast<int>(reinterpret_cast<std::uintptr_t>(app->rgba.data()));
    return app->pictureSize;
}

}  // extern "C"
