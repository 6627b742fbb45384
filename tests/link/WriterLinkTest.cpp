#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "FakeSerialPort.h"
#include "LinkTestSupport.h"
#include "ScriptedDialogs.h"

using namespace LinkFrames;

namespace {

QByteArray hex(const char* text) { return QByteArray::fromHex(text); }

// A READ or VERIFY block reply as the board sends it.
QByteArray blockReply(uint8_t code, const QByteArray& data) {
    QByteArray reply = char(code) + data + char(EndMarker);
    uint8_t check = 0;
    for (qsizetype i = 1; i < reply.size(); ++i) check ^= uint8_t(reply[i]);
    return reply + char(check);
}

QByteArray pattern(int seed) {
    QByteArray data;
    for (int i = 0; i < 256; ++i) data += char((i * 7 + seed) & 0xFF);
    return data;
}

class WriterLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        port.open();
        selectDevice(state, window, 4);
    }

    void start(int operation, int unit) { startOperation(state, link, operation, unit); }
    void echoConfig() { port.deliver(port.sentFrames.last()); }
    // Answers every frame sent so far, and those sent in reply, from the emulated board. Each
    // frame went out with the length of the board's reply, which the port may size its reads to.
    void answerWith(WriterBoard& board) {
        while (answered_ < port.sentFrames.size()) {
            const qsizetype sent = answered_++;
            const QByteArray reply = toQBytes(board.receive(toVector(port.sentFrames[sent])));
            EXPECT_EQ(port.awaitedReplyLengths[sent], reply.size()) << sent;
            port.deliver(reply);
        }
    }
    void fillImage(const char16_t* cell) {
        for (int a = 0; a < 4 * 256; ++a) state.Image.set(a, cell);
    }
    QString imageText(int from, int count) const {
        QString text;
        for (int a = from; a < from + count; ++a) text += state.Image.at(a);
        return text;
    }
    int unit() const { return state.FlagTable[Flag::TransferUnit]; }

    ProgramState state;
    FakeSerialPort port;
    ScriptedDialogs dialogs;
    RecordingWindow window{state};
    WriterLink link{state, port, dialogs, window};
    qsizetype answered_ = 0;
};

TEST_F(WriterLinkTest, StartConfiguresFromBlockZeroAndTheEchoSendsTheFirstRequest) {
    window.moveBlockBar(2);
    start(Operation::Read, Unit::WholeMemory);
    EXPECT_EQ(state.CurrentBlock, 0);
    ASSERT_EQ(port.sentFrames.size(), 1);
    EXPECT_EQ(port.sentFrames[0],
              hex("a9a0a000000000000040000400ac") + char(0xA0 ^ 0xA0 ^ 0x40 ^ 0x04 ^ 0xAC));
    EXPECT_EQ(unit(), Unit::Configuration);
    EXPECT_EQ(state.SavedTransferUnit, Unit::WholeMemory);
    EXPECT_EQ(state.ConfigSentFlag, 1);
    EXPECT_EQ(window.colour, InformationColour);

    // A late reply still waiting in the port must not be taken for the echo.
    EXPECT_EQ(port.calls.mid(port.calls.size() - 2, 1), QStringList{"discardReceived"});

    echoConfig();
    EXPECT_EQ(window.messages, QStringList{"Config Completed"});
    EXPECT_EQ(unit(), Unit::WholeMemory);
    ASSERT_EQ(port.sentFrames.size(), 2);
    EXPECT_EQ(port.sentFrames[1], hex("a1ffac53"));
    EXPECT_EQ(state.ConfigSentFlag, 0);
    // The configuration reply leaves the timer running; the request enables it again.
    EXPECT_TRUE(window.timerRunning);
    EXPECT_EQ(window.timerStarts, 2);
}

TEST_F(WriterLinkTest, ChangedConfigurationEchoEndsOnlyByTheTimeOut) {
    start(Operation::Read, Unit::Block);
    QByteArray echo = port.sentFrames[0];
    echo[12] = char(echo[12] ^ 0x01);
    port.deliver(echo);
    EXPECT_EQ(window.messages, QStringList{"red Config DataError"});
    EXPECT_EQ(unit(), Unit::Block);
    EXPECT_EQ(port.sentFrames.size(), 1);
    EXPECT_TRUE(window.timerRunning);
    EXPECT_EQ(window.enables, 0);

    link.tmrWait_Timer();
    EXPECT_EQ(window.messages.last(), "red Conifig Timeover");
    EXPECT_EQ(port.calls.mid(port.calls.size() - 2), QStringList({"resetFirst", "resetSecond"}));
    EXPECT_FALSE(window.timerRunning);
    EXPECT_EQ(window.enables, 1);
}

TEST_F(WriterLinkTest, WrongFirstByteOfTheEchoRestoresTheUnitAndDropsTheDelivery) {
    start(Operation::Read, Unit::OneByte);
    port.deliver(char(0x00) + port.sentFrames[0]);
    EXPECT_EQ(unit(), Unit::OneByte);
    EXPECT_EQ(state.ReceiveCount, 0);
    EXPECT_TRUE(window.messages.isEmpty());
    EXPECT_EQ(port.sentFrames.size(), 1);
    link.tmrWait_Timer();
    EXPECT_EQ(window.messages, QStringList{"red Conifig Timeover"});
}

TEST_F(WriterLinkTest, BlockReplyGivesTheSameResultInAnyChunkingAndDropsWhatFollows) {
    const QByteArray reply = blockReply(0xA0, pattern(3));
    for (const int chunk : {1, 16, 100, 258}) {
        fillImage(u"00");
        window.messages.clear();
        window.moveBlockBar(1);
        start(Operation::Read, Unit::Block);
        echoConfig();
        const QByteArray body = reply.left(258);
        for (qsizetype i = 0; i < body.size(); i += chunk) port.deliver(body.mid(i, chunk));
        // Bytes after the complete reply would start a new one if they were kept.
        port.deliver(reply.right(1) + hex("a0a0a0"));
        EXPECT_EQ(window.messages, QStringList({"Config Completed", "Read Completed"})) << chunk;
        EXPECT_EQ(imageText(256, 256), QString::fromLatin1(pattern(3).toHex().toUpper()));
        EXPECT_EQ(imageText(0, 256), QString(512, '0'));
        EXPECT_EQ(state.ReceiveCount, 0) << chunk;
    }
}

TEST_F(WriterLinkTest, UnacceptedFirstByteDropsTheWholeDelivery) {
    start(Operation::Read, Unit::Block);
    echoConfig();
    const QByteArray reply = blockReply(0xA0, pattern(0));
    port.deliver(hex("a3") + reply);
    EXPECT_EQ(state.ReceiveCount, 0);
    EXPECT_EQ(window.messages.size(), 1);
    EXPECT_TRUE(window.timerRunning);
    port.deliver(reply);
    EXPECT_EQ(window.messages.last(), "Read Completed");
}

TEST_F(WriterLinkTest, FaultyReadBlockLeavesTheImageUnchanged) {
    QByteArray badCheck = blockReply(0xA0, pattern(1));
    badCheck[258] = char(badCheck[258] ^ 0x80);
    QByteArray badEnd = blockReply(0xA0, pattern(1));
    badEnd[257] = 0;
    const QByteArray otherCode = blockReply(0xA1, pattern(1));  // accepted first, then refused
    for (const QByteArray& reply : {badCheck, badEnd, otherCode}) {
        fillImage(u"ab");
        window.messages.clear();
        start(Operation::Read, Unit::Block);
        echoConfig();
        port.deliver(reply);
        EXPECT_TRUE(link.funRXD_BlockReadErrerCheck());
        EXPECT_EQ(window.messages.last(), "red 0 Read Error");
        EXPECT_EQ(imageText(0, 256), QString("ab").repeated(256));
    }
    EXPECT_EQ(window.enables, 3);
}

TEST_F(WriterLinkTest, WholeMemoryReadOfAOneBlockDeviceEndsWithTheFirstReply) {
    selectDevice(state, window, 1);
    start(Operation::Read, Unit::WholeMemory);
    echoConfig();
    port.deliver(blockReply(0xA1, pattern(0)));
    EXPECT_EQ(window.messages, QStringList({"Config Completed", "All Read Completed"}));
    EXPECT_EQ(port.sentFrames.size(), 2);
    EXPECT_EQ(window.enables, 1);
}

TEST_F(WriterLinkTest, OneBlockCodeInAWholeMemoryTransferIsFaulty) {
    fillImage(u"FF");
    const QByteArray erased(256, char(0xFF));
    const QList<std::tuple<int, QByteArray, QString>> cases = {
        {Operation::Read, blockReply(0xA0, erased), "red 0 Read Error"},
        {Operation::Verify, blockReply(0xA3, erased), "red 0 Verify Error"},
        {Operation::Write, hex("a6") + erased + hex("acac"), "red 0 Write Error"}};
    for (const auto& [operation, reply, message] : cases) {
        start(operation, Unit::WholeMemory);
        echoConfig();
        port.deliver(reply);
        EXPECT_EQ(window.messages.last(), message);
    }
    EXPECT_EQ(window.enables, 3);
}

TEST_F(WriterLinkTest, WholeMemoryWriteReadAndVerifyAgainstTheBoard) {
    WriterBoard board;
    for (int a = 0; a < 4 * 256; ++a) {
        state.Image.set(a, QString::number((a * 13 + 7) & 0xFF, 16).rightJustified(2, '0'));
    }
    const QString written = imageText(0, 1024);
    start(Operation::Write, Unit::WholeMemory);
    answerWith(board);
    EXPECT_EQ(window.messages,
              QStringList({"Config Completed", "0 Write Completed", "1 Write Completed",
                           "2 Write Completed", "All Write Completed"}));
    EXPECT_EQ(board.memory()[0x3FF], (0x3FF * 13 + 7) & 0xFF);
    EXPECT_EQ(board.memory()[0x400], 0xFF);

    fillImage(u"");
    window.messages.clear();
    start(Operation::Read, Unit::WholeMemory);
    answerWith(board);
    EXPECT_EQ(window.messages.last(), "All Read Completed");
    EXPECT_EQ(imageText(0, 1024), written.toUpper());
    EXPECT_EQ(state.CurrentBlock, 3);

    start(Operation::Verify, Unit::WholeMemory);
    answerWith(board);
    EXPECT_EQ(window.messages.last(), "All Verify Completed");

    state.Image.set(2 * 256 + 255, u"5a");
    board.memory()[2 * 256 + 255] = 0x5B;
    window.messages.clear();
    start(Operation::Verify, Unit::WholeMemory);
    answerWith(board);
    EXPECT_EQ(window.messages, QStringList({"Config Completed", "0 Verify Completed",
                                            "1 Verify Completed", "red 2 Verify Error"}));
    EXPECT_EQ(window.enables, 4);
    EXPECT_EQ(unit(), Unit::WholeMemory);
}

TEST_F(WriterLinkTest, OneByteTransfersFollowTheSelectedCell) {
    WriterBoard board;
    state.CurrentAddress = 0x234;
    state.Image.set(0x234, u"0a");
    start(Operation::Write, Unit::OneByte);
    answerWith(board);
    EXPECT_EQ(port.sentFrames[0].mid(5, 3), hex("000234"));  // the cell, not what arming left
    EXPECT_EQ(window.messages.last(), QStringLiteral("Write Completed：0x0A"));
    EXPECT_EQ(board.memory()[0x234], 0x0A);

    board.memory()[0x234] = 0x5A;
    start(Operation::Verify, Unit::OneByte);
    answerWith(board);
    EXPECT_EQ(window.messages.last(), QStringLiteral("red Verify Error：0x5A"));

    start(Operation::Read, Unit::OneByte);
    answerWith(board);
    EXPECT_EQ(window.messages.last(), QStringLiteral("Read Completed：0x5A"));
    EXPECT_EQ(state.Image.at(0x234), "5A");

    start(Operation::Write, Unit::OneByte);
    echoConfig();
    port.deliver(hex("a85bacf7"));  // an echo that differs from the frame sent
    EXPECT_EQ(window.messages.last(), QStringLiteral("red Write Error：0x5B"));
    EXPECT_EQ(window.enables, 4);
}

TEST_F(WriterLinkTest, CellThatIsNoByteIsReportedAndEndsTheOperation) {
    WriterBoard board;
    fillImage(u"00");
    state.Image.set(0x105, u"G1");
    dialogs.answers = {Answer::Retry, Answer::Cancel};
    start(Operation::Write, Unit::WholeMemory);
    answerWith(board);
    ASSERT_EQ(dialogs.shown.size(), 2);
    EXPECT_EQ(dialogs.shown[0].title, "prtLocal_AutoInput");
    EXPECT_TRUE(dialogs.shown[0].text.startsWith(QStringLiteral("自動受信処理に失敗しました\r\n")));
    EXPECT_EQ(port.sentFrames.size(), 2);  // configuration and block 0 only
    EXPECT_EQ(window.messages.last(), "red 1 Write Error");
    EXPECT_FALSE(window.timerRunning);
    EXPECT_EQ(window.enables, 1);

    for (int a = 0x100; a < 0x200; ++a) state.Image.set(a, u"FF");  // as the board holds it
    state.Image.set(0x105, u"");  // never loaded: VERIFY cannot compare it either
    window.moveBlockBar(1);
    start(Operation::Verify, Unit::Block);
    answerWith(board);
    EXPECT_EQ(dialogs.shown.size(), 3);
    EXPECT_EQ(window.messages.last(), "red 1 Verify Error");
    EXPECT_EQ(window.enables, 2);
}

// Once an operation has ended, or before any starts, whatever the board sends changes nothing:
// not the image, not the message line, and no frame goes out.
TEST_F(WriterLinkTest, BytesNobodyWaitsForChangeNothing) {
    const QByteArray goodBlock = blockReply(0xA0, pattern(9));
    QByteArray badCheck = blockReply(0xA0, pattern(1));
    badCheck[258] = char(badCheck[258] ^ 0x80);
    const QList<std::tuple<const char*, std::function<QByteArray()>>> cases = {
        // First, while nothing has run yet.
        {"well-formed write echo before any operation",
         [&] { return hex("a6") + QByteArray(256, char(0x11)) + hex("acac"); }},
        {"late block reply after the time-out",
         [&] {
             start(Operation::Read, Unit::Block);
             echoConfig();
             port.deliver(goodBlock.left(100));
             link.tmrWait_Timer();
             return goodBlock.mid(100);
         }},
        {"second reply after completion, with another block shown",
         [&] {
             start(Operation::Read, Unit::Block);
             echoConfig();
             port.deliver(blockReply(0xA0, pattern(1)));
             window.moveBlockBar(2);
             return goodBlock;
         }},
        {"good reply after a faulty one",
         [&] {
             start(Operation::Read, Unit::Block);
             echoConfig();
             port.deliver(badCheck);
             return goodBlock;
         }},
        {"stray bytes after a block read",
         [&] {
             start(Operation::Read, Unit::Block);
             echoConfig();
             port.deliver(goodBlock);
             window.moveBlockBar(3);
             return hex("a0") + QByteArray(258, char(0x31));
         }},
        {"second reply after a one-byte read",
         [&] {
             state.CurrentAddress = 7;
             start(Operation::Read, Unit::OneByte);
             echoConfig();
             port.deliver(hex("a244ace8"));
             return hex("a233ac9f");
         }},
        {"late reply that would resume a whole-memory read",
         [&] {
             start(Operation::Read, Unit::WholeMemory);
             echoConfig();
             link.tmrWait_Timer();
             return blockReply(0xA1, pattern(9));
         }},
    };
    for (const auto& [name, endedOperation] : cases) {
        SCOPED_TRACE(name);
        fillImage(u"5A");
        window.moveBlockBar(0);
        const QByteArray stray = endedOperation();
        const QString image = imageText(0, 4 * 256);
        const QStringList messages = window.messages;
        const auto sent = port.sentFrames.size();
        const int enables = window.enables;
        const int block = state.CurrentBlock;

        port.deliver(stray);
        EXPECT_EQ(imageText(0, 4 * 256), image);
        EXPECT_EQ(window.messages, messages);
        EXPECT_EQ(port.sentFrames.size(), sent);
        EXPECT_EQ(window.enables, enables);
        EXPECT_EQ(state.CurrentBlock, block);
    }
}

// A vanished port cannot bring the reply: the operation ends with its time-out message at once.
TEST_F(WriterLinkTest, PortLostEndsARunningOperationAtOnce) {
    const QList<std::tuple<const char*, std::function<void()>, QStringList, int>> cases = {
        {"idle", [] {}, {}, 0},
        {"configuration exchange", [&] { start(Operation::Read, Unit::Block); },
         {"red Conifig Timeover"}, 1},
        {"block transfer",
         [&] {
             start(Operation::Verify, Unit::WholeMemory);
             echoConfig();
         },
         {"Config Completed", QStringLiteral("red 受信タイムオーバー")}, 1},
    };
    for (const auto& [name, begin, messages, enables] : cases) {
        SCOPED_TRACE(name);
        port.open();
        window.messages.clear();
        window.enables = 0;
        window.portLosses = 0;
        begin();
        port.hangUp();
        EXPECT_EQ(window.portLosses, 1);
        EXPECT_EQ(window.messages, messages);
        EXPECT_EQ(window.enables, enables);
        EXPECT_FALSE(window.timerRunning);
        EXPECT_NE(unit(), Unit::Configuration);
    }
}

}  // namespace
