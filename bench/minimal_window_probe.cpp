// The yardstick for the start-up probe: an empty Qt Widgets window, timed the same way. Prints
// the monotonic clock, in nanoseconds, at the moment the window is shown, then quits.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    QTimer::singleShot(0, &window, [] {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("%lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return app.exec();
}
