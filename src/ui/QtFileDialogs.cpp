#include "QtFileDialogs.h"

#include <QFileDialog>

QString QtFileDialogs::fileToOpen(const QString& folder) {
    return QFileDialog::getOpenFileName(parent_, QStringLiteral("ファイルを開く"), folder);
}

// The dialog itself asks before it replaces a file.
QString QtFileDialogs::fileToSave(const QString& folder) {
    return QFileDialog::getSaveFileName(parent_, QStringLiteral("名前を付けて保存"), folder);
}
