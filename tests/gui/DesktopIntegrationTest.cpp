// The Qt host as part of a Linux desktop: help pages for F1 and help
// requests, Qt's own dialog texts in Japanese, menus with radio marks only
// where the items are radio items.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <memory>

#include "FormHost.h"
#include "Help.h"
#include "QtDesktop.h"
#include "Translations.h"
#include "app/HelpTopics.h"
#include "app/Program.h"
#include "display/TVantorF.h"
#include "support/ScriptedDesktop.h"

using namespace vantor;

namespace {
struct OnTheDesktop : ::testing::Test {
    test::ScriptedDesktop desktop;
    std::unique_ptr<Program> program;
    std::vector<std::unique_ptr<qt::FormHost>> hosts;
    void SetUp() override {
        program = std::make_unique<Program>(desktop);
        for (Form* f : program->forms()) hosts.push_back(std::make_unique<qt::FormHost>(*f, *program));
    }
    qt::FormHost& host(const std::string& name) {
        for (auto& h : hosts)
            if (h->form().name() == name) return *h;
        throw std::runtime_error("no host " + name);
    }
};
}  // namespace

TEST_F(OnTheDesktop, F1AsksForTheTopicOfTheWindow) {
    const std::pair<const char*, const char*> rows[] = {
        {"ControlF", "HLP000005"}, {"VantorF", "display"}, {"ZuPropF", "HLP000061"}, {"AnimeF", "HLP000057"},
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

TEST(DesktopHelp, HelpRequestOpensTheManualAtTheTopic) {
    qt::QtDesktop desktop;
    QUrl opened;
    desktop.setHelpOpener([&](const QUrl& url) { opened = url; });
    desktop.showHelp("HLP000061");
    EXPECT_TRUE(opened.isLocalFile());
    EXPECT_TRUE(QFileInfo::exists(opened.toLocalFile()));
    EXPECT_EQ(opened.fragment(), "HLP000061");
    desktop.showHelp(helpStartPage);
    EXPECT_TRUE(opened.fragment().isEmpty());
}

TEST(DesktopLanguage, StandardButtonsSpeakJapanese) {
    ASSERT_TRUE(qt::installQtTranslations(*qApp)) << "the distribution's Qt translations are not installed";
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith(QString::fromUtf8("はい"))) << box.button(QMessageBox::Yes)->text().toStdString();
    EXPECT_TRUE(box.button(QMessageBox::No)->text().startsWith(QString::fromUtf8("いいえ")));
}

TEST_F(OnTheDesktop, RadioItemsShowRadioMarksAndCommandsNoCheckBox) {
    qt::FormHost& h = host("VantorF");
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
