#include "QtSerialPort.h"

#include <QFileInfo>
#include <QMetaObject>
#include <QScopedValueRollback>
#include <QSerialPort>
#include <utility>

namespace {

SerialPort::OpenFailure::Kind failureKind(QSerialPort::SerialPortError error) {
    using Kind = SerialPort::OpenFailure::Kind;
    switch (error) {
        case QSerialPort::NoError:
            return Kind::None;
        case QSerialPort::DeviceNotFoundError:
            return Kind::Missing;
        case QSerialPort::PermissionError:
            return Kind::PermissionDenied;
        default:
            return Kind::Other;
    }
}

// Errors that say the line itself is gone or unusable, as opposed to a refused open or setting.
bool isLineFailure(int error) {
    return error == QSerialPort::ResourceError || error == QSerialPort::ReadError ||
           error == QSerialPort::WriteError;
}

}  // namespace

QString portLinkPath(const QString& settingsFolder, int32_t number) {
#ifdef Q_OS_WIN
    Q_UNUSED(settingsFolder)
    Q_UNUSED(number)
    return {};
#else
    if (settingsFolder.isEmpty()) return {};
    const QFileInfo link(settingsFolder + QStringLiteral("COM%1").arg(number));
    return link.isSymLink() || link.exists() ? link.filePath() : QString();
#endif
}

QString portDevicePath(const QString& settingsFolder, int32_t number) {
    const QString linkPath = portLinkPath(settingsFolder, number);
    if (!linkPath.isEmpty()) {
        // QSerialPort wants the device itself, so follow the link and any chain behind it. A
        // dangling link keeps its old target: that open fails visibly instead of quietly taking
        // some other port under the same number.
        const QFileInfo link(linkPath);
        const QString device = link.canonicalFilePath();
        return device.isEmpty() ? link.symLinkTarget() : device;
    }
#ifdef Q_OS_WIN
    const QString name = QStringLiteral("COM%1").arg(number);
    return number >= 10 ? QStringLiteral("\\\\.\\") + name : name;
#else
    return QStringLiteral("/dev/ttyS%1").arg(static_cast<qint64>(number) - 1);
#endif
}

QtSerialPort::QtSerialPort(QString settingsFolder)
    : settingsFolder_(std::move(settingsFolder)), port_(std::make_unique<QSerialPort>()) {
    QObject::connect(port_.get(), &QSerialPort::readyRead, port_.get(),
                     [this] { deliverReceived(); });
    QObject::connect(port_.get(), &QSerialPort::errorOccurred, port_.get(),
                     [this](QSerialPort::SerialPortError error) { noteError(error); });
}

QtSerialPort::~QtSerialPort() = default;

void QtSerialPort::setPortNumber(int32_t number) { portNumber_ = number; }

void QtSerialPort::setDevicePath(const QString& path) { devicePath_ = path; }

void QtSerialPort::setSpeed(int32_t bitsPerSecond) { speed_ = bitsPerSecond; }

bool QtSerialPort::open() {
    close();
    const QString device =
        devicePath_.isEmpty() ? portDevicePath(settingsFolder_, portNumber_) : devicePath_;
    lastOpenFailure_ = OpenFailure{};
    lastOpenFailure_.portNumber = portNumber_;
    lastOpenFailure_.linkPath = portLinkPath(settingsFolder_, portNumber_);
    lastOpenFailure_.devicePath = device;
    if (speed_ <= 0) {
        lastOpenFailure_.kind = OpenFailure::Kind::Other;
        lastOpenFailure_.reason = QStringLiteral("line speed %1 bps").arg(speed_);
        frameLog_.opened(device, lastOpenFailure_.reason);
        return false;
    }
    port_->setPortName(device);
    // Settings made before open() are applied by QSerialPort while opening, and a device that
    // refuses one of them makes open() fail.
    port_->setBaudRate(speed_);
    port_->setDataBits(QSerialPort::Data8);
    port_->setParity(QSerialPort::NoParity);
    port_->setStopBits(QSerialPort::OneStop);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    port_->clearError();
    if (port_->open(QIODevice::ReadWrite)) {
        frameLog_.opened(device, QStringLiteral("ok"));
        return true;
    }
    const OpenFailure::Kind kind = failureKind(port_->error());
    lastOpenFailure_.kind = kind == OpenFailure::Kind::None ? OpenFailure::Kind::Other : kind;
    lastOpenFailure_.reason = port_->errorString();
    frameLog_.opened(device, QStringLiteral("failed: ") + lastOpenFailure_.reason);
    return false;
}

SerialPort::OpenFailure QtSerialPort::lastOpenFailure() const { return lastOpenFailure_; }

bool QtSerialPort::isOpen() const { return port_->isOpen(); }

QString QtSerialPort::errorString() const { return port_->errorString(); }

void QtSerialPort::close() {
    lossPending_ = false;  // closed on purpose: a failure noted before is no longer news
    if (!port_->isOpen()) {
        return;
    }
    const QScopedValueRollback closing(closing_, true);
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

void QtSerialPort::discardReceived() {
    if (port_->isOpen()) {
        port_->clear(QSerialPort::Input);
    }
}

void QtSerialPort::send(const QByteArray& frame) {
    if (port_->isOpen()) {
        frameLog_.sent(frame);
        // Handed to the driver now rather than from the event loop, where it would wait behind
        // the redraw the last reply caused while the line stood idle. Nothing here blocks.
        port_->write(frame);
        port_->flush();
    }
}

// The read buffer's bound caps each read QSerialPort makes, and so also sizes the read our Qt
// keeps pending under Wine. A read that asks for more than the reply ends only after 1 ms of
// silence, and Wine then takes a few milliseconds more to pass the completion on; a read of the
// reply's own length ends as its last byte lands. That was most of Wine's extra cost per block.
void QtSerialPort::expectReply(int length) { port_->setReadBufferSize(length); }

void QtSerialPort::setReceiveHandler(ReceiveHandler handler) {
    receiveHandler_ = std::move(handler);
}

void QtSerialPort::setPortLostHandler(PortLostHandler handler) {
    portLostHandler_ = std::move(handler);
}

void QtSerialPort::deliverReceived() {
    // readyRead is not raised again while a handler runs, so a handler that spins a nested event
    // loop (a message box) leaves bytes in the buffer: collect them before returning. The handler
    // may also close the port, send, or replace itself, hence the open check and the copy.
    while (port_->isOpen() && port_->bytesAvailable() > 0) {
        const QByteArray bytes = port_->readAll();
        frameLog_.received(bytes);
        if (receiveHandler_) {
            const ReceiveHandler handler = receiveHandler_;
            handler(bytes);
        }
    }
}

// A hung-up terminal keeps the port readable while every read fails, so the event loop would spin
// on it until the port is closed. The close waits for the event loop: the error may come from
// inside QSerialPort's own read notification, or from inside one of our calls.
void QtSerialPort::noteError(int error) {
    if (lossPending_ || closing_ || !port_->isOpen() || !isLineFailure(error)) {
        return;
    }
    lossPending_ = true;
    QMetaObject::invokeMethod(port_.get(), [this] { closeLostLine(); }, Qt::QueuedConnection);
}

void QtSerialPort::closeLostLine() {
    if (!lossPending_) {
        return;  // closed or reopened meanwhile
    }
    lossPending_ = false;
    {
        const QScopedValueRollback closing(closing_, true);
        port_->close();  // no flush: nothing more goes out on this line
    }
    if (portLostHandler_) {
        const PortLostHandler handler = portLostHandler_;
        handler();
    }
}
