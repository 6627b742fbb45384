// The yardstick for the start-up probe: an empty Qt Widgets window, timed the same way. Prints
// the monotonic clock, in nanoseconds, at the moment the window is shown, then quits.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "ShownClock.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    QTimer::singleShot(0, &window, [] {
        printShownClock();
        QCoreApplication::quit();
    });
    return app.exec();
}
