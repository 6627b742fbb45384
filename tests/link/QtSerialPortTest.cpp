#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <functional>

#include "PortFailureText.h"
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

TEST_F(QtSerialPortTest, OpenFailsQuietlyAndKeepsTheReason) {
    port_.setPortNumber(8);
    ASSERT_TRUE(QFile::link(folder_.filePath("no-such-device"), folder_.filePath("COM8")));
    EXPECT_FALSE(port_.open());
    EXPECT_FALSE(port_.isOpen());
    const SerialPort::OpenFailure failure = port_.lastOpenFailure();
    EXPECT_EQ(failure.kind, SerialPort::OpenFailure::Kind::Missing);
    EXPECT_EQ(failure.portNumber, 8);
    EXPECT_EQ(failure.linkPath, folder_.filePath("COM8"));
    EXPECT_EQ(failure.devicePath, folder_.filePath("no-such-device"));
    EXPECT_FALSE(failure.reason.isEmpty());

    port_.setPortNumber(7);
    for (const int32_t speed : {0, -9600}) {
        port_.setSpeed(115200);
        ASSERT_TRUE(port_.open());
        port_.setSpeed(speed);
        EXPECT_FALSE(port_.open()) << speed;
        EXPECT_FALSE(port_.isOpen()) << speed;
        EXPECT_EQ(port_.lastOpenFailure().kind, SerialPort::OpenFailure::Kind::Other);
    }
    port_.setSpeed(115200);
    ASSERT_TRUE(port_.open());
    EXPECT_EQ(port_.lastOpenFailure().kind, SerialPort::OpenFailure::Kind::None);
}

TEST(PortOpenFailureDetail, NamesTheDeviceTheReasonAndTheRemedy) {
    using Kind = SerialPort::OpenFailure::Kind;
    struct Row {
        SerialPort::OpenFailure failure;
        QStringList mentions;
        QStringList omits;
    };
    const Row rows[] = {
        {{Kind::PermissionDenied, 1, "/p/設定/COM1", "/dev/ttyUSB0", "Permission denied"},
         {"設定/COM1 のリンクで /dev/ttyUSB0", "Permission denied", "dialout", "usermod"},
         {"通信設定"}},
        {{Kind::Missing, 1, "", "/dev/ttyS0", "No such file or directory"},
         {"システムの番号で /dev/ttyS0", "No such file or directory", "通信設定"},
         {"dialout"}},
        {{Kind::Other, 2, "/p/設定/COM2", "/dev/pts/9", "Inappropriate ioctl for device"},
         {"/dev/pts/9", "Inappropriate ioctl for device"},
         {"dialout", "通信設定"}},
    };
    for (const Row& row : rows) {
        const QString detail = portOpenFailureDetail(row.failure);
        SCOPED_TRACE(detail.toStdString());
        for (const QString& text : row.mentions)
            EXPECT_TRUE(detail.contains(text)) << text.toStdString();
        for (const QString& text : row.omits)
            EXPECT_FALSE(detail.contains(text)) << text.toStdString();
    }
}

TEST(FrameLog, AppendsEveryFrameBothWaysWithTimeDirectionAndHex) {
    ensureCoreApplication();
    QTemporaryDir folder;
    Pty board;
    ASSERT_TRUE(board.ok());
    ASSERT_TRUE(QFile::link(board.slavePath(), folder.filePath("COM7")));
    QFile log(folder.filePath("frames.log"));
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.write("earlier run\n");
    log.close();

    qputenv("TAVELIN_TRACE", QFile::encodeName(log.fileName()));
    {
        QtSerialPort port(folder.path() + '/');
        qunsetenv("TAVELIN_TRACE");
        QByteArray received;
        port.setReceiveHandler([&](const QByteArray& bytes) { received += bytes; });
        port.setPortNumber(7);
        port.setSpeed(115200);
        ASSERT_TRUE(port.open());
        port.send(QByteArray("\xA9\x00\x0f", 3));
        EXPECT_EQ(board.awaitOutput(3).size(), 3);
        ASSERT_TRUE(board.write("\xAC"));
        ASSERT_TRUE(pumpUntil([&] { return !received.isEmpty(); }));
    }

    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5) << lines.join('|').toStdString();
    EXPECT_EQ(lines[0], "earlier run");
    EXPECT_TRUE(lines[1].startsWith("# "));
    const QString device =
        QRegularExpression::escape(QFileInfo(board.slavePath()).canonicalFilePath());
    EXPECT_TRUE(QRegularExpression("^\\d+ open " + device + " ok$").match(lines[2]).hasMatch())
        << lines[2].toStdString();
    EXPECT_TRUE(QRegularExpression("^\\d+ send A9 00 0F$").match(lines[3]).hasMatch())
        << lines[3].toStdString();
    EXPECT_TRUE(QRegularExpression("^\\d+ recv AC$").match(lines[4]).hasMatch())
        << lines[4].toStdString();
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

TEST_F(QtSerialPortTest, FrameLeavesWithoutWaitingForTheEventLoop) {
    ASSERT_TRUE(port_.open());
    port_.send("frame");
    EXPECT_TRUE(pty_.awaitWaitingOnMaster(5));
}

TEST_F(QtSerialPortTest, ResetFirstAndDiscardDropWhatWaitsToBeRead) {
    ASSERT_TRUE(port_.open());
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
