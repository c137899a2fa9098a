// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt host as part of a Linux desktop: help pages for F1 and help
// requests, Qt's own dialog texts in Japanese (or all in English when asked),
// menus with radio marks only where the items are radio items.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "FormHost.h"
#include "HostedProgram.h"
#include "ProgramIdentity.h"
#include "Help.h"
#include "QtDesktop.h"
#include "Translations.h"
#include "language/English.h"
#include "windows/control/HelpTopics.h"
#include "app/Program.h"
#include "windows/control/ControlWindow.h"
#include "windows/display/DisplayWindow.h"
#include "support/ProgramFixture.h"

using namespace vantor;

namespace {
using OnTheDesktop = test::HostedProgram;

// The manual of the source tree, as run.sh names it to a program that has
// no installed one.
const bool HelpInTheSources = qputenv("VANTOR_HELP_DIR", VANTOR_SOURCE_HELP);
}  // namespace

TEST_F(OnTheDesktop, F1AsksForTheTopicOfTheWindow) {
    const std::pair<const char*, const char*> rows[] = {
        {"ControlWindow", "HLP000005"}, {"DisplayWindow", "display"}, {"FigurePropertiesDialog", "HLP000061"}, {"ScenarioWindow", "HLP000057"},
        // Each dialog opens its own section, not that of the menu it came from.
        {"LightDirectionDialog", "light-dialogs"}, {"LightAnglesDialog", "light-dialogs"}, {"ShiftPictureDialog", "scroll"},
        {"ExportDialog", "export"},
    };
    for (const auto& [window, topic] : rows) {
        SCOPED_TRACE(window);
        QTest::keyClick(&host(window), Qt::Key_F1);
        ASSERT_FALSE(desktop.helpRequests.empty());
        EXPECT_EQ(desktop.helpRequests.back(), topic);
    }
}

TEST_F(OnTheDesktop, EveryTopicHasASectionInBothManuals) {
    std::vector<std::string> topics{"HLP000008", "HLP000057", "HLP000061"};
    for (Form* f : program->forms()) topics.push_back(helpTopicFor(*f));
    for (const char* language : {"ja", "en"}) {
        SCOPED_TRACE(language);
        const QString folder = qt::helpFolder(language);
        ASSERT_FALSE(folder.isEmpty());
        QFile page(folder + "/index.html");
        ASSERT_TRUE(page.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(page.readAll());
        for (const std::string& t : topics)
            EXPECT_TRUE(html.contains(QString("id=\"%1\"").arg(QString::fromStdString(t)))) << t;
    }
}

// Without the built-in icon and the desktop entry's name, desktops show a
// generic icon and cannot match the windows to the entry.
TEST_F(OnTheDesktop, EveryWindowShowsTheProgramsIconAndNamesItsDesktopEntry) {
    qt::setProgramIdentity();
    EXPECT_EQ(QGuiApplication::desktopFileName(), "freevantor");
    EXPECT_EQ(QApplication::applicationName(), "freevantor");
    const QList<QSize> sizes = qt::programIcon().availableSizes();
    for (int size : {16, 32, 48, 64, 128, 256}) EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    for (Form* f : program->forms()) {
        SCOPED_TRACE(f->name());
        EXPECT_FALSE(host(f->name()).windowIcon().pixmap(48, 48).isNull());
    }
}

TEST(DesktopHelp, HelpRequestOpensTheManualAtTheTopic) {
    qt::QtDesktop desktop;
    QUrl opened;
    desktop.setHelpOpener([&](const QUrl& url) { opened = url; });
    desktop.showHelp("HLP000061");
    EXPECT_TRUE(opened.isLocalFile());
    EXPECT_TRUE(QFileInfo::exists(opened.toLocalFile()));
    // A page of the topic's own, since openers (xdg-open) drop a #section.
    EXPECT_TRUE(opened.fragment().isEmpty());
    EXPECT_TRUE(opened.toLocalFile().endsWith("/topics/HLP000061.html")) << opened.toString().toStdString();
    QFile page(opened.toLocalFile());
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_TRUE(page.readAll().contains("url=../index.html#HLP000061"));
    desktop.showHelp(helpStartPage);
    EXPECT_TRUE(opened.fragment().isEmpty());
    EXPECT_TRUE(opened.toLocalFile().endsWith("/index.html"));
}

TEST(DesktopLanguage, StandardButtonsSpeakJapanese) {
    ASSERT_TRUE(qt::installQtTranslations(*qApp)) << "the distribution's Qt translations are not installed";
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith(QString::fromUtf8("はい"))) << box.button(QMessageBox::Yes)->text().toStdString();
    EXPECT_TRUE(box.button(QMessageBox::No)->text().startsWith(QString::fromUtf8("いいえ")));
}

// What `vantor --lang LANG` sets up: Qt's own texts and the program's in
// one language.
struct Chosen {
    const char* lang;
    const char* yes;
    const char* no;
    const char* text;
};
const Chosen Languages[] = {
    {"ja", "はい", "いいえ", "図形をすべて削除してもいいんですね？"},
    {"en", "Yes", "No", "Delete all figures. Are you sure?"},
};

TEST(DesktopLanguage, MessageBoxSpeaksTheChosenLanguageThroughout) {
    for (const Chosen& c : Languages) {
        SCOPED_TRACE(c.lang);
        const Language language = *languageNamed(c.lang);
        ASSERT_TRUE(qt::installQtTranslations(*qApp, language));
        qt::QtDesktop desktop(0, language);
        QString yes, no, text;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            yes = box->button(QMessageBox::Yes)->text().remove('&');
            no = box->button(QMessageBox::No)->text().remove('&');
            text = box->text();
            box->button(QMessageBox::No)->click();
        });
        EXPECT_EQ(desktop.messageBox("図形をすべて削除してもいいんですね？", "", MsgIcon::Warning, MsgButtons::YesNo), MsgAnswer::No);
        EXPECT_TRUE(yes.startsWith(QString::fromUtf8(c.yes))) << yes.toStdString();
        EXPECT_TRUE(no.startsWith(QString::fromUtf8(c.no))) << no.toStdString();
        EXPECT_EQ(text, QString::fromUtf8(c.text));
    }
    qt::installQtTranslations(*qApp);
}

// A window manager cuts a title that is wider than the box leaves it beside
// its buttons: a short prompt must not make the box narrower than its caption.
TEST(DesktopLanguage, InputBoxLeavesItsCaptionRoomBesideTheFramesButtons) {
    for (const Chosen& c : Languages) {
        SCOPED_TRACE(c.lang);
        qt::QtDesktop desktop(0, *languageNamed(c.lang));
        QString title;
        int width = 0, titleWidth = 0;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box) return;
            title = box->windowTitle();
            width = box->sizeHint().width();
            titleWidth = QFontMetrics(box->font()).horizontalAdvance(title);
            box->close();
        });
        EXPECT_EQ(desktop.inputBox("画像描き換え時間間隔の設定", "1以上、1000以下の数値を入れて下さい", "5"), "5")
            << "a closed box keeps the value";
        EXPECT_FALSE(title.isEmpty());
        // The title bar's bold font is about a fifth wider; the frame's icon
        // and three buttons take about 100 pixels.
        EXPECT_GE(width, titleWidth * 6 / 5 + 100) << title.toStdString();
    }
}

TEST(DesktopLanguage, WindowsShowCaptionsMenusAndHintsInTheChosenLanguage) {
    test::ScriptedDesktop desktop;
    test::TempDir dir;
    Program program(desktop, test::configIn(dir));
    struct Row {
        Language language;
        const char *load, *display, *loadHint;
    } rows[] = {
        {Language::Japanese, "データの読込(&O)...", "回転体表示 （データ名未定）", "データをディスクから読み込む"},
        {Language::English, "&Open data...", "Solid Display (untitled)", "Load data from disk"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.load);
        qt::FormHost control(program.controlWindow(), program, r.language);
        qt::FormHost display(program.displayWindow(), program, r.language);
        ASSERT_NE(control.findChild<QAction*>("mnLoad"), nullptr);
        EXPECT_EQ(control.findChild<QAction*>("mnLoad")->text(), QString::fromUtf8(r.load));
        EXPECT_EQ(display.windowTitle(), QString::fromUtf8(r.display));
        ASSERT_NE(control.findChild<QToolButton*>("spbLoad"), nullptr);
        EXPECT_EQ(control.findChild<QToolButton*>("spbLoad")->toolTip(), QString::fromUtf8(r.loadHint));
    }
}

TEST(DesktopLanguage, EnglishHelpOpensTheEnglishManual) {
    qt::QtDesktop desktop(0, Language::English);
    QUrl opened;
    desktop.setHelpOpener([&](const QUrl& url) { opened = url; });
    desktop.showHelp("HLP000061");
    EXPECT_TRUE(opened.toLocalFile().endsWith("/en/topics/HLP000061.html")) << opened.toString().toStdString();
}

TEST_F(OnTheDesktop, RadioItemsShowRadioMarksAndCommandsNoCheckBox) {
    qt::FormHost& h = host("DisplayWindow");
    QAction* bright = h.findChild<QAction*>("mnBR1");
    ASSERT_NE(bright, nullptr);
    EXPECT_TRUE(bright->isCheckable());
    ASSERT_NE(bright->actionGroup(), nullptr);
    EXPECT_TRUE(bright->actionGroup()->isExclusive());
    EXPECT_TRUE(bright->isChecked());
    QAction* resetAll = h.findChild<QAction*>("mnInitAll");
    ASSERT_NE(resetAll, nullptr);
    EXPECT_FALSE(resetAll->isCheckable());

    // The model decides the mark: a refused value keeps it where it was.
    desktop.type("0.01");
    h.findChild<QAction*>("mnBREtc")->trigger();
    EXPECT_TRUE(bright->isChecked());
    EXPECT_FALSE(h.findChild<QAction*>("mnBREtc")->isChecked());
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Ctrl+Z and Ctrl+Y work in the editor: the Edit menu says so.
TEST_F(OnTheDesktop, EditMenuShowsTheUndoAndRedoKeys) {
    const std::pair<const char*, const char*> rows[] = {{"mnUndo", "\tCtrl+Z"}, {"mnRedo", "\tCtrl+Y"}};
    for (const auto& [name, keys] : rows) {
        SCOPED_TRACE(name);
        auto* action = host("EditorWindow").findChild<QAction*>(name);
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(action->text().endsWith(keys)) << action->text().toStdString();
    }
}
