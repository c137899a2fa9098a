// SPDX-License-Identifier: GPL-3.0-or-later
// The light-direction globe as the Qt host draws it: shapes (ellipses and
// one-pixel lines) and radio buttons that show their colour.
#include <gtest/gtest.h>

#include <QImage>
#include <QRadioButton>
#include <memory>

#include "FormHost.h"
#include "app/Program.h"
#include "windows/dialogs/LightDirectionDialog.h"
#include "windows/display/DisplayWindow.h"
#include "support/ProgramFixture.h"

using namespace vantor;

namespace {
struct DialogHost : test::ProgramFixture {
    std::unique_ptr<qt::FormHost> host;
    void SetUp() override {
        startProgram();
        host = std::make_unique<qt::FormHost>(program->displayWindow().lightDirectionDialog(), *program);
    }
    QImage client() { return host->centralWidget()->grab().toImage(); }
};
}  // namespace

TEST_F(DialogHost, GlobeLinesAreDrawnOnTheWhiteDisc) {
    const LightDirectionDialog& d = program->displayWindow().lightDirectionDialog();
    const QImage img = client();
    const int cx = d.shpAxis.left(), cy = d.shpEquator.top();
    EXPECT_EQ(img.pixelColor(cx - 20, cy - 30), QColor(Qt::white)) << "inside the disc";
    EXPECT_EQ(img.pixelColor(cx, cy - 30), QColor(Qt::black)) << "axis";
    EXPECT_EQ(img.pixelColor(cx - 20, cy), QColor(Qt::black)) << "equator";
    EXPECT_EQ(img.pixelColor(cx - 20, d.shpNorth.top()), QColor(Qt::black)) << "parallel";
    EXPECT_EQ(img.pixelColor(2, 2), QColor(0, 0, 128)) << "navy form";
}

TEST_F(DialogHost, ChosenButtonIsPaintedYellow) {
    LightDirectionDialog& d = program->displayWindow().lightDirectionDialog();
    auto* w = host->findChild<QRadioButton*>("rdb5");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->palette().color(QPalette::Window), QColor(Qt::black));
    d.rdb5.click();
    EXPECT_TRUE(w->isChecked());
    EXPECT_EQ(w->palette().color(QPalette::Window), QColor(Qt::yellow));
    EXPECT_EQ(client().pixelColor(d.rdb5.left(), d.rdb5.top()), QColor(Qt::yellow));
    d.btnAllClearClick();
    EXPECT_FALSE(w->isChecked());
    EXPECT_EQ(w->palette().color(QPalette::Window), QColor(Qt::black));
}
