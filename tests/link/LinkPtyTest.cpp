#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <functional>

#include "LinkTestSupport.h"
#include "Pty.h"
#include "QtSerialPort.h"
#include "ScriptedDialogs.h"

using namespace LinkFrames;

namespace {

// The program's port layer against the board emulator on a pseudo-terminal, through a COM<n>
// link as the program folder has it.
class LinkPtyTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureCoreApplication(); }

    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        ASSERT_TRUE(pty_.ok());
        ASSERT_TRUE(QFile::link(pty_.slavePath(), folder_.filePath("COM3")));
        port_.setPortNumber(3);
        port_.setSpeed(115200);
        ASSERT_TRUE(port_.open());
        selectDevice(state_, window_, 128);  // 32 KiB
    }

    // Runs the board on the master side and the event loop until the operation has ended.
    bool runOperation(int operation) {
        window_.enables = 0;
        startOperation(state_, link_, operation, Unit::WholeMemory);
        return answerUntil([&] { return window_.enables > 0; }) && window_.enables == 1;
    }

    bool answerUntil(const std::function<bool()>& done) {
        const QDeadlineTimer deadline(10000);
        while (!done() && !deadline.hasExpired()) {
            const QByteArray line = pty_.awaitOutput(0);  // whatever has come, without waiting
            const std::vector<uint8_t> answer = board_.receive(toVector(line.mid(consumed_)));
            consumed_ = line.size();
            if (!answer.empty() && !pty_.write(toQBytes(answer))) return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::usleep(200);
        }
        return done();
    }

    QTemporaryDir folder_;
    Pty pty_;
    QtSerialPort port_{folder_.path() + '/'};
    WriterBoard board_;
    qsizetype consumed_ = 0;
    ProgramState state_;
    ScriptedDialogs dialogs_;
    RecordingWindow window_{state_};
    WriterLink link_{state_, port_, dialogs_, window_};
};

TEST_F(LinkPtyTest, WholeMemoryWriteReadAndVerifyOfA32KiBDevice) {
    for (int a = 0; a < 0x8000; ++a) state_.Image.set(a, hexByte(uint8_t(a * 31 + (a >> 8))));
    const DataImage written = state_.Image;

    ASSERT_TRUE(runOperation(Operation::Write));
    EXPECT_EQ(window_.messages.last(), "All Write Completed");
    EXPECT_EQ(board_.memory()[0x7FFF], uint8_t(0x7FFF * 31 + 0x7F));
    EXPECT_EQ(board_.memory()[0x8000], 0xFF);

    for (int a = 0; a < 0x8000; ++a) state_.Image.set(a, u"00");
    ASSERT_TRUE(runOperation(Operation::Read));
    EXPECT_EQ(window_.messages.last(), "All Read Completed");
    int differences = 0;
    for (int a = 0; a < 0x8000; ++a) differences += state_.Image.at(a) != written.at(a);
    EXPECT_EQ(differences, 0);

    ASSERT_TRUE(runOperation(Operation::Verify));
    EXPECT_EQ(window_.messages.last(), "All Verify Completed");
    EXPECT_EQ(window_.messages.filter(" Error").size(), 0);
    EXPECT_TRUE(dialogs_.shown.isEmpty());
    EXPECT_EQ(board_.rejectedFrames(), 0);
}

}  // namespace

namespace {

// How often the event loop wakes while it runs `ms` milliseconds with nothing to do.
int wakeUpsWhileIdle(int ms) {
    int wakeUps = 0;
    const QMetaObject::Connection counting =
        QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake,
                         [&] { ++wakeUps; });
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(counting);
    return wakeUps;
}

TEST_F(LinkPtyTest, BoardGoneMidTransferEndsTheOperationAtOnceAndLeavesTheLoopIdle) {
    startOperation(state_, link_, Operation::Read, Unit::WholeMemory);
    ASSERT_TRUE(answerUntil([&] { return window_.messages.contains("3 Read Completed"); }));
    pty_.hangUp();

    // No wait timer runs here: only the port's report of the loss can end the operation.
    ASSERT_TRUE(pumpUntil([&] { return window_.enables > 0; }));
    EXPECT_EQ(window_.messages.last(), QStringLiteral("red 受信タイムオーバー"));
    EXPECT_EQ(window_.portLosses, 1);
    EXPECT_FALSE(port_.isOpen());
    // A hung-up line still polled would wake the loop thousands of times in this period.
    EXPECT_LT(wakeUpsWhileIdle(200), 20);
    EXPECT_EQ(window_.portLosses, 1);
}

}  // namespace
