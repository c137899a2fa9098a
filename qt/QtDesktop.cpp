// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtDesktop.h"

#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>

#include "Conversions.h"
#include "FileDialogLocale.h"
#include "FormHost.h"
#include "Help.h"
#include "app/Program.h"
#include "platform/widgets/Form.h"

namespace vantor::qt {

namespace {
// "Text|*.va4|Other|*.csv" -> "Text (*.va4);;Other (*.csv)"
QStringList qtFilters(const FileDialog& d, Language language) {
    QStringList out;
    for (auto& [desc, pattern] : d.filterPairs()) {
        QString p = q(pattern).replace(QLatin1Char(';'), QLatin1Char(' '));
        QString dsc = q(shownText(desc, language));
        // Qt reads the patterns from a trailing "(...)"; many descriptions already end with one.
        out << (dsc.trimmed().endsWith("(" + p + ")") ? dsc : dsc + " (" + p + ")");
    }
    return out;
}

QWidget* activeParent() { return QApplication::activeWindow(); }
}  // namespace

QString QtDesktop::shown(const std::string& text) const { return qText(shownText(text, m_language)); }

MsgAnswer QtDesktop::messageBox(const std::string& text, const std::string& caption, MsgIcon icon, MsgButtons buttons) {
    QMessageBox box(activeParent());
    box.setWindowTitle(shown(caption.empty() ? Program::ApplicationTitle : caption));
    box.setText(shown(text));
    switch (icon) {
        case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
        case MsgIcon::Error: box.setIcon(QMessageBox::Critical); break;
        case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
        case MsgIcon::None: break;
    }
    switch (buttons) {
        case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case MsgButtons::YesNoCancel: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes: return MsgAnswer::Yes;
        case QMessageBox::No: return MsgAnswer::No;
        case QMessageBox::Ok: return MsgAnswer::Ok;
        default: return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
    }
}

std::string QtDesktop::inputBox(const std::string& caption, const std::string& prompt, const std::string& initial) {
    QInputDialog box(activeParent());
    box.setWindowTitle(shown(caption));
    box.setLabelText(shown(prompt));
    box.setTextValue(q(initial));
    // Wide enough for the window manager to show the whole caption beside
    // the frame's buttons; a box as narrow as a short prompt cuts it.
    // The box keeps its layout's size, so the text field carries the width.
    const int titleWidth = QFontMetrics(box.font()).horizontalAdvance(box.windowTitle());
    if (auto* field = box.findChild<QLineEdit*>()) field->setMinimumWidth(titleWidth * 6 / 5 + 100);
    return box.exec() == QDialog::Accepted ? box.textValue().toStdString() : initial;
}

bool QtDesktop::runFileDialog(FileDialog& d) {
    QFileDialog dlg(activeParent());
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setAcceptMode(d.kind == FileDialogKind::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // A typed name that does not exist is handed to the program, whose own
    // message for a missing file says what is wrong in the program's words.
    dlg.setFileMode(QFileDialog::AnyFile);
    // Saving replaces an existing file without asking: the commands that
    // save (data sets, pictures, option files) ask their own questions.
    dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!d.title.empty()) dlg.setWindowTitle(shown(d.title));
    // Hide files of other types rather than greying them: the name completer
    // would otherwise turn "copy" typed under CSV into an existing copy.va2.
    if (auto* model = dlg.findChild<QFileSystemModel*>()) model->setNameFilterDisables(false);
    showSizesAndDatesIn(dlg, QLocale());
    QStringList filters = qtFilters(d, m_language);
    dlg.setNameFilters(filters);
    if (d.filterIndex >= 1 && d.filterIndex <= filters.size()) dlg.selectNameFilter(filters[d.filterIndex - 1]);
    dlg.setDefaultSuffix(q(d.defaultExt));
    if (!d.initialDir.empty()) dlg.setDirectory(q(d.initialDir));
    if (d.kind == FileDialogKind::Open && !m_firstOpenFolder.isEmpty()) {
        dlg.setDirectory(m_firstOpenFolder);
        m_firstOpenFolder.clear();
    }
    if (!d.fileName.empty()) dlg.selectFile(q(d.fileName));
    QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg, [&](const QString& f) {
        int idx = static_cast<int>(filters.indexOf(f)) + 1;
        if (idx > 0 && idx != d.filterIndex) {
            d.filterIndex = idx;
            if (d.onTypeChange) d.onTypeChange();
            dlg.setDefaultSuffix(q(d.defaultExt));
        }
    });
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return false;
    int idx = static_cast<int>(filters.indexOf(dlg.selectedNameFilter())) + 1;
    if (idx > 0) d.filterIndex = idx;
    d.fileName = d.withDefaultExt(dlg.selectedFiles().first().toStdString());
    return true;
}

bool QtDesktop::runColorDialog(ColorDialog& d) {
    QColor initial(colorR(d.color), colorG(d.color), colorB(d.color));
    QColor c = QColorDialog::getColor(initial, activeParent());
    if (!c.isValid()) return false;
    d.color = rgb(static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()), static_cast<std::uint8_t>(c.blue()));
    return true;
}

int QtDesktop::showModal(Form& form) {
    auto it = m_hosts.find(&form);
    if (it == m_hosts.end()) return mrCancel;
    return it->second->execModal();
}

void QtDesktop::showHelp(const std::string& keyword) {
    const QString folder = helpFolder(m_language == Language::English ? QStringLiteral("en") : QStringLiteral("ja"));
    if (folder.isEmpty()) {
        QMessageBox::information(activeParent(), shown("ヘルプ"), shown("使い方のページが見つかりません。FreeVantor をインストールし直してください。"));
        return;
    }
    const QUrl url = helpUrl(folder, keyword);
    lastHelpUrl = url;
    if (m_openHelp) m_openHelp(url);
    else if (!QDesktopServices::openUrl(url))
        QMessageBox::information(activeParent(), shown("ヘルプ"),
                                 shown("ブラウザを開けませんでした。次のページをご覧ください:") + "\n" + url.toString());
}

void QtDesktop::openFolder(const std::string& path) {
    const QUrl url = QUrl::fromLocalFile(q(path));
    if (m_openHelp) m_openHelp(url);
    else if (!QDesktopServices::openUrl(url))
        QMessageBox::information(activeParent(), shown("見本のデータ(&X)").remove('&'),
                                 shown("フォルダを開けませんでした:") + "\n" + q(path));
}

void QtDesktop::setStartLanguage(const std::string& code) {
    if (m_settingsFile.isEmpty()) return;
    QSettings(m_settingsFile, QSettings::IniFormat).setValue("language", q(code));
}

ScreenInfo QtDesktop::screen() const {
    ScreenInfo s;
    if (QScreen* scr = QGuiApplication::primaryScreen()) {
        s.width = scr->geometry().width();
        s.height = scr->geometry().height();
        s.bitsPerPixel = scr->depth();
    }
    s.planes = 1;
    if (m_colorDepth > 0) s.bitsPerPixel = m_colorDepth;
    return s;
}

void QtDesktop::reportError(const std::string& text) {
    QMessageBox::critical(activeParent(), Program::ApplicationTitle, shown(text));
}

void QtDesktop::processEvents() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

void QtDesktop::setBusyCursor(bool busy) {
    if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
    else QApplication::restoreOverrideCursor();
}

// Ends the event loop directly. QCoreApplication::quit() would first ask
// every window to close, and the hosts hand each close to the window models,
// which refuse the toolkit's close and run their own: the quit was then
// cancelled and the program kept running without windows.
void QtDesktop::quit() { QCoreApplication::exit(0); }

}  // namespace vantor::qt
