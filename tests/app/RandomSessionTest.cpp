// SPDX-License-Identifier: GPL-3.0-or-later
// Random sessions: long seeded runs of what a user can do in any order --
// menu commands, buttons, lists, scroll bars, gestures on the pictures, keys,
// timer ticks, closing windows -- with every dialog answered at random. A
// session must never throw anything but a file error, and the figure store
// must stay consistent after every event. Run under the sanitizers this
// catches out-of-range access in orders no scripted test thinks of.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "app/Program.h"
#include "windows/control/ControlWindow.h"
#include "support/StoreBuilder.h"
#include "platform/files/IoError.h"
#include "platform/pixels/Bmp.h"
#include "platform/widgets/Form.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/ListBox.h"
#include "platform/widgets/ScrollBar.h"
#include "platform/widgets/SpeedButton.h"
#include "support/ProgramFixture.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

// A desktop whose user answers every question at random and acts inside
// modal windows before closing them.
class RandomDesktop : public Desktop {
public:
    RandomDesktop(std::mt19937& random, std::string folder) : m_random(random), m_folder(std::move(folder)) {}

    ScreenInfo screenInfo;
    std::function<void(Form&)> actInModal;  // a few random events in the modal window
    std::vector<std::string> errors;

    MsgAnswer messageBox(const std::string&, const std::string&, MsgIcon, MsgButtons buttons) override {
        switch (buttons) {
        case MsgButtons::Ok: return MsgAnswer::Ok;
        case MsgButtons::OkCancel: return pick(2) ? MsgAnswer::Ok : MsgAnswer::Cancel;
        case MsgButtons::YesNo: return pick(2) ? MsgAnswer::Yes : MsgAnswer::No;
        case MsgButtons::YesNoCancel: {
            const MsgAnswer a[] = {MsgAnswer::Yes, MsgAnswer::No, MsgAnswer::Cancel};
            return a[pick(3)];
        }
        }
        return MsgAnswer::Cancel;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string& initial) override {
        const char* typed[] = {"", "0", "1", "5", "-3", "2.5", "45", "360", "1e400", "abc", "100000", "-0", " 7 "};
        if (pick(4) == 0) return initial;
        return typed[pick(std::size(typed))];
    }
    bool runFileDialog(FileDialog& dialog) override {
        if (pick(4) == 0) return false;
        if (pick(3) == 0) {
            dialog.filterIndex = 1 + static_cast<int>(pick(4));
            if (dialog.onTypeChange) dialog.onTypeChange();
        }
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(m_folder)) names.push_back(e.path().filename().string());
        const char* fresh[] = {"new.va4", "new.va2", "new.csv", "new.van", "new.vop", "new.bmp", "new.png",
                               "new.snr", "new.stl", "new", "sub/deeper.va4", "missing.va4"};
        const std::string name = pick(2) && !names.empty() ? names[pick(names.size())] : fresh[pick(std::size(fresh))];
        dialog.fileName = dialog.withDefaultExt(m_folder + "/" + name);
        return true;
    }
    bool runColorDialog(ColorDialog& dialog) override {
        if (pick(3) == 0) return false;
        const TColor c[] = {colors::Black, rgb(255, 255, 255), rgb(255, 0, 0), rgb(10, 200, 30), rgb(1, 1, 1)};
        dialog.color = c[pick(std::size(c))];
        return true;
    }
    int showModal(Form& form) override {
        form.modalResult = mrNone;
        form.show();
        if (actInModal && m_depth < 2) {
            ++m_depth;
            actInModal(form);
            --m_depth;
        }
        int result = form.modalResult != mrNone ? form.modalResult : (pick(2) ? mrOk : mrCancel);
        form.hide();
        return result;
    }
    void showHelp(const std::string&) override {}
    ScreenInfo screen() const override { return screenInfo; }
    void reportError(const std::string& text) override { errors.push_back(text); }

private:
    std::size_t pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_random); }
    std::mt19937& m_random;
    std::string m_folder;
    int m_depth = 0;
};

void leafItems(MenuItem& item, std::vector<MenuItem*>& out) {
    if (!item.visible() || !item.enabled()) return;
    if (item.items().empty()) {
        if (item.caption() != "-") out.push_back(&item);
        return;
    }
    for (MenuItem* child : item.items()) leafItems(*child, out);
}

class Session {
public:
    Session(unsigned seed, const TempDir& dir, int bitsPerPixel)
        : m_random(seed), m_desktop(m_random, dir.path()) {
        m_desktop.screenInfo.bitsPerPixel = bitsPerPixel;
        m_desktop.actInModal = [this](Form& form) {
            for (int i = pick(6); i > 0 && form.modalResult == mrNone && form.visible(); --i) actOn(form);
        };
        m_program = std::make_unique<Program>(m_desktop, configIn(dir));
        m_program->controlWindow().show();
        m_program->controlWindow().activate();
    }

    // Runs `steps` random events, then closes the main window with
    // whatever else is open. Half the sessions start with a data set, as
    // when the program is opened on one.
    void run(int steps, const std::string& dataSet) {
        if (pick(2)) run("load " + dataSet, [&] { m_program->controlWindow().LoadFile(dataSet); });
        for (int i = 0; i < steps && m_program->controlWindow().visible(); ++i) {
            step();
            ASSERT_TRUE(storeIsConsistent(m_program->store)) << trail();
            if (::testing::Test::HasFailure()) return;
        }
        Form& main = m_program->controlWindow();
        if (main.visible()) run("ControlWindow close", [&main] { main.close(); });
    }

    std::string trail() const {
        std::ostringstream s;
        s << "\nevents:";
        for (const std::string& e : m_trail) s << "\n  " << e;
        return s.str();
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    void step() {
        std::vector<Form*> others;
        for (Form* f : m_program->forms())
            if (f->visible() && f != &m_program->controlWindow()) others.push_back(f);
        // Most events go to the windows the user opened from the main one.
        Form& form = !others.empty() && pick(4) != 0 ? *others[static_cast<std::size_t>(pick(static_cast<int>(others.size())))]
                                                    : m_program->controlWindow();
        switch (pick(20)) {
        case 0:
        case 1: tick(); break;
        case 2:
            // The session ends by closing the main window, after its steps.
            if (&form != &m_program->controlWindow()) run(form.name() + " close", [&form] { form.close(); });
            break;
        default: actOn(form);
        }
    }

    void tick() {
        Timer& t = m_program->clock.timer;
        for (int n = 1 + pick(30); n > 0 && t.enabled(); --n) run("tick", [&t] { t.tick(); });
    }

    void actOn(Form& form) {
        std::vector<MenuItem*> items;
        for (MenuItem* top : form.mainMenu.items()) leafItems(*top, items);
        // Ending the program ends the session: rarely.
        std::erase_if(items, [this](const MenuItem* m) { return m->name() == "mnExit" && pick(50) != 0; });
        std::vector<Control*> controls;
        for (Control* c : form.controls())
            if (c->visible() && c->enabled()) controls.push_back(c);
        const int choice = pick(10);
        if (choice < 3 && !items.empty()) {
            MenuItem& m = *items[static_cast<std::size_t>(pick(static_cast<int>(items.size())))];
            run(form.name() + " menu " + m.name(), [&m] { m.click(); });
        } else if (choice == 3) {
            const int keys[] = {0x1B, 0x2E, 0x0D, 0x25, 0x26, 0x27, 0x28, 'Z', 'Y', 0x70};
            const int key = keys[pick(static_cast<int>(std::size(keys)))];
            const unsigned shift = pick(2) ? ShiftCtrl : ShiftNone;
            run(form.name() + " key " + std::to_string(key), [&form, key, shift] {
                if (!form.dialogKey(key)) form.FormKeyDown(key, shift);
            });
        } else if (choice == 4) {
            run(form.name() + " activate", [&form] { form.activate(); });
        } else if (!controls.empty()) {
            actOn(*controls[static_cast<std::size_t>(pick(static_cast<int>(controls.size())))]);
        }
    }

    MouseButton button() {
        const int b = pick(6);
        return b == 0 ? MouseButton::Right : b == 1 ? MouseButton::Middle : MouseButton::Left;
    }

    void actOn(Control& c) {
        const std::string name = c.owner().name() + " " + c.name();
        if (auto* s = dynamic_cast<SpeedButton*>(&c)) {
            const MouseButton b = button();
            run(name + " press", [s, b] { s->mouseUp(b); });
        } else if (auto* b = dynamic_cast<Button*>(&c)) {
            run(name + " click", [b] { b->click(); });
        } else if (auto* r = dynamic_cast<RadioButton*>(&c)) {
            run(name + " click", [r] { r->click(); });
        } else if (auto* l = dynamic_cast<ListBox*>(&c)) {
            const int row = pick(l->count() + 2) - 1;
            if (row >= 0 && row < l->count() && pick(2)) run(name + " row " + std::to_string(row), [l, row] { l->clickRow(row); });
            else if (l->onDblClick) run(name + " double-click", [l] { l->onDblClick(); });
            else run(name + " release", [l, row, b = button()] { l->mouseUp(b, row); });
        } else if (auto* e = dynamic_cast<Edit*>(&c)) {
            const char* texts[] = {"", "12", "-5", "abc", "0.5", "99999999999"};
            const std::string t = texts[pick(static_cast<int>(std::size(texts)))];
            run(name + " text " + t, [e, t] { e->setText(t); });
        } else if (auto* sb = dynamic_cast<ScrollBar*>(&c)) {
            const int p = sb->min() + pick(sb->max() - sb->min() + 1);
            run(name + " scroll " + std::to_string(p), [sb, p] { sb->setPosition(p); });
        } else if (auto* img = dynamic_cast<Image*>(&c)) {
            gesture(name, *img);
        }
    }

    // A press, a few moves and a release (or a double click) anywhere on the
    // picture, a little beyond its edges included.
    void gesture(const std::string& name, Image& img) {
        auto at = [this, &img] {
            return IntPoint{pick(img.width() + 40) - 20, pick(img.height() + 40) - 20};
        };
        const MouseButton b = button();
        IntPoint p = at();
        if (pick(6) == 0) {
            if (img.onDblClick) run(name + " double-click", [&] { img.onDblClick(b, ShiftNone, p.x, p.y); });
            return;
        }
        if (img.onMouseDown) run(name + " press", [&] { img.onMouseDown(b, ShiftNone, p.x, p.y); });
        for (int n = pick(6); n > 0; --n) {
            p = at();
            if (img.onMouseMove) run(name + " move", [&] { img.onMouseMove(ShiftNone, p.x, p.y); });
        }
        // The release sometimes never comes (the window lost the mouse).
        if (pick(10) != 0 && img.onMouseUp) run(name + " release", [&] { img.onMouseUp(b, ShiftNone, p.x, p.y); });
    }

    void run(const std::string& what, const std::function<void()>& handler) {
        m_trail.push_back(what);
        try {
            handler();
        } catch (const IoError&) {
            // A file error goes to the error box; the session goes on.
        } catch (const std::exception& e) {
            ADD_FAILURE() << "unexpected exception from " << what << ": " << e.what() << trail();
        }
    }

    std::mt19937 m_random;
    RandomDesktop m_desktop;
    std::unique_ptr<Program> m_program;
    std::vector<std::string> m_trail;
};

// The examples, a broken data set, a scenario of three frames (one of them
// missing its picture) and a sub-folder.
void prepareFolder(const TempDir& dir) {
    for (const char* name : {"pawn", "vase"})
        for (const char* ext : {".va4", ".zuk", ".vop"})
            fs::copy_file(std::string(VANTOR_EXAMPLES_DIR) + "/" + name + ext, dir.path() + "/" + name + ext);
    std::ofstream(dir.path() + "/broken.va4", std::ios::binary) << "\x01\x02\x03";
    std::ofstream(dir.path() + "/cup.csv") << "0,0\n10,0\n12,20\n";
    fs::create_directories(dir.path() + "/sub");
    Bitmap frame(600, 400, PixelFormat::Rgb32);
    for (const char* name : {"turn001", "turn002"}) {
        writeBmpFile(dir.path() + "/" + name + ".bmp", frame);
        fs::copy_file(dir.path() + "/pawn.vop", dir.path() + "/" + name + ".vop");
        for (int x = 0; x < 600; ++x) frame.setRawPixel(x, 200, 0xFFFFFF);
    }
    std::ofstream(dir.path() + "/turn.snr", std::ios::binary) << "turn001\r\nturn002\r\nturn003\r\n";
}

struct SessionCase {
    const char* name;
    int bitsPerPixel;
    unsigned firstSeed;
};

// VANTOR_RANDOM_SESSIONS=N runs N sessions per colour depth instead of 12,
// for a longer search by hand.
TEST(RandomSession, NeverThrowsAndKeepsTheStoreConsistent) {
    const char* wanted = std::getenv("VANTOR_RANDOM_SESSIONS");
    const unsigned sessions = wanted ? static_cast<unsigned>(std::strtoul(wanted, nullptr, 10)) : 12;
    const SessionCase cases[] = {{"true colour", 32, 1}, {"256 colours", 8, 1000001}};
    for (const SessionCase& c : cases) {
        for (unsigned seed = c.firstSeed; seed < c.firstSeed + sessions; ++seed) {
            SCOPED_TRACE(std::string(c.name) + ", seed " + std::to_string(seed));
            TempDir dir;
            prepareFolder(dir);
            Session session(seed, dir, c.bitsPerPixel);
            session.run(400, dir.path() + "/pawn.va4");
            if (::testing::Test::HasFailure()) return;
        }
    }
}

}  // namespace
}  // namespace vantor::test
