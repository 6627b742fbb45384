// Prints the monotonic clock, in nanoseconds, at the moment the main window is shown, then quits.
#include <QCoreApplication>

#include "Program.h"
#include "ShownClock.h"

int main(int argc, char** argv) {
    return runProgram(argc, argv, [] {
        printShownClock();
        QCoreApplication::quit();
    });
}
