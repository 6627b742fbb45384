#include "Pty.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

void ensureCoreApplication() {
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "tests";
        static char* argv[] = {name, nullptr};
        new QCoreApplication(argc, argv);
    }
}

// Runs the event loop until `done` holds; false after a generous time-out.
bool pumpUntil(const std::function<bool()>& done) {
    const QDeadlineTimer deadline(5000);
    while (!done()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(1);
    }
    return true;
}

Pty::Pty() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    char path[128] = {};
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0 ||
        ptsname_r(master_, path, sizeof path) != 0) {
        return;
    }
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    slavePath_ = QString::fromLocal8Bit(path);
    // Held open so the master never sees a hang-up and input waiting on the slave can be
    // counted.
    slave_ = ::open(path, O_RDWR | O_NOCTTY | O_NONBLOCK);
}

Pty::~Pty() { hangUp(); }

void Pty::hangUp() {
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
    slave_ = master_ = -1;
}

bool Pty::write(const QByteArray& bytes) {
    qsizetype done = 0;
    return pumpUntil([&] {
        const ssize_t n = ::write(master_, bytes.constData() + done, bytes.size() - done);
        done += n > 0 ? n : 0;
        return done == bytes.size();
    });
}

QByteArray Pty::awaitOutput(qsizetype size) {
    pumpUntil([&] {
        char buffer[4096];
        ssize_t n;
        while ((n = ::read(master_, buffer, sizeof buffer)) > 0) {
            output_.append(buffer, n);
        }
        return output_.size() >= size;
    });
    return output_;
}

namespace {

int waitingOn(int fd) {
    int count = 0;
    return ioctl(fd, FIONREAD, &count) == 0 ? count : -1;
}

}  // namespace

int Pty::waitingOnSlave() const { return waitingOn(slave_); }

bool Pty::awaitWaitingOnSlave(int count) const { return awaitWaiting(slave_, count); }

bool Pty::awaitWaitingOnMaster(int count) const { return awaitWaiting(master_, count); }

bool Pty::awaitWaiting(int fd, int count) {
    const QDeadlineTimer deadline(5000);
    while (waitingOn(fd) < count) {
        if (deadline.hasExpired()) return false;
        QThread::msleep(1);
    }
    return true;
}
