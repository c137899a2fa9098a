// SPDX-License-Identifier: GPL-3.0-or-later
// The typed values of the display window and the editor: each input answers
// one "その他" box, the interval box or the two edit boxes of the light-angle
// and picture-offset dialogs. Whatever is typed, every option stays a
// finite number, the light distance follows its rate and the interval stays
// within 1 ... 1000.
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "app/Program.h"
#include "windows/dialogs/LightAnglesDialog.h"
#include "windows/dialogs/ShiftPictureDialog.h"
#include "windows/display/DisplayWindow.h"
#include "windows/editor/EditorWindow.h"
#include "platform/widgets/Desktop.h"

using namespace vantor;

namespace {

// Answers every question with the input: a box with its whole text, a
// dialog's first edit box with the text before the first line break and its
// second with the rest.
class TypingDesktop : public Desktop {
public:
    std::string text;
    Program* program = nullptr;
    MsgAnswer messageBox(const std::string&, const std::string&, MsgIcon, MsgButtons) override { return MsgAnswer::Ok; }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override { return text; }
    bool runFileDialog(FileDialog&) override { return false; }
    bool runColorDialog(ColorDialog&) override { return false; }
    int showModal(Form& form) override {
        const std::size_t br = text.find('\n');
        const std::string first = text.substr(0, br), second = br == std::string::npos ? "" : text.substr(br + 1);
        if (&form == &program->displayWindow().lightAnglesDialog()) {
            program->displayWindow().lightAnglesDialog().edtRightLeft.setText(first);
            program->displayWindow().lightAnglesDialog().edtUpDown.setText(second);
        } else if (&form == &program->displayWindow().shiftPictureDialog()) {
            program->displayWindow().shiftPictureDialog().edtHori.setText(first);
            program->displayWindow().shiftPictureDialog().edtVerti.setText(second);
        }
        return mrOk;
    }
    void showHelp(const std::string&) override {}
    ScreenInfo screen() const override { return {1280, 1024, 32, 1}; }
    void reportError(const std::string&) override {}
};

struct Session {
    TypingDesktop desktop;
    std::unique_ptr<Program> program;
    Session() {
        ProgramConfig config;
        config.readStandardOptions = false;
        program = std::make_unique<Program>(desktop, config);
        desktop.program = program.get();
    }
};

bool finite(const DisplayOptions& o) {
    for (double v : {o.bright, o.lightDistRate, o.lightDist, o.tintR, o.tintG, o.tintB, o.viewDist, o.viewHeight, o.zoom,
                     o.inclin, o.lightDirH, o.lightDirV})
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Session session;
    if (size < 1) return 0;
    Program& p = *session.program;
    DisplayWindow& display = p.displayWindow();
    EditorWindow& editor = p.editorWindow();
    const std::vector<std::function<void()>> boxes = {
        [&] { display.mnBREtcClick(); },       [&] { display.mnLDEtcClick(); },
        [&] { display.mnVDEtcClick(); },       [&] { display.mnVHEtcClick(); },
        [&] { display.mnZMEtcClick(); },       [&] { display.mnInEtcClick(); },
        [&] { display.mnSimuSpeedClick(); },   [&] { display.mnLDirAngleClick(); },
        [&] { display.mnScrollValueClick(); }, [&] { editor.mnNDEtcClick(); },
    };
    p.options.setFactoryValues();
    session.desktop.text.assign(data + 1, data + size);
    boxes[data[0] % boxes.size()]();
    const DisplayOptions& o = p.options;
    fuzz::require(finite(o));
    DisplayOptions derived = o;
    derived.updateLightDist();
    fuzz::require(derived.lightDist == o.lightDist);
    fuzz::require(o.simuInterval >= 1 && o.simuInterval <= 1000);
    return 0;
}
