// Undo and redo of the image's changes from the keyboard.

#include <QKeySequence>
#include <QLineEdit>

#include "FrmBase.h"
#include "ProgramState.h"
#include "UndoEdit.h"
#include "WindowsColour.h"

// The entry box keeps Ctrl+Z for its own text, as any text box does.
void FrmBase::connectUndoKeys() {
    const auto undo = [this] { keyUndo_Press(); };
    const auto redo = [this] { keyRedo_Press(); };
    connectKey(QKeySequence(Qt::CTRL | Qt::Key_Z), QStringLiteral("keyUndo_Press"), undo);
    connectKey(QKeySequence(Qt::CTRL | Qt::Key_Y), QStringLiteral("keyRedo_Press"), redo);
    connectKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QStringLiteral("keyRedo_Press"),
               redo);
}

void FrmBase::keyUndo_Press() { showUndoPress(pressUndo(state_)); }
void FrmBase::keyRedo_Press() { showUndoPress(pressRedo(state_)); }

void FrmBase::showUndoPress(const UndoPress& press) {
    if (press.ignored) return;
    if (press.viewBlock) {
        clearCursor(state_.CurrentCell);
        txtBlock->setText(QString::number(*press.viewBlock));
        subBlockDisplay();
        paintCursor(state_.CurrentCell, true);
        txtEditAddress->setText(selectedCellAddressText());
    }
    setMessageColour(MessageColour::Information);
    setMessage(press.messageLine);
}
