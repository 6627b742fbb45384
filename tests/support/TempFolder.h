#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A scratch folder for file tests, removed with the object.
class TempFolder {
public:
    TempFolder();

    // Path of a file in the folder; `relative` may contain sub-folders.
    QString path(const QString& relative = {}) const;
    // Writes raw bytes, creating sub-folders as needed.
    void writeBytes(const QString& relative, const QByteArray& bytes) const;
    // Writes CP932 lines, each ended by CR LF, as the settings files are.
    void writeLines(const QString& relative, const QStringList& lines) const;
    QByteArray readBytes(const QString& relative) const;

private:
    QTemporaryDir dir_;
};

// Unusual files for the readers' refusals. A FIFO has a watchdog that, for ten seconds, opens its
// far end whenever a reader waits there, so that code opening it fails its test instead of
// hanging the suite (Windows keeps no FIFOs in folders). A sparse file takes no disk space
// whatever its size.
#ifndef Q_OS_WIN
void makeFifo(const QString& path);
#endif
void makeSparseFile(const QString& path, qint64 size);
