#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

#include "SerialPort.h"

// In-memory serial line for unit tests. Every call except isOpen() is appended to `calls`
// ("setPortNumber 3", "setSpeed 9600", "open", "close", "resetFirst", "resetSecond",
// "send A9 00 FF", "discardReceived", "setReceiveHandler", "setPortLostHandler"), then `failWith` (when set) gets the operation's name and
// may throw to stand for an error raised by the port component; a throwing call changes nothing
// else. Like the real port, a closed fake neither sends nor delivers.
class FakeSerialPort final : public SerialPort {
public:
    // What open() reports and whether the port is open afterwards.
    bool openResult = true;
    // What lastOpenFailure() reports after an open() that answered false.
    OpenFailure openFailure;
    // Called with "setPortNumber", "open", "send", ... at the start of each call.
    std::function<void(const QString& operation)> failWith;

    QStringList calls;
    // Frames sent while open, in order, and the reply length told for each (0 when none was).
    QList<QByteArray> sentFrames;
    QList<int> awaitedReplyLengths;
    int32_t portNumber = 0;
    int32_t speed = 0;

    void setPortNumber(int32_t number) override;
    void setSpeed(int32_t bitsPerSecond) override;
    bool open() override;
    OpenFailure lastOpenFailure() const override;
    bool isOpen() const override;
    void close() override;
    void resetFirst() override;
    void resetSecond() override;
    void discardReceived() override;
    void send(const QByteArray& frame) override;
    void expectReply(int length) override { awaitedReplyLength_ = length; }
    void setReceiveHandler(ReceiveHandler handler) override;
    void setPortLostHandler(PortLostHandler handler) override;

    // Hands bytes to the receive handler as if the board had answered. False when they went
    // nowhere: the port is closed or no handler is set.
    bool deliver(const QByteArray& bytes);
    bool hasReceiveHandler() const;
    // The line fails under the open port, as when the board is unplugged: the port closes itself
    // and tells the lost handler.
    void hangUp();

private:
    void enter(const QString& operation, const QString& logEntry);

    bool open_ = false;
    int awaitedReplyLength_ = 0;
    ReceiveHandler receiveHandler_;
    PortLostHandler portLostHandler_;
};
