// SPDX-License-Identifier: GPL-3.0-or-later
// The callback form of the desktop's questions: a host that can block
// answers at once with the blocking question's answer; a host that answers
// later keeps the caller going and hands the answer over when it comes.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "support/ScriptedDesktop.h"

using namespace vantor;
using vantor::test::ScriptedDesktop;

namespace {

// A host that, like a page in a browser, answers a message box only later.
struct LaterDesktop : ScriptedDesktop {
    std::function<void(MsgAnswer)> pending;
    void askMessage(const std::string& text, const std::string& caption, MsgIcon icon, MsgButtons buttons,
                    std::function<void(MsgAnswer)> then) override {
        messages.push_back({text, caption, icon, buttons});
        pending = std::move(then);
    }
};

TEST(DesktopAnswers, ABlockingHostAnswersEveryFormAtOnceWithTheBlockingAnswer) {
    ScriptedDesktop desktop;
    desktop.answer(MsgAnswer::No);
    desktop.type("42");
    desktop.choose("vase.va4", 2);

    std::optional<MsgAnswer> message;
    desktop.askMessage("Save?", "FreeVantor", MsgIcon::Question, MsgButtons::YesNo, [&](MsgAnswer a) { message = a; });
    EXPECT_EQ(message, MsgAnswer::No);

    std::optional<std::string> typed;
    desktop.askInput("Zoom", "Enter the zoom", "1.5", [&](const std::string& t) { typed = t; });
    EXPECT_EQ(typed, "42");

    FileDialog dialog(FileDialogKind::Open, "Data (*.va4)|*.va4", "va4");
    std::optional<bool> chosen;
    desktop.askFile(dialog, [&](bool ok) {
        chosen = ok;
        // The dialog holds the choice when the answer arrives.
        EXPECT_EQ(dialog.fileName, "vase.va4");
    });
    EXPECT_EQ(chosen, true);
    EXPECT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.inputs.size(), 1u);
}

TEST(DesktopAnswers, AHostThatAnswersLaterReturnsFirstAndAnswersOnce) {
    LaterDesktop desktop;
    int answers = 0;
    MsgAnswer got = MsgAnswer::Cancel;
    Desktop& port = desktop;
    port.askMessage("Save?", "FreeVantor", MsgIcon::Question, MsgButtons::YesNoCancel, [&](MsgAnswer a) {
        ++answers;
        got = a;
    });
    // The question was put, the caller went on, and nothing was answered yet;
    // the blocking question was never asked.
    EXPECT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(answers, 0);
    ASSERT_TRUE(desktop.pending);
    desktop.pending(MsgAnswer::Yes);
    EXPECT_EQ(answers, 1);
    EXPECT_EQ(got, MsgAnswer::Yes);
}

}  // namespace
