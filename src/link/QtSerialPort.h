#pragma once

#include <QString>
#include <cstdint>
#include <memory>

#include "FrameLog.h"
#include "SerialPort.h"

class QSerialPort;

// The device that port number `number` stands for. On Linux a link named COM<number> in the
// settings folder wins (it points at a USB adapter or at a board emulator's pseudo-terminal);
// without one /dev/ttyS<number - 1> applies. Windows numbers its ports itself: COM<number>, from
// 10 on under the device name \\.\COM<number>, the only name that opens there.
// A number of 0 or less yields a device that does not exist, so opening it simply fails.
QString portDevicePath(const QString& settingsFolder, int32_t number);

// The link COM<number> in the settings folder when portDevicePath follows one, else empty (always
// on Windows).
QString portLinkPath(const QString& settingsFolder, int32_t number);

// The serial line to the writer board: 8 data bits, no parity, 1 stop bit, no flow control, and
// every byte value carried unchanged. Received bytes are handed over from the event loop. Every
// frame both ways goes to the frame log when TAVELIN_TRACE names one (see FrameLog).
class QtSerialPort final : public SerialPort {
public:
    // settingsFolder ends in '/' or is empty (then no COM<n> links are looked for).
    explicit QtSerialPort(QString settingsFolder);
    ~QtSerialPort() override;
    QtSerialPort(const QtSerialPort&) = delete;
    QtSerialPort& operator=(const QtSerialPort&) = delete;

    void setPortNumber(int32_t number) override;
    // Names the device itself (such as /dev/ttyUSB0) instead of a port number; empty goes back
    // to the number. Takes effect at the next open.
    void setDevicePath(const QString& path);
    void setSpeed(int32_t bitsPerSecond) override;
    bool open() override;
    OpenFailure lastOpenFailure() const override;
    bool isOpen() const override;
    // Why the last open failed, in the platform's words.
    QString errorString() const;
    void close() override;
    void resetFirst() override;
    void resetSecond() override;
    void discardReceived() override;
    void send(const QByteArray& frame) override;
    void expectReply(int length) override;
    void setReceiveHandler(ReceiveHandler handler) override;
    void setPortLostHandler(PortLostHandler handler) override;

private:
    void deliverReceived();
    void noteError(int error);
    void closeLostLine();

    QString settingsFolder_;
    int32_t portNumber_ = 1;
    QString devicePath_;
    int32_t speed_ = 9600;
    ReceiveHandler receiveHandler_;
    PortLostHandler portLostHandler_;
    // A failed line waits to be closed from the event loop.
    bool lossPending_ = false;
    // Errors raised while we close the port ourselves are no news.
    bool closing_ = false;
    OpenFailure lastOpenFailure_;
    FrameLog frameLog_;
    // Last member: destroyed first, so no readyRead can reach a half-destroyed object.
    std::unique_ptr<QSerialPort> port_;
};
