// The data-editing frame: transfers into the image, the ALL DATA fill and its check boxes.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <algorithm>

#include "Dialogs.h"
#include "EntryData.h"
#include "FrmBase.h"
#include "MessageText.h"
#include "ProgramState.h"
#include "WindowsColour.h"

namespace {

// A box that ends an ALL DATA transfer: its own first line, then the two lines both share.
QString allDataEnded(const QString& firstLine) {
    return messageLines({firstLine, QStringLiteral("データーの修正が可能です。"),
                         QStringLiteral("【ALL DATA】チェックボックスは、解除しました。")});
}

}  // namespace

void FrmBase::chkEdit_Click(int /*Index*/) {
    paintSelectionColours({chkEdit[0], chkEdit[1], chkEdit[3]});
}

void FrmBase::showEditMessage(const QString& title, const QString& text) {
    state_.ErrorAnswer = QString::number(dialogs_.showMessage(text, title, MessageIcon::Warning));
}

// Every press takes the cursor off first and puts it back last, whatever happens in between.
void FrmBase::cmdEdit_Click(int Index) {
    clearCursor(state_.CurrentCell);
    if (Index == 1) {
        if (state_.AllDataArmed) {
            cancelAllData();
        } else {
            setEntryText(QString());
            for (QRadioButton* mode : optEdit) mode->setEnabled(true);
        }
    } else {
        const TransferData data =
            readTransferData(txtSetData->toPlainText(), isHexEntry(), state_.CodeTable);
        if (data.fault != TransferData::Fault::None) {
            showEditMessage(QStringLiteral("文字ﾃﾞｰﾀｰｴﾗｰ"), transferFaultMessage(data));
        } else if (!optMode[2]->isChecked()) {
            plainTransfer(data.bytes);
        } else if (state_.AllDataArmed) {
            fillAllDataTransfer(data.bytes);
        } else {
            armAllData();
        }
    }
    paintCursor(state_.CurrentCell, true);
}

void FrmBase::plainTransfer(const QStringList& bytes) {
    ProgramState& s = state_;
    const int32_t start = s.CurrentAddress;
    const int16_t startCell = s.CurrentCell;
    s.CurrentAddress = writePlainTransfer(s.Image, s.EditMarks, start, bytes, s.DeviceCapacity,
                                          chkChange->isChecked());
    subBlockDisplay();
    if (!chkEdit[0]->isChecked()) {  // "Autoアドレス" off: the selection stays
        s.CurrentAddress = start;
        txtEditAddress->setText(selectedCellAddressText());
        subBlockDisplay();
        return;
    }
    const int n = static_cast<int>(bytes.size());
    int cell = s.CurrentCell + n;
    if (cell > 255) {
        cell -= 256;
        s.CurrentCell = static_cast<int16_t>(cell);
        s.CurrentBlock += 1;
        txtBlock->setText(QString::number(s.CurrentBlock));  // moves the view when the block exists
    } else {
        s.CurrentCell = static_cast<int16_t>(cell);
    }
    if (s.CurrentBlock < s.BlockCount) {
        txtEditAddress->setText(selectedCellAddressText());
        subBlockDisplay();
        return;
    }
    // The transfer reached the end of the device: the selection goes back where it began, on the
    // last block (block 0 also for a device smaller than one block).
    s.CurrentBlock = std::max(0, s.CurrentBlock - 1);
    s.CurrentCell = startCell;
    s.CurrentAddress = s.CurrentBlock * 256 + startCell;
    txtEditAddress->setText(selectedCellAddressText());
    const QString done = messageLines({QStringLiteral("データー変更処理が最後まで終了しました。"),
                                       QStringLiteral("当ウィンドウを閉じて、ご確認下さい。")});
    showEditMessage(QStringLiteral("データー変更処理終了"),
                    isHexEntry() ? txtFileName->text() + done : done);
}

void FrmBase::armAllData() {
    state_.AllDataArmed = true;
    sstBase->setEnabled(false);
    cmdLineChange->setEnabled(false);
    for (QRadioButton* unit : optComm) unit->setEnabled(false);
    for (QPushButton* button : cmdComm) button->setEnabled(false);
    chkCaution[1]->setEnabled(false);
    for (QLineEdit* cell : txtData) cell->setEnabled(false);
    if (chkEdit[3]->isChecked()) {
        txtEditAddress->setText(QStringLiteral("0x0000"));
        state_.CurrentAddress = 0;
        state_.CurrentCell = 0;
    }
    cmdEdit[0]->setText(QStringLiteral("開始"));
    cmdEdit[1]->setText(QStringLiteral("取消"));
    setMessageColour(MessageColour::Prompt);
    setMessage(QStringLiteral("【開始】を押すと全領域に転写"));
    if (chkCaution[0]->isChecked()) {
        showEditMessage(
            QStringLiteral("ALL DATA変更処理"),
            messageLines(
                {QStringLiteral("ALL DATA変更処理が選択されました。"),
                 QStringLiteral("(修正は、処理終了まで出来ません）"),
                 QStringLiteral(
                     "中止：【取消】 \u3000変更開始：再度【開始】ボタンを押して下さい。")}));
    }
}

void FrmBase::fillAllDataTransfer(const QStringList& bytes) {
    const int32_t start = state_.CurrentAddress;
    fillAllData(state_.Image, start, bytes, state_.DeviceCapacity);
    state_.CurrentAddress = start;
    endAllData();
    subBlockDisplay();
    cmdEdit[0]->setText(QStringLiteral("転写"));
    cmdEdit[1]->setText(QStringLiteral("クリア"));
    setMessageColour(MessageColour::Prompt);
    setMessage(QString());
    if (chkCaution[0]->isChecked()) {
        const QString done = isHexEntry() ? QStringLiteral("ALL DATA変更処理を完了しました")
                                          : QStringLiteral("ALL DATA変更処理を完了しました。");
        showEditMessage(QStringLiteral("ALL DATA変更完了"), allDataEnded(done));
    }
}

void FrmBase::cancelAllData() {
    endAllData();
    cmdEdit[0]->setText(QStringLiteral("転写"));
    cmdEdit[1]->setText(QStringLiteral("クリア"));
    setMessage(QString());
    if (chkCaution[0]->isChecked()) {
        showEditMessage(QStringLiteral("ALL DATA変更中止"),
                        allDataEnded(QStringLiteral("ALL DATA変更処理を中止しました。")));
    }
}

// What the fill and its cancellation share: the controls come back and the mode returns to
// "ノーマル"; with "0x00000" the view goes back to block 0.
void FrmBase::endAllData() {
    state_.AllDataArmed = false;
    fraEdit->setEnabled(true);
    sstBase->setEnabled(true);
    cmdLineChange->setEnabled(true);
    for (QRadioButton* unit : optComm) unit->setEnabled(true);
    for (QPushButton* button : cmdComm) button->setEnabled(true);
    chkCaution[1]->setEnabled(true);
    for (QLineEdit* cell : txtData) cell->setEnabled(true);
    selectOption(optMode[0]);
    if (chkEdit[3]->isChecked()) txtBlock->setText(QStringLiteral("0"));
}
