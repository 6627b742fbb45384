#include "FakeSerialPort.h"

#include <utility>

void FakeSerialPort::enter(const QString& operation, const QString& logEntry) {
    calls.append(logEntry);
    if (failWith) {
        failWith(operation);
    }
}

void FakeSerialPort::setPortNumber(int32_t number) {
    enter(QStringLiteral("setPortNumber"), QStringLiteral("setPortNumber %1").arg(number));
    portNumber = number;
}

void FakeSerialPort::setSpeed(int32_t bitsPerSecond) {
    enter(QStringLiteral("setSpeed"), QStringLiteral("setSpeed %1").arg(bitsPerSecond));
    speed = bitsPerSecond;
}

bool FakeSerialPort::open() {
    enter(QStringLiteral("open"), QStringLiteral("open"));
    open_ = openResult;
    return open_;
}

SerialPort::OpenFailure FakeSerialPort::lastOpenFailure() const {
    return open_ ? OpenFailure{} : openFailure;
}

bool FakeSerialPort::isOpen() const { return open_; }

void FakeSerialPort::close() {
    enter(QStringLiteral("close"), QStringLiteral("close"));
    open_ = false;
}

void FakeSerialPort::resetFirst() {
    enter(QStringLiteral("resetFirst"), QStringLiteral("resetFirst"));
}

void FakeSerialPort::resetSecond() {
    enter(QStringLiteral("resetSecond"), QStringLiteral("resetSecond"));
}

void FakeSerialPort::discardReceived() {
    enter(QStringLiteral("discardReceived"), QStringLiteral("discardReceived"));
}

void FakeSerialPort::send(const QByteArray& frame) {
    const QString hex = QString::fromLatin1(frame.toHex(' ').toUpper());
    enter(QStringLiteral("send"), QStringLiteral("send %1").arg(hex).trimmed());
    if (open_) {
        sentFrames.append(frame);
        awaitedReplyLengths.append(std::exchange(awaitedReplyLength_, 0));
    }
}

void FakeSerialPort::setReceiveHandler(ReceiveHandler handler) {
    enter(QStringLiteral("setReceiveHandler"), QStringLiteral("setReceiveHandler"));
    receiveHandler_ = std::move(handler);
}

void FakeSerialPort::setPortLostHandler(PortLostHandler handler) {
    enter(QStringLiteral("setPortLostHandler"), QStringLiteral("setPortLostHandler"));
    portLostHandler_ = std::move(handler);
}

void FakeSerialPort::hangUp() {
    if (!open_) {
        return;
    }
    open_ = false;
    if (portLostHandler_) {
        portLostHandler_();
    }
}

bool FakeSerialPort::deliver(const QByteArray& bytes) {
    if (!open_ || !receiveHandler_) {
        return false;
    }
    // Copy: the handler may replace or clear itself while it runs.
    const ReceiveHandler handler = receiveHandler_;
    handler(bytes);
    return true;
}

bool FakeSerialPort::hasReceiveHandler() const { return static_cast<bool>(receiveHandler_); }
