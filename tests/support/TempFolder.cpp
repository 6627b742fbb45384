#include "TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "LineFile.h"

TempFolder::TempFolder() = default;

QString TempFolder::path(const QString& relative) const {
    return dir_.path() + QLatin1Char('/') + relative;
}

void TempFolder::writeBytes(const QString& relative, const QByteArray& bytes) const {
    const QString target = path(relative);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        qFatal("cannot write test file %s", qPrintable(target));
    }
}

void TempFolder::writeLines(const QString& relative, const QStringList& lines) const {
    QByteArray bytes;
    for (const QString& line : lines) bytes += encodeCp932(line) + "\r\n";
    writeBytes(relative, bytes);
}

QByteArray TempFolder::readBytes(const QString& relative) const {
    QFile file(path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
