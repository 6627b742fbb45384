#include "QtSerialPort.h"

#include <QFileInfo>
#include <QSerialPort>
#include <utility>

QString portDevicePath(const QString& settingsFolder, int32_t number) {
    const QString name = QStringLiteral("COM%1").arg(number);
    if (!settingsFolder.isEmpty()) {
        const QFileInfo link(settingsFolder + name);
#ifdef Q_OS_WIN
        // COM<n> names the device in every Windows folder, so only a real link counts there.
        const bool present = link.isSymLink();
#else
        const bool present = link.isSymLink() || link.exists();
#endif
        if (present) {
            // QSerialPort wants the device itself, so follow the link and any chain behind it. A
            // dangling link keeps its old target: that open fails visibly instead of quietly
            // taking some other port under the same number.
            const QString device = link.canonicalFilePath();
            return device.isEmpty() ? link.symLinkTarget() : device;
        }
    }
#ifdef Q_OS_WIN
    return name;
#else
    return QStringLiteral("/dev/ttyS%1").arg(static_cast<qint64>(number) - 1);
#endif
}

QtSerialPort::QtSerialPort(QString settingsFolder)
    : settingsFolder_(std::move(settingsFolder)), port_(std::make_unique<QSerialPort>()) {
    QObject::connect(port_.get(), &QSerialPort::readyRead, port_.get(),
                     [this] { deliverReceived(); });
}

QtSerialPort::~QtSerialPort() = default;

void QtSerialPort::setPortNumber(int32_t number) { portNumber_ = number; }

void QtSerialPort::setSpeed(int32_t bitsPerSecond) { speed_ = bitsPerSecond; }

bool QtSerialPort::open() {
    close();
    if (speed_ <= 0) {
        return false;
    }
    port_->setPortName(portDevicePath(settingsFolder_, portNumber_));
    // Settings made before open() are applied by QSerialPort while opening, and a device that
    // refuses one of them makes open() fail.
    port_->setBaudRate(speed_);
    port_->setDataBits(QSerialPort::Data8);
    port_->setParity(QSerialPort::NoParity);
    port_->setStopBits(QSerialPort::OneStop);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    port_->clearError();
    return port_->open(QIODevice::ReadWrite);
}

bool QtSerialPort::isOpen() const { return port_->isOpen(); }

void QtSerialPort::close() {
    if (!port_->isOpen()) {
        return;
    }
    // Hand the last frame to the driver rather than dropping it with the write buffer.
    port_->flush();
    port_->close();
}

void QtSerialPort::resetFirst() {
    if (port_->isOpen()) {
        port_->clear(QSerialPort::AllDirections);
    }
}

void QtSerialPort::resetSecond() { port_->clearError(); }

void QtSerialPort::send(const QByteArray& frame) {
    if (port_->isOpen()) {
        // Buffered by QSerialPort and written from the event loop; nothing here blocks.
        port_->write(frame);
    }
}

void QtSerialPort::setReceiveHandler(ReceiveHandler handler) {
    receiveHandler_ = std::move(handler);
}

void QtSerialPort::deliverReceived() {
    // readyRead is not raised again while a handler runs, so a handler that spins a nested event
    // loop (a message box) leaves bytes in the buffer: collect them before returning. The handler
    // may also close the port, send, or replace itself, hence the open check and the copy.
    while (port_->isOpen() && port_->bytesAvailable() > 0) {
        const QByteArray bytes = port_->readAll();
        if (receiveHandler_) {
            const ReceiveHandler handler = receiveHandler_;
            handler(bytes);
        }
    }
}
