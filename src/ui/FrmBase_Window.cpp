// The window's own handlers: operation states, tabs, the message line, transfer mode, warning
// boxes and the reset of the edit marks.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include "Colours.h"
#include "FrmBase.h"
#include "FrmColorSetup.h"
#include "ProgramState.h"
#include "WindowsColour.h"

namespace {

constexpr int kShownFolderTail = 27;
const char* const kOperationCaptions[] = {
    QT_TRANSLATE_NOOP("FrmBase", "WRITE"), QT_TRANSLATE_NOOP("FrmBase", "READ"),
    QT_TRANSLATE_NOOP("FrmBase", "VERIFY"), QT_TRANSLATE_NOOP("FrmBase", "PROPERTY")};

}  // namespace

void FrmBase::subObjectEnable() {
    showPendingBlock();
    fraEdit->setEnabled(true);
    sstBase->setEnabled(true);
    for (int i = 0; i < 3; ++i) {
        optComm[i]->setEnabled(true);
        cmdComm[i]->setEnabled(true);
    }
    cmdComm[3]->setEnabled(true);
    chkCaution[1]->setEnabled(true);
    for (QLineEdit* cell : txtData) cell->setEnabled(true);
    for (int i = 0; i < 4; ++i) cmdComm[i]->setText(tr(kOperationCaptions[i]));
    idleTransferControls();
    state_.OperationRunning = false;
}

void FrmBase::enterArmedState(int pressedButton) {
    state_.OperationRunning = true;
    cmdComm.at(static_cast<std::size_t>(pressedButton))->setText(tr("START"));
    cmdComm[3]->setText(tr("CANCEL"));
    fraEdit->setEnabled(false);
    sstBase->setEnabled(false);
    for (QRadioButton* unit : optComm) unit->setEnabled(false);
    for (int i = 0; i < 3; ++i) cmdComm[i]->setEnabled(i == pressedButton);
    cmdComm[3]->setEnabled(true);
    chkCaution[1]->setEnabled(false);
    for (QLineEdit* cell : txtData) cell->setEnabled(false);
    armTransferControls();
}

void FrmBase::enterRunningState() {
    for (QPushButton* button : cmdComm) button->setEnabled(false);
}

void FrmBase::startWaitTimer() { tmrWait->start(); }

void FrmBase::stopWaitTimer() { tmrWait->stop(); }

void FrmBase::tmrWait_Timer() { link_->tmrWait_Timer(); }

// A tab click withdraws a file operation that was announced but not started.
void FrmBase::sstBase_Click() {
    setFileButtonsIdle();
    if (sstBase->currentIndex() == 1) {
        setMessageColour(MessageColour::Information);
        setMessage(state_.DataFolder.right(kShownFolderTail));
    } else {
        setMessage(QString());
    }
}

void FrmBase::lblMessage_Click() {
    setMessage(QString());
    setMessageColour(MessageColour::Information);
}

void FrmBase::optMode_Click(int Index) {
    if (Index == 1) txtSetData->clear();
    paintSelectionColours({optMode[0], optMode[1], optMode[2]});
}

void FrmBase::chkCaution_Click(int Index) {
    state_.FlagTable.at(static_cast<std::size_t>(Index + Flag::CautionAllData)) =
        chkCaution.at(static_cast<std::size_t>(Index))->isChecked() ? 1 : 0;
    paintSelectionColours({chkCaution[0], chkCaution[1]});
}

void FrmBase::cmdColor_Click() {
    FrmColorSetup frmColorSetup(state_, dialogs_, this);
    frmColorSetup.Form_Load();
    frmColorSetup.exec();
}

// Forgets every edit mark, in all blocks; the data stay as they are.
void FrmBase::cmdReset_Click() {
    std::fill(state_.EditMarks.begin(), state_.EditMarks.end() - 1, false);
    for (QLineEdit* cell : txtData) setTextColour(cell, state_.ColorTable[Colour::DataNormal]);
}
