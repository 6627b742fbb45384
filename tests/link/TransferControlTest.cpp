// Stopping a whole-memory transfer, its progress, VERIFY differences and the VERIFY that follows a
// WRITE, against the board's answering logic.

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "FakeSerialPort.h"
#include "LinkTestSupport.h"
#include "ProgramError.h"
#include "ScriptedDialogs.h"
#include "TransferProgress.h"

using namespace LinkFrames;

namespace {

class TransferControl : public ::testing::Test {
protected:
    void SetUp() override {
        port.open();
        selectDevice(state, window, 4);
        for (int a = 0; a < 4 * 256; ++a) state.Image.set(a, u"5A");
        std::fill(board.memory().begin(), board.memory().end(), 0x5A);
    }

    void start(int operation, int unit) { startOperation(state, link, operation, unit); }
    // Answers the frames sent so far and those sent in reply, `frames` of them at most.
    void answer(int frames = INT_MAX) {
        for (; frames > 0 && answered_ < port.sentFrames.size(); --frames) {
            port.deliver(toQBytes(board.receive(toVector(port.sentFrames[answered_++]))));
        }
    }
    QString imageText(int from, int count) const {
        QString text;
        for (int a = from; a < from + count; ++a) text += state.Image.at(a);
        return text;
    }

    ProgramState state;
    FakeSerialPort port;
    ScriptedDialogs dialogs;
    RecordingWindow window{state};
    WriterLink link{state, port, dialogs, window};
    WriterBoard board;
    qsizetype answered_ = 0;
};

}  // namespace

TEST_F(TransferControl, StopEndsAWholeMemoryReadAfterTheBlockInFlight) {
    for (int a = 0; a < 4 * 256; ++a) board.memory()[a] = uint8_t(a >> 8);
    start(Operation::Read, Unit::WholeMemory);
    answer(2);           // the configuration and block 0
    link.requestStop();  // while block 1 is in flight
    answer();
    EXPECT_EQ(window.messages.last(), "red Read Stopped at block 1");
    EXPECT_EQ(port.sentFrames.size(), 3);
    EXPECT_EQ(imageText(0, 512), QString("00").repeated(256) + QString("01").repeated(256));
    EXPECT_EQ(imageText(512, 512), QString("5A").repeated(512));
    EXPECT_EQ(window.progress, QStringList({"0/4", "1/4", "2/4"}));
    EXPECT_EQ(window.enables, 1);
    EXPECT_FALSE(window.timerRunning);
    // The blocks read are one undo step, closed when the operation ended.
    EXPECT_EQ(state.History.stepCount(), 1u);

    // A request while nothing runs, or left from the last run, stops nothing.
    link.requestStop();
    window.progress.clear();
    start(Operation::Read, Unit::WholeMemory);
    answer();
    EXPECT_EQ(window.messages.last(), "All Read Completed");
    EXPECT_EQ(window.progress, QStringList({"0/4", "1/4", "2/4", "3/4", "4/4"}));
    EXPECT_EQ(state.History.stepCount(), 2u);
    state.History.undo(state.Image, state.EditMarks, DataImage::Size);
    state.History.undo(state.Image, state.EditMarks, DataImage::Size);
    EXPECT_EQ(imageText(0, 1024), QString("5A").repeated(1024));
}

TEST_F(TransferControl, VerifyDifferencesAreReportedWhereTheyAreAndTheImageStays) {
    const QList<std::tuple<const char*, int, QList<int>, QString, QString>> cases = {
        {"one byte",
         Unit::OneByte,
         {0x123},
         QStringLiteral("red Verify Error：0x5B"),
         QStringLiteral("0x00123: 5A ≠ 5B (1 byte differs)")},
        {"block",
         Unit::Block,
         {0x1FF, 0x112, 0x150},
         "red 1 Verify Error",
         QStringLiteral("0x00112: 5A ≠ 5B (3 bytes differ)")},
        {"whole memory",
         Unit::WholeMemory,
         {0x2A0, 0x3A0},
         "red 2 Verify Error",
         QStringLiteral("0x002A0: 5A ≠ 5B (1 byte differs)")},
    };
    for (const auto& [name, unit, changed, message, difference] : cases) {
        SCOPED_TRACE(name);
        window.moveBlockBar(1);
        state.CurrentAddress = 0x123;
        window.differences.clear();
        for (const int a : changed) board.memory()[a] = 0x5B;
        start(Operation::Verify, unit);
        answer();
        EXPECT_EQ(window.messages.last(), message);
        EXPECT_EQ(window.differences, QStringList{difference});
        EXPECT_EQ(imageText(0, 1024), QString("5A").repeated(1024));
        for (const int a : changed) board.memory()[a] = 0x5A;
    }
}

TEST_F(TransferControl, WriteIsFollowedByItsVerifyWhenAsked) {
    const QList<std::tuple<const char*, bool, int, int, QString>> cases = {
        {"off", false, Unit::WholeMemory, -1, "All Write Completed"},
        {"whole memory", true, Unit::WholeMemory, -1, "All Write Completed / All Verify Completed"},
        {"whole memory, changed byte", true, Unit::WholeMemory, 0x2A0,
         "red All Write Completed / 2 Verify Error"},
        {"block, changed byte", true, Unit::Block, 0x1FF, "red Write Completed / 1 Verify Error"},
        {"one byte", true, Unit::OneByte, -1,
         QStringLiteral("Write Completed：0x5A / Verify Completed：0x5A")},
    };
    for (const auto& [name, verifyAfterWrite, unit, flip, message] : cases) {
        SCOPED_TRACE(name);
        board = WriterBoard({.flipAddress = flip});
        port.sentFrames.clear();
        answered_ = 0;
        window.enables = 0;
        window.moveBlockBar(1);
        state.CurrentAddress = 0x123;
        link.setVerifyAfterWrite(verifyAfterWrite);
        start(Operation::Write, unit);
        answer();
        EXPECT_EQ(window.messages.last(), message);
        EXPECT_EQ(window.enables, 1);
        if (!verifyAfterWrite) continue;
        // The VERIFY configures the board again, from the start of the range written.
        const QByteArray first = port.sentFrames[0];
        EXPECT_EQ(port.sentFrames.count(first), 2);
    }
}

TEST(TransferProgress, TimeLeftFollowsTheTimePerBlockSoFar) {
    const QList<std::tuple<int, int, int64_t, QString>> cases = {
        {0, 512, 0, QStringLiteral("経過 0:00 / 残り --:--")},
        {1, 512, 260, QStringLiteral("経過 0:00 / 残り 2:13")},
        {256, 512, 61000, QStringLiteral("経過 1:01 / 残り 1:01")},
        {3, 4, 3700000, QStringLiteral("経過 61:40 / 残り 20:34")},
        {512, 512, 125400, QStringLiteral("経過 2:05 / 残り 0:00")},
    };
    for (const auto& [done, total, elapsed, text] : cases) {
        EXPECT_EQ((TransferProgress{done, total, elapsed}.text()), text) << done;
    }
}

TEST(VerifyDifferences, CellThatIsNoByteIsAnErrorOnlyBeforeTheFirstDifference) {
    DataImage image;
    for (int a = 0; a < 8; ++a) image.set(a, u"5a");
    image.set(3, u"G1");
    std::array<uint8_t, 8> chip;
    chip.fill(0x5A);
    EXPECT_THROW(compareWithImage(image, 0, chip), ProgramError);
    chip[1] = 0x5B;
    const VerifyDifferences found = compareWithImage(image, 0, chip);
    EXPECT_EQ(found.offsets, (std::vector<int>{1, 3}));
    EXPECT_EQ(found.text(), QStringLiteral("0x00001: 5A ≠ 5B (2 bytes differ)"));
}
