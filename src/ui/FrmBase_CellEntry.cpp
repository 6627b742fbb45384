// Cell selection in the grid and the checks of the data entry box.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <algorithm>

#include "Colours.h"
#include "Dialogs.h"
#include "EntryData.h"
#include "FrmBase.h"
#include "HexText.h"
#include "MessageText.h"
#include "ProgramState.h"

namespace {

constexpr int kSingleLimit = 32;  // one grid row of hexadecimal digits
constexpr int kMultiLimit = 512;  // one block

}  // namespace

void FrmBase::txtData_Click(int Index) {
    if (chkEdit[1]->isChecked()) {
        setEntryText(txtSetData->toPlainText() +
                     txtData.at(static_cast<std::size_t>(Index))->text());
    }
    const int row = Index / 16;
    const int column = Index % 16;
    txtEditAddress->setText(lblTateAddress.at(static_cast<std::size_t>(row))->text() +
                            lblYokoAddress[static_cast<std::size_t>(column)]->text().right(1));
    for (QRadioButton* mode : optEdit) mode->setEnabled(false);
    state_.CurrentAddress = state_.CurrentBlock * 256 + Index;
    clearCursor(state_.CurrentCell);
    state_.CurrentCell = static_cast<int16_t>(Index);
    paintCursor(Index, true);
}

bool FrmBase::isHexEntry() const { return optEdit[0]->isChecked(); }

bool FrmBase::isSingleLayout() const { return cmdLineChange->text() == QStringLiteral("Multi"); }

// Text entry takes one character a byte, so its box holds half as many characters.
int FrmBase::entryLimit() const {
    const int limit = isSingleLayout() ? kSingleLimit : kMultiLimit;
    return isHexEntry() ? limit : limit / 2;
}

// Every change of the box, typed or set here, runs txtSetData_Change. A text set here is cut at
// the box's limit, as if it had been appended.
void FrmBase::setEntryText(const QString& text) {
    txtSetData->setPlainText(text.left(entryLimit()));
    txtSetData->moveCursor(QTextCursor::End);
}

void FrmBase::txtSetData_Change() {
    const QString text = txtSetData->toPlainText();
    if (const qsizetype excess = text.size() - entryLimit(); excess > 0) {
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
    const bool hexEntry = isHexEntry();
    if (!text.isEmpty()) {
        const QString last = text.right(1);
        const bool known = hexEntry
                               ? funHexCheck(last)
                               : funCodehexChange(last, state_.CodeTable) != QStringLiteral("fff");
        if (!known) {
            const QString message = messageLines(
                {hexEntry ? QStringLiteral("入力した文字にエラーが有ります：【") + last +
                                QStringLiteral("】")
                          : QStringLiteral("転写データーに、設定外の文字があります：【") + last +
                                QStringLiteral("】"),
                 hexEntry ? QStringLiteral("16進コード(半角0～9,A,B,C,D,E,F)で入力してください。")
                          : QStringLiteral("code.txtに設定した文字を使って下さい。"),
                 QStringLiteral("入力を取り消します。")});
            state_.ErrorAnswer = QString::number(dialogs_.showMessage(
                message, QStringLiteral("文字ﾃﾞｰﾀｰｴﾗｰ"), MessageIcon::Warning));
            setEntryText(text.left(text.size() - 1));
            return;
        }
    }
    lblEdit[0]->setText(entryTitle(text.size(), hexEntry));
    for (QRadioButton* mode : optEdit) mode->setEnabled(text.isEmpty());
    // The direct mode writes each byte as soon as it is complete.
    if (optMode[1]->isChecked() && text.size() >= (hexEntry ? 2 : 1)) {
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
