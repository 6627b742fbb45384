#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>

// What the program needs of the serial line to the writer board. The window owns one instance
// (prtLocal); unit tests use an in-memory fake, the end-to-end tests the Qt implementation
// against the board emulator on a pseudo-terminal.
class SerialPort {
public:
    // Why the last open() failed, for the user to act on.
    struct OpenFailure {
        enum class Kind { None, Missing, PermissionDenied, Other };
        Kind kind = Kind::None;
        int32_t portNumber = 0;
        QString linkPath;    // the COM<n> link followed; empty when the system's numbering applied
        QString devicePath;  // the device the port number led to
        QString reason;      // the system's description
    };

    using ReceiveHandler = std::function<void(const QByteArray& bytes)>;
    using PortLostHandler = std::function<void()>;

    virtual ~SerialPort() = default;

    // Port number n: 1 is the first serial port. Takes effect at the next open.
    virtual void setPortNumber(int32_t number) = 0;
    // Line speed in bits per second. Takes effect at the next open.
    virtual void setSpeed(int32_t bitsPerSecond) = 0;
    // True when the port is open afterwards. Never throws: a port that cannot be opened is reported
    // by the caller's own message.
    virtual bool open() = 0;
    // After an open() that answered false: what it tried and why that failed. Kind::None after a
    // successful open.
    virtual OpenFailure lastOpenFailure() const = 0;
    virtual bool isOpen() const = 0;
    virtual void close() = 0;
    // The two resets are always called as a pair, first then second: after opening and after a
    // reply time-out. The first drops whatever waits in either direction, the second clears a
    // latched line error.
    virtual void resetFirst() = 0;
    virtual void resetSecond() = 0;
    // Drops received bytes that nobody has taken yet, so the next reply starts clean.
    virtual void discardReceived() = 0;
    // The whole frame goes out in one call; the call does not wait for an answer.
    virtual void send(const QByteArray& frame) = 0;
    // The length of the reply the next frame asks for, told before it goes out. A port may size
    // its reads to it, so that a whole reply is handed over as its last byte lands rather than
    // once the line has fallen quiet. Bytes beyond it still arrive, in later chunks.
    virtual void expectReply(int /*length*/) {}
    // Received bytes arrive in order, without loss, in chunks of any size, on the UI thread.
    virtual void setReceiveHandler(ReceiveHandler handler) = 0;
    // Called on the UI thread, never from inside another call of this interface, once the line
    // has failed under an open port (the device was unplugged, its terminal closed, a read or
    // write failed). The port has closed itself by then; open() may try again.
    virtual void setPortLostHandler(PortLostHandler handler) = 0;
};
