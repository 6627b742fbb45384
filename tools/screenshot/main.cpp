// Saves pictures of the main window to the files named by the arguments, then quits: the first as
// the program shows itself at start, the second (if given) while editing, with a find's match
// shown as a range and the find box beside the grid. Run it with the offscreen platform from a
// program folder (scripts/screenshot.py does both).
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <cstdio>

#include "Program.h"

namespace {

QWidget* topLevel(const QString& name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name) return window;
    }
    return nullptr;
}

void pressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(target, &press);
}

// Selects a cell, looks for the four bytes a row further on, and draws the find box over the
// window's lower right corner, where it stands on a desk.
QPixmap editingPicture(QWidget* frmBase) {
    auto* cell = frmBase->findChild<QLineEdit*>(QStringLiteral("txtData(18)"));
    QString pattern;
    for (int i = 0x35; i < 0x39; ++i) {
        pattern += frmBase->findChild<QLineEdit*>(QStringLiteral("txtData(%1)").arg(i))->text();
    }
    cell->setFocus();
    pressKey(cell, Qt::Key_Right, Qt::NoModifier);
    pressKey(cell, Qt::Key_F, Qt::ControlModifier);
    QWidget* dlgFind = topLevel(QStringLiteral("dlgFind"));
    if (dlgFind == nullptr) return {};
    dlgFind->findChild<QLineEdit*>(QStringLiteral("txtFindText"))->setText(pattern);
    dlgFind->findChild<QPushButton*>(QStringLiteral("cmdFindNext"))->click();
    QPixmap picture = frmBase->grab();
    const QPixmap box = dlgFind->grab();
    QPainter painter(&picture);
    painter.drawPixmap(picture.width() - box.width() - 24, picture.height() - box.height() - 48,
                       box);
    return picture;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: tavelin_screenshot START.png [EDITING.png]\n");
        return 2;
    }
    const QString startTarget = QString::fromLocal8Bit(argv[1]);
    const QString editingTarget = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    int status = 1;
    // The program sees no arguments: a name given to it is a file to load.
    int programArgc = 1;
    runProgram(programArgc, argv, [&] {
        QWidget* frmBase = topLevel(QStringLiteral("frmBase"));
        if (frmBase != nullptr && frmBase->grab().save(startTarget)) status = 0;
        if (status == 0 && !editingTarget.isEmpty() && !editingPicture(frmBase).save(editingTarget)) {
            status = 1;
        }
        QApplication::quit();
    });
    return status;
}
