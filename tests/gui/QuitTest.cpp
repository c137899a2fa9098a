// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <memory>

#include "FormHost.h"
#include "QtDesktop.h"
#include "app/Program.h"
#include "model/figures/FigureStore.h"
#include "windows/control/ControlWindow.h"
#include "support/FigureBuilder.h"
#include "support/ProgramFixture.h"

using namespace vantor;

namespace {

struct RealHost : test::ProgramFixture {
    qt::QtDesktop qtDesktop;
    std::unique_ptr<Program> real;
    std::vector<std::unique_ptr<qt::FormHost>> hosts;
    void SetUp() override {
        real = std::make_unique<Program>(qtDesktop, test::configIn(dir));
        for (Form* f : real->forms()) {
            hosts.push_back(std::make_unique<qt::FormHost>(*f, *real));
            qtDesktop.registerHost(*f, hosts.back().get());
        }
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void TearDown() override { QApplication::setQuitOnLastWindowClosed(true); }
    QAction* action(const char* name) {
        for (auto& h : hosts)
            if (QAction* a = h->findChild<QAction*>(name)) return a;
        return nullptr;
    }
};

}  // namespace

// Regression: the exit command with the editor or the display open hid every
// window but left the event loop running, because the host's quit went
// through the windows' close handling, which refuses and runs its own close.
TEST_F(RealHost, ExitCommandEndsTheEventLoopWithEditorAndDisplayOpen) {
    test::addFigure(real->store, {{10, 5}, {20, 5}}, 1);
    real->store.DataEdited = 1;

    QTimer::singleShot(0, [&] {
        real->dispatch([&] { real->controlWindow().show(); });
        real->dispatch([&] { real->controlWindow().activate(); });
        real->dispatch([&] { real->controlWindow().EditorExecute(); });
        real->dispatch([&] { real->controlWindow().RotateExecute(); });
        ASSERT_NE(action("mnExit"), nullptr);
        action("mnExit")->trigger();
    });
    int questions = 0;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++questions;
            box->button(QMessageBox::No)->click();
        }
    });
    answer.start(20);
    QTimer::singleShot(10000, [] { QCoreApplication::exit(7); });
    EXPECT_EQ(QApplication::exec(), 0) << "the event loop kept running";
    EXPECT_EQ(questions, 1);
    EXPECT_TRUE(real->terminated());
}
