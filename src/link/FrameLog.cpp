#include "FrameLog.h"

#include <QDateTime>

FrameLog::FrameLog() {
    const QString path = qEnvironmentVariable("TAVELIN_TRACE");
    if (path.isEmpty()) return;
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Append)) {
        qWarning("TAVELIN_TRACE: cannot open %s: %s", qPrintable(path),
                 qPrintable(file_.errorString()));
        return;
    }
    clock_.start();
    // Several runs append to one file; this line tells where each begins and when.
    file_.write(QStringLiteral("# %1\n")
                    .arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs))
                    .toUtf8());
    file_.flush();
}

void FrameLog::opened(const QString& device, const QString& outcome) {
    write("open", device + u' ' + outcome);
}

QString FrameLog::hex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

void FrameLog::write(const char* direction, const QString& text) {
    if (!file_.isOpen()) return;
    // Flushed line by line, so the log is complete even when the program is killed.
    file_.write(QStringLiteral("%1 %2 %3\n")
                    .arg(clock_.elapsed())
                    .arg(QLatin1String(direction), text)
                    .toUtf8());
    file_.flush();
}
