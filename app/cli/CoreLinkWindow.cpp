#include "CoreLinkWindow.h"

#include <QCoreApplication>
#include <algorithm>

#include "DeviceSelection.h"
#include "LinkFrames.h"
#include "ProgramState.h"

CoreLinkWindow::CoreLinkWindow(ProgramState& state) : state_(state) {
    tmrWait_.setInterval(5000);
    QObject::connect(&tmrWait_, &QTimer::timeout, [this] {
        if (link_) link_->tmrWait_Timer();
    });
}

void CoreLinkWindow::clearOutcome() {
    hasEnded_ = false;
    failed_ = false;
    portLost_ = false;
    differed_ = false;
    lastMessage_.clear();
    failures_.clear();
}

void CoreLinkWindow::setMessage(const QString& text) {
    lastMessage_ = text;
    failed_ = colour_ == LinkFrames::FailureColour;
    if (failed_) failures_ << text;
}

int CoreLinkWindow::blockBarMaximum() const { return blockBarMaximumFor(state_.BlockCount); }

void CoreLinkWindow::moveBlockBar(int value) {
    barValue_ = std::clamp(value, 0, blockBarMaximum());
    state_.CurrentBlock = barValue_;
    state_.CurrentAddress = state_.CurrentBlock * LinkFrames::BlockSize + state_.CurrentCell;
    if (onBlockMoved_) onBlockMoved_(barValue_);
}

void CoreLinkWindow::subObjectEnable() {
    hasEnded_ = true;
    if (onEnded_) onEnded_();
}

void CoreLinkWindow::showPortLost() {
    portLost_ = true;
    failures_ << QCoreApplication::translate("CoreLinkWindow",
                                             "ポートに障害が起きたので閉じました");
}

void CoreLinkWindow::showVerifyDifferences(const VerifyDifferences& differences) {
    differed_ = true;
    if (onDifferencesFound_) onDifferencesFound_(differences);
}
