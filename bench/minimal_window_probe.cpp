// A yardstick for the start-up probe: an empty Qt Widgets window, timed the same way.
#include <QApplication>
#include <QWidget>

#include "FirstPaint.h"

int main(int argc, char** argv) {
    quitAfterFirstPaint();
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    return app.exec();
}
