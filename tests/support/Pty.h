#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// Qt's event loop needs an application object; one serves the whole test executable and is never
// destroyed. Does nothing where the executable made its own.
void ensureCoreApplication();

// Runs the event loop until `done` holds; false after a generous time-out.
bool pumpUntil(const std::function<bool()>& done);

// A pseudo-terminal standing in for the writer board; the test talks through the master side.
// The line is left in its default cooked mode (echo, CR/LF mapping, XON/XOFF) on purpose: bytes
// only pass unchanged when the port under test makes it raw.
class Pty {
public:
    Pty();
    ~Pty();
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    bool ok() const { return master_ >= 0 && slave_ >= 0; }
    QString slavePath() const { return slavePath_; }

    // Writes everything, running the event loop while the line is full.
    bool write(const QByteArray& bytes);

    // Everything the port has sent so far, once at least `size` bytes have come.
    QByteArray awaitOutput(qsizetype size);

    // Bytes written on the master that nobody has read from the slave yet.
    int waitingOnSlave() const;

    // Waits, without running the event loop, until `count` bytes wait on the slave.
    bool awaitWaitingOnSlave(int count) const;
    // The same for what the port has sent and the test has not read yet.
    bool awaitWaitingOnMaster(int count) const;

    // Closes the terminal as an unplugged board or an ended emulator does: whoever still holds the
    // slave side sees a hang-up.
    void hangUp();

private:
    static bool awaitWaiting(int fd, int count);

    int master_ = -1;
    int slave_ = -1;
    QString slavePath_;
    QByteArray output_;
};
