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

#include "Pty.h"
#include "QtSerialPort.h"

namespace {

QByteArray everyByteValue(int repeats) {
    QByteArray bytes;
    for (int r = 0; r < repeats; ++r) {
        for (int value = 0; value < 256; ++value) {
            bytes.append(static_cast<char>(value));
        }
    }
    return bytes;
}

class QtSerialPortTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureCoreApplication(); }

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

TEST_F(QtSerialPortTest, ResetFirstAndDiscardDropWhatWaits) {
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

    ASSERT_TRUE(pty_.write("late"));
    ASSERT_TRUE(pty_.awaitWaitingOnSlave(4));
    port_.discardReceived();
    ASSERT_TRUE(pty_.write("next"));
    ASSERT_TRUE(awaitReceived(10));
    EXPECT_EQ(received_, "fresh!next");
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
