#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "ShownClock.h"

// What every start-up probe measures to: the first paint of its main window. Once the window has
// been painted the probe prints the monotonic clock; with TAVELIN_PROBE_IDLE_MS set it then stays
// idle that long and prints its resident memory in KiB; then it quits. Registered before the
// application exists, so the probe's own code between start and show is timed as it is.
namespace first_paint {

inline void printResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:")) {
            std::printf("%lld\n", line.mid(6).trimmed().split(' ').first().toLongLong());
        }
    }
    std::fflush(stdout);
}

class Watcher : public QObject {
protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_ && receiver->isWidgetType() &&
            static_cast<QWidget*>(receiver)->isWindow()) {
            seen_ = true;
            // Queued, so that it runs once the paint of the whole window is done.
            QTimer::singleShot(0, this, &Watcher::painted);
        }
        return false;
    }

private:
    void painted() {
        printShownClock();
        const int idleMs = qEnvironmentVariableIntValue("TAVELIN_PROBE_IDLE_MS");
        if (idleMs <= 0) return QCoreApplication::quit();
        QTimer::singleShot(idleMs, this, [] {
            printResidentKiB();
            QCoreApplication::quit();
        });
    }

    bool seen_ = false;
};

inline void install() { QCoreApplication::instance()->installEventFilter(new Watcher); }

}  // namespace first_paint

// Call first thing in main().
inline void quitAfterFirstPaint() { qAddPreRoutine(first_paint::install); }
