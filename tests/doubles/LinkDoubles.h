#pragma once

#include <QByteArray>
#include <cstdint>

#include "Dialogs.h"
#include "LinkFrames.h"
#include "ProgramState.h"
#include "SerialPort.h"
#include "WriterLink.h"

// Stand-ins for the writer link's peers where only the link's own work counts: the benchmarks,
// the fuzz targets and the link tests.

// Always open, sends nowhere. It keeps the frame sent last and the receive handler, so that the
// caller can answer as the board would.
class NullPort final : public SerialPort {
public:
    void setPortNumber(int32_t) override {}
    void setSpeed(int32_t) override {}
    bool open() override { return true; }
    OpenFailure lastOpenFailure() const override { return {}; }
    bool isOpen() const override { return true; }
    void close() override {}
    void resetFirst() override {}
    void resetSecond() override {}
    void discardReceived() override {}
    void send(const QByteArray& frame) override { lastSent = frame; }
    void setReceiveHandler(ReceiveHandler handler) override { receive = std::move(handler); }
    void setPortLostHandler(PortLostHandler) override {}

    ReceiveHandler receive;
    QByteArray lastSent;
};

// Cancels every failure report, so that none loops.
class CancellingDialogs final : public Dialogs {
public:
    int showMessage(const QString&, const QString&, MessageIcon) override { return Answer::Ok; }
    int askRetryCancel(const QString&, const QString&) override { return Answer::Cancel; }
};

// Shows nothing; a caller overrides what it follows.
class NullWindow : public LinkWindow {
public:
    void setMessage(const QString&) override {}
    void setMessageColour(int32_t) override {}
    int blockBarValue() const override { return 0; }
    int blockBarMaximum() const override { return 0; }
    void moveBlockBar(int) override {}
    void subBlockDisplay() override {}
    void subObjectEnable() override {}
    void startWaitTimer() override {}
    void stopWaitTimer() override {}
    void showPortLost() override {}
};

// A device of `blocks` 256-byte blocks with 64-byte pages, as device selection leaves it.
inline void selectDevice(ProgramState& state, int blocks) {
    state.DeviceCapacity = blocks * LinkFrames::BlockSize;
    state.BlockCount = blocks;
    state.CapacityBytes = {static_cast<uint8_t>(state.DeviceCapacity),
                           static_cast<uint8_t>(state.DeviceCapacity >> 8),
                           static_cast<uint8_t>(state.DeviceCapacity >> 16)};
    state.PageSizeBytes = {64, 0};
    state.ControlBytes = {0xA0, 0xA0, 0x00, 0x00};
}
