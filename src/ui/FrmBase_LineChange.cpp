// The Single and Multi layouts of the edit frame and the reverse transfer.

#include <QCheckBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "FrmBase.h"
#include "ProgramState.h"
#include "WindowsColour.h"

namespace {

constexpr int kMultiEntryLines = 11;

}  // namespace

void FrmBase::cmdLineChange_Click() {
    setEntryText(QString());
    const bool toMulti = isSingleLayout();
    // Hidden boxes and options keep working as they were set.
    for (QWidget* control : std::initializer_list<QWidget*>{chkCaution[0], chkEdit[0], chkEdit[1],
                                                            optEdit[0], optEdit[1], fraComm}) {
        control->setVisible(!toMulti);
    }
    cmdEditReverse->setVisible(toMulti);
    txtSetData->setLineWrapMode(toMulti ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    txtSetData->setFixedHeight(
        toMulti
            ? singleEntryHeight_ + (kMultiEntryLines - 1) * txtSetData->fontMetrics().lineSpacing()
            : singleEntryHeight_);
    cmdLineChange->setText(toMulti ? QStringLiteral("Single") : QStringLiteral("Multi"));
    setMessageColour(MessageColour::Prompt);
    setMessage(toMulti ? QStringLiteral("【Single】を押すと元に戻ります。") : QString());
}

// Copies the 256 bytes from the selected address back into the box, to the end of the image at
// most; each byte appended is a change of the box.
void FrmBase::cmdEditReverse_Click() {
    setEntryText(QString());
    const int32_t last = std::min<int32_t>(state_.CurrentAddress + 255, DataImage::Size - 1);
    for (int32_t address = state_.CurrentAddress; address <= last; ++address) {
        setEntryText(txtSetData->toPlainText() + state_.Image.at(address));
    }
}
