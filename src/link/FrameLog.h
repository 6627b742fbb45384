#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QString>

// The frame log for a board that misbehaves: with TAVELIN_TRACE=<file> in the environment, every
// frame sent and every delivery received is appended to that file, one line each:
//   <ms since the port was made> <direction> <bytes in hex>
// where the direction is "send", "recv" or "open" (the device path and the outcome follow).
class FrameLog {
public:
    // Opens the file named by TAVELIN_TRACE for appending; without it the log does nothing.
    FrameLog();

    void sent(const QByteArray& frame) { write("send", hex(frame)); }
    void received(const QByteArray& bytes) { write("recv", hex(bytes)); }
    void opened(const QString& device, const QString& outcome);

private:
    static QString hex(const QByteArray& bytes);
    void write(const char* direction, const QString& text);

    QFile file_;
    QElapsedTimer clock_;
};
