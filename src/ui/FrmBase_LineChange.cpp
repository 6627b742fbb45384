// The Single and Multi layouts of the edit frame and the reverse transfer.

#include <QCheckBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "EntryBox.h"
#include "FrmBase.h"
#include "ProgramState.h"
#include "WindowsColour.h"

namespace {

constexpr int kMultiEntryLines = 11;

}  // namespace

void FrmBase::cmdLineChange_Click() {
    setEntryText(QString());
    const QString message = switchEntryLayout(state_);
    const bool multi = state_.MultiLayout;
    // Hidden boxes and options keep working as they were set.
    for (QWidget* control : std::initializer_list<QWidget*>{chkCaution[0], chkEdit[0], chkEdit[1],
                                                            optEdit[0], optEdit[1], fraComm}) {
        control->setVisible(!multi);
    }
    cmdEditReverse->setVisible(multi);
    txtSetData->setLineWrapMode(multi ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    txtSetData->setFixedHeight(
        multi
            ? singleEntryHeight_ + (kMultiEntryLines - 1) * txtSetData->fontMetrics().lineSpacing()
            : singleEntryHeight_);
    cmdLineChange->setText(multi ? tr("Single") : tr("Multi"));
    setMessageColour(MessageColour::Prompt);
    setMessage(message);
}

// Each cell appended is a change of the box.
void FrmBase::cmdEditReverse_Click() {
    setEntryText(QString());
    for (const QString& cell : reverseTransferCells(state_)) {
        setEntryText(txtSetData->toPlainText() + cell);
    }
}
