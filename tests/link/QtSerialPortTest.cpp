#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <functional>

#include "QtSerialPort.h"

namespace {

// QSerialPort needs an event dispatcher; one application object serves the whole executable and
// is never destroyed.
void ensureApplication() {
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "link_tests";
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

QByteArray everyByteValue(int repeats) {
    QByteArray bytes;
    for (int r = 0; r < repeats; ++r) {
        for (int value = 0; value < 256; ++value) {
            bytes.append(static_cast<char>(value));
        }
    }
    return bytes;
}

// A pseudo-terminal standing in for the writer board; the test talks through the master side.
// The line is left in its default cooked mode (echo, CR/LF mapping, XON/XOFF) on purpose: bytes
// only pass unchanged when the port under test makes it raw.
class Pty {
public:
    Pty() {
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
    ~Pty() {
        if (slave_ >= 0) ::close(slave_);
        if (master_ >= 0) ::close(master_);
    }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    bool ok() const { return master_ >= 0 && slave_ >= 0; }
    QString slavePath() const { return slavePath_; }

    // Writes everything, running the event loop while the line is full.
    bool write(const QByteArray& bytes) {
        qsizetype done = 0;
        return pumpUntil([&] {
            const ssize_t n = ::write(master_, bytes.constData() + done, bytes.size() - done);
            done += n > 0 ? n : 0;
            return done == bytes.size();
        });
    }

    // Everything the port has sent so far, once at least `size` bytes have come.
    QByteArray awaitOutput(qsizetype size) {
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

    // Bytes written on the master that nobody has read from the slave yet.
    int waitingOnSlave() const {
        int count = 0;
        return ioctl(slave_, FIONREAD, &count) == 0 ? count : -1;
    }

    // Waits, without running the event loop, until `count` bytes wait on the slave.
    bool awaitWaitingOnSlave(int count) const {
        const QDeadlineTimer deadline(5000);
        while (waitingOnSlave() < count) {
            if (deadline.hasExpired()) return false;
            QThread::msleep(1);
        }
        return true;
    }

private:
    int master_ = -1;
    int slave_ = -1;
    QString slavePath_;
    QByteArray output_;
};

class QtSerialPortTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }

    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        ASSERT_TRUE(pty_.ok());
        ASSERT_TRUE(QFile::link(pty_.slavePath(), folder_.filePath("COM7")));
        port_.setPortNumber(7);
        port_.setSpeed(115200);
        port_.setReceiveHandler([this](const QByteArray& bytes) { received_ += bytes; });
    }

    bool awaitReceived(qsizetype size) {
        return pumpUntil([&] { return received_.size() >= size; });
    }

    QTemporaryDir folder_;
    Pty pty_;
    QtSerialPort port_{folder_.path() + '/'};
    QByteArray received_;
};

TEST(PortDevicePathTest, ComLinkInSettingsFolderWinsOverSystemNumbering) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path() + '/';
    QFile device(folder + "ttyBoard");
    ASSERT_TRUE(device.open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile::link(folder + "ttyBoard", folder + "COM1"));
    ASSERT_TRUE(QFile::link(folder + "COM1", folder + "COM2"));
    ASSERT_TRUE(QFile::link(folder + "gone", folder + "COM4"));
    const QString devicePath = QFileInfo(device).canonicalFilePath();

    EXPECT_EQ(portDevicePath(folder, 1), devicePath);
    EXPECT_EQ(portDevicePath(folder, 2), devicePath);  // chains are followed to the end
    // A dangling link must not fall back to a real port under the same number.
    EXPECT_EQ(portDevicePath(folder, 4), QFileInfo(folder + "gone").absoluteFilePath());

    EXPECT_EQ(portDevicePath(folder, 3), "/dev/ttyS2");
    EXPECT_EQ(portDevicePath(folder, 11), "/dev/ttyS10");  // COM1 is no prefix match for COM11
    EXPECT_EQ(portDevicePath("", 1), "/dev/ttyS0");
    EXPECT_FALSE(QFileInfo::exists(portDevicePath(folder, 0)));
}

TEST_F(QtSerialPortTest, OpensThroughComLinkAndReopens) {
    EXPECT_FALSE(port_.isOpen());
    ASSERT_TRUE(port_.open());
    EXPECT_TRUE(port_.isOpen());

    ASSERT_TRUE(port_.open());  // open while open starts over with the same settings
    port_.send("a");
    EXPECT_EQ(pty_.awaitOutput(1), "a");

    port_.close();
    EXPECT_FALSE(port_.isOpen());
    port_.close();
    ASSERT_TRUE(port_.open());
    ASSERT_TRUE(pty_.write("b"));
    ASSERT_TRUE(awaitReceived(1));
    EXPECT_EQ(received_, "b");
}

TEST_F(QtSerialPortTest, OpenFailsQuietly) {
    port_.setPortNumber(8);
    ASSERT_TRUE(QFile::link(folder_.filePath("no-such-device"), folder_.filePath("COM8")));
    EXPECT_FALSE(port_.open());
    EXPECT_FALSE(port_.isOpen());

    port_.setPortNumber(7);
    for (const int32_t speed : {0, -9600}) {
        port_.setSpeed(115200);
        ASSERT_TRUE(port_.open());
        port_.setSpeed(speed);
        EXPECT_FALSE(port_.open()) << speed;
        EXPECT_FALSE(port_.isOpen()) << speed;
    }
}

TEST_F(QtSerialPortTest, ClosedPortIgnoresCalls) {
    port_.send("never");
    port_.resetFirst();
    port_.resetSecond();
    port_.close();
    EXPECT_FALSE(port_.isOpen());

    ASSERT_TRUE(port_.open());
    port_.close();
    port_.send("lost");
    ASSERT_TRUE(port_.open());
    port_.send("kept");
    EXPECT_EQ(pty_.awaitOutput(4), "kept");
}

TEST_F(QtSerialPortTest, FrameSentJustBeforeCloseStillGoesOut) {
    ASSERT_TRUE(port_.open());
    port_.send("last");
    port_.close();
    EXPECT_EQ(pty_.awaitOutput(4), "last");
}

TEST_F(QtSerialPortTest, ReceivesEveryByteValueUnchangedAndInOrder) {
    const QByteArray bytes = everyByteValue(40);
    ASSERT_TRUE(port_.open());
    ASSERT_TRUE(pty_.write(bytes));
    ASSERT_TRUE(awaitReceived(bytes.size()));
    EXPECT_EQ(received_, bytes);
}

TEST_F(QtSerialPortTest, SendsEveryByteValueUnchangedAndInOrder) {
    const QByteArray bytes = everyByteValue(40);
    ASSERT_TRUE(port_.open());
    port_.send(bytes.left(1));
    port_.send(bytes.mid(1));
    EXPECT_EQ(pty_.awaitOutput(bytes.size()), bytes);
}

TEST_F(QtSerialPortTest, ResetFirstDropsWhatWaitsInBothDirections) {
    ASSERT_TRUE(port_.open());
    port_.send("stale");  // still in the port's buffer: the event loop has not run
    ASSERT_TRUE(pty_.write("stale"));
    ASSERT_TRUE(pty_.awaitWaitingOnSlave(5));

    port_.resetFirst();
    port_.resetSecond();
    port_.send("fresh!");
    ASSERT_TRUE(pty_.write("fresh!"));

    EXPECT_EQ(pty_.awaitOutput(6), "fresh!");
    ASSERT_TRUE(awaitReceived(6));
    EXPECT_EQ(received_, "fresh!");
}

TEST_F(QtSerialPortTest, HandlerMaySendOrReplaceItself) {
    const QByteArray prefix = "re:";
    port_.setReceiveHandler([this, prefix](const QByteArray& bytes) {
        port_.setReceiveHandler([this](const QByteArray& later) { received_ += later; });
        port_.send(prefix + bytes);  // the replaced handler's own state is still in use here
    });
    ASSERT_TRUE(port_.open());
    ASSERT_TRUE(pty_.write("x"));
    EXPECT_EQ(pty_.awaitOutput(4), "re:x");
    ASSERT_TRUE(pty_.write("y"));
    ASSERT_TRUE(awaitReceived(1));
    EXPECT_EQ(received_, "y");
}

TEST_F(QtSerialPortTest, HandlerMayClosePort) {
    port_.setReceiveHandler([this](const QByteArray& bytes) {
        received_ += bytes;
        port_.close();
    });
    ASSERT_TRUE(port_.open());
    ASSERT_TRUE(pty_.write("bye"));
    ASSERT_TRUE(pumpUntil([&] { return !port_.isOpen(); }));
    EXPECT_TRUE(QByteArray("bye").startsWith(received_));
    EXPECT_FALSE(received_.isEmpty());
}

TEST_F(QtSerialPortTest, BytesReadDuringNestedEventLoopAreStillDelivered) {
    // A handler showing a message box runs a nested event loop; whatever the port reads meanwhile
    // must still reach the handler without waiting for further bytes.
    bool nested = false;
    port_.setReceiveHandler([&](const QByteArray& bytes) {
        received_ += bytes;
        if (nested) return;
        nested = true;
        ASSERT_TRUE(pty_.write("later"));
        ASSERT_TRUE(pty_.awaitWaitingOnSlave(5));
        ASSERT_TRUE(pumpUntil([&] { return pty_.waitingOnSlave() == 0; }));
    });
    ASSERT_TRUE(port_.open());
    ASSERT_TRUE(pty_.write("first"));
    ASSERT_TRUE(awaitReceived(10));
    EXPECT_EQ(received_, "firstlater");
}

}  // namespace
