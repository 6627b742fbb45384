// The device communication frame: transfer unit.

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

#include "DeviceSelection.h"
#include "FrmBase.h"
#include "FrmCommProperty.h"
#include "ProgramState.h"
#include "SerialPort.h"
#include "WindowsColour.h"

namespace {

constexpr int kCancel = 3;

}  // namespace

// Two presses make an operation: the first arms it (the button becomes START, PROPERTY becomes
// CANCEL), the second starts it. PROPERTY with nothing armed opens the port settings.
void FrmBase::cmdComm_Click(int Index) {
    state_.OperationCode = static_cast<uint8_t>(Index);
    setMessage(QString());
    if (Index == kCancel) {
        if (state_.OperationRunning) {
            subObjectEnable();
            setMessageColour(static_cast<int32_t>(WindowsColour::kButtonText));
            setMessage(QString());
        } else {
            FrmCommProperty frmCommProperty(state_, dialogs_, prtLocal_, this);
            frmCommProperty.Form_Load();
            frmCommProperty.exec();
        }
        return;
    }
    if (!state_.OperationRunning) {
        const QString operation = cmdComm.at(static_cast<std::size_t>(Index))->text();
        enterArmedState(Index);
        setMessageColour(MessageColour::Prompt);
        setMessage(tr("【START】を押して【%1】開始").arg(operation));
        state_.TransferAddress = armedTransferAddress(state_);
        return;
    }
    // A port that failed at start-up or went away since gets another chance; while it stays
    // closed the operation remains armed, so the user can plug the board in and press START again.
    if (!prtLocal_.isOpen() && !openPort()) return;
    enterRunningState();
    link_->start();
}

void FrmBase::optComm_Click(int Index) {
    state_.FlagTable[Flag::TransferUnit] = static_cast<int16_t>(Index);
    paintSelectionColours({optComm[0], optComm[1], optComm[2]});
    cmdComm[0]->setEnabled(isWriteAvailable(Index, state_.PageSizeBytes));
}
