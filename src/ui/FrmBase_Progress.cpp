// Beside the message line, what a transfer has to show: progress and time of a whole-memory
// transfer, its stop button, and where the last VERIFY found differences. And the
// verify-after-write box of the communication frame.

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "Colours.h"
#include "ControlNames.h"
#include "FrmBase.h"
#include "ProgramState.h"
#include "TransferProgress.h"
#include "VerifyDifferences.h"

namespace {

// Cells where the chip differs from the image: orange, a colour the colour table does not offer,
// so the marks cannot be taken for a cursor or an edit.
constexpr int32_t kDifferenceBack = 0x0080FF;

}  // namespace

// Hidden while there is nothing to show, so the message line has the whole width then. None of
// them is taller than the message line: the window keeps its height when they appear.
QLayout* FrmBase::buildTransferRow() {
    const int height = lblMessage->minimumHeight();
    prgTransfer = named(new QProgressBar(this), QStringLiteral("prgTransfer"));
    prgTransfer->setFormat(QStringLiteral("%v / %m"));
    prgTransfer->setFixedSize(160, height);
    lblTransferTime = named(new QLabel(this), QStringLiteral("lblTransferTime"));
    lblTransferTime->setFixedHeight(height);
    // Wide enough for any time, so the message line does not twitch as the seconds go by.
    lblTransferTime->setMinimumWidth(
        lblTransferTime->fontMetrics().horizontalAdvance(TransferProgress{1, 2, 5'999'000}.text()) +
        8);
    cmdStop = named(new QPushButton(tr("中止"), this), QStringLiteral("cmdStop"));
    cmdStop->setAutoDefault(false);
    cmdStop->setFixedHeight(height);
    cmdStop->setShortcut(QKeySequence(Qt::Key_Escape));
    prgTransfer->hide();
    lblTransferTime->hide();
    cmdStop->hide();

    auto* row = new QHBoxLayout;
    row->addWidget(prgTransfer);
    row->addWidget(lblTransferTime);
    row->addWidget(cmdStop);
    return row;
}

void FrmBase::connectTransferControls() {
    connectClick(cmdStop, QStringLiteral("cmdStop_Click"), [this] { cmdStop_Click(); });
    connectCheckBox(chkVerifyAfterWrite, QStringLiteral("chkVerifyAfterWrite_Click"),
                    [this] { chkVerifyAfterWrite_Click(); });
}

// The link reports 0 blocks when a whole-memory transfer starts, its follow-on VERIFY included.
// A progress bar repaints at once on every new value, so the blocks after that are shown with the
// grid, at most once a frame time.
void FrmBase::showProgress(int blocksDone, int blockCount) {
    progressDone_ = blocksDone;
    progressTotal_ = blockCount;
    if (blocksDone == 0) {
        transferClock_.start();
        prgTransfer->setRange(0, blockCount);
        prgTransfer->show();
        lblTransferTime->show();
        cmdStop->setEnabled(true);
        cmdStop->show();
        showTransferProgress();
        return;
    }
    progressPending_ = true;
    scheduleFrame();
}

void FrmBase::showTransferProgress() {
    progressPending_ = false;
    prgTransfer->setValue(progressDone_);
    lblTransferTime->setText(
        TransferProgress{progressDone_, progressTotal_, transferClock_.elapsed()}.text());
}

void FrmBase::showVerifyDifferences(const VerifyDifferences& differences) {
    verifyMarks_.clear();
    for (const int offset : differences.offsets) verifyMarks_.push_back(differences.start + offset);
    lblTransferTime->setText(differences.text());
    lblTransferTime->show();
    paintVerifyMarks();
}

// Drawn over whatever the cells show, the cursor included: a one-byte VERIFY marks the selected
// cell itself.
void FrmBase::paintVerifyMarks() {
    const int32_t blockStart = state_.CurrentBlock * 256;
    for (const int32_t address : verifyMarks_) {
        const int32_t cell = address - blockStart;
        if (cell >= 0 && cell < 256)
            setBackColour(txtData[static_cast<std::size_t>(cell)], kDifferenceBack);
    }
}

// A new operation: the marks of the last VERIFY go, and so does its text.
void FrmBase::armTransferControls() {
    chkVerifyAfterWrite->setEnabled(false);
    lblTransferTime->hide();
    if (verifyMarks_.empty()) return;
    verifyMarks_.clear();
    subBlockDisplay();
}

// Back to idle: what is left to see is where the last VERIFY differed.
void FrmBase::idleTransferControls() {
    prgTransfer->hide();
    cmdStop->hide();
    lblTransferTime->setVisible(!verifyMarks_.empty());
    chkVerifyAfterWrite->setEnabled(true);
}

void FrmBase::cmdStop_Click() {
    link_->requestStop();
    cmdStop->setEnabled(false);
}

void FrmBase::chkVerifyAfterWrite_Click() {
    link_->setVerifyAfterWrite(chkVerifyAfterWrite->isChecked());
    paintSelectionColour(chkVerifyAfterWrite);
}
