// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileDialogLocale.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>

namespace vantor::qt {

namespace {

// The file model's columns, as QFileSystemModel numbers them.
constexpr int SizeColumn = 1;
constexpr int DateColumn = 3;

class SizesAndDatesInLocale final : public QIdentityProxyModel {
public:
    SizesAndDatesInLocale(const QLocale& locale, QObject* parent) : QIdentityProxyModel(parent), m_locale(locale) {}

    QVariant data(const QModelIndex& index, int role) const override {
        QVariant shown = QIdentityProxyModel::data(index, role);
        if (role != Qt::DisplayRole || (index.column() != SizeColumn && index.column() != DateColumn)) return shown;
        auto* files = qobject_cast<QFileSystemModel*>(sourceModel());
        // Folders have no size, and a file not yet read has no date.
        if (!files || shown.toString().isEmpty()) return shown;
        const QModelIndex source = mapToSource(index);
        if (index.column() == SizeColumn) return m_locale.formattedDataSize(files->size(source));
        return m_locale.toString(files->lastModified(source), QLocale::ShortFormat);
    }

private:
    QLocale m_locale;
};

}  // namespace

void showSizesAndDatesIn(QFileDialog& dialog, const QLocale& locale) {
    // The dialog takes the proxy as its own.
    dialog.setProxyModel(new SizesAndDatesInLocale(locale, &dialog));
}

}  // namespace vantor::qt
