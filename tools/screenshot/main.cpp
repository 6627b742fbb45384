// Saves a picture of the main window, as the program shows it at start, to the file named by the
// first argument, then quits. Run it with the offscreen platform from a program folder
// (scripts/screenshot.py does both).
#include <QApplication>
#include <QPixmap>
#include <QWidget>
#include <cstdio>

#include "Program.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: tavelin_screenshot FILE.png\n");
        return 2;
    }
    const QString target = QString::fromLocal8Bit(argv[1]);
    int status = 1;
    runProgram(argc, argv, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QStringLiteral("frmBase") && window->grab().save(target)) {
                status = 0;
            }
        }
        QApplication::quit();
    });
    return status;
}
