// The data-editing frame: the transfer buttons and their check boxes.

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "Dialogs.h"
#include "FrmBase.h"
#include "ProgramState.h"
#include "TransferEdit.h"
#include "WindowsColour.h"

void FrmBase::chkEdit_Click(int /*Index*/) {
    paintSelectionColours({chkEdit[0], chkEdit[1], chkEdit[3]});
}

void FrmBase::showEditMessage(const EditMessage& message) {
    state_.ErrorAnswer =
        QString::number(dialogs_.showMessage(message.text, message.title, MessageIcon::Warning));
}

EditOptions FrmBase::editOptions() const {
    EditOptions options;
    options.hexEntry = isHexEntry();
    options.allDataMode = optMode[2]->isChecked();
    options.autoAddress = chkEdit[0]->isChecked();
    options.markEdits = chkChange->isChecked();
    options.fromAddressZero = chkEdit[3]->isChecked();
    options.caution = chkCaution[0]->isChecked();
    options.fileName = txtFileName->text();
    return options;
}

// Every press takes the cursor off first and puts it back last, whatever happens in between.
void FrmBase::cmdEdit_Click(int Index) {
    clearCursor(state_.CurrentCell);
    const EditOptions options = editOptions();
    showTransferPress(Index == 1 ? pressClear(state_, options)
                                 : pressTransfer(state_, txtSetData->toPlainText(), options));
    paintCursor(state_.CurrentCell, true);
}

void FrmBase::showTransferPress(const TransferPress& press) {
    using Step = TransferPress::Step;
    if (press.step == Step::Cleared) {
        setEntryText(QString());
        for (QRadioButton* mode : optEdit) mode->setEnabled(true);
        return;
    }
    if (press.step == Step::Armed || press.step == Step::Ended) showAllDataArmed();
    if (press.step == Step::Ended) selectOption(optMode[0]);
    if (press.viewBlock) txtBlock->setText(QString::number(*press.viewBlock));
    if (press.step == Step::Written || press.step == Step::Ended) subBlockDisplay();
    if (press.step == Step::Written) txtEditAddress->setText(selectedCellAddressText());
    if (!press.editAddress.isEmpty()) txtEditAddress->setText(press.editAddress);
    if (press.messageLine) {
        if (press.promptColour) setMessageColour(MessageColour::Prompt);
        setMessage(*press.messageLine);
    }
    if (press.message) showEditMessage(*press.message);
}

// While an ALL DATA fill is armed nothing but the edit frame works, so the selection and the
// image stay as they were announced.
void FrmBase::showAllDataArmed() {
    const bool idle = !state_.AllDataArmed;
    fraEdit->setEnabled(true);
    sstBase->setEnabled(idle);
    cmdLineChange->setEnabled(idle);
    for (QRadioButton* unit : optComm) unit->setEnabled(idle);
    for (QPushButton* button : cmdComm) button->setEnabled(idle);
    chkCaution[1]->setEnabled(idle);
    for (QLineEdit* cell : txtData) cell->setEnabled(idle);
    cmdEdit[0]->setText(idle ? tr("転写") : tr("開始"));
    cmdEdit[1]->setText(idle ? tr("クリア") : tr("取消"));
}
