// Saves pictures of the main window to the files named by the arguments, then quits: the first as
// the program shows itself at start, the second (if given) while editing, with a find's match
// shown as a range and the find box beside the grid; `--lang CODE` first shows the window in that
// language. Run it with the offscreen platform from a program folder (scripts/screenshot.py does
// both).
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <vector>

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
    const int language = argc > 1 && std::strcmp(argv[1], "--lang") == 0 ? 2 : 0;
    const int targets = argc - 1 - language;
    if (targets < 1 || targets > 2) {
        std::fprintf(stderr, "usage: tavelin_screenshot [--lang CODE] START.png [EDITING.png]\n");
        return 2;
    }
    const QString startTarget = QString::fromLocal8Bit(argv[1 + language]);
    const QString editingTarget =
        targets > 1 ? QString::fromLocal8Bit(argv[2 + language]) : QString();
    int status = 1;
    // The program sees the language alone: a name given to it would be a file to load.
    std::vector<char*> programArgv(argv, argv + 1 + language);
    int programArgc = static_cast<int>(programArgv.size());
    programArgv.push_back(nullptr);
    runProgram(programArgc, programArgv.data(), [&] {
        QWidget* frmBase = topLevel(QStringLiteral("frmBase"));
        if (frmBase != nullptr && frmBase->grab().save(startTarget)) status = 0;
        if (status == 0 && !editingTarget.isEmpty() &&
            !editingPicture(frmBase).save(editingTarget)) {
            status = 1;
        }
        QApplication::quit();
    });
    return status;
}
