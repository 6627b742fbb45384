// The port settings window: the digits-only boxes, and saving onto the main window's port and
// comm.txt with the failure report in between.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "FrmCommProperty.h"
#include "ProgramError.h"
#include "ProgramFolder.h"
#include "Pty.h"

namespace {

class CommProperty : public ::testing::Test {
protected:
    void SetUp() override {
        // Lines after the second are ignored on reading and must not survive a save.
        folder.writeSetting("comm.txt", {"1", "115200", "stale", "9600"});
        fx.start();
        fx.port.calls.clear();
        window = std::make_unique<FrmCommProperty>(*fx.state, dialogs, fx.port, fx.window.get());
        window->Form_Load();
        window->show();
    }

    QLineEdit* portBox() const { return control<QLineEdit>(*window, "txtCommPort"); }
    QLineEdit* rateBox() const { return control<QLineEdit>(*window, "txtCommRate"); }
    void clickSave() const { control<QPushButton>(*window, "comSave")->click(); }

    void type(QLineEdit* box, const QString& keys) {
        box->clear();
        QTest::keyClicks(box, keys);
    }
    void save(const QString& port, const QString& rate) {
        portBox()->setText(port);
        rateBox()->setText(rate);
        clickSave();
    }
    void expectReport(const QString& step) const {
        ASSERT_EQ(dialogs.shown.size(), 1);
        const QString head = step + QStringLiteral("に失敗しました\r\n");
        EXPECT_TRUE(dialogs.shown[0].text.startsWith(head)) << dialogs.shown[0].text.toStdString();
        EXPECT_GT(dialogs.shown[0].text.size(), head.size());  // the description follows
        EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("frmCommProperty.cmdSave"));
        EXPECT_TRUE(dialogs.shown[0].retryCancel);
    }

    ProgramFolder folder;
    MainWindowFixture fx{folder};
    ScriptedDialogs dialogs;
    std::unique_ptr<FrmCommProperty> window;
};

const QStringList kOldFile{"1", "115200", "stale", "9600"};

}  // namespace

TEST_F(CommProperty, ShowsTheSettingsUnderTheProgramsCaptions) {
    EXPECT_EQ(window->objectName(), QStringLiteral("frmCommProperty"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("通信設定"));
    EXPECT_EQ(control<QGroupBox>(*window, "fraCommPort")->title(), QStringLiteral("ポート番号"));
    EXPECT_EQ(control<QGroupBox>(*window, "fraCommSpeed")->title(),
              QStringLiteral("通信速度[bps]"));
    EXPECT_EQ(control<QLabel>(*window, "lblComm")->text(),
              QStringLiteral("半角数字のみ入力可能です。"));
    EXPECT_EQ(control<QPushButton>(*window, "comSave")->text(), QStringLiteral("保存"));
    EXPECT_EQ(portBox()->text(), QStringLiteral("1"));
    EXPECT_EQ(rateBox()->text(), QStringLiteral("115200"));
}

TEST_F(CommProperty, OnlyDigitsCanBeTyped) {
    type(portBox(), QStringLiteral("3a"));
    EXPECT_EQ(portBox()->text(), QStringLiteral("3"));
    type(rateBox(), QStringLiteral("9 6-0.0+x,E"));
    EXPECT_EQ(rateBox()->text(), QStringLiteral("9600"));
    // Full-width digits are not digits here, whether keyed or composed by an input method.
    portBox()->setText(QStringLiteral("1"));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("２"));
    QCoreApplication::sendEvent(portBox(), &press);
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("２a5"));
    QCoreApplication::sendEvent(portBox(), &composed);
    EXPECT_EQ(portBox()->text(), QStringLiteral("15"));
}

TEST_F(CommProperty, EditingKeysPassAndPastingIsNotFiltered) {
    QLineEdit* box = rateBox();
    box->setText(QStringLiteral("19200"));
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), QStringLiteral("1920"));
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, Qt::Key_Right);
    QTest::keyClicks(box, QStringLiteral("8"));
    EXPECT_EQ(box->text(), QStringLiteral("9820"));

    QApplication::clipboard()->setText(QStringLiteral("x1"));
    box->clear();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QStringLiteral("x1"));
}

TEST_F(CommProperty, SaveReconfiguresThePortStoresTwoLinesAndCloses) {
    save(QStringLiteral("3"), QStringLiteral("9600"));
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(fx.port.calls, (QStringList{"close", "setPortNumber 3", "setSpeed 9600", "open"}));
    EXPECT_TRUE(fx.port.isOpen());
    EXPECT_EQ(folder.settingLines("comm.txt"), (QStringList{"3", "9600"}));
    EXPECT_EQ(fx.state->CommSettings[0], QStringLiteral("3"));
    EXPECT_EQ(fx.state->CommSettings[1], QStringLiteral("9600"));
    EXPECT_EQ(fx.state->CurrentStep, QStringLiteral("comm.txtの書き込み処理"));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    // The main window's frame keeps the number it showed at start-up.
    EXPECT_EQ(fx.control<QGroupBox>("fraComm")->title(), QStringLiteral("デバイス通信 COM 1"));
}

TEST_F(CommProperty, PortThatDoesNotOpenIsStillSavedAndTheWindowCloses) {
    fx.port.openResult = false;
    save(QStringLiteral("250"), QStringLiteral("9600"));
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_FALSE(fx.port.isOpen());
    EXPECT_EQ(folder.settingLines("comm.txt"), (QStringList{"250", "9600"}));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(CommProperty, EmptySpeedFailsAsClosingAndCancelKeepsWhatWasTyped) {
    dialogs.answers = {Answer::Cancel};
    save(QStringLiteral("4"), QString());
    expectReport(QStringLiteral("通信ポートのクローズ"));
    EXPECT_EQ(fx.state->ErrorAnswer, QStringLiteral("2"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(portBox()->text(), QStringLiteral("4"));
    EXPECT_EQ(rateBox()->text(), QString());
    EXPECT_EQ(folder.settingLines("comm.txt"), kOldFile);
    // Closed, but not left with half a configuration.
    EXPECT_EQ(fx.port.calls, QStringList{"close"});

    // Corrected and saved again, it goes through.
    rateBox()->setText(QStringLiteral("38400"));
    clickSave();
    EXPECT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(folder.settingLines("comm.txt"), (QStringList{"4", "38400"}));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(CommProperty, RetryAfterTheValueIsFixedContinuesWithoutClosingAgain) {
    dialogs.answers = {Answer::Retry};
    dialogs.whileAsking = [this] { rateBox()->setText(QStringLiteral("19200")); };
    save(QStringLiteral("2"), QString());
    expectReport(QStringLiteral("通信ポートのクローズ"));
    EXPECT_EQ(fx.state->ErrorAnswer, QStringLiteral("4"));
    EXPECT_EQ(fx.port.calls, (QStringList{"close", "setPortNumber 2", "setSpeed 19200", "open"}));
    EXPECT_EQ(folder.settingLines("comm.txt"), (QStringList{"2", "19200"}));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(CommProperty, ErrorRaisedWhileOpeningIsReportedAsOpeningAndRetried) {
    int failures = 1;
    fx.port.failWith = [&](const QString& operation) {
        if (operation == QStringLiteral("open") && failures-- > 0) {
            throw ProgramError(QStringLiteral("ポートが使用中です。"));
        }
    };
    dialogs.answers = {Answer::Retry};
    dialogs.whileAsking = [this] {
        // Nothing is stored before the port is open again.
        EXPECT_EQ(folder.settingLines("comm.txt"), kOldFile);
    };
    save(QStringLiteral("5"), QStringLiteral("9600"));
    expectReport(QStringLiteral("通信ポートのオープン"));
    EXPECT_TRUE(dialogs.shown[0].text.endsWith(QStringLiteral("ポートが使用中です。")));
    EXPECT_EQ(fx.port.calls,
              (QStringList{"close", "setPortNumber 5", "setSpeed 9600", "open", "open"}));
    EXPECT_EQ(folder.settingLines("comm.txt"), (QStringList{"5", "9600"}));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(CommProperty, FileThatCannotBeWrittenIsReportedAndCancelKeepsTheWindow) {
    fx.state->SettingsFolder = folder.path(QStringLiteral("消えた/"));
    save(QStringLiteral("6"), QStringLiteral("9600"));
    expectReport(QStringLiteral("comm.txtの書き込み処理"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(fx.port.isOpen());  // the port has its new settings already
    EXPECT_EQ(fx.port.portNumber, 6);
}

TEST_F(CommProperty, RealFileUnderTheLinksNameIsReportedAndKept) {
    folder.writeSetting("COM7", {"mine"});
    ASSERT_TRUE(QFile::link("/dev/null", folder.path("設定/COM3")));
    window->Form_Load();
    control<QComboBox>(*window, "cmbPortDevice")
        ->setCurrentIndex(control<QComboBox>(*window, "cmbPortDevice")->findData("/dev/null"));
    save(QStringLiteral("7"), QStringLiteral("9600"));
    expectReport(QStringLiteral("設定/COM7のリンク作成"));
    EXPECT_EQ(folder.settingLines("COM7"), QStringList{"mine"});
    EXPECT_TRUE(window->isVisible());
}

namespace {

// The window over the real serial port layer, whose port did not open at start-up, and a board on
// a pseudo-terminal that 設定/COM<n> can lead to.
class CommPropertyOnARealPort : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(board.ok()); }

    void start(const QStringList& commLines) {
        folder.writeSetting("comm.txt", commLines);
        fx.start();
        ASSERT_FALSE(fx.port.isOpen());
        fx.dialogs.shown.clear();
        window = std::make_unique<FrmCommProperty>(*fx.state, fx.dialogs, fx.port, fx.window.get());
        window->Form_Load();
    }
    void link(const QString& target, const QString& name) const {
        ASSERT_TRUE(QFile::link(target, folder.path(QStringLiteral("設定/") + name)));
    }

    Pty board;
    ProgramFolder folder;
    RealPortWindowFixture fx{folder};
    std::unique_ptr<FrmCommProperty> window;
};

}  // namespace

TEST_F(CommPropertyOnARealPort, SavingMovesTheOpenPortToTheNewNumber) {
    link(board.slavePath(), "COM7");
    ASSERT_NO_FATAL_FAILURE(start({"250", "9600"}));
    control<QLineEdit>(*window, "txtCommPort")->setText(QStringLiteral("7"));
    control<QPushButton>(*window, "comSave")->click();
    EXPECT_TRUE(fx.dialogs.shown.isEmpty());
    EXPECT_TRUE(fx.port.isOpen());
    EXPECT_EQ(folder.settingLines("comm.txt"), (QStringList{"7", "9600"}));
}

TEST_F(CommPropertyOnARealPort, ChosenDeviceBecomesThePortNumbersLink) {
    link(board.slavePath(), "COM3");
    // Port 7 still leads to a board that is no longer connected.
    link("/dev/serial/by-id/usb-gone", "COM7");
    ASSERT_NO_FATAL_FAILURE(start({"7", "9600"}));
    auto* devices = control<QComboBox>(*window, "cmbPortDevice");
    EXPECT_EQ(devices->currentIndex(), 0);  // nothing changes unless a device is chosen
    const int gone = devices->findData(QStringLiteral("/dev/serial/by-id/usb-gone"));
    ASSERT_GT(gone, 0);
    EXPECT_TRUE(devices->itemText(gone).startsWith(QStringLiteral("設定/COM7 → ")));
    EXPECT_TRUE(devices->itemText(gone).endsWith(QStringLiteral("（接続されていません）")));
    const int board3 = devices->findData(board.slavePath());
    ASSERT_GT(board3, 0);

    devices->setCurrentIndex(board3);
    control<QPushButton>(*window, "comSave")->click();
    EXPECT_TRUE(fx.dialogs.shown.isEmpty());
    EXPECT_EQ(QFileInfo(folder.path("設定/COM7")).symLinkTarget(), board.slavePath());
    EXPECT_TRUE(fx.port.isOpen());
    EXPECT_EQ(folder.settingLines("comm.txt"), (QStringList{"7", "9600"}));
}
