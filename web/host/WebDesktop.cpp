// SPDX-License-Identifier: GPL-3.0-or-later
#include "WebDesktop.h"

#include <emscripten.h>

#include <cstdlib>

#include "Json.h"
#include "app/Program.h"
#include "platform/files/IoError.h"
#include "platform/widgets/Form.h"

namespace vantor::web {

namespace {

// The page's answers. Each shows its dialog and resolves when the user has
// answered; strings come back in memory the caller frees.
EM_ASYNC_JS(int, pageMessageBox, (const char* text, const char* caption, int icon, int buttons), {
    return await Module.host.messageBox(UTF8ToString(text), UTF8ToString(caption), icon, buttons);
});
EM_ASYNC_JS(char*, pageInputBox, (const char* caption, const char* prompt, const char* initial), {
    const answer = await Module.host.inputBox(UTF8ToString(caption), UTF8ToString(prompt), UTF8ToString(initial));
    return answer === null ? 0 : allocateUTF8(answer);
});
// Answers "filterIndex|fileName", or nothing when cancelled.
EM_ASYNC_JS(char*, pageFileDialog, (const char* description), {
    const answer = await Module.host.fileDialog(JSON.parse(UTF8ToString(description)));
    return answer === null ? 0 : allocateUTF8(answer.filterIndex + "|" + answer.fileName);
});
EM_ASYNC_JS(int, pageColorDialog, (int colour), { return await Module.host.colorDialog(colour); });
EM_ASYNC_JS(void, pageWaitModal, (const char* formName), { await Module.host.waitModal(UTF8ToString(formName)); });
EM_ASYNC_JS(void, pageReportError, (const char* text), { await Module.host.reportError(UTF8ToString(text)); });
// Hands the files saved since the last time to the user; answers the
// error's text, or nothing when every file arrived.
EM_ASYNC_JS(char*, pageDeliverFiles, (), {
    const error = await Module.host.deliverFiles();
    return error ? allocateUTF8(error) : 0;
});
EM_JS(void, pageShowHelp, (const char* keyword), { Module.host.showHelp(UTF8ToString(keyword)); });
EM_JS(void, pageQuit, (), { Module.host.quit(); });

// Marks the desktop as waiting for as long as it lives.
class Waiting {
public:
    explicit Waiting(bool& flag) : m_flag(flag) { m_flag = true; }
    ~Waiting() { m_flag = false; }
    Waiting(const Waiting&) = delete;
    Waiting& operator=(const Waiting&) = delete;

private:
    bool& m_flag;
};

MsgAnswer cancelled(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::Ok: return MsgAnswer::Ok;
        case MsgButtons::YesNo: return MsgAnswer::No;
        default: return MsgAnswer::Cancel;
    }
}

std::string questionJson(const char* kind, const std::string& a, const std::string& b, const std::string& c,
                         long long n, long long m) {
    Json json;
    json.open('{').field("kind", kind).field("a", a).field("b", b).field("c", c).field("n", n).field("m", m).close('}');
    return json.text();
}

std::string fileDialogJson(const FileDialog& dialog, Language language) {
    Json json;
    json.open('{');
    json.field("save", dialog.kind == FileDialogKind::Save).field("title", shownText(dialog.title, language));
    json.field("filterIndex", dialog.filterIndex).field("defaultExt", dialog.defaultExt);
    json.field("fileName", dialog.fileName).field("initialDir", dialog.initialDir);
    json.key("filters").open('[');
    for (const auto& [description, pattern] : dialog.filterPairs()) {
        json.open('{').field("description", shownText(description, language)).field("pattern", pattern).close('}');
    }
    json.close(']').close('}');
    return json.text();
}

// "filterIndex|fileName" into the dialog.
void applyFileAnswer(FileDialog& dialog, const std::string& text) {
    const auto bar = text.find('|');
    const int index = std::atoi(text.substr(0, bar).c_str());
    if (index >= 1 && index != dialog.filterIndex) {
        dialog.filterIndex = index;
        if (dialog.onTypeChange) dialog.onTypeChange();
    }
    dialog.fileName = dialog.withDefaultExt(bar == std::string::npos ? text : text.substr(bar + 1));
}

}  // namespace

void WebDesktop::deliverSavedFiles() {
    if (m_waiting) return;
    std::string error;
    {
        Waiting w(m_waiting);
        if (char* text = pageDeliverFiles()) {
            error = text;
            std::free(text);
        }
    }
    if (!error.empty()) throw IoError(error, "");
}

std::optional<std::string> WebDesktop::answerWhileWaiting(const std::string& question) {
    if (m_prepared && m_prepared->first == question) {
        std::string answer = std::move(m_prepared->second);
        m_prepared.reset();
        return answer;
    }
    m_leftQuestion = question;
    return std::nullopt;
}

MsgAnswer WebDesktop::messageBox(const std::string& text, const std::string& caption, MsgIcon icon, MsgButtons buttons) {
    const std::string title = shown(caption.empty() ? Program::ApplicationTitle : caption);
    int answer = -1;
    if (m_waiting) {
        const auto prepared = answerWhileWaiting(
            questionJson("message", shown(text), title, "", static_cast<int>(icon), static_cast<int>(buttons)));
        if (!prepared) return cancelled(buttons);
        answer = std::atoi(prepared->c_str());
    } else {
        deliverSavedFiles();
        Waiting w(m_waiting);
        answer = pageMessageBox(shown(text).c_str(), title.c_str(), static_cast<int>(icon), static_cast<int>(buttons));
    }
    switch (answer) {
        case static_cast<int>(MsgAnswer::Ok): return MsgAnswer::Ok;
        case static_cast<int>(MsgAnswer::Yes): return MsgAnswer::Yes;
        case static_cast<int>(MsgAnswer::No): return MsgAnswer::No;
        default: return cancelled(buttons);
    }
}

std::string WebDesktop::inputBox(const std::string& caption, const std::string& prompt, const std::string& initial) {
    if (m_waiting) {
        const auto prepared = answerWhileWaiting(questionJson("input", shown(caption), shown(prompt), initial, 0, 0));
        return prepared ? *prepared : initial;
    }
    deliverSavedFiles();
    Waiting w(m_waiting);
    char* answer = pageInputBox(shown(caption).c_str(), shown(prompt).c_str(), initial.c_str());
    if (!answer) return initial;
    std::string text(answer);
    std::free(answer);
    return text;
}

bool WebDesktop::runFileDialog(FileDialog& dialog) {
    const std::string description = fileDialogJson(dialog, m_language);
    if (m_waiting) {
        const auto prepared = answerWhileWaiting(questionJson("file", description, "", "", 0, 0));
        if (!prepared) return false;
        applyFileAnswer(dialog, *prepared);
        return true;
    }
    deliverSavedFiles();
    Waiting w(m_waiting);
    char* answer = pageFileDialog(description.c_str());
    if (!answer) return false;
    const std::string text(answer);
    std::free(answer);
    applyFileAnswer(dialog, text);
    return true;
}

bool WebDesktop::runColorDialog(ColorDialog& dialog) {
    int answer = -1;
    if (m_waiting) {
        const auto prepared = answerWhileWaiting(questionJson("color", "", "", "", dialog.color & 0xFFFFFF, 0));
        if (!prepared) return false;
        answer = std::atoi(prepared->c_str());
    } else {
        deliverSavedFiles();
        Waiting w(m_waiting);
        answer = pageColorDialog(static_cast<int>(dialog.color & 0xFFFFFF));
    }
    if (answer < 0) return false;
    dialog.color = static_cast<TColor>(answer);
    return true;
}

int WebDesktop::showModal(Form& form) {
    if (m_waiting) return mrCancel;
    deliverSavedFiles();
    Waiting w(m_waiting);
    form.modalResult = mrNone;
    form.show();
    if (form.visible() && form.modalResult == mrNone) pageWaitModal(form.name().c_str());
    const int result = form.modalResult == mrNone ? mrCancel : form.modalResult;
    form.hide();
    return result;
}

void WebDesktop::showHelp(const std::string& keyword) { pageShowHelp(keyword.c_str()); }

ScreenInfo WebDesktop::screen() const {
    ScreenInfo s;
    s.width = 1280;
    s.height = 1024;
    s.bitsPerPixel = m_colorDepth;
    return s;
}

void WebDesktop::reportError(const std::string& text) {
    if (m_waiting) return;
    Waiting w(m_waiting);
    pageReportError(shown(text).c_str());
}

void WebDesktop::quit() { pageQuit(); }

}  // namespace vantor::web
