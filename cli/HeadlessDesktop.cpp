#include "TerminalText.h"
#include "HeadlessDesktop.h"

#include "platform/widgets/Form.h"

namespace vantor::cli {

namespace {
}  // namespace

HeadlessDesktop::HeadlessDesktop(std::ostream& messages, int colorDepth) : m_out(messages) {
    m_screen.width = 1024;
    m_screen.height = 768;
    m_screen.bitsPerPixel = colorDepth > 0 ? colorDepth : 32;
    m_screen.planes = 1;
}

MsgAnswer HeadlessDesktop::messageBox(const std::string& text, const std::string&, MsgIcon, MsgButtons buttons) {
    m_out << forTerminal(text) << '\n';
    switch (buttons) {
        case MsgButtons::Ok: return MsgAnswer::Ok;
        case MsgButtons::OkCancel: return MsgAnswer::Cancel;
        case MsgButtons::YesNo:
        case MsgButtons::YesNoCancel: return MsgAnswer::No;
    }
    return MsgAnswer::No;
}

std::string HeadlessDesktop::inputBox(const std::string&, const std::string&, const std::string& initial) { return initial; }

bool HeadlessDesktop::runFileDialog(FileDialog&) { return false; }

bool HeadlessDesktop::runColorDialog(ColorDialog&) { return false; }

int HeadlessDesktop::showModal(Form&) { return mrCancel; }

void HeadlessDesktop::showHelp(const std::string&) {}

void HeadlessDesktop::reportError(const std::string& text) {
    ++m_errors;
    m_out << "error: " << forTerminal(text) << '\n';
}

}  // namespace vantor::cli
