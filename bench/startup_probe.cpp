// Prints the monotonic clock, in nanoseconds, at the moment the main window is shown, then quits.
#include <QCoreApplication>
#include <chrono>
#include <cstdio>

#include "Program.h"

int main(int argc, char** argv) {
    return runProgram(argc, argv, [] {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("%lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        QCoreApplication::quit();
    });
}
