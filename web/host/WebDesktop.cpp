#include "WebDesktop.h"

#include <emscripten.h>

#include <cstdlib>

#include "Json.h"
#include "app/Program.h"
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

}  // namespace

MsgAnswer WebDesktop::messageBox(const std::string& text, const std::string& caption, MsgIcon icon, MsgButtons buttons) {
    if (m_waiting) return cancelled(buttons);
    Waiting w(m_waiting);
    const std::string title = shown(caption.empty() ? Program::ApplicationTitle : caption);
    const int answer = pageMessageBox(shown(text).c_str(), title.c_str(), static_cast<int>(icon), static_cast<int>(buttons));
    switch (answer) {
        case static_cast<int>(MsgAnswer::Ok): return MsgAnswer::Ok;
        case static_cast<int>(MsgAnswer::Yes): return MsgAnswer::Yes;
        case static_cast<int>(MsgAnswer::No): return MsgAnswer::No;
        default: return cancelled(buttons);
    }
}

std::string WebDesktop::inputBox(const std::string& caption, const std::string& prompt, const std::string& initial) {
    if (m_waiting) return initial;
    Waiting w(m_waiting);
    char* answer = pageInputBox(shown(caption).c_str(), shown(prompt).c_str(), initial.c_str());
    if (!answer) return initial;
    std::string text(answer);
    std::free(answer);
    return text;
}

bool WebDesktop::runFileDialog(FileDialog& dialog) {
    if (m_waiting) return false;
    Waiting w(m_waiting);
    Json json;
    json.open('{');
    json.field("save", dialog.kind == FileDialogKind::Save).field("title", shown(dialog.title));
    json.field("filterIndex", dialog.filterIndex).field("defaultExt", dialog.defaultExt);
    json.field("fileName", dialog.fileName).field("initialDir", dialog.initialDir);
    json.key("filters").open('[');
    for (const auto& [description, pattern] : dialog.filterPairs()) {
        json.open('{').field("description", shown(description)).field("pattern", pattern).close('}');
    }
    json.close(']').close('}');
    char* answer = pageFileDialog(json.text().c_str());
    if (!answer) return false;
    const std::string text(answer);
    std::free(answer);
    const auto bar = text.find('|');
    const int index = std::atoi(text.substr(0, bar).c_str());
    if (index >= 1 && index != dialog.filterIndex) {
        dialog.filterIndex = index;
        if (dialog.onTypeChange) dialog.onTypeChange();
    }
    dialog.fileName = dialog.withDefaultExt(text.substr(bar + 1));
    return true;
}

bool WebDesktop::runColorDialog(ColorDialog& dialog) {
    if (m_waiting) return false;
    Waiting w(m_waiting);
    const int answer = pageColorDialog(static_cast<int>(dialog.color & 0xFFFFFF));
    if (answer < 0) return false;
    dialog.color = static_cast<TColor>(answer);
    return true;
}

int WebDesktop::showModal(Form& form) {
    if (m_waiting) return mrCancel;
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
