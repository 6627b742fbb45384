// Prints where a control of the main window lies, in the window's own coordinates, and quits:
// control_position [--lang CODE] NAME.
// Run from the program folder on the same display, it lays the window out as tavelin.exe does, so
// the end-to-end script under Wine can click the real program there.
#include <QApplication>
#include <QWidget>
#include <cstdio>

#include "Program.h"

int main(int argc, char** argv) {
    return runProgram(argc, argv, [] {
        const QString name = QCoreApplication::arguments().last();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (const QWidget* control = window->findChild<QWidget*>(name)) {
                const QPoint centre = control->mapTo(window, control->rect().center());
                std::printf("%d %d\n", centre.x(), centre.y());
                break;
            }
        }
        std::fflush(stdout);
        QCoreApplication::quit();
    });
}
