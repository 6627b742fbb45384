#include "QtFileDialogs.h"

#include <QFileDialog>
#include <QStringList>
#include <array>

namespace {

// The file types, each by its extension, which is what picks the format. The window reads and
// writes no S-records (such a file would be taken for a binary one), so they are not offered.
struct FileType {
    const char* name;
    const char* extension;  // empty for any name
};
constexpr std::array<FileType, 4> kFileTypes{{
    {QT_TRANSLATE_NOOP("QtFileDialogs", "テキストファイル"), "txt"},
    {QT_TRANSLATE_NOOP("QtFileDialogs", "HEXファイル"), "hex"},
    {QT_TRANSLATE_NOOP("QtFileDialogs", "バイナリーファイル"), "bin"},
    {QT_TRANSLATE_NOOP("QtFileDialogs", "すべてのファイル"), ""},
}};

QString nameFilter(const FileType& type) {
    const QString pattern = *type.extension
                                ? QStringLiteral("*.%1").arg(QLatin1String(type.extension))
                                : QStringLiteral("*");
    return QStringLiteral("%1 (%2)").arg(QtFileDialogs::tr(type.name), pattern);
}

QStringList nameFilters() {
    QStringList filters;
    for (const FileType& type : kFileTypes) filters << nameFilter(type);
    return filters;
}

}  // namespace

// Both dialogs start on every file, as they did before they had types to choose from.
QString QtFileDialogs::fileToOpen(const QString& folder) {
    const QStringList filters = nameFilters();
    QString selected = filters.last();
    return QFileDialog::getOpenFileName(parent_, tr("ファイルを開く"), folder,
                                        filters.join(QStringLiteral(";;")), &selected);
}

// The dialog itself asks before it replaces a file. A name typed without an extension gets the
// chosen type's first, so that the file saved, and the one the dialog asks about, is of that type.
QString QtFileDialogs::fileToSave(const QString& folder) {
    const QStringList filters = nameFilters();
    QFileDialog dialog(parent_, tr("名前を付けて保存"), folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.last());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        const qsizetype type = filters.indexOf(filter);
        dialog.setDefaultSuffix(type < 0 ? QString() : QLatin1String(kFileTypes[type].extension));
    });
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}
