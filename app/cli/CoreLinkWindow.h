#pragma once

#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>

#include "WriterLink.h"

// The writer link's window without widgets: the message line is remembered, the block bar is a
// number, and tmrWait is a QTimer of 5000 ms as in the window.
class CoreLinkWindow final : public LinkWindow {
public:
    explicit CoreLinkWindow(ProgramState& state);

    // The link whose time-out the timer's tick reports.
    void setLink(WriterLink* link) { link_ = link; }
    // Called with the block bar's new value whenever a transfer moves it.
    void setBlockMoved(std::function<void(int)> action) { onBlockMoved_ = std::move(action); }
    // Called when an operation has ended, well or not.
    void setEnded(std::function<void()> action) { onEnded_ = std::move(action); }
    // Called where a VERIFY reply differs from the image, while the reply is in ReceiveBuffer.
    void setDifferencesFound(std::function<void(const VerifyDifferences&)> action) {
        onDifferencesFound_ = std::move(action);
    }

    // Forgets the outcome of the last operation.
    void clearOutcome();
    bool ended() const { return hasEnded_; }
    bool failed() const { return failed_; }
    bool portLost() const { return portLost_; }
    // The board answered soundly, but with bytes other than the image's.
    bool differed() const { return differed_; }
    // Every message in the failure colour, in order.
    const QStringList& failures() const { return failures_; }
    const QString& lastMessage() const { return lastMessage_; }

    void setMessage(const QString& text) override;
    void setMessageColour(int32_t windowsColour) override { colour_ = windowsColour; }
    int blockBarValue() const override { return barValue_; }
    int blockBarMaximum() const override;
    void moveBlockBar(int value) override;
    void subBlockDisplay() override {}
    void subObjectEnable() override;
    void startWaitTimer() override { tmrWait_.start(); }
    void stopWaitTimer() override { tmrWait_.stop(); }
    void showPortLost() override;
    void showVerifyDifferences(const VerifyDifferences& differences) override;

private:
    ProgramState& state_;
    WriterLink* link_ = nullptr;
    QTimer tmrWait_;
    std::function<void(int)> onBlockMoved_;
    std::function<void()> onEnded_;
    std::function<void(const VerifyDifferences&)> onDifferencesFound_;
    int32_t colour_ = 0;
    int barValue_ = 0;
    bool hasEnded_ = false;
    bool failed_ = false;
    bool portLost_ = false;
    bool differed_ = false;
    QString lastMessage_;
    QStringList failures_;
};
