#include "TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <thread>

#include "LineFile.h"

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

#ifndef Q_OS_WIN
void makeFifo(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    if (mkfifo(name.constData(), 0600) != 0) qFatal("cannot make FIFO %s", name.constData());
    std::thread([name] {
        for (int tick = 0; tick < 200; ++tick) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            const int fd =
                ::open(name.constData(), O_WRONLY | O_NONBLOCK);  // fails without a reader
            if (fd >= 0) ::close(fd);
        }
    }).detach();
}
#endif

void makeSparseFile(const QString& path, qint64 size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(size)) {
        qFatal("cannot make sparse file %s", qPrintable(path));
    }
}
