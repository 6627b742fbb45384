// The writer operations from the main window's buttons, against the board's answering logic.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <climits>
#include <span>

#include "Colours.h"
#include "LinkFrames.h"
#include "ProgramFolder.h"
#include "WriterBoard.h"

namespace {

using namespace SampleDevice;

class Operation : public ::testing::Test {
protected:
    void SetUp() override { fx.start(); }

    QPushButton* comm(int i) const {
        return fx.control<QPushButton>(QStringLiteral("cmdComm(%1)").arg(i));
    }
    QString message() const { return fx.control<QLabel>("lblMessage")->text(); }
    // Hands every frame the program sent since the last call to the board and its answers back,
    // `frames` of them at most.
    void answer(int frames = INT_MAX) {
        for (; frames > 0 && answered_ < fx.port.sentFrames.size(); --frames) {
            const QByteArray frame = fx.port.sentFrames[answered_++];
            const auto reply = board.receive(std::span(
                reinterpret_cast<const uint8_t*>(frame.constData()), std::size_t(frame.size())));
            fx.port.deliver(QByteArray(reinterpret_cast<const char*>(reply.data()),
                                       static_cast<qsizetype>(reply.size())));
        }
    }
    QByteArray configFrame() const { return fx.port.sentFrames.value(0); }

    ProgramFolder folder;
    MainWindowFixture fx{folder};
    WriterBoard board;
    qsizetype answered_ = 0;
};

}  // namespace

TEST_F(Operation, ArmingThenCancelSendsNothingAndRestoresTheFrame) {
    fx.selectDevice(k24C04);
    folder.replaceSettingLine("device.txt", k24C04 * 9 + 2, "0");  // page writes off
    fx.selectDevice(0);
    fx.selectDevice(k24C04);
    EXPECT_FALSE(comm(0)->isEnabled());  // WRITE needs a page size for a block

    comm(1)->click();
    EXPECT_EQ(comm(1)->text(), QStringLiteral("START"));
    EXPECT_EQ(comm(3)->text(), QStringLiteral("CANCEL"));
    EXPECT_EQ(message(), QStringLiteral("【START】を押して【READ】開始"));
    EXPECT_FALSE(fx.control<QTabWidget>("sstBase")->isEnabled());
    comm(3)->click();
    EXPECT_TRUE(fx.port.sentFrames.isEmpty());
    EXPECT_EQ(comm(1)->text(), QStringLiteral("READ"));
    EXPECT_EQ(comm(3)->text(), QStringLiteral("PROPERTY"));
    EXPECT_EQ(message(), QString());
    EXPECT_FALSE(fx.state->OperationRunning);
    EXPECT_TRUE(comm(0)->isEnabled());  // CANCEL enables WRITE whatever the page size
    EXPECT_TRUE(fx.control<QLineEdit>("txtData(9)")->isEnabled());
}

TEST_F(Operation, OneByteUnitAndPageSizeDecideWrite) {
    folder.replaceSettingLine("device.txt", SampleDevice::k24C256 * 9 + 2, "0");
    fx.selectDevice(0);
    fx.selectDevice(k24C256);
    fx.control<QRadioButton>("optComm(1)")->click();
    EXPECT_FALSE(comm(0)->isEnabled());
    fx.control<QRadioButton>("optComm(2)")->click();
    EXPECT_TRUE(comm(0)->isEnabled());
    EXPECT_EQ(fx.state->FlagTable[2], 2);
}

TEST_F(Operation, WholeMemoryReadStartsAtBlockZeroAndFillsTheImage) {
    fx.selectDevice(k24C04);
    for (int i = 0; i < 512; ++i) board.memory()[static_cast<std::size_t>(i)] = uint8_t(i * 7);
    fx.control<QLineEdit>("txtBlock")->setText(QStringLiteral("1"));
    fx.control<QRadioButton>("optComm(1)")->click();
    comm(1)->click();
    comm(1)->click();  // START
    EXPECT_EQ(fx.state->CurrentBlock, 0);
    EXPECT_EQ(configFrame().mid(5, 3), QByteArray::fromHex("000000"));
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(comm(i)->isEnabled());
    answer();
    EXPECT_EQ(message(), QStringLiteral("All Read Completed"));
    EXPECT_EQ(fx.state->Image.at(0x1FF), QStringLiteral("F9"));  // 0x1FF * 7 & 0xFF
    EXPECT_EQ(fx.state->Image.at(0x0A), QStringLiteral("46"));
    EXPECT_EQ(fx.state->CurrentBlock, 1);
    EXPECT_EQ(comm(1)->text(), QStringLiteral("READ"));
    EXPECT_TRUE(comm(1)->isEnabled());
}

TEST_F(Operation, BlockWriteUsesTheBlockShownAtArmingAndOneByteTheSelectedCell) {
    fx.control<QLineEdit>("txtBlock")->setText(QStringLiteral("3"));
    comm(0)->click();
    comm(0)->click();
    EXPECT_EQ(configFrame().mid(5, 3), QByteArray::fromHex("000300"));
    answer();
    EXPECT_EQ(message(), QStringLiteral("Write Completed"));
    EXPECT_EQ(board.memory()[0x300], uint8_t(fx.state->Image.at(0x300).toUInt(nullptr, 16)));

    fx.port.sentFrames.clear();
    answered_ = 0;
    fx.control<QLineEdit>("txtBlock")->setText(QStringLiteral("18"));
    QTest::mouseClick(fx.control<QLineEdit>("txtData(52)"), Qt::LeftButton);  // 0x1234
    fx.control<QRadioButton>("optComm(2)")->click();
    comm(1)->click();
    comm(1)->click();
    EXPECT_EQ(configFrame().mid(5, 3), QByteArray::fromHex("001234"));
    board.memory()[0x1234] = 0x5C;
    answer();
    EXPECT_EQ(message(), QStringLiteral("Read Completed：0x5C"));
    EXPECT_EQ(fx.state->Image.at(0x1234), QStringLiteral("5C"));
}

TEST_F(Operation, SilentBoardEndsInTheTimeOut) {
    comm(2)->click();
    comm(2)->click();
    ASSERT_EQ(fx.port.sentFrames.size(), 1);
    auto* timer = fx.window->findChild<QTimer*>(QStringLiteral("tmrWait"));
    ASSERT_TRUE(timer->isActive());
    fx.window->tmrWait_Timer();  // the tick, 5 s later
    EXPECT_EQ(message(), QStringLiteral("Conifig Timeover"));
    EXPECT_FALSE(timer->isActive());
    EXPECT_FALSE(fx.state->OperationRunning);
    EXPECT_TRUE(comm(2)->isEnabled());
    EXPECT_EQ(fx.state->FlagTable[2], 0);  // the unit is back from the configuration exchange
}

TEST_F(Operation, LostPortEndsTheOperationAndStartOpensItAgain) {
    auto* fraComm = fx.control<QGroupBox>("fraComm");
    comm(1)->click();
    comm(1)->click();
    fx.port.hangUp();
    EXPECT_EQ(message(), QStringLiteral("Conifig Timeover"));
    EXPECT_FALSE(fx.window->findChild<QTimer*>(QStringLiteral("tmrWait"))->isActive());
    EXPECT_FALSE(fx.state->OperationRunning);
    EXPECT_EQ(fraComm->title(), QStringLiteral("デバイス通信 ポートエラー"));
    EXPECT_EQ(textColour(fraComm), QColor(255, 0, 0));

    // START finds the port closed and tries it again; while it stays closed the user is told and
    // the operation stays armed.
    fx.port.sentFrames.clear();
    fx.port.openResult = false;
    comm(1)->click();
    comm(1)->click();
    ASSERT_EQ(fx.dialogs.shown.size(), 1);
    EXPECT_TRUE(
        fx.dialogs.shown[0].text.startsWith(QStringLiteral("通信ポートをオープンできませんでした。")));
    EXPECT_TRUE(fx.port.sentFrames.isEmpty());
    EXPECT_EQ(comm(1)->text(), QStringLiteral("START"));
    EXPECT_TRUE(comm(1)->isEnabled());

    fx.port.openResult = true;
    comm(1)->click();
    EXPECT_EQ(fraComm->title(), QStringLiteral("デバイス通信 COM 1"));
    EXPECT_NE(textColour(fraComm), QColor(255, 0, 0));
    answer();
    EXPECT_EQ(message(), QStringLiteral("Read Completed"));
}

TEST_F(Operation, WholeMemoryProgressAndStopByEsc) {
    auto* bar = fx.control<QProgressBar>("prgTransfer");
    auto* time = fx.control<QLabel>("lblTransferTime");
    auto* stop = fx.control<QPushButton>("cmdStop");
    EXPECT_FALSE(bar->isVisible() || time->isVisible() || stop->isVisible());
    fx.control<QRadioButton>("optComm(1)")->click();
    comm(1)->click();
    comm(1)->click();
    answer(4);  // the configuration and blocks 0 to 2 of 128
    EXPECT_TRUE(bar->isVisible() && time->isVisible() && stop->isEnabled());
    // Shown with the grid, within a frame time.
    EXPECT_TRUE(QTest::qWaitFor([&] { return bar->value() == 3; }, 1000)) << bar->value();
    EXPECT_EQ(bar->maximum(), 128);
    EXPECT_TRUE(time->text().startsWith(QStringLiteral("経過 0:00 / 残り ")))
        << time->text().toStdString();

    fx.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fx.window.get()));
    QTest::keyClick(fx.window.get(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !stop->isEnabled(); }));  // a shortcut clicks late
    answer();
    EXPECT_EQ(message(), QStringLiteral("Read Stopped at block 3"));
    EXPECT_EQ(textColour(fx.control<QLabel>("lblMessage")), QColor(255, 0, 0));
    EXPECT_EQ(fx.port.sentFrames.size(), 5);
    EXPECT_FALSE(bar->isVisible() || time->isVisible() || stop->isVisible());
    EXPECT_FALSE(fx.state->OperationRunning);
    EXPECT_TRUE(comm(1)->isEnabled());
}

TEST_F(Operation, VerifyMarksTheDifferingCellsUntilTheNextOperation) {
    for (int a = 0; a < 256; ++a) {
        board.memory()[a] = uint8_t(fx.state->Image.at(a).toUInt(nullptr, 16));
    }
    for (const int a : {0x12, 0x50, 0xFF}) board.memory()[a] ^= 0x80;
    const QString image = fx.state->Image.at(0x12);
    const auto marked = [&](int cell) {
        return backColour(fx.control<QLineEdit>(QStringLiteral("txtData(%1)").arg(cell))) ==
               QColor(255, 128, 0);
    };
    comm(2)->click();
    comm(2)->click();
    answer();
    EXPECT_EQ(message(), QStringLiteral("0 Verify Error"));
    EXPECT_TRUE(marked(0x12) && marked(0x50) && marked(0xFF));
    EXPECT_FALSE(marked(0x13));
    auto* time = fx.control<QLabel>("lblTransferTime");
    EXPECT_TRUE(time->isVisible());
    EXPECT_EQ(time->text(), QStringLiteral("0x00012: %1 ≠ %2 (3 bytes differ)")
                                .arg(image, hexByte(board.memory()[0x12])));
    EXPECT_EQ(fx.state->Image.at(0x12), image);

    // Written and verified again: the marks go with the arming, and the message ends with the
    // VERIFY's result.
    auto* verifyAfterWrite = fx.control<QCheckBox>("chkVerifyAfterWrite");
    EXPECT_FALSE(verifyAfterWrite->isChecked());
    verifyAfterWrite->click();
    comm(0)->click();
    EXPECT_FALSE(marked(0x12) || time->isVisible() || verifyAfterWrite->isEnabled());
    comm(0)->click();
    answer();
    EXPECT_EQ(message(), QStringLiteral("Write Completed / Verify Completed"));
    EXPECT_FALSE(marked(0x12) || time->isVisible());
}
