#pragma once

#include <QByteArray>
#include <QStringList>
#include <vector>

#include "LinkDoubles.h"
#include "LinkFrames.h"
#include "ProgramState.h"
#include "VerifyDifferences.h"
#include "WriterBoard.h"
#include "WriterLink.h"

// The main window as the link sees it, recording what it is told. Messages shown in the failure
// colour are recorded with a "red " prefix.
class RecordingWindow : public LinkWindow {
public:
    explicit RecordingWindow(ProgramState& state) : state_(state) {}

    void setMessage(const QString& text) override {
        messages << (colour == LinkFrames::FailureColour ? QStringLiteral("red ") : QString()) +
                        text;
    }
    void setMessageColour(int32_t windowsColour) override { colour = windowsColour; }
    int blockBarValue() const override { return barValue; }
    int blockBarMaximum() const override { return barMaximum; }
    void moveBlockBar(int value) override {
        barValue = value;
        state_.CurrentBlock = value;
        state_.CurrentAddress = value * 256 + state_.CurrentCell;
        ++displays;
    }
    void subBlockDisplay() override { ++displays; }
    void subObjectEnable() override { ++enables; }
    void startWaitTimer() override {
        timerRunning = true;
        ++timerStarts;
    }
    void stopWaitTimer() override { timerRunning = false; }
    void showPortLost() override { ++portLosses; }
    void showProgress(int blocksDone, int blockCount) override {
        progress << QStringLiteral("%1/%2").arg(blocksDone).arg(blockCount);
    }
    void showVerifyDifferences(const VerifyDifferences& found) override {
        differences << found.text();
    }

    QStringList messages;
    int32_t colour = 0;
    int barValue = 0;
    int barMaximum = 0;
    int displays = 0;
    int enables = 0;
    int timerStarts = 0;
    bool timerRunning = false;
    int portLosses = 0;
    QStringList progress;     // "done/total" as reported
    QStringList differences;  // the text of each VERIFY difference reported

private:
    ProgramState& state_;
};

inline QByteArray toQBytes(const std::vector<uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

inline std::vector<uint8_t> toVector(const QByteArray& bytes) {
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

// The device selected, with the window's block bar set to its blocks.
inline void selectDevice(ProgramState& state, RecordingWindow& window, int blocks) {
    selectDevice(state, blocks);
    window.barMaximum = blocks - 1;
}

// Arms and starts an operation the way the operation buttons do.
inline void startOperation(ProgramState& state, WriterLink& link, int operation, int unit) {
    state.OperationCode = static_cast<uint8_t>(operation);
    state.FlagTable[Flag::TransferUnit] = static_cast<int16_t>(unit);
    state.TransferAddress = armedTransferAddress(state);
    link.start();
}
