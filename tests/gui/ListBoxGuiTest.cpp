// SPDX-License-Identifier: GPL-3.0-or-later
// List boxes in the Qt host: the left button selects the row under the
// mouse, every release reaches the model, other buttons never select.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QTest>

#include "FormHost.h"
#include "windows/scenario/ScenarioWindow.h"
#include "app/Program.h"
#include "support/ProgramFixture.h"

using namespace vantor;

namespace {
QPoint rowCentre(QListWidget* w, int row) { return w->visualItemRect(w->item(row)).center(); }
using ListBoxHost = test::ProgramFixture;
}  // namespace

TEST_F(ListBoxHost, RightButtonClearsTheScenarioSelectionWithoutSelecting) {
    ScenarioWindow& editor = startProgram().scenarioWindow();
    qt::FormHost host(editor, *program);
    editor.show();
    editor.lstScenario.setItems({"car001", "car002", "car003"});
    auto* list = host.findChild<QListWidget*>("lstScenario");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 3);

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, 1));
    EXPECT_EQ(editor.lstScenario.itemIndex(), 1);
    EXPECT_EQ(list->currentRow(), 1);

    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, rowCentre(list, 2));
    EXPECT_EQ(editor.lstScenario.itemIndex(), -1);
    EXPECT_TRUE(list->selectedItems().isEmpty());
}
