// The floor for the program's start-up: a window holding nothing but 256 named line edits in a
// 16 × 16 grid, as the main window's grid of cells, timed as the start-up probe is.
#include <QApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QWidget>

#include "FirstPaint.h"

int main(int argc, char** argv) {
    quitAfterFirstPaint();
    QApplication app(argc, argv);
    QWidget window;
    auto* grid = new QGridLayout(&window);
    for (int i = 0; i < 256; ++i) {
        auto* cell = new QLineEdit(QStringLiteral("FF"), &window);
        cell->setObjectName(QStringLiteral("txtData(%1)").arg(i));
        grid->addWidget(cell, i / 16, i % 16);
    }
    window.show();
    return app.exec();
}
