// Cell selection in the grid and the data entry box.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextCursor>
#include <algorithm>

#include "Colours.h"
#include "EntryBox.h"
#include "FrmBase.h"
#include "ProgramState.h"
#include "Selection.h"

void FrmBase::txtData_Click(int Index) {
    if (chkEdit[1]->isChecked()) {
        setEntryText(txtSetData->toPlainText() +
                     txtData.at(static_cast<std::size_t>(Index))->text());
    }
    for (QRadioButton* mode : optEdit) mode->setEnabled(false);
    clearCursor(state_.CurrentCell);
    selectCell(state_, Index);
    txtEditAddress->setText(selectedCellAddressText());
    paintCursor(Index, true);
}

bool FrmBase::isHexEntry() const { return optEdit[0]->isChecked(); }

int FrmBase::entryBoxLimit() const { return entryLimit(state_.MultiLayout, isHexEntry()); }

// Every change of the box, typed or set here, runs txtSetData_Change. A text set here is cut at
// the box's limit, as if it had been appended.
void FrmBase::setEntryText(const QString& text) {
    txtSetData->setPlainText(text.left(entryBoxLimit()));
    txtSetData->moveCursor(QTextCursor::End);
}

void FrmBase::txtSetData_Change() {
    const QString text = txtSetData->toPlainText();
    if (const qsizetype excess = text.size() - entryBoxLimit(); excess > 0) {
        // As in a box with a maximum length, an edit keeps only what fits: a keystroke into a full
        // box changes nothing, a paste puts in its beginning. Typing and pasting leave the cursor
        // after what they put in, so the excess stands just before it, and the cursor stays after
        // what is kept.
        QTextCursor cursor = txtSetData->textCursor();
        const int end = cursor.position();
        cursor.setPosition(static_cast<int>(std::max<qsizetype>(0, end - excess)));
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();  // a further change, checked by these same steps
        return;
    }
    const EntryCheck check =
        checkEntry(text, isHexEntry(), optMode[1]->isChecked(), state_.CodeTable);
    if (check.refusal) {
        showEditMessage(*check.refusal);
        setEntryText(text.left(text.size() - 1));
        return;
    }
    lblEdit[0]->setText(check.title);
    for (QRadioButton* mode : optEdit) mode->setEnabled(check.entryModesEnabled);
    if (check.transferNow) {
        cmdEdit_Click(0);
        setEntryText(QString());
    }
}

void FrmBase::txtSetData_GotFocus() {
    setTextColour(txtSetData, state_.ColorTable[Colour::EntryTextFocused]);
    setBackColour(txtSetData, state_.ColorTable[Colour::EntryBackFocused]);
}

void FrmBase::txtSetData_LostFocus() {
    setTextColour(txtSetData, state_.ColorTable[Colour::EntryTextNormal]);
    setBackColour(txtSetData, state_.ColorTable[Colour::EntryBackNormal]);
}
