// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "FormHost.h"
#include "HostedProgram.h"
#include "Glyphs.h"
#include "platform/widgets/SpeedButton.h"
#include "UiFont.h"
#include "windows/about/AboutBox.h"
#include "windows/scenario/ScenarioWindow.h"
#include "app/Program.h"
#include "windows/editor/EditorWindow.h"
#include "windows/control/ControlWindow.h"
#include "windows/display/DisplayWindow.h"
#include "platform/files/IoError.h"
#include "platform/widgets/Image.h"
#include "support/ScriptedDesktop.h"

using namespace vantor;

namespace {
using Gui = test::HostedProgram;
}  // namespace

TEST_F(Gui, EveryWindowGetsAHostWithItsCaption) {
    for (auto& h : hosts) EXPECT_EQ(h->windowTitle().toStdString(), h->form().caption());
    EXPECT_EQ(host("ControlWindow").windowTitle(), QString::fromUtf8("FreeVantor for Win32"));
}

TEST_F(Gui, ControlWindowShowsMenusButtonsAndLabel) {
    auto& h = host("ControlWindow");
    QStringList titles;
    for (QAction* a : h.menuBar()->actions()) titles << a->text();
    // File, Edit Profile, Solid Display and Help, then the language menu last.
    EXPECT_EQ(titles, (QStringList{"ファイル(&F)", "回転前図形編集(&E)", "回転体表示(&R)", "ヘルプ(&H)", "言語(&G)"}));
    auto* load = h.findChild<QToolButton*>("spbLoad");
    ASSERT_NE(load, nullptr);
    EXPECT_EQ(load->toolTip(), QString::fromUtf8("データをディスクから読み込む"));
    EXPECT_FALSE(load->icon().isNull());
    auto* label = h.findChild<QLabel*>("lblDataName");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QString::fromUtf8("（未定）"));
    if (!qt::gothicFamily().isEmpty()) {
        EXPECT_EQ(label->font().family(), qt::gothicFamily());
    }
    program->controlWindow().lblDataName.setCaption(" vase ");
    EXPECT_EQ(label->text(), QString(" vase "));
}

TEST_F(Gui, MenuClickReachesItsHandlerAndKeepsTheModelsMark) {
    QAction* rotate = action(host("ControlWindow"), "mnRotate");
    ASSERT_NE(rotate, nullptr);
    rotate->trigger();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "データが何もありません。先に、編集するか\rファイルから読み込んでください");
    EXPECT_FALSE(rotate->isChecked());
}

TEST_F(Gui, SpeedButtonActsOnReleaseOfAnyButton) {
    auto& h = host("ControlWindow");
    h.show();
    auto* rotate = h.findChild<QToolButton*>("spbRotate");
    ASSERT_NE(rotate, nullptr);
    QTest::mouseClick(rotate, Qt::RightButton);
    EXPECT_TRUE(program->scenarioWindow().visible());
}

TEST_F(Gui, EveryButtonGlyphNamedByAWindowIsDrawn) {
    for (Form* f : program->forms()) {
        for (Control* c : f->controls()) {
            if (c->kind() != ControlKind::SpeedButton) continue;
            const std::string& g = static_cast<SpeedButton*>(c)->glyph();
            if (!g.empty()) {
                EXPECT_FALSE(qt::glyphIcon(g).isNull()) << f->name() << "." << c->name() << " " << g;
            }
        }
    }
}

// Regression: the view kept a plain pointer to the palette, which the
// display replaces on every pass on a 256-colour screen.
TEST_F(Gui, PictureSurvivesItsPaletteBeingReplaced) {
    Form form("f");
    Image image(form, "img");
    image.setBounds(0, 0, 4, 4);
    Bitmap bitmap(4, 4, PixelFormat::Indexed8);
    std::vector<PaletteEntry> entries(256, PaletteEntry{10, 20, 30, true});
    bitmap.attachPalette(std::make_shared<Palette>(entries));
    image.setPicture(&bitmap);
    qt::FormHost h(form, *program);
    for (int i = 0; i < 3; ++i) {
        bitmap.attachPalette(std::make_shared<Palette>(entries));
        image.setPicture(&bitmap);
        bitmap.changed();
        bitmap.palette()->animateEntries(0, {PaletteEntry{1, 2, 3, true}});
    }
    QImage shot = h.widgetFor(image)->grab().toImage();
    EXPECT_EQ(shot.pixelColor(1, 1), QColor(1, 2, 3));
}

TEST_F(Gui, ModalFormEndsWhenItsOkButtonIsPressed) {
    auto& h = host("AboutBox");
    QTimer::singleShot(50, [&] {
        auto* ok = h.findChild<QPushButton*>("btnOk");
        ASSERT_NE(ok, nullptr);
        ok->click();
    });
    // A safety net so a broken modal loop fails instead of hanging.
    QTimer::singleShot(3000, [&] { program->aboutBox().setModalResult(mrAbort); });
    EXPECT_EQ(h.execModal(), mrOk);
    EXPECT_FALSE(program->aboutBox().visible());
}

TEST_F(Gui, FormVisibilityFollowsTheModel) {
    auto& h = host("EditorWindow");
    program->editorWindow().show();
    EXPECT_TRUE(h.isVisible());
    program->editorWindow().hide();
    EXPECT_FALSE(h.isVisible());
}

// The user resizes the display window's frame: the form takes the client
// size (never below its smallest) and the picture follows; every other
// window keeps a fixed size.
TEST_F(Gui, OnlyTheDisplayWindowIsResizedByTheUserAndItsPictureFollows) {
    for (auto& h : hosts) {
        SCOPED_TRACE(h->form().name());
        QWidget* client = h->centralWidget();
        if (h->form().name() == "DisplayWindow") {
            EXPECT_EQ(client->minimumSize(), QSize(600, 425));
            EXPECT_GT(client->maximumWidth(), 600);
        } else {
            EXPECT_EQ(client->minimumSize(), client->maximumSize()) << "fixed";
        }
    }
    auto& h = host("DisplayWindow");
    DisplayWindow& w = program->displayWindow();
    w.show();
    QApplication::processEvents();
    const struct {
        const char* name;
        QSize client;
        QSize picture;
    } rows[] = {
        {"enlarged", {1000, 675}, {1000, 650}},
        {"one past the smallest", {601, 426}, {601, 401}},
        {"shrunk below the smallest", {300, 200}, {600, 400}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        h.resize(row.client + QSize(0, h.menuBar()->height()));
        QTest::qWait(50);
        EXPECT_EQ(w.displayPicture().width(), row.picture.width());
        EXPECT_EQ(w.displayPicture().height(), row.picture.height());
        EXPECT_EQ(h.widgetFor(w.imgSolid)->size(), row.picture);
    }
    w.hide();
}

TEST_F(Gui, ErrorsInHandlersGoToTheErrorBox) {
    program->controlWindow().mnLoad.onClick = [] { throw IoError("Permission denied", "/x/vase.va4"); };
    action(host("ControlWindow"), "mnLoad")->trigger();
    EXPECT_EQ(desktop.errors, (std::vector<std::string>{"Permission denied: /x/vase.va4"}));
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
