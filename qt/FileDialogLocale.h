// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file dialog's sizes and dates in the interface's language. Qt's file
// model writes them in the system locale's, so a Japanese interface under
// an English locale would show "bytes" and English dates.
#include <QLocale>

class QFileDialog;

namespace vantor::qt {

// Shows the dialog's size and date columns as `locale` writes them.
void showSizesAndDatesIn(QFileDialog& dialog, const QLocale& locale);

}  // namespace vantor::qt
